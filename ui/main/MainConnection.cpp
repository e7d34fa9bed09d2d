#include "ui/main/MainConnection.h"

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"
#include "device/protocol/SharedConstants.h"
#include "ui/main/UnitAddress.h"

using korvan::sys::Timer;

namespace {
constexpr korvan::sys::Millis ComScanMs = 1;
constexpr korvan::sys::Millis DisconnectMs = 300;
constexpr korvan::sys::Millis LinkBrokenMs = 300;
constexpr korvan::sys::Millis LockPromptMs = 1000;
constexpr korvan::sys::Millis ProcessShowMs = 100;
constexpr korvan::sys::Millis LevelPollMs = 300;
constexpr korvan::sys::Millis UploadSaveMs = 300;
} // namespace

TfmMainConnection::TfmMainConnection(korvan::MainConnectionView& view, korvan::ConnectionServices services)
    : view_(view), gui_(services.gui), clock_(services.clock), ports_(services.ports),
      ClientSocket(services.gui), tmComScan(
                                      gui_, ComScanMs, [this] { tmComScanTimer(); }, Timer::Kind::OneShot),
      tmDisconnect(
          gui_, DisconnectMs, [this] { tmDisconnectTimer(); }, Timer::Kind::OneShot),
      tmLinkBroken(
          gui_, LinkBrokenMs, [this] { tmLinkBrokenTimer(); }, Timer::Kind::OneShot),
      tmLockPrompt(
          gui_, LockPromptMs, [this] { tmLockPromptTimer(); }, Timer::Kind::OneShot),
      tmProcessShow(
          gui_, ProcessShowMs, [this] { tmProcessShowTimer(); }, Timer::Kind::OneShot),
      tmInLevelDet(
          gui_, LevelPollMs, [this] { tmInLevelDetTimer(); }, Timer::Kind::Repeating),
      tmUpload(
          gui_, UploadSaveMs, [this] { tmUploadTimer(); }, Timer::Kind::OneShot),
      alive_(std::make_shared<TfmMainConnection*>(this)) {
    SetUnitId(1);
    UnitControl = std::make_unique<LUnitControl>(*this);

    // The controller's first device list is built once the GUI loop runs,
    // after the events are bound.
    HidCtl = std::make_unique<TJvHidDeviceController>(gui_, services.hid, clock_);
    HidCtl->SetLoading(true);
    HidCtl->SetOnDeviceChange({this, &TfmMainConnection::HidCtlDeviceChange});
    HidCtl->SetOnEnumerate({this, &TfmMainConnection::HidCtlEnumerate});
    HidCtl->SetOnDeviceUnplug({this, &TfmMainConnection::HidCtlDeviceUnplug});
    HidCtl->SetOnDeviceData({this, &TfmMainConnection::HidCtlDeviceData});
    HidCtl->SetOnDeviceDataError({this, &TfmMainConnection::HidCtlDeviceDataError});
    HidCtl->SetLoading(false);

    const std::string address = korvan::UnitAddress();
    ClientSocket.SetPort(korvan::UnitPortNumber());
    ClientSocket.SetAddress(address);
    IpAddress = korvan::ParseIpAddress(address).value_or(0);
    ClientSocket.OnConnecting = [this] { ClientSocketConnecting(); };
    ClientSocket.OnConnect = [this] { ClientSocketConnect(); };
    ClientSocket.OnRead = [this] { ClientSocketRead(); };
    ClientSocket.OnError = [this](korvan::sys::TcpError kind, int& code) { ClientSocketError(kind, code); };
    ClientSocket.OnDisconnect = [this] { ClientSocketDisconnect(); };
}

TfmMainConnection::~TfmMainConnection() {
    // The links' threads read alive_ when they post a monitor line: it goes
    // only once they have stopped.
    FreeLinksOnClose();
    alive_.reset();
    ClientSocket.Close();
    if (HidDevice != nullptr) {
        TJvHidDevice* device = nullptr;
        {
            std::lock_guard lock(hidDeviceMutex_);
            std::swap(device, HidDevice);
        }
        HidCtl->CheckIn(device);
    }
}

