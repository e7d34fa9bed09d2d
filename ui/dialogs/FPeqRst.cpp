#include "ui/dialogs/FPeqRst.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"

TfmPeqRst* fmPeqRst = nullptr;

namespace {
// Values from here on name an input's graphic EQ.
constexpr int FirstGeqReset = 12;
} // namespace

TfmPeqRst::TfmPeqRst(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmPeqRst");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(272);
    SetClientHeight(174);
    SetCaption("Information");
    GroupBox1 = scope.Place<TGroupBox>(this, "GroupBox1", 20, 18, 237, 106);
    GroupBox1->SetColor(TColor(0xD8D8D8));
    lbReset = scope.Place<TLabel>(GroupBox1, "lbReset", 12, 48, 215, 16);
    lbReset->SetAutoSize(false);
    lbReset->SetTransparent(true);
    lbReset->SetAlignment(taCenter);
    lbReset->SetCaption("Are you sure to RESET EQ ?");
    btnOK = scope.Place<TButton>(this, "btnOK", 46, 130, 80, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    btnCancel = scope.Place<TButton>(this, "btnCancel", 146, 130, 80, 30);
    btnCancel->SetCaption("Cancel");
    btnCancel->SetCancel(true);
    btnCancel->OnClick = [this](TObject* s) { btnExitClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmPeqRst::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_PEQRST"));
    lbReset->SetCaption(Tr("SID_PEQRST_RESET"));
    btnOK->SetCaption(Tr("SID_PEQRST_OK"));
    btnCancel->SetCaption(Tr("SID_PEQRST_CANCEL"));
}

void TfmPeqRst::btnOKClick(TObject* /*Sender*/) {
    // The user sees the displays change without the window over them.
    Hide();
    if (ResetChannel < FirstGeqReset)
        host_.PushChannelPeq(ResetChannel);
    else
        host_.PushChannelGeq(ResetChannel);
    korvan::CloseWindow(this);
}

void TfmPeqRst::btnExitClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}
