#pragma once
// The device scan: tries the USB unit (or else the unit at the set network
// address), then every serial port by kind and port number, one candidate
// after the other, until one reaches the identity answer. Each step is a
// one-shot timer, so the main window's link events and the scan's steps
// never run inside each other.

#include "platform/forms/ProgressBar.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"
#include "ui/dialogs/HostedForm.h"

#include <cstdint>

class TfmNetwork : public korvan::HostedForm {
public:
    TfmNetwork(TComponent* owner, korvan::WindowHost& host);

    // Never visible: its items are this scan's serial port names.
    TComboBox* cbCOM;
    TProgressBar* pbScan;
    TLabel* lblScan;
    TLabel* lblDeviceID;
    TButton* btnOK;
    TButton* btnId;
    TButton* btnExit;
    TTimer* tmConnect;
    TTimer* tmLinkBroken;
    TTimer* tmWatchDog;
    TTimer* tmRunUsbConnect;
    TTimer* tmRunNetConnect;
    TTimer* tmRunComConnect;

    void StartScan();
    // 1: the identity answer came for the candidate; 0: it failed.
    void ScanResult(std::uint8_t value);
    void ReportLinkBroken();

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnIdClick(TObject* Sender);
    void btnExitClick(TObject* Sender);

    std::uint32_t Connected = 0;
    std::int32_t ScanIndex = 0;
    std::int32_t ExtraLinks = 0;

private:
    void BeginScan();
    void ListPorts();
    int CandidateCount() const;
    void ShowCandidate(int index);
    void StartCandidate(const std::string& status, unsigned watchDogMs, TTimer* run);
    void StartSerialCandidate(int portItem);
    void ShowNoDevice();
    void SetButtonsEnabled(bool enabled);
    void tmConnectTimer();
    void tmLinkBrokenTimer();

    // Set while the main window opens a serial candidate.
    bool openingComLink_ = false;
};

extern TfmNetwork* fmNetwork;
