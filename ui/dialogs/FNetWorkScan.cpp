#include "ui/dialogs/FNetWorkScan.h"

#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/FProcess.h"
#include "ui/main/MainWindow.h"

using korvan::Place;

TfmNetwork* fmNetwork = nullptr;

namespace {
constexpr unsigned StepMs = 100;
constexpr unsigned UsbWatchDogMs = 6000;
constexpr unsigned NetWatchDogMs = 2000;
constexpr unsigned SerialWatchDogMs = 10000;
} // namespace

TfmNetwork::TfmNetwork(TComponent* owner) : TForm(owner) {
    SetName("fmNetwork");
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(359);
    SetClientHeight(150);
    SetCaption("Connect");
    cbCOM = Place<TComboBox>(this, this, "cbCOM", 0, 0, 80, 22);
    cbCOM->SetVisible(false);
    pbScan = Place<korvan::ProgressBarStandIn>(this, this, "pbScan", 16, 48, 327, 18);
    pbScan->SetMax(31);
    lblScan = Place<TLabel>(this, this, "lblScan", 16, 18, 250, 20);
    lblScan->SetAutoSize(false);
    lblDeviceID = Place<TLabel>(this, this, "lblDeviceID", 270, 18, 73, 20);
    lblDeviceID->SetAutoSize(false);
    lblDeviceID->SetAlignment(taRightJustify);
    btnOK = Place<TButton>(this, this, "btnOK", 16, 96, 100, 32);
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    btnId = Place<TButton>(this, this, "btnId", 130, 96, 100, 32);
    btnId->OnClick = [this](TObject* s) { btnIdClick(s); };
    btnExit = Place<TButton>(this, this, "btnExit", 243, 96, 100, 32);
    btnExit->OnClick = [this](TObject* s) { btnExitClick(s); };
    tmConnect = korvan::MakeTimer(this, "tmConnect", StepMs, [this] { tmConnectTimer(); });
    tmLinkBroken = korvan::MakeTimer(this, "tmLinkBroken", StepMs, [this] { tmLinkBrokenTimer(); });
    tmWatchDog = korvan::MakeTimer(this, "tmWatchDog", SerialWatchDogMs, [this] {
        tmWatchDog->SetEnabled(false);
        tmConnect->SetEnabled(true);
    });
    tmRunUsbConnect = korvan::MakeTimer(this, "tmRunUsbConnect", StepMs, [this] {
        tmRunUsbConnect->SetEnabled(false);
        if (fmMain != nullptr)
            fmMain->OpenUsbLink();
    });
    tmRunNetConnect = korvan::MakeTimer(this, "tmRunNetConnect", StepMs, [this] {
        tmRunNetConnect->SetEnabled(false);
        if (fmMain != nullptr)
            fmMain->OpenNetLink();
    });
    tmRunComConnect = korvan::MakeTimer(this, "tmRunComConnect", StepMs, [this] {
        tmRunComConnect->SetEnabled(false);
        if (fmMain != nullptr)
            fmMain->OpenComLink();
    });
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TfmNetwork::FormShow(TObject* /*Sender*/) {
    SetCaption(korvan::Tr("SID_CONNECT"));
    btnOK->SetCaption(korvan::Tr("SID_START_SCAN"));
    btnExit->SetCaption(korvan::Tr("SID_DEMO"));
    btnId->SetCaption(korvan::Tr("SID_SET"));
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
    if (fmMain != nullptr) {
        for (const auto& port : fmMain->SerialPorts().List())
            items->Add(port.name);
    }
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
    korvan::RestartTimer(tmWatchDog, watchDogMs);
    run->SetEnabled(true);
}

void TfmNetwork::StartSerialCandidate(int portItem) {
    const std::string port = cbCOM->Items()->Get(portItem);
    lblScan->SetCaption(korvan::Tr("SID_SCAN") + port + " ......");
    if (fmMain != nullptr)
        fmMain->ComPortName = port;
    korvan::RestartTimer(tmWatchDog, SerialWatchDogMs);
    tmRunComConnect->SetEnabled(true);
}

void TfmNetwork::BeginScan() {
    ListPorts();
    Candidate first = Candidate::Serial;
    if (fmMain != nullptr && fmMain->HidDevice != nullptr) {
        ExtraLinks = 1;
        first = Candidate::Usb;
    } else if (fmMain != nullptr && fmMain->IpAddress != 0) {
        ExtraLinks = 1;
        first = Candidate::Net;
    }
    switch (first) {
    case Candidate::Usb:
        StartCandidate(korvan::Tr("SID_SCAN_USB"), UsbWatchDogMs, tmRunUsbConnect);
        return;
    case Candidate::Net:
        StartCandidate(korvan::Tr("SID_SCAN_NET"), NetWatchDogMs, tmRunNetConnect);
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
    lblScan->SetCaption(korvan::Tr("SID_NO_DEVICE"));
    lblDeviceID->SetCaption("");
    tmConnect->SetEnabled(true);
}

void TfmNetwork::tmConnectTimer() {
    tmConnect->SetEnabled(false);
    if (Connected == 1) {
        korvan::CloseWindow(this);
        return;
    }
    if (fmMain != nullptr)
        fmMain->CloseLink();
    const int n = CandidateCount();
    if (ScanIndex >= n) {
        SetButtonsEnabled(true);
        pbScan->SetPosition(pbScan->Max());
        lblScan->SetCaption(korvan::Tr("SID_NO_DEVICE"));
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
    lblScan->SetCaption(korvan::Tr("SID_LINK_BROKEN"));
    lblDeviceID->SetCaption("");
}

void TfmNetwork::btnOKClick(TObject* /*Sender*/) {
    if (fmMain != nullptr)
        fmMain->SelectNetTarget();
    StartScan();
}

void TfmNetwork::btnIdClick(TObject* /*Sender*/) {
    if (fmMain != nullptr && fmMain->NetworkSetup != nullptr)
        fmMain->NetworkSetup->Click();
}

void TfmNetwork::btnExitClick(TObject* /*Sender*/) {
    if (fmMain != nullptr)
        fmMain->EnableConnectControls();
    Close();
}
