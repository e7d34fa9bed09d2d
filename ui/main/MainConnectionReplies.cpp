// The reply dispatcher, the connect sequence and the acknowledgement table
// of the transfer jobs.

#include "ui/main/MainConnection.h"

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"

#include <algorithm>

namespace {

constexpr std::uint8_t ReleaseId = 255;
constexpr int PresetNames = 20;
constexpr int LastPage = 28;
constexpr int PageSteps = 29;
constexpr std::size_t LockFlagByte = 5;
constexpr int FileLoadDone = 12;
// Wrong answers to one page request before the link counts as broken.
constexpr int PageRetries = 3;

} // namespace

void TfmMainConnection::OnLinkFrame(const korvan::LinkFrameMessage& message) {
    if (message.message == WM_LINK_FRAME)
        OnFrameReceived(message.frame);
}

void TfmMainConnection::OnFrameReceived(const std::vector<std::uint8_t>& frame) {
    const LCmd reply(frame);
    // The links drop garbled frames; one that still comes is nobody's reply.
    if (!reply.IsValid())
        return;
    const std::uint8_t id = reply.GetId();
    if (id != GetUnitId()) {
        tmComScan.SetEnabled(true);
        return;
    }
    const std::vector<std::uint8_t>& payload = reply.GetPayload();
    const std::uint8_t first = payload.empty() ? 0 : payload[0];
    switch (reply.GetCode()) {
    case MCS_ACK:
        OnAcknowledge();
        break;
    case MCS_CONNECT:
        OnHandshake(id, payload);
        break;
    case MCS_IDENTITY:
        view_.ScanResult(1);
        OnIdentity(id, payload);
        break;
    case MCS_CURRENT_PRESET:
        OnCurrentPreset(id, first);
        break;
    case MCS_READ_EEPROM:
        UnitControl->SetDeviceInfo(payload);
        RequestPresetData(UploadPresetIndex);
        break;
    case MCS_PRESET_FLAGS:
        OnPresetFlags(id, payload);
        break;
    case MCS_STATE_PAGE:
        OnParameterPage(id, payload);
        break;
    case MCS_DOWNLOAD:
        OnDownloadAck(payload);
        break;
    case MCS_READ_PRESET_PAGE:
        OnPresetPage(payload);
        break;
    case MCS_READ_PRESET_NAME:
        OnPresetName(id, payload);
        break;
    case MCS_LOCK_STATE:
        OnLockState(id, payload);
        break;
    case MCS_PASS_SUBMIT:
        if (payload.size() >= 2 && payload[0] == 0)
            view_.SetCheckResult(payload[1]);
        break;
    case MCS_LEVELS:
        OnLevels(payload);
        break;
    default:
        break;
    }
}

void TfmMainConnection::OnAcknowledge() {
    // An acknowledgement advances a transfer job. With none running it
    // changes nothing: a unit may acknowledge its keep-alive, also while a
    // locked unit's unlock prompt is still due.
    if (JobState == JobIdle || JobState == JobUnlockPanel)
        return;
    const TJobState job = JobState;
    JobState = JobIdle;
    switch (job) {
    case JobRecall:
        SetLinkTimeout(5000);
        RequestStatePage(0);
        break;
    case JobStore:
        SetLinkTimeout(10000);
        SendCode(MCS_STORE_PRESET, std::uint8_t(CurrentPreset), true);
        JobState = JobStoreFinish;
        view_.SetProgressPosition(1);
        break;
    case JobStoreFinish:
        view_.FillProgress();
        SendCode(MCS_ALIVE, false);
        CloseProgress();
        StartLevelPoll();
        break;
    case JobFactoryReset:
    case JobReread:
        SetLinkTimeout(5000);
        SendCode(MCS_PRESET_FLAGS, true);
        break;
    case JobUploadPreset:
        SetLinkTimeout(5000);
        RequestPresetPage(0);
        break;
    case JobDownloadStart:
        JobState = JobDownloadPreset;
        SendCmd(
            CM_MCS_WRITE_EEPROM(GetUnitId(), 1, std::span<const std::uint8_t>(UnitFileHeader).subspan(1, 17)),
            true);
        break;
    case JobDownloadPreset:
        DownloadNextPreset(DownloadPresetIndex);
        break;
    case JobIdle:
    case JobUnlockPanel:
        break;
    }
}

void TfmMainConnection::RequestPresetData(int slot) {
    if (slot < 1 || slot > korvan::kPresetSlots)
        return;
    JobState = JobUploadPreset;
    SendCode(MCS_SELECT_PRESET, std::uint8_t(slot), true);
}

// --- the connect sequence ------------------------------------------------------

void TfmMainConnection::OnHandshake(std::uint8_t /*id*/, std::vector<std::uint8_t> /*payload*/) {
    SetLinkTimeout(100);
    Handshaking = false;
    SessionOpen = true;
    SendCode(MCS_IDENTITY, true);
    SetKeepAlivePause(false);
    SetLinkRetries(1);
    SetLinkTimeout(5000);
}