void TfmMainConnection::SendCmd(const LCmd& cmd, bool append) {
    const std::vector<std::uint8_t> frame = BuildFrame(cmd);
    WithOpenLink([&](auto& link) { link.SendQueued(frame, append); });
}

void TfmMainConnection::SetLinkTimeout(std::uint32_t ms) {
    WithOpenLink([ms](auto& link) { link.SetTimeout(ms); });
}

void TfmMainConnection::SetLinkRetries(int count) {
    WithOpenLink([count](auto& link) { link.SetRetries(count); });
}

void TfmMainConnection::SetKeepAlivePause(bool paused) {
    WithOpenLink([paused](auto& link) { link.SetPaused(paused); });
}

void TfmMainConnection::SetUnitId(int id) {
    if (id < 1 || id > 254)
        return;
    UnitId = id;
    view_.ShowUnitId("ID : " + std::to_string(id));
    WithOpenLink([id](auto& link) { link.SetDeviceId(id); });
}

void TfmMainConnection::SendCode(std::uint8_t code, bool append) {
    SendCmd(CM_MCS_CMD(GetUnitId(), code), append);
}

void TfmMainConnection::SendCode(std::uint8_t code, std::uint8_t value, bool append) {
    SendCmd(CM_MCS_CMD(GetUnitId(), code, value), append);
}

void TfmMainConnection::CloseProgress() {
    tmProcessShow.SetEnabled(false);
    view_.CloseProgress();
}

korvan::LinkId TfmMainConnection::OpenLinkId() const {
    korvan::LinkId id = 0;
    WithOpenLink([&id](const auto& link) { id = link.GetLinkId(); });
    return id;
}

bool TfmMainConnection::HasLink(korvan::LinkKind kind) const {
    switch (kind) {
    case korvan::LinkKind::Serial:
        return bool(ComLink);
    case korvan::LinkKind::Usb:
        return bool(UsbLink);
    case korvan::LinkKind::Net:
        return bool(NetLink);
    }
    return false;
}

// --- timers ------------------------------------------------------------------

void TfmMainConnection::tmComScanTimer() {
    if (!view_.IsScanDialogVisible())
        return;
    for (korvan::LinkKind kind : {korvan::LinkKind::Serial, korvan::LinkKind::Usb, korvan::LinkKind::Net}) {
        if (!HasLink(kind))
            continue;
        FreeLink(kind);
        view_.ScanResult(0);
    }
}

void TfmMainConnection::tmDisconnectTimer() {
    if (!IsLinkOpen())
        return;
    CloseLink();
    view_.ReportLinkBroken();
}

void TfmMainConnection::tmLinkBrokenTimer() {
    if (!IsLinkOpen())
        return;
    CloseLink();
    view_.SetScanPosition(0);
    view_.ReportLinkBroken();
    view_.ShowScanDialogModal();
}

void TfmMainConnection::tmLockPromptTimer() {
    // One prompt at a time: a second lock answer while the prompt is up
    // (its modal loop runs this timer too) does not stack another.
    if (JobState != JobUnlockPanel || UnlockPromptOpen)
        return;
    UnlockPromptOpen = true;
    view_.ShowUnlockPrompt();
}

void TfmMainConnection::tmProcessShowTimer() {
    view_.ShowProgressModal();
}

// Each tick asks for the levels as a replaceable request, so that a slow
// link never piles polls up in its queue.
void TfmMainConnection::tmInLevelDetTimer() {
    SendCode(MCS_LEVELS, false);
}

void TfmMainConnection::StopLevelPoll(Meters meters) {
    tmInLevelDet.SetEnabled(false);
    if (meters == Meters::Clear)
        view_.ClearMeters();
}
