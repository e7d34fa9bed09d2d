// Opening and closing the link, its events, and the transports the window
// provides for the USB and network links.

#include "ui/main/MainConnection.h"

#include "device/link/UsbReports.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/SharedConstants.h"
#include "platform/text/IntText.h"
#include "ui/main/UnitAddress.h"

#include <system_error>

namespace {

constexpr std::uint32_t SerialConnectTimeoutMs = 100;
constexpr int SerialConnectRetries = 0;
constexpr std::uint32_t UsbConnectTimeoutMs = 100;
constexpr int UsbConnectRetries = 3;
constexpr std::uint32_t NetConnectTimeoutMs = 4000;
constexpr int NetConnectRetries = 0;
constexpr int SerialBaudRate = 115200;

std::string ReportIdText(std::uint8_t id) {
    return IntToHex(id, 2) + "  ";
}

bool IsUnitDevice(TJvHidDevice* device) {
    return device != nullptr && device->Attributes().VendorID == korvan::UnitVendorId &&
           device->Attributes().ProductID == korvan::UnitProductId;
}

} // namespace

// --- opening and closing -------------------------------------------------------

void TfmMainConnection::OpenComLink() {
    SessionOpen = false;
    if (ComLink)
        FreeLink(korvan::LinkKind::Serial);
    ComLink = std::make_unique<LCommProc>(*this);
    const auto port = korvan::sys::SerialPortDirectory::PortNumber(ComPortName);
    if (!port ||
        !ComLink->Open(*port, SerialBaudRate, 8, korvan::sys::Parity::None, korvan::sys::StopBits::One)) {
        FreeLink(korvan::LinkKind::Serial);
        view_.ReportLinkBroken();
        return;
    }
    SetLinkTimeout(SerialConnectTimeoutMs);
    SetLinkRetries(SerialConnectRetries);
    Handshaking = true;
    SendCode(MCS_CONNECT, true);
}

void TfmMainConnection::OpenUsbLink() {
    SessionOpen = false;
    if (UsbLink)
        FreeLink(korvan::LinkKind::Usb);
    UsbLink = std::make_unique<LUsbProc>(*this, *this);
    if (!UsbLink->Open()) {
        FreeLink(korvan::LinkKind::Usb);
        view_.ScanResult(0);
        return;
    }
    SetLinkTimeout(UsbConnectTimeoutMs);
    SetLinkRetries(UsbConnectRetries);
    Handshaking = true;
    SendCode(MCS_CONNECT, true);
}

void TfmMainConnection::OpenNetLink() {
    SessionOpen = false;
    if (NetLink)
        FreeLink(korvan::LinkKind::Net);
    NetLink = std::make_unique<LNetProc>(*this, *this);
    if (!NetLink->Open()) {
        FreeLink(korvan::LinkKind::Net);
        view_.ScanResult(0);
        return;
    }
    SetLinkTimeout(NetConnectTimeoutMs);
    SetLinkRetries(NetConnectRetries);
    Handshaking = true;
    SendCode(MCS_CONNECT, true);
}

void TfmMainConnection::FreeLink(korvan::LinkKind kind) {
    // The field is cleared only once the link has closed: its I/O thread
    // may still be writing through this window until then.
    switch (kind) {
    case korvan::LinkKind::Serial:
        if (ComLink) {
            ComLink->Close();
            ComLink.reset();
        }
        break;
    case korvan::LinkKind::Usb:
        if (UsbLink) {
            UsbLink->Close();
            UsbLink.reset();
        }
        break;
    case korvan::LinkKind::Net:
        if (NetLink) {
            NetLink->Close();
            NetLink.reset();
        }
        break;
    }
}

void TfmMainConnection::CloseLink() {
    if (ComLink) {
        FreeLink(korvan::LinkKind::Serial);
    } else if (UsbLink) {
        FreeLink(korvan::LinkKind::Usb);
    } else if (NetLink) {
        FreeLink(korvan::LinkKind::Net);
        ClientSocket.Close();
    }
    EndJob();
    if (!view_.IsScanConnected())
        return;
    SessionOpen = false;
    HidCtl->DeviceChange();
    view_.ShowOffLine(Translate("SID_CONNECT"), Translate("SID_OFFLINE"),
                      std::string(AppTitle) + " " + AppVersion);
    Online = false;
    StopLevelPoll(Meters::Clear);
}

