#include "ui/dialogs/NameEntryForm.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ChannelNameText.h"
#include "ui/dialogs/ModalWindows.h"

namespace korvan {

namespace {
constexpr std::uint16_t EnterKey = 13;
} // namespace

NameEntryForm::NameEntryForm(TComponent* owner, WindowHost& host, const NameEntryLayout& layout)
    : HostedForm(owner, host) {
    forms::LoadScope scope(this);
    SetName(layout.form);
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(layout.clientWidth);
    SetClientHeight(132);
    SetCaption(layout.caption);
    const int inner = layout.clientWidth - 40;
    titleLabel_ = scope.Place<TLabel>(this, layout.title, 20, 16, inner, 20);
    titleLabel_->SetCaption(layout.titleText);
    leadLabel_ = scope.Place<TLabel>(this, layout.lead, 20, 48, 56, 20);
    leadLabel_->SetCaption(layout.leadText);
    edName = scope.Place<TEdit>(this, "edName", layout.fieldLeft, 44, layout.fieldWidth, 24);
    edName->SetMaxLength(layout.maxLength);
    edName->SetText(layout.fieldText);
    edName->OnKeyDown = [this](TObject* s, std::uint16_t& key, TShiftState shift) {
        edNameKeyDown(s, key, shift);
    };
    const int buttonsLeft = (layout.clientWidth - 190) / 2;
    btnOK = scope.Place<TButton>(this, "btnOK", buttonsLeft, 88, 90, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    bnCancel = scope.Place<TButton>(this, "bnCancel", buttonsLeft + 100, 88, 90, 30);
    bnCancel->SetCaption("Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject* s) { bnCancelClick(s); };
    scope.Finish();
}

void NameEntryForm::SetNameText(const std::string& name) {
    edName->SetText(WithoutTrailingBlanks(name));
}

void NameEntryForm::bnCancelClick(TObject* /*Sender*/) {
    CloseWindow(this);
}

void NameEntryForm::edNameKeyDown(TObject* /*Sender*/, std::uint16_t& Key, TShiftState /*Shift*/) {
    if (Key == EnterKey)
        btnOKClick(btnOK);
}

void NameEntryForm::ShowTexts(std::string_view titleKey) {
    const std::string title = Tr(titleKey);
    SetCaption(title);
    titleLabel_->SetCaption(title);
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
    bnCancel->SetCaption(Tr("SID_EXIT_CANCEL"));
}

void NameEntryForm::FocusName(bool editable) {
    edName->SetEnabled(editable);
    if (!editable)
        return;
    FocusControl(edName);
    edName->SelectAll();
}

} // namespace korvan
