#include "ui/dialogs/FProcess.h"

#include "platform/forms/LoadScope.h"

TfmProcess* fmProcess = nullptr;

TfmProcess::TfmProcess(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmProcess");
    SetBorderStyle(bsSingle);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(454);
    SetClientHeight(95);
    SetCaption("Process");
    ProgressBar = scope.Place<korvan::ProgressBarStandIn>(this, "ProgressBar", 12, 14, 431, 41);
    StatusBar = scope.Place<TPanel>(this, "StatusBar", 0, 71, 454, 24);
    StatusBar->SetAlign(alBottom);
    StatusBar->SetAlignment(taLeftJustify);
    StatusBar->SetBevelOuter(bvLowered);
    StatusBar->SetCaption("download now");
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmProcess::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_PROCESS"));
}