void TfmMainConnection::FreeLinksOnClose() {
    FreeLink(korvan::LinkKind::Serial);
    FreeLink(korvan::LinkKind::Usb);
    FreeLink(korvan::LinkKind::Net);
}

void TfmMainConnection::OnLinkStatus(const korvan::LinkStatusMessage& message) {
    // A late event of a link that was closed since says nothing about the
    // link open now.
    if (message.link != OpenLinkId())
        return;
    if (message.code == LinkTimeout && Handshaking) {
        if (ComLink)
            FreeLink(korvan::LinkKind::Serial);
        else if (UsbLink)
            FreeLink(korvan::LinkKind::Usb);
        else
            FreeLink(korvan::LinkKind::Net);
        view_.ScanResult(0);
    }
    if (SessionOpen)
        LinkLost();
}

void TfmMainConnection::LinkLost() {
    CloseLink();
    view_.SetScanPosition(0);
    view_.ReportLinkBroken();
    view_.ShowScanDialogModal();
}

// A job running on the link ends with it, however it closed (a broken or
// unplugged link included): its progress window goes (nothing else would
// close it), no later reply advances it, and a main window a download
// disabled is enabled. The model takes a paged transfer only once its last
// page came, so it stays as it was before the job; an upload saves its file
// only once every preset came.
void TfmMainConnection::EndJob() {
    JobState = JobIdle;
    expectedPage_ = -1;
    CloseProgress();
    if (downloading_) {
        downloading_ = false;
        view_.SetMainWindowEnabled(true);
    }
}

void TfmMainConnection::ClientSocketDisconnect() {
    if (NetLink && SessionOpen)
        LinkLost();
}

// --- frame monitor ---------------------------------------------------------------

bool TfmMainConnection::HasUsbDevice() const {
    std::lock_guard lock(hidDeviceMutex_);
    return HidDevice != nullptr;
}

void TfmMainConnection::SelectNetTarget(bool automaticAddress) {
    if (!automaticAddress) {
        if (!ClientSocket.IsActive())
            ClientSocket.Open();
    } else {
        IpAddress = 0;
    }
}

void TfmMainConnection::ApplyNetAddress(std::uint32_t address) {
    ClientSocket.Close();
    ClientSocket.SetAddress(korvan::FormatIpAddress(address));
    ClientSocket.Open();
    IpAddress = address;
}

void TfmMainConnection::PostMonitorText(korvan::LinkKind kind, std::string line) {
    gui_.Post([alive = std::weak_ptr<TfmMainConnection*>(alive_), kind, line = std::move(line)] {
        const auto self = alive.lock();
        if (!self)
            return;
        TfmMainConnection& core = **self;
        if (core.HasLink(kind) && core.view_.IsMonitorVisible())
            core.view_.AddMonitorLine(line);
    });
}

void TfmMainConnection::LogComWrite(const std::uint8_t* bytes, std::size_t length) {
    PostMonitorLine(korvan::LinkKind::Serial,
                    [&] { return "COM W " + korvan::text::HexList(bytes, length); });
}

void TfmMainConnection::LogComRead(const std::uint8_t* bytes, std::size_t length) {
    PostMonitorLine(korvan::LinkKind::Serial,
                    [&] { return "COM R " + korvan::text::HexList(bytes, length); });
}

// --- USB ---------------------------------------------------------------------------

bool TfmMainConnection::UsbWriteReport(const std::uint8_t* bytes, std::size_t length) {
    {
        std::lock_guard lock(hidDeviceMutex_);
        if (HidDevice == nullptr)
            return true; // the unit has gone: the missing reply ends in a time-out
        const std::size_t reportLength = HidDevice->GetCaps().OutputReportByteLength;
        const auto report = korvan::BuildOutputReport(bytes, length, reportLength);
        if (!report)
            return false;
        // The line goes ahead of the write, so that the reply's line, made
        // on the GUI thread, never comes before it.
        PostMonitorLine(korvan::LinkKind::Usb, [&] {
            return "USB W " + ReportIdText(korvan::UsbReportId) + korvan::text::HexList(bytes, length);
        });
        std::uint32_t written = 0;
        HidDevice->WriteFile(report->data(), std::uint32_t(report->size()), written);
    }
    return true;
}

