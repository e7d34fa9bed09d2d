#pragma once
// The unlock prompt of a locked front panel: it submits the typed password,
// polls for the unit's answer and, once the unit accepts it, lets the
// connect read go on; cancelling it drops the link.

#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"
#include "ui/dialogs/HostedForm.h"

#include <cstdint>

class TfmLockPassWord : public korvan::HostedForm {
public:
    TfmLockPassWord(TComponent* owner, korvan::WindowHost& host);

    TLabel* lblLockPassword;
    TEdit* edName;
    TButton* btnOK;
    TButton* bnCancel;
    TTimer* tmCheck;
    TTimer* tmCmd;

    void FormShow(TObject* Sender);
    void RzBmpButton1Click(TObject* Sender);
    void bnCancelClick(TObject* Sender);
    void tmCheckTimer();
    void tmCmdTimer();
    // The unit's answer to the submitted password: 0 wrong, 1 accepted.
    void SetCheckResult(std::uint8_t value) { CheckResult = value; }

    std::uint8_t CheckResult = 255;
    std::int8_t CheckCount = 0;

private:
    void SelectPassword();
};

extern TfmLockPassWord* fmLockPassWord;
