#include "ui/dialogs/FStoreName.h"

#include "platform/text/AnsiText.h"
#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FStorePreset.h"
#include "ui/dialogs/ModalWindows.h"

TfmStoreName* fmStoreName = nullptr;

namespace {
constexpr korvan::NameEntryLayout Layout{.form = "fmStoreName",
                                         .caption = "Preset Name",
                                         .title = "lblPresetName",
                                         .titleText = "Preset Name",
                                         .lead = "lTitle",
                                         .leadText = "F00 : ",
                                         .clientWidth = 270,
                                         .fieldLeft = 80,
                                         .fieldWidth = 170,
                                         .maxLength = korvan::PresetNameLength,
                                         .fieldText = "Default Preset"};
} // namespace

TfmStoreName::TfmStoreName(TComponent* owner, korvan::WindowHost& host)
    : NameEntryForm(owner, host, Layout), lblPresetName(titleLabel_), lTitle(leadLabel_) {
    OnShow = [this](TObject* s) { FormShow(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
}

void TfmStoreName::FormShow(TObject* /*Sender*/) {
    ShowTexts("SID_PST_NAME");
}

// In recall mode the name is only shown.
void TfmStoreName::FormActivate(TObject* /*Sender*/) {
    FocusName(StoreMode == 1);
}

void TfmStoreName::btnOKClick(TObject* /*Sender*/) {
    // The unit keeps 14 bytes of the system code page; the typed characters
    // go in as they are, cut or padded with blanks.
    const std::string name = korvan::text::ToAnsiField(edName->Text(), korvan::PresetNameLength, ' ');
    const std::string shown = korvan::text::FromAnsiField(name);
    edName->SetText(shown);
    // The job shows its modal progress window while the list's own modal
    // loop still runs: the list leaves the screen first.
    korvan::PresetListForm* list = StoreMode == 1 ? static_cast<korvan::PresetListForm*>(fmStorePreset)
                                                  : static_cast<korvan::PresetListForm*>(fmRecallPreset);
    if (host_.IsSessionOpen() && list != nullptr)
        list->Hide();
    korvan::CloseWindow(this);
    korvan::CloseWindow(list);
    if (StoreMode != 1) {
        host_.RecallPreset(PresetNumber);
        return;
    }
    host_.StorePreset(PresetNumber, name);
    if (fmRecallPreset != nullptr)
        fmRecallPreset->SetPresetRow(PresetNumber + 1, shown);
    if (fmStorePreset != nullptr)
        fmStorePreset->SetPresetRow(PresetNumber, shown);
}