void TfmMainConnection::OnIdentity(std::uint8_t /*id*/, std::vector<std::uint8_t> payload) {
    const std::string identity(payload.begin(), payload.end());
    const char* error = nullptr;
    if (!identity.starts_with("KORVAN"))
        error = "SID_INFO_ERROR_UNIT";
    else if (!identity.starts_with("KORVAN V010"))
        error = "SID_INFO_ERROR_VERSION";

    if (error != nullptr) {
        SendCmd(CM_MCS_CMD(ReleaseId, MCS_RELEASE), true);
        SetKeepAlivePause(true);
        view_.HideScanDialog();
        SessionOpen = false;
        view_.ShowInformation(Translate(error));
        tmDisconnect.SetEnabled(true);
        return;
    }

    std::string interfaceName;
    if (ComLink)
        interfaceName = ComPortName;
    else if (UsbLink)
        interfaceName = "USB";
    else if (NetLink)
        interfaceName = "NET";
    view_.ShowOnLine(Translate("SID_ONLINE"), Translate("SID_DISCONNECT"), interfaceName);
    Online = true;
    SetLinkTimeout(!ComLink && UsbLink ? 5000 : 1000);
    SendCode(MCS_LOCK_STATE, true);
}

void TfmMainConnection::OnLockState(std::uint8_t /*id*/, std::vector<std::uint8_t> payload) {
    const bool locked = payload.size() > LockFlagByte && payload[LockFlagByte] != 0;
    if (locked) {
        JobState = JobUnlockPanel;
        tmLockPrompt.SetEnabled(true);
    } else {
        SendCode(MCS_PRESET_FLAGS, false);
    }
}

void TfmMainConnection::OnPresetFlags(std::uint8_t /*id*/, std::vector<std::uint8_t> payload) {
    SendCode(MCS_CURRENT_PRESET, true);
    UnitControl->SetPresetFlags(payload);
    UnitControl->ResetPresetNames();
    view_.PrepareProgress(Translate("SID_UPLOAD_PARAMETER"), 0, PageSteps);
    tmProcessShow.SetEnabled(true);
}

void TfmMainConnection::OnCurrentPreset(std::uint8_t /*id*/, std::uint8_t preset) {
    CurrentPreset = preset;
    SendCode(MCS_READ_PRESET_NAME, 0, true);
}

void TfmMainConnection::OnPresetName(std::uint8_t /*id*/, std::vector<std::uint8_t> payload) {
    if (payload.empty())
        return;
    const int n = payload[0];
    // Only indices 0..19 are asked for. A reply naming another slot writes
    // no row; the read goes on with the parameters rather than waiting for
    // a name that will not come.
    if (n < PresetNames)
        UnitControl->SetPresetListName(n + 1, payload);
    if (n + 1 < PresetNames)
        SendCode(MCS_READ_PRESET_NAME, std::uint8_t(n + 1), true);
    else
        RequestStatePage(0);
}

void TfmMainConnection::RequestStatePage(int page) {
    expectedPage_ = page;
    pageRetries_ = 0;
    pageCode_ = MCS_READ_STATE_PAGE;
    SendCode(MCS_READ_STATE_PAGE, std::uint8_t(page), true);
}

void TfmMainConnection::RequestPresetPage(int page) {
    expectedPage_ = page;
    pageRetries_ = 0;
    pageCode_ = MCS_READ_PRESET_PAGE;
    SendCode(MCS_READ_PRESET_PAGE, std::uint8_t(page), true);
}

void TfmMainConnection::OnParameterPage(std::uint8_t /*id*/, std::vector<std::uint8_t> payload) {
    // Only the page asked for is taken; a page nobody asked for is ignored.
    if (expectedPage_ < 0 || pageCode_ != MCS_READ_STATE_PAGE)
        return;
    const bool asked = !payload.empty() && payload[0] == expectedPage_;
    const korvan::PageResult result =
        asked ? UnitControl->ReceiveStateBlock(payload) : korvan::PageResult::Ignored;
    if (result == korvan::PageResult::Ignored) {
        AskPageAgain();
        return;
    }
    pageRetries_ = 0;
    if (result == korvan::PageResult::Completed) {
        expectedPage_ = -1;
        EndParameterRead();
        return;
    }
    const int page = payload[0];
    if (page < LastPage) {
        RequestStatePage(page + 1);
        view_.SetProgressPosition(page);
    }
}

// Another page, or a page too long, came for the one asked (or the unit
// acknowledged another page than the one sent): it is asked (sent) again,
// and a unit that keeps answering wrongly ends the session as a broken link
// does, so the transfer never waits behind its progress window.
void TfmMainConnection::AskPageAgain() {
    if (++pageRetries_ <= PageRetries) {
        if (pageCode_ == MCS_DOWNLOAD)
            SendDownloadPage(expectedPage_);
        else
            SendCode(pageCode_, std::uint8_t(expectedPage_), true);
        return;
    }
    pageRetries_ = 0;
    expectedPage_ = -1;
    CloseProgress();
    tmLinkBroken.SetEnabled(true);
}

void TfmMainConnection::EndParameterRead() {
    view_.SetProgressPosition(PageSteps);
    SendCode(MCS_ALIVE, false);
    CloseProgress();
    view_.HidePendingGeqCurve();
    view_.RefreshFromModel();
    StartLevelPoll();
    view_.EnableConnectButton();
}

void TfmMainConnection::OnLevels(std::vector<std::uint8_t> payload) {
    view_.OnLevelMeters(payload);
    if (FileLoadState == FileLoadDone) {
        FileLoadState = 0;
        SendCode(MCS_ALIVE, false);
        CloseProgress();
    }
}
