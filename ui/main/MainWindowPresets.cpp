// The preset strip's buttons: each opens its list of the unit's presets.
// The lists open off line too; there a store only names the row and a
// recall does nothing, since the jobs run only with a unit connected.

#include "ui/main/MainWindow.h"

#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FStorePreset.h"
#include "ui/dialogs/ModalWindows.h"

void TfmMain::AttachPresetHandlers() {
    bStore->OnClick = [this](TObject* s) { bStoreClick(s); };
    bRecall->OnClick = [this](TObject* s) { bRecallClick(s); };
}

void TfmMain::bStoreClick(TObject* /*Sender*/) {
    korvan::ShowModalOnce(fmStorePreset);
}

void TfmMain::bRecallClick(TObject* /*Sender*/) {
    korvan::ShowModalOnce(fmRecallPreset);
}
