#include "ui/dialogs/FLockPassWord.h"

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"
#include "ui/dialogs/PanelPassword.h"

TfmLockPassWord* fmLockPassWord = nullptr;

namespace {
constexpr unsigned CheckIntervalMs = 100;
constexpr unsigned CmdDelayMs = 100;
// Polls without an answer before the prompt gives up (about 3.1 s).
constexpr int CheckPolls = 30;
constexpr std::uint8_t Waiting = 255;
constexpr std::uint8_t PanelPassword = 0;
} // namespace

TfmLockPassWord::TfmLockPassWord(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmLockPassWord");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(260);
    SetClientHeight(130);
    SetCaption("UnLock");
    lblLockPassword = scope.Place<TLabel>(this, "lblLockPassword", 20, 24, 110, 20);
    lblLockPassword->SetCaption("UnLock Password");
    edName = scope.Place<TEdit>(this, "edName", 140, 20, 90, 24);
    korvan::MakePasswordField(*edName);
    edName->SetPasswordChar('*');
    edName->SetText("****");
    btnOK = scope.Place<TButton>(this, "btnOK", 30, 76, 90, 30);
    btnOK->SetCaption("OK");
    btnOK->SetDefault(true);
    btnOK->OnClick = [this](TObject* s) { RzBmpButton1Click(s); };
    bnCancel = scope.Place<TButton>(this, "bnCancel", 140, 76, 90, 30);
    bnCancel->SetCaption("Cancel");
    bnCancel->OnClick = [this](TObject* s) { bnCancelClick(s); };
    tmCheck = scope.PlaceTimer("tmCheck", CheckIntervalMs, [this] { tmCheckTimer(); });
    tmCmd = scope.PlaceTimer("tmCmd", CmdDelayMs, [this] { tmCmdTimer(); });
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmLockPassWord::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_UNLOCK_TITLE"));
    lblLockPassword->SetCaption(Tr("SID_UNLOCK_PASSWORD"));
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
    bnCancel->SetCaption(Tr("SID_EXIT_CANCEL"));
    SelectPassword();
}

void TfmLockPassWord::SelectPassword() {
    edName->SetText("****");
    if (Visible())
        FocusControl(edName);
    edName->SelectAll();
}

void TfmLockPassWord::RzBmpButton1Click(TObject* /*Sender*/) {
    const std::string password = korvan::PanelPasswordBytes(*edName);
    host_.SendCmd(CM_MCS_PASS_SUBMIT(host_.GetUnitId(), PanelPassword, password.data()), true);
    CheckCount = 0;
    CheckResult = Waiting;
    tmCheck->SetEnabled(true);
}

void TfmLockPassWord::tmCheckTimer() {
    ++CheckCount;
    tmCheck->SetEnabled(false);
    switch (CheckResult) {
    case 0:
        korvan::forms::Dialogs().MessageBox("Password Error!!", "Information", MB_OK | MB_ICONINFORMATION);
        SelectPassword();
        break;
    case 1:
        tmCmd->SetEnabled(true);
        break;
    case Waiting:
        if (CheckCount > CheckPolls) {
            Application->MessageBox("Check Time Out!", Application->Title(), MB_OK);
            bnCancel->Click();
        } else {
            tmCheck->SetEnabled(true);
        }
        break;
    default:
        break;
    }
}

void TfmLockPassWord::tmCmdTimer() {
    tmCmd->SetEnabled(false);
    host_.SendCmd(CM_MCS_CMD(host_.GetUnitId(), MCS_PRESET_FLAGS), false);
    korvan::CloseWindow(this);
}

void TfmLockPassWord::bnCancelClick(TObject* /*Sender*/) {
    host_.CloseLink();
    korvan::CloseWindow(this);
}
