#include "ui/dialogs/FLockSetup.h"

#include "device/protocol/CommandRecords.h"
#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"
#include "ui/dialogs/PanelPassword.h"

TfmLockSetup* fmLockSetup = nullptr;

namespace {
constexpr unsigned CloseDelayMs = 100;
constexpr const char* DefaultPassword = "8362";
} // namespace

TfmLockSetup::TfmLockSetup(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmLockSetup");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(260);
    SetClientHeight(130);
    SetCaption("Lock Setup");
    lblLockPassword = scope.Place<TLabel>(this, "lblLockPassword", 20, 24, 110, 20);
    lblLockPassword->SetCaption("Lock Password");
    edName = scope.Place<TEdit>(this, "edName", 140, 20, 90, 24);
    korvan::MakePasswordField(*edName);
    edName->SetText(DefaultPassword);
    btnOK = scope.Place<TButton>(this, "btnOK", 30, 76, 90, 30);
    btnOK->SetCaption("OK");
    btnOK->SetDefault(true);
    btnOK->OnClick = [this](TObject* s) { RzBmpButton1Click(s); };
    btnExit = scope.Place<TButton>(this, "btnExit", 140, 76, 90, 30);
    btnExit->SetCaption("Cancel");
    btnExit->OnClick = [this](TObject* s) { btnExitClick(s); };
    tmClose = scope.PlaceTimer("tmClose", CloseDelayMs, [this] { tmCloseTimer(); });
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmLockSetup::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_LOCK_TITLE"));
    lblLockPassword->SetCaption(Tr("SID_LOCK_PASSWORD"));
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
    btnExit->SetCaption(Tr("SID_EXIT_CANCEL"));
    edName->SetText(DefaultPassword);
    if (Visible())
        FocusControl(edName);
    edName->SelectAll();
}

void TfmLockSetup::RzBmpButton1Click(TObject* /*Sender*/) {
    const std::string password = korvan::PanelPasswordBytes(*edName);
    host_.SendCmd(CM_MCS_SET_LOCK(host_.GetUnitId(), password.data()), true);
    tmClose->SetEnabled(true);
}

// Setting a lock always ends the connection: the unit locks its panel.
void TfmLockSetup::tmCloseTimer() {
    tmClose->SetEnabled(false);
    host_.CloseLink();
    korvan::CloseWindow(this);
}

void TfmLockSetup::btnExitClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}
