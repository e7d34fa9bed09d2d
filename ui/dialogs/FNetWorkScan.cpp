#include "ui/dialogs/FNetWorkScan.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/FProcess.h"
#include "ui/dialogs/ModalWindows.h"
#include "ui/dialogs/ScanPortOrder.h"

TfmNetwork* fmNetwork = nullptr;

namespace {
constexpr unsigned StepMs = 100;
constexpr unsigned UsbWatchDogMs = 6000;
constexpr unsigned NetWatchDogMs = 2000;
constexpr unsigned SerialWatchDogMs = 10000;
} // namespace

TfmNetwork::TfmNetwork(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmNetwork");
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(359);
    SetClientHeight(150);
    SetCaption("Connect");
    cbCOM = scope.Place<TComboBox>(this, "cbCOM", 0, 0, 80, 22);
    cbCOM->SetVisible(false);
    pbScan = scope.Place<TProgressBar>(this, "pbScan", 16, 48, 327, 18);
    pbScan->SetMax(31);
    pbScan->SetSmooth(true);
    lblScan = scope.Place<TLabel>(this, "lblScan", 16, 18, 250, 20);
    lblScan->SetAutoSize(false);
    lblDeviceID = scope.Place<TLabel>(this, "lblDeviceID", 270, 18, 73, 20);
    lblDeviceID->SetAutoSize(false);
    lblDeviceID->SetAlignment(taRightJustify);
    btnOK = scope.Place<TButton>(this, "btnOK", 16, 96, 100, 32);
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    btnId = scope.Place<TButton>(this, "btnId", 130, 96, 100, 32);
    btnId->OnClick = [this](TObject* s) { btnIdClick(s); };
    btnExit = scope.Place<TButton>(this, "btnExit", 243, 96, 100, 32);
    btnExit->OnClick = [this](TObject* s) { btnExitClick(s); };
    tmConnect = scope.PlaceTimer("tmConnect", StepMs, [this] { tmConnectTimer(); });
    tmLinkBroken = scope.PlaceTimer("tmLinkBroken", StepMs, [this] { tmLinkBrokenTimer(); });
    tmWatchDog = scope.PlaceTimer("tmWatchDog", SerialWatchDogMs, [this] {
        tmWatchDog->SetEnabled(false);
        tmConnect->SetEnabled(true);
    });
    tmRunUsbConnect = scope.PlaceTimer("tmRunUsbConnect", StepMs, [this] {
        tmRunUsbConnect->SetEnabled(false);
        host_.OpenUsbLink();
    });
    tmRunNetConnect = scope.PlaceTimer("tmRunNetConnect", StepMs, [this] {
        tmRunNetConnect->SetEnabled(false);
        host_.OpenNetLink();
    });
    tmRunComConnect = scope.PlaceTimer("tmRunComConnect", StepMs, [this] {
        tmRunComConnect->SetEnabled(false);
        // A port that cannot be opened is reported as a broken link while
        // this runs; the watchdog then goes on with the next port.
        openingComLink_ = true;
        host_.OpenComLink();
        openingComLink_ = false;
    });
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmNetwork::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_CONNECT"));
    btnOK->SetCaption(Tr("SID_START_SCAN"));
    btnExit->SetCaption(Tr("SID_DEMO"));
    btnId->SetCaption(Tr("SID_SET"));
}

void TfmNetwork::SetButtonsEnabled(bool enabled) {
    btnOK->SetEnabled(enabled);
    btnId->SetEnabled(enabled);
    btnExit->SetEnabled(enabled);
}

void TfmNetwork::StartScan() {
    ExtraLinks = 0;
    SetButtonsEnabled(false);
    BeginScan();
}

void TfmNetwork::ScanResult(std::uint8_t value) {
    Connected = value;
    tmConnect->SetEnabled(true);
}

void TfmNetwork::ReportLinkBroken() {
    Connected = 0;
    // A lost link ends the scan: no candidate follows it unasked.
    if (!openingComLink_)
        tmWatchDog->SetEnabled(false);
    tmLinkBroken->SetEnabled(true);
    korvan::CloseWindow(fmProcess);
}

