#include "ui/dialogs/FNetWorkScan.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/FProcess.h"
#include "ui/dialogs/ModalWindows.h"

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
    pbScan = scope.Place<korvan::ProgressBarStandIn>(this, "pbScan", 16, 48, 327, 18);
    pbScan->SetMax(31);
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
        host_.OpenComLink();
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
    tmLinkBroken->SetEnabled(true);
    korvan::CloseWindow(fmProcess);
}

// The serial ports of this scan, in order of port number.
void TfmNetwork::ListPorts() {
    TStrings* items = cbCOM->Items();
    items->Clear();
    for (const std::string& port : host_.SerialPortNames())
        items->Add(port);
    if (items->Count() > 0)
        cbCOM->SetItemIndex(0);
}

int TfmNetwork::CandidateCount() const {
    return cbCOM->Items()->Count() + ExtraLinks;
}

void TfmNetwork::StartCandidate(const std::string& status, unsigned watchDogMs, TTimer* run) {
    const int n = CandidateCount();
    ScanIndex = 1;
    lblDeviceID->SetCaption("1/" + std::to_string(n));
    lblScan->SetCaption(status);
    pbScan->SetMax(n);
    pbScan->SetPosition(1);
    RestartWatchDog(watchDogMs);
    run->SetEnabled(true);
}

// The watch-dog counts `intervalMs` from now.
void TfmNetwork::RestartWatchDog(unsigned intervalMs) {
    tmWatchDog->SetEnabled(false);
    tmWatchDog->SetInterval(intervalMs);
    tmWatchDog->SetEnabled(true);
}

void TfmNetwork::StartSerialCandidate(int portItem) {
    const std::string port = cbCOM->Items()->Get(portItem);
    lblScan->SetCaption(Tr("SID_SCAN") + port + " ......");
    host_.SelectComPort(port);
    RestartWatchDog(SerialWatchDogMs);
    tmRunComConnect->SetEnabled(true);
}

void TfmNetwork::BeginScan() {
    ListPorts();
    Candidate first = Candidate::Serial;
    if (host_.HasUsbDevice()) {
        ExtraLinks = 1;
        first = Candidate::Usb;
    } else if (host_.HasNetAddress()) {
        ExtraLinks = 1;
        first = Candidate::Net;
    }
    switch (first) {
    case Candidate::Usb:
        StartCandidate(Tr("SID_SCAN_USB"), UsbWatchDogMs, tmRunUsbConnect);
        return;
    case Candidate::Net:
        StartCandidate(Tr("SID_SCAN_NET"), NetWatchDogMs, tmRunNetConnect);
        return;
    case Candidate::Serial:
        break;
    }
    if (cbCOM->Items()->Count() > 0) {
        const int n = CandidateCount();
        ScanIndex = 1;
        lblDeviceID->SetCaption("1/" + std::to_string(n));
        pbScan->SetMax(n);
        pbScan->SetPosition(1);
        StartSerialCandidate(0);
        return;
    }
    pbScan->SetPosition(pbScan->Max());
    lblScan->SetCaption(Tr("SID_NO_DEVICE"));
    lblDeviceID->SetCaption("");
    tmConnect->SetEnabled(true);
}

void TfmNetwork::tmConnectTimer() {
    tmConnect->SetEnabled(false);
    if (Connected == 1) {
        korvan::CloseWindow(this);
        return;
    }
    host_.CloseLink();
    const int n = CandidateCount();
    if (ScanIndex >= n) {
        SetButtonsEnabled(true);
        pbScan->SetPosition(pbScan->Max());
        lblScan->SetCaption(Tr("SID_NO_DEVICE"));
        lblDeviceID->SetCaption("");
        return;
    }
    ++ScanIndex;
    pbScan->SetPosition(ScanIndex);
    lblDeviceID->SetCaption(std::to_string(ScanIndex) + "/" + std::to_string(n));
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
    host_.EnableConnectControls();
    Close();
}
