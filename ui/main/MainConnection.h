#pragma once
// The main window's connection core: the fields the links and the connect
// sequence share, the one open link and its transports (the HID device of
// the unit and the TCP client socket), the send operation every record goes
// through, the link events, and the reply dispatcher with the connect
// sequence and the acknowledgement table of the transfer jobs.
//
// It needs no window: what the sequence shows goes through
// MainConnectionView. The main window derives from it (beside TForm) and
// keeps these names. Everything runs on the GUI thread except the write
// hooks (UsbWriteReport, NetWriteFrame) and the serial monitor hooks, which
// the links' I/O threads call.

#include "device/hid/TJvHidDeviceController.h"
#include "device/link/LCommProc.h"
#include "device/link/LNetProc.h"
#include "device/link/LUsbProc.h"
#include "device/link/LinkOwner.h"
#include "device/link/LinkWriteHooks.h"
#include "device/model/LUnitControl.h"
#include "device/model/UnitHost.h"
#include "platform/sys/TcpClient.h"
#include "platform/sys/Timer.h"
#include "ui/main/LanguageTables.h"
#include "ui/main/MainConnectionView.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>

// The multi-frame job that the next acknowledgement (MCS_ACK) advances.
enum TJobState : int {
    JobIdle = 0,
    JobRecall = 1,
    JobStore = 2,
    JobFactoryReset = 3,
    JobUploadPreset = 4,
    JobDownloadPreset = 5,
    JobReread = 6,
    JobUnlockPanel = 8,
    JobStoreFinish = 9,
    JobDownloadStart = 10,
};

namespace korvan {

// What the core runs on: the GUI thread with its timers, the clock of the
// links, the serial ports and the HID devices of the system (or fakes).
struct ConnectionServices {
    sys::GuiThread& gui;
    sys::Clock& clock = sys::SystemClock();
    sys::SerialPortDirectory& ports = sys::SerialPortDirectory::System();
    sys::hid::HidBackend& hid = sys::hid::SystemHidBackend();
};

// The graphic-EQ band whose caption and shaded curve were shown last.
struct PendingGeqEditState {
    int plotIndex = 14;
    int section = 0;
    double gain = 0;
    float q = 0;
};

// The unit's HID identity.
inline constexpr std::uint16_t UnitVendorId = 0x0168;
inline constexpr std::uint16_t UnitProductId = 0x0821;
// The most one socket read takes.
inline constexpr std::size_t SocketReadSize = 100;
// Reply time-out of the requests that start a preset job.
inline constexpr std::uint32_t JobReplyTimeoutMs = 10000;

} // namespace korvan

