#pragma once
// The editor's check box, radio group and combo box: loaded silently, and
// a change the user makes reaches the owning form's UserChange and the
// control's event (the check box's OnClick, the radio group's OnChange
// and OnClick, the combo box's OnChange).

#include "controls/plot/choice/PackCheckBox.h"
#include "controls/plot/choice/PackRadioGroup.h"
#include "platform/forms/StdCtrls.h"

#include <string>

class TiComponentEditorCheckBox : public TiCheckBox {
    KORVAN_CLASS(TiComponentEditorCheckBox)
public:
    explicit TiComponentEditorCheckBox(TComponent* owner) : TiCheckBox(owner) {}
    bool AsBoolean() const { return Checked(); }
    void SetAsBoolean(bool value);
    // Off and unchecked, silently.
    void Disable();
    void Enable() { SetEnabled(true); }
    unsigned GetDlgCode() const override;
    // OnClick reports the change of Checked only.
    void Click() override {}

protected:
    void DoChange() override;
    void iKeyPress(char& key) override;

private:
    bool blockingEvents_ = false;
};

class TiComponentEditorRadioGroup : public TiRadioGroup {
    KORVAN_CLASS(TiComponentEditorRadioGroup)
public:
    explicit TiComponentEditorRadioGroup(TComponent* owner) : TiRadioGroup(owner) {}
    int AsInteger() const { return ItemIndex(); }
    void SetAsInteger(int value);
    // Off with no item chosen, silently.
    void Disable();
    void Enable() { SetEnabled(true); }

protected:
    void DoChange() override;
    void iKeyPress(char& key) override;

private:
    bool blockingEvents_ = false;
};

class TiComponentEditorComboBox : public TComboBox {
    KORVAN_CLASS(TiComponentEditorComboBox)
public:
    explicit TiComponentEditorComboBox(TComponent* owner) : TComboBox(owner) {}
    // The item index.
    int AsInteger() const { return ItemIndex(); }
    void SetAsInteger(int value);
    std::string AsString() const { return Text(); }
    void SetAsString(const std::string& value);
    // Off, greyed, no item and no text, silently.
    void Disable();
    void Enable();
    void Click() override;
    unsigned GetDlgCode() const override;
    bool WantSpecialKey(std::uint16_t key) const override;
    void KeyPress(char& key) override;

private:
    bool blockingEvents_ = false;
};