void TfmMainConnection::HidCtlDeviceChange(TJvHidDeviceController* /*Sender*/) {
    HidCtl->Enumerate();
}

bool TfmMainConnection::HidCtlEnumerate(TJvHidDevice* HidDev, int Idx) {
    if (IsUnitDevice(HidDev) && HidDevice == nullptr) {
        TJvHidDevice* device = nullptr;
        if (HidCtl->CheckOutByIndex(device, Idx)) {
            std::lock_guard lock(hidDeviceMutex_);
            HidDevice = device;
        }
        if (device != nullptr)
            view_.SetStatusText("Detect HID");
    }
    return true;
}

void TfmMainConnection::HidCtlDeviceUnplug(TJvHidDevice* HidDev) {
    if (!IsUnitDevice(HidDev))
        return;
    TJvHidDevice* device = HidDev;
    {
        std::lock_guard lock(hidDeviceMutex_);
        if (HidDevice == HidDev)
            HidDevice = nullptr;
    }
    HidCtl->CheckIn(device);
    if (view_.IsMainWindowVisible() && view_.StatusText() == "Detect HID")
        view_.SetStatusText("OffLine");
    if (UsbLink)
        tmLinkBroken.SetEnabled(true);
}

void TfmMainConnection::HidCtlDeviceData(TJvHidDevice* /*HidDev*/, std::uint8_t ReportID,
                                         const std::uint8_t* Data, std::uint16_t Size) {
    const std::size_t length = korvan::InputReportFrameLength(Data, Size);
    // The report buffer is the read thread's: the line is made before the
    // link takes the bytes.
    std::string line;
    if (monitorShown_)
        line = "USB R " + ReportIdText(ReportID) + korvan::text::HexList(Data, length);
    if (UsbLink)
        UsbLink->PushReceived(Data, length);
    if (!line.empty())
        PostMonitorText(korvan::LinkKind::Usb, std::move(line));
}

void TfmMainConnection::HidCtlDeviceDataError(TJvHidDevice* /*HidDev*/, std::uint32_t Error) {
    view_.ShowMessage("READ ERROR: " + std::system_category().message(int(Error)));
}

// --- network -------------------------------------------------------------------------

void TfmMainConnection::NetWriteFrame(const std::uint8_t* bytes, std::size_t length) {
    // Ahead of the write, as for USB: the reply's line never comes first.
    PostMonitorLine(korvan::LinkKind::Net, [&] { return "NET W " + korvan::text::HexList(bytes, length); });
    ClientSocket.SendBuf(bytes, length);
}

void TfmMainConnection::ClientSocketConnecting() {
    view_.SetScanStatus("Network Connecting");
}

void TfmMainConnection::ClientSocketConnect() {
    view_.SetScanStatus("Connecting IP:" + ClientSocket.RemoteAddress());
}

void TfmMainConnection::ClientSocketRead() {
    std::uint8_t buffer[korvan::SocketReadSize];
    const long n = ClientSocket.ReceiveBuf(buffer, sizeof buffer);
    if (n <= 0)
        return;
    // Every read goes into the link, however short: a reply split over
    // several reads is put together by the link's assembler, and a lost one
    // ends in the link's own re-send, so no copy of the last written frame
    // is kept to write it again.
    const auto count = std::size_t(n);
    if (NetLink)
        NetLink->PushReceived(buffer, count);
    PostMonitorLine(korvan::LinkKind::Net, [&] {
        return "NET R " + korvan::text::HexList(buffer, korvan::InputReportFrameLength(buffer, count));
    });
}

void TfmMainConnection::ClientSocketError(korvan::sys::TcpError /*kind*/, int& errorCode) {
    errorCode = 0;
}

// --- channel copies and the sync after a link change ---------------------------------

void TfmMainConnection::CopyChannelOnUnit(int from, int to, bool reread) {
    if (!SessionOpen)
        return;
    if (reread)
        JobState = JobReread;
    SendCmd(CM_MCS_CMD(GetUnitId(), MCS_COPY_CHANNEL, std::uint8_t(from), std::uint8_t(to)), true);
}

void TfmMainConnection::SyncAfterLink() {
    if (!SessionOpen)
        return;
    StopLevelPoll(Meters::Keep);
    JobState = JobReread;
    SendCode(MCS_ALIVE, true);
}
