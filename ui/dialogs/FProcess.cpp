#include "ui/dialogs/FProcess.h"

#include "ui/dialogs/DialogParts.h"

using korvan::Place;

TfmProcess* fmProcess = nullptr;

TfmProcess::TfmProcess(TComponent* owner) : TForm(owner) {
    SetName("fmProcess");
    SetBorderStyle(bsSingle);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetClientWidth(454);
    SetClientHeight(95);
    SetCaption("Process");
    ProgressBar = Place<korvan::ProgressBarStandIn>(this, this, "ProgressBar", 12, 14, 431, 41);
    StatusBar = Place<TPanel>(this, this, "StatusBar", 0, 71, 454, 24);
    StatusBar->SetAlign(alBottom);
    StatusBar->SetAlignment(taLeftJustify);
    StatusBar->SetBevelOuter(bvLowered);
    StatusBar->SetCaption("download now");
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TfmProcess::FormShow(TObject* /*Sender*/) {
    SetCaption(korvan::Tr("SID_PROCESS"));
}