class TfmMainConnection : public LinkOwner,
                          public korvan::UnitHost,
                          public korvan::UsbReportWriter,
                          public korvan::NetFrameWriter {
public:
    TfmMainConnection(korvan::MainConnectionView& view, korvan::ConnectionServices services);
    // Frees the links (as FormClose does) and gives the HID device back.
    ~TfmMainConnection() override;
    TfmMainConnection(const TfmMainConnection&) = delete;
    TfmMainConnection& operator=(const TfmMainConnection&) = delete;

    // --- sending and the link-neutral settings (first engine set: serial,
    // USB, network; nothing without one) ---
    void SendCmd(const LCmd& cmd, bool append) override;
    void SetLinkTimeout(std::uint32_t ms);
    void SetLinkRetries(int count);
    void SetKeepAlivePause(bool paused);
    // 1..254; anything else is ignored.
    void SetUnitId(int id);
    bool IsSessionOpen() const { return SessionOpen; }
    std::string Translate(std::string_view key) const { return Languages.Translate(key); }

    // --- links ---
    void OpenComLink();
    void OpenUsbLink();
    void OpenNetLink();
    void CloseLink();
    // Closing the main window for good: the serial, USB and network links
    // are closed and freed in this order; nothing is sent.
    void FreeLinksOnClose();
    bool IsLinkOpen() const { return ComLink || UsbLink || NetLink; }
    // Before every scan: connects the client socket to the set address, or
    // (automatic address) leaves the network out of the scan.
    void SelectNetTarget(bool automaticAddress);
    // Reconnects the client socket to `address` and keeps it as the unit's
    // address.
    void ApplyNetAddress(std::uint32_t address);
    // The unit's HID device is checked out of HidCtl.
    bool HasUsbDevice() const;

    // --- link messages (WM_LINK_FRAME, WM_LINK_STATUS) ---
    void OnFrameReceived(const std::vector<std::uint8_t>& frame);
    void OnLinkStatus(const korvan::LinkStatusMessage& message) override;

    // --- the level-meter poll (tmInLevelDet) ---
    // It runs while the unit is on line and no transfer holds the link:
    // started at the end of a parameter read (connect or recall) and of a
    // preset store, and by the transfers that read stored presets or save a
    // unit file when they end; stopped, with the meters cleared, when the
    // link closes and when a store, recall, unit-file transfer or factory
    // reset starts; the link dialog's sync stops it and keeps the meters.
    enum class Meters { Clear, Keep };
    void StartLevelPoll() { tmInLevelDet.SetEnabled(true); }
    void StopLevelPoll(Meters meters);
    bool IsLevelPollRunning() const { return tmInLevelDet.Enabled(); }

    // --- channel copies and links on the unit; on line only ---
    // Asks the unit to copy channel `from` onto `to`; with `reread` the
    // editor reads every parameter again once the unit acknowledges.
    void CopyChannelOnUnit(int from, int to, bool reread);
    // After the link window changed masks or copied: the level poll stops
    // (the meters keep their values) and the sync request goes out behind
    // the copies and masks; its acknowledgement starts the re-read.
    void SyncAfterLink();

    // --- preset jobs the store, recall and factory-reset windows start; on
    // line only ---
    // Slot n + 1 (n 0..19) takes the current settings under `name` (14 bytes
    // of the system's 8-bit code page).
    void StorePreset(int n, const std::string& name);
    // Preset n: 0 = the factory preset, 1..20 = U01..U20.
    void RecallPreset(int n);
    void RequestFactoryReset();
    // Loads the ".prs" file at path into the model and, on line, sends it;
    // a file that fails its checks changes and sends nothing.
    void LoadPresetFile(const std::string& path);

    // --- unit-file transfers (File menu) ---
    // Reads every stored preset of the unit, then saves them as a ".unt"
    // file (tmUpload asks for the name once the read has ended).
    void UploadUnit();
    // Checks the ".unt" file at path and, when it passed, writes it into
    // the unit: factory reset, device information, the used records page by
    // page, then the unit's restart and the link closed.
    void DownloadUnit(const std::string& path);

    // --- the unlock prompt reports that it has gone ---
    void UnlockPromptClosed() { UnlockPromptOpen = false; }
    bool IsUnlockPromptOpen() const { return UnlockPromptOpen; }

    // --- frame monitor: lines of the frames written and read are made only
    // while it is shown ---
    void SetMonitorShown(bool shown) { monitorShown_ = shown; }

    // --- transports: write hooks (I/O thread) and events (GUI thread) ---
    bool UsbWriteReport(const std::uint8_t* bytes, std::size_t length) override;
    void NetWriteFrame(const std::uint8_t* bytes, std::size_t length) override;
    void LogComWrite(const std::uint8_t* bytes, std::size_t length) override;
    void LogComRead(const std::uint8_t* bytes, std::size_t length) override;
    void HidCtlDeviceChange(TJvHidDeviceController* Sender);
    bool HidCtlEnumerate(TJvHidDevice* HidDev, int Idx);
    void HidCtlDeviceUnplug(TJvHidDevice* HidDev);
    void HidCtlDeviceData(TJvHidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data,
                          std::uint16_t Size);
    void HidCtlDeviceDataError(TJvHidDevice* HidDev, std::uint32_t Error);
    void ClientSocketConnecting();
    void ClientSocketConnect();
    void ClientSocketRead();
    void ClientSocketError(korvan::sys::TcpError kind, int& errorCode);
    // The unit closed the socket: on line, as a broken link.
    void ClientSocketDisconnect();

    // --- LinkOwner, UnitHost ---
    korvan::sys::GuiThread& LinkGui() override { return gui_; }
    korvan::sys::Clock& LinkClock() override { return clock_; }
    korvan::sys::SerialPortDirectory& SerialPorts() override { return ports_; }
    std::uint8_t GetUnitId() const override { return static_cast<std::uint8_t>(UnitId); }
    void OnLinkFrame(const korvan::LinkFrameMessage& message) override;
    bool IsUpdating() const override { return Updating; }
    void MarkOverlayChanged(int ch) override { view_.MarkOverlayChanged(ch); }
    void SetRecallPresetRow(int row, const std::string& name) override {
        view_.SetRecallPresetRow(row, name);
    }
    void SetStorePresetRow(int row, const std::string& name) override { view_.SetStorePresetRow(row, name); }
    std::optional<std::string> AskSaveFileName(korvan::PresetFileKind kind) override {
        return view_.AskSaveFileName(kind);
    }
    void ShowInformation(std::string_view key) override { view_.ShowInformation(Translate(key)); }
    void ShowFileWriteError(const std::string& path) override { view_.ShowFileWriteError(path); }

private:
    korvan::MainConnectionView& view_;
    korvan::sys::GuiThread& gui_;
    korvan::sys::Clock& clock_;
    korvan::sys::SerialPortDirectory& ports_;

public:
    // --- fields of the main window ---
    korvan::LanguageTables Languages;
    int UnitId = 1;
    bool Updating = false;
    bool Handshaking = false;
    bool SessionOpen = false;
    bool Online = false;
    TJobState JobState = JobIdle;
    int CurrentPreset = 0;
    int FileLoadState = 0;
    int UploadPresetIndex = 0;
    int DownloadPresetIndex = 0;
    std::array<std::uint8_t, 18> UnitFileHeader{};
    // The ".unt" file being downloaded; record r is written into slot r + 1.
    korvan::UnitFile UnitFilePresets;
    korvan::PendingGeqEditState PendingGeqEdit;
    std::string ComPortName;
    std::uint32_t IpAddress = 0;
    std::unique_ptr<LUnitControl> UnitControl;
    // Frees the devices it holds; outlives the links, which write through
    // the checked-out device.
    std::unique_ptr<TJvHidDeviceController> HidCtl;
    korvan::sys::TcpClient ClientSocket;

    // --- timers of the step chains ---
    korvan::sys::Timer tmComScan;
    korvan::sys::Timer tmDisconnect;
    korvan::sys::Timer tmLinkBroken;
    korvan::sys::Timer tmLockPrompt;
    korvan::sys::Timer tmProcessShow;
    korvan::sys::Timer tmInLevelDet;
    korvan::sys::Timer tmUpload;

    // At most one is set. Declared last: they go first, before the
    // transports their I/O threads write through.
    std::unique_ptr<LCommProc> ComLink;
    std::unique_ptr<LUsbProc> UsbLink;
    std::unique_ptr<LNetProc> NetLink;

protected:
    // Every link object is closed and freed here, whatever the reason.
    virtual void FreeLink(korvan::LinkKind kind);

    // Selects stored preset `slot` (1..20) for reading.
    void RequestPresetData(int slot);

private:
    // Reply handlers (device ID, copy of the payload).
    void OnAcknowledge();
    void OnHandshake(std::uint8_t id, std::vector<std::uint8_t> payload);
    void OnIdentity(std::uint8_t id, std::vector<std::uint8_t> payload);
    void OnLockState(std::uint8_t id, std::vector<std::uint8_t> payload);
    void OnPresetFlags(std::uint8_t id, std::vector<std::uint8_t> payload);
    void OnCurrentPreset(std::uint8_t id, std::uint8_t preset);
    void OnPresetName(std::uint8_t id, std::vector<std::uint8_t> payload);
    void OnParameterPage(std::uint8_t id, std::vector<std::uint8_t> payload);
    void OnLevels(std::vector<std::uint8_t> payload);
    void EndParameterRead();
    // The open link broke on line: the link closes and the scan dialog
    // reports it.
    void LinkLost();
    // The link closed: the running job ends.
    void EndJob();
    // Asks for state page `page`, the one the next page reply must carry.
    void RequestStatePage(int page);
    // The same for page `page` of the stored preset selected for reading.
    void RequestPresetPage(int page);
    // Sends page `page` of the record being downloaded, the one the next
    // download acknowledgement must name.
    void SendDownloadPage(int page);
    // Asks again for (or sends again) the page the last reply did not
    // match; a unit that keeps answering wrongly breaks the link.
    void AskPageAgain();

    // --- the unit-file transfers ---
    // Upload: one page of the selected slot came.
    void OnPresetPage(std::span<const std::uint8_t> payload);
    // Download: the unit took one page.
    void OnDownloadAck(std::span<const std::uint8_t> payload);
    // Starts the next used record from `index` on, or finishes.
    void DownloadNextPreset(int index);
    void FinishDownload();

    // Timer handlers.
    void tmComScanTimer();
    void tmDisconnectTimer();
    void tmLinkBrokenTimer();
    void tmLockPromptTimer();
    void tmProcessShowTimer();
    void tmInLevelDetTimer();
    void tmUploadTimer();

    // A bare command for the current unit.
    void SendCode(std::uint8_t code, bool append);
    void SendCode(std::uint8_t code, std::uint8_t value, bool append);
    // The progress window goes, and with it a show still waiting.
    void CloseProgress();
    // The identity of the open link, 0 without one.
    korvan::LinkId OpenLinkId() const;
    // Runs `f` on the open link (serial, USB or network); nothing without one.
    template <class F> void WithOpenLink(F&& f) const {
        if (ComLink)
            f(*ComLink);
        else if (UsbLink)
            f(*UsbLink);
        else if (NetLink)
            f(*NetLink);
    }
    // Whether the link of `kind` is set.
    bool HasLink(korvan::LinkKind kind) const;
    // Takes the frame-monitor line that `makeLine` formats to the GUI
    // thread, while the monitor is shown; it appears there if the monitor
    // is still visible and a link of `kind` is still open.
    template <class MakeLine> void PostMonitorLine(korvan::LinkKind kind, MakeLine&& makeLine) {
        if (monitorShown_)
            PostMonitorText(kind, makeLine());
    }
    void PostMonitorText(korvan::LinkKind kind, std::string line);

    bool UnlockPromptOpen = false;
    // The state page asked for (-1: no page read runs) and the wrong
    // answers to it so far.
    int expectedPage_ = -1;
    int pageRetries_ = 0;
    // The request of that page: MCS_READ_STATE_PAGE, MCS_READ_PRESET_PAGE
    // or MCS_DOWNLOAD.
    std::uint8_t pageCode_ = 0;
    // A download runs: the main window is disabled until it ends.
    bool downloading_ = false;
    // Records of the download written so far (the progress position).
    int downloadedRecords_ = 0;
    // The unit's HID device while it is checked out of HidCtl. The USB
    // link's I/O thread writes through it: it is set and cleared (on the
    // GUI thread) under the lock, and read under it off the GUI thread.
    TJvHidDevice* HidDevice = nullptr;
    mutable std::mutex hidDeviceMutex_;
    // Read by the links' I/O threads before they format a monitor line.
    std::atomic<bool> monitorShown_{false};
    // Lets posted monitor lines find the core gone.
    std::shared_ptr<TfmMainConnection*> alive_;
};
