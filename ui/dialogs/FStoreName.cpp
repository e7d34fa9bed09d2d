#include "ui/dialogs/FStoreName.h"

#include "platform/forms/LoadScope.h"
#include "platform/text/AnsiText.h"
#include "ui/dialogs/ChannelNameText.h"
#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FStorePreset.h"
#include "ui/dialogs/ModalWindows.h"

TfmStoreName* fmStoreName = nullptr;

namespace {
constexpr std::uint16_t EnterKey = 13;
} // namespace

TfmStoreName::TfmStoreName(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmStoreName");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(270);
    SetClientHeight(132);
    SetCaption("Preset Name");
    lblPresetName = scope.Place<TLabel>(this, "lblPresetName", 20, 16, 230, 20);
    lblPresetName->SetCaption("Preset Name");
    lTitle = scope.Place<TLabel>(this, "lTitle", 20, 48, 56, 20);
    lTitle->SetCaption("F00 : ");
    edName = scope.Place<TEdit>(this, "edName", 80, 44, 170, 24);
    edName->SetMaxLength(korvan::PresetNameLength);
    edName->SetText("Default Preset");
    edName->OnKeyDown = [this](TObject* s, std::uint16_t& key, TShiftState shift) {
        edNameKeyDown(s, key, shift);
    };
    btnOK = scope.Place<TButton>(this, "btnOK", 40, 88, 90, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    bnCancel = scope.Place<TButton>(this, "bnCancel", 140, 88, 90, 30);
    bnCancel->SetCaption("Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject* s) { bnCancelClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    scope.Finish();
}

void TfmStoreName::SetNameText(const std::string& name) {
    edName->SetText(korvan::WithoutTrailingBlanks(name));
}

void TfmStoreName::FormShow(TObject* /*Sender*/) {
    const std::string title = Tr("SID_PST_NAME");
    SetCaption(title);
    lblPresetName->SetCaption(title);
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
    bnCancel->SetCaption(Tr("SID_EXIT_CANCEL"));
}

void TfmStoreName::FormActivate(TObject* /*Sender*/) {
    // In recall mode the name is only shown.
    edName->SetEnabled(StoreMode == 1);
    if (StoreMode != 1)
        return;
    FocusControl(edName);
    edName->SelectAll();
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

// The list stays open for another choice.
void TfmStoreName::bnCancelClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}

void TfmStoreName::edNameKeyDown(TObject* /*Sender*/, std::uint16_t& Key, TShiftState /*Shift*/) {
    if (Key == EnterKey)
        btnOKClick(btnOK);
}
