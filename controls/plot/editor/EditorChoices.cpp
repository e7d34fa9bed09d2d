#include "controls/plot/editor/EditorChoices.h"

#include "controls/plot/editor/EditorForm.h"
#include "platform/forms/VirtualKeys.h"

using korvan::plot::NotifyUserChange;
using korvan::plot::Silently;

const TClassInfo& TiComponentEditorCheckBox::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TiComponentEditorCheckBox>(
                                       "TiComponentEditorCheckBox", &TiCheckBox::StaticClassInfo())
                                       .Creator()
                                       .Build();
    return info;
}

const TClassInfo& TiComponentEditorRadioGroup::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TiComponentEditorRadioGroup>(
                                       "TiComponentEditorRadioGroup", &TiRadioGroup::StaticClassInfo())
                                       .Creator()
                                       .Build();
    return info;
}

const TClassInfo& TiComponentEditorComboBox::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TiComponentEditorComboBox>(
                                       "TiComponentEditorComboBox", &TComboBox::StaticClassInfo())
                                       .Creator()
                                       .Build();
    return info;
}

// ---------------------------------------------------------------- check box

void TiComponentEditorCheckBox::SetAsBoolean(bool value) {
    Silently(
        blockingEvents_, [&] { SetChecked(value); }, OnClick, OnChange, OnChangeUser);
}

void TiComponentEditorCheckBox::Disable() {
    Silently(
        blockingEvents_,
        [&] {
            SetEnabled(false);
            SetChecked(false);
        },
        OnClick, OnChange, OnChangeUser);
}

void TiComponentEditorCheckBox::DoChange() {
    TiCheckBox::DoChange();
    if (!blockingEvents_)
        NotifyUserChange(this);
    if (OnClick)
        OnClick(this);
}

unsigned TiComponentEditorCheckBox::GetDlgCode() const {
    return DLGC_WANTTAB | DLGC_WANTALLKEYS;
}

void TiComponentEditorCheckBox::iKeyPress(char& key) {
    if (!korvan::plot::HandleTabKey(this, key))
        TiCheckBox::iKeyPress(key);
}

// ---------------------------------------------------------------- radio group

void TiComponentEditorRadioGroup::SetAsInteger(int value) {
    Silently(
        blockingEvents_, [&] { SetItemIndex(value); }, OnClick, OnChange, OnChangeUser);
}

void TiComponentEditorRadioGroup::Disable() {
    Silently(
        blockingEvents_,
        [&] {
            SetEnabled(false);
            SetItemIndex(-1);
        },
        OnClick, OnChange, OnChangeUser);
}

// The user's choice is a click on the group: OnClick, the form's
// UserChange, and OnChange from the base's change of the item index.
void TiComponentEditorRadioGroup::DoChange() {
    TiRadioGroup::DoChange();
    if (blockingEvents_)
        return;
    if (OnClick)
        OnClick(this);
    NotifyUserChange(this);
}

void TiComponentEditorRadioGroup::iKeyPress(char& key) {
    if (!korvan::plot::HandleTabKey(this, key))
        TiRadioGroup::iKeyPress(key);
}

// ---------------------------------------------------------------- combo box

void TiComponentEditorComboBox::SetAsInteger(int value) {
    Silently(
        blockingEvents_, [&] { SetItemIndex(value); }, OnChange, OnClick, OnSelect);
}

void TiComponentEditorComboBox::SetAsString(const std::string& value) {
    Silently(
        blockingEvents_, [&] { SetText(value); }, OnChange, OnClick, OnSelect);
}

void TiComponentEditorComboBox::Disable() {
    Silently(
        blockingEvents_,
        [&] {
            SetEnabled(false);
            SetColor(clBtnFace);
            SetItemIndex(-1);
            SetText(std::string());
        },
        OnChange, OnClick, OnSelect);
}

void TiComponentEditorComboBox::Enable() {
    SetEnabled(true);
    SetColor(clWindow);
}

// The user's choice tells the form; OnClick stays quiet.
void TiComponentEditorComboBox::Click() {
    if (!blockingEvents_)
        NotifyUserChange(this);
}

unsigned TiComponentEditorComboBox::GetDlgCode() const {
    return TComboBox::GetDlgCode() | DLGC_WANTTAB | DLGC_WANTARROWS;
}

bool TiComponentEditorComboBox::WantSpecialKey(std::uint16_t key) const {
    return key == VK_LEFT || key == VK_RIGHT;
}

void TiComponentEditorComboBox::KeyPress(char& key) {
    if (!korvan::plot::HandleTabKey(this, key))
        TComboBox::KeyPress(key);
}
