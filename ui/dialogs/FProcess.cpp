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
    ProgressBar = scope.Place<TAdvProgressBar>(this, "ProgressBar", 12, 14, 431, 41);
    ProgressBar->SetPosition(0);
    ProgressBar->SetShowBorder(true);
    ProgressBar->SetLevel1Perc(70);
    ProgressBar->SetLevel2Perc(90);
    ProgressBar->SetLevel0ColorTo(RGB(225, 255, 225));
    ProgressBar->SetLevel1ColorTo(RGB(255, 255, 202));
    ProgressBar->SetLevel2Color(RGB(255, 169, 83));
    ProgressBar->SetLevel2ColorTo(RGB(255, 211, 168));
    ProgressBar->SetLevel3ColorTo(RGB(255, 202, 202));
    ProgressBar->Font().SetName("Verdana");
    ProgressBar->Font().SetHeight(-13);
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