// The serial ports of this scan, by kind and then by port number.
void TfmNetwork::ListPorts() {
    TStrings* items = cbCOM->Items();
    items->Clear();
    std::vector<std::string> ports = host_.SerialPortNames();
    korvan::SortScanPorts(ports);
    for (const std::string& port : ports)
        items->Add(port);
    if (items->Count() > 0)
        cbCOM->SetItemIndex(0);
}

int TfmNetwork::CandidateCount() const {
    return cbCOM->Items()->Count() + ExtraLinks;
}

// Candidate `index` (1-based) of N on the counter and the bar.
void TfmNetwork::ShowCandidate(int index) {
    const int n = CandidateCount();
    ScanIndex = index;
    lblDeviceID->SetCaption(std::to_string(index) + "/" + std::to_string(n));
    pbScan->SetMax(n);
    pbScan->SetPosition(index);
}

// The candidate gets its full watchdog time from now; `run` opens its link.
void TfmNetwork::StartCandidate(const std::string& status, unsigned watchDogMs, TTimer* run) {
    lblScan->SetCaption(status);
    tmWatchDog->SetEnabled(false);
    tmWatchDog->SetInterval(watchDogMs);
    tmWatchDog->SetEnabled(true);
    run->SetEnabled(true);
}

void TfmNetwork::StartSerialCandidate(int portItem) {
    const std::string port = cbCOM->Items()->Get(portItem);
    host_.SelectComPort(port);
    StartCandidate(Tr("SID_SCAN") + port + " ......", SerialWatchDogMs, tmRunComConnect);
}

void TfmNetwork::ShowNoDevice() {
    tmWatchDog->SetEnabled(false);
    pbScan->SetPosition(pbScan->Max());
    lblScan->SetCaption(Tr("SID_NO_DEVICE"));
    lblDeviceID->SetCaption("");
}

// The network is not tried when a USB unit is present.
void TfmNetwork::BeginScan() {
    ListPorts();
    if (host_.HasUsbDevice()) {
        ExtraLinks = 1;
        ShowCandidate(1);
        StartCandidate(Tr("SID_SCAN_USB"), UsbWatchDogMs, tmRunUsbConnect);
    } else if (host_.HasNetAddress()) {
        ExtraLinks = 1;
        ShowCandidate(1);
        StartCandidate(Tr("SID_SCAN_NET"), NetWatchDogMs, tmRunNetConnect);
    } else if (cbCOM->Items()->Count() > 0) {
        ShowCandidate(1);
        StartSerialCandidate(0);
    } else {
        // The end step finds no candidate left and gives the buttons back.
        ShowNoDevice();
        tmConnect->SetEnabled(true);
    }
}

void TfmNetwork::tmConnectTimer() {
    tmConnect->SetEnabled(false);
    if (Connected == 1) {
        tmWatchDog->SetEnabled(false);
        korvan::CloseWindow(this);
        return;
    }
    host_.CloseLink();
    if (ScanIndex >= CandidateCount()) {
        ShowNoDevice();
        SetButtonsEnabled(true);
        return;
    }
    ShowCandidate(ScanIndex + 1);
    StartSerialCandidate(ScanIndex - ExtraLinks - 1);
}

void TfmNetwork::tmLinkBrokenTimer() {
    tmLinkBroken->SetEnabled(false);
    SetButtonsEnabled(true);
    lblScan->SetCaption(Tr("SID_LINK_BROKEN"));
    lblDeviceID->SetCaption("");
}

void TfmNetwork::btnOKClick(TObject* /*Sender*/) {
    host_.SelectNetTarget();
    StartScan();
}

void TfmNetwork::btnIdClick(TObject* /*Sender*/) {
    host_.ShowNetworkSetup();
}

void TfmNetwork::btnExitClick(TObject* /*Sender*/) {
    // Off line was asked for: a port left for after a broken one is not tried.
    tmWatchDog->SetEnabled(false);
    host_.EnableConnectControls();
    Close();
}
