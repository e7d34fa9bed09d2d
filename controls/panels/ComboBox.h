#pragma once
// TRzCustomComboBox: the standard combo box with incremental search and
// auto-completion against its items, background colours that follow its
// state (focused, read-only, disabled), a read-only mode, a flat drop-down
// button and a drawn frame with hot tracking, an automatic drop-down width
// and the match, not-in-list and select-end events. TRzComboBox publishes
// it and pairs a value with each item.
//
// The behaviour lives in four files: ComboBox.cpp (properties, colours,
// streaming, wheel, list), ComboBoxKeys.cpp (search and completion),
// ComboBoxPaint.cpp (frame and button) and ComboBoxValues.cpp (values).

#include "controls/panels/ColorShading.h"
#include "controls/panels/FrameDrawing.h"
#include "controls/panels/FramedControl.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"

#include <functional>
#include <memory>
#include <string>

// Milliseconds after the last typed character of a list search before the
// search starts again from nothing.
extern int SearchResetInterval;

using TRzDeleteComboItemEvent = std::function<void(TObject* sender, TObject* item)>;

class TRzCustomComboBox : public TComboBox, public TRzFrameControllerClient, public TRzFrameSettings {
    KORVAN_CLASS(TRzCustomComboBox)
public:
    explicit TRzCustomComboBox(TComponent* owner);
    ~TRzCustomComboBox() override;

    // The drop-down button's width, which is a vertical scroll bar's.
    static constexpr int ButtonWidth = 17;

    // --- search and editing ---
    bool AllowEdit() const { return allowEdit_; }
    void SetAllowEdit(bool value) { allowEdit_ = value; }
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool value) { autoComplete_ = value; }
    bool BeepOnInvalidKey() const { return beepOnInvalidKey_; }
    void SetBeepOnInvalidKey(bool value) { beepOnInvalidKey_ = value; }
    bool KeepSearchCase() const { return keepSearchCase_; }
    void SetKeepSearchCase(bool value) { keepSearchCase_ = value; }
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool value) { tabOnEnter_ = value; }
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool value) { autoDropDown_ = value; }
    bool AutoCloseUp() const { return autoCloseUp_; }
    void SetAutoCloseUp(bool value) { autoCloseUp_ = value; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value) { maxLength_ = value; }
    bool ReadOnly() const { return readOnly_; }
    virtual void SetReadOnly(bool value);
    const std::string& SearchString() const { return searchString_; }
    void ClearSearchString() { searchString_.clear(); }

    // --- colours ---
    TColor DisabledColor() const { return disabledColor_; }
    virtual void SetDisabledColor(TColor value);
    TColor FocusColor() const { return focusColor_; }
    virtual void SetFocusColor(TColor value);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    void SetReadOnlyColorOnFocus(bool value);
    // Colour from the state: disabled, focused (read-only or not),
    // read-only, normal.
    virtual void UpdateColors();

    // --- frame and button ---
    bool FlatButtons() const { return flatButtons_; }
    virtual void SetFlatButtons(bool value);
    TColor FlatButtonColor() const { return flatButtonColor_; }
    virtual void SetFlatButtonColor(TColor value);
    // The visual-style look is preferred and available.
    virtual bool UseThemes() const;
    // The hot look: the mouse (IsMouse) or the focus (else) came or went.
    virtual void UpdateFrame(bool isMouse, bool value);

    // --- the list ---
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int value) { dropDownWidth_ = value; }
    // The width the list got when it last opened.
    int ActualDropDownWidth() const { return actualDropDownWidth_; }
    // The widest item in the control's font, the scroll bar when the list
    // scrolls, a margin, and at least the control's width.
    int MeasureDropDownWidth();
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool value) { showFocus_ = value; }

    int Add(const std::string& s) { return Items()->Add(s); }
    int AddObject(const std::string& s, TObject* object) { return Items()->AddObject(s, object); }
    void Insert(int index, const std::string& s) { Items()->Insert(index, s); }
    void InsertObject(int index, const std::string& s, TObject* object) {
        Items()->InsertObject(index, s, object);
    }
    // Raises OnDeleteItem for an item that carries an object.
    void Delete(int index);
    // Empties the list (and the edit field); the values and the search text
    // stay.
    void ClearItems();
    int Count() const { return Items()->Count(); }
    virtual int IndexOf(const std::string& s) const { return Items()->IndexOf(s); }
    // The first item that begins with `s`, letter case ignored; -1 when none.
    virtual int FindClosest(const std::string& s) const;
    // An exact (or, for the closest, prefix) match becomes the selection.
    bool FindItem(const std::string& s);
    bool FindClosestItem(const std::string& s);
    // Sets the text without completing it.
    virtual void ForceText(const std::string& value);
    // The control holds the focus (from the enter and exit notices).
    bool IsFocused() const { return isFocused_; }

    TRzDeleteComboItemEvent OnDeleteItem;
    TNotifyEvent OnMatch;
    TNotifyEvent OnNotInList;
    TNotifyEvent OnSelEndCancel;
    TNotifyEvent OnSelEndOk;

    // --- framework overrides ---
    void Loaded() override;
    void DefineProperties(TFiler& filer) override;
    void DropDown() override;
    void CloseUp() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    bool WantSpecialKey(std::uint16_t key) const override;
    // A text set from outside completes to its closest item.
    void SetText(const std::string& text) override;
    // Left presses and double clicks are ignored while read-only.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;

    // Stored-property rules.
    bool ColorIsStored() const;
    bool FocusColorIsStored() const;
    bool StoredUnlessControlled(TRzFrameControllerProperty code) const;
    template <TRzFrameControllerProperty code> bool StoredUnless() const {
        return StoredUnlessControlled(code);
    }

protected:
    void ColorChanged() override;
    void EnabledChanged() override;
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;
    void FrameSettingChanged(TRzFrameControllerProperty code) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    bool CanDropDown() const override { return !readOnly_; }
    void ListSelectEnd(bool ok) override;
    void EditTextChanged() override;
    bool PaintsOver() const override { return true; }
    // The flat button, or none when read-only, replaces the native one.
    bool NativeButton() const override { return !flatButtons_ && !readOnly_; }
    void PaintOver(TCanvas& canvas) override;

    // Rejected input: a beep when BeepOnInvalidKey.
    virtual void InvalidKeyPressed();
    // List styles: `s` selects its closest item (a beep when none).
    virtual bool SelectSearchMatch(const std::string& s, char& key);
    // Edit styles: `s` completes to its closest item, the completed part
    // selected; false when no item begins with `s`.
    virtual bool AutoCompleteText(const std::string& s, char& key);
    virtual void DoMatch();
    virtual void DoNotInList();
    virtual void DoSelEndCancel();
    virtual void DoSelEndOk();

    bool HasEditField() const { return Style() == csDropDown || Style() == csSimple; }
    bool Hot() const { return inControl_ || overControl_; }

private:
    void ListKeyDown(std::uint16_t& key);
    bool ListKeyPress(char& key);
    void EditKeyDown(std::uint16_t& key, TShiftState shift);
    void EditKeyPress(char& key);
    void EditBackspace(char& key);
    void EditCharacter(char& key);
    // The framework part of a character: Return as Tab, the length limit,
    // OnKeyPress, the automatic drop-down.
    void FrameworkKeyPress(char& key);
    // Hands the key to the framework's handling (OnKeyPress) once per
    // keystroke.
    void PassKey(char& key);
    void MoveFocusOn();
    void CompleteFromText();
    // Sets the edit text as the control's own change.
    void SetTextTyping(const std::string& text);
    void SearchTimerFired();

    bool autoComplete_ = true;
    bool allowEdit_ = true;
    bool beepOnInvalidKey_ = true;
    bool flatButtons_ = false;
    TColor flatButtonColor_ = clBtnFace;
    bool updatingColor_ = false;
    TColor disabledColor_ = clBtnFace;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    TColor focusColor_ = clWindow;
    TColor normalColor_ = clWindow;
    bool keepSearchCase_ = false;
    std::string searchString_;
    int dropDownWidth_ = 0;
    int keyCount_ = 0;
    std::unique_ptr<TTimer> timer_;
    bool tabOnEnter_ = false;
    bool typing_ = false;
    bool enterPressed_ = false;
    bool readOnly_ = false;
    bool sysKeyDown_ = false;
    bool keyPassed_ = false;
    bool pastePending_ = false;
    bool autoDropDown_ = false;
    bool autoCloseUp_ = false;
    int maxLength_ = 0;
    bool inControl_ = false;
    bool overControl_ = false;
    bool showFocus_ = true;
    bool isFocused_ = false;
    int actualDropDownWidth_ = 0;
};

class TRzComboBox : public TRzCustomComboBox {
    KORVAN_CLASS(TRzComboBox)
public:
    explicit TRzComboBox(TComponent* owner);
    ~TRzComboBox() override;

    TStrings* Values() const { return values_.get(); }
    void SetValues(TStrings* values);
    // The selected item's value (its text when it has none).
    std::string Value() const { return GetValue(); }
    void SetValue(const std::string& value);
    // Values[index] when set, else Items[index]; empty past both.
    virtual std::string GetItemValue(int index) const;
    virtual std::string GetValue() const;
    bool ForceSetValue() const { return forceSetValue_; }
    void SetForceSetValue(bool value) { forceSetValue_ = value; }

    void ClearItemsValues();
    void AddItemValue(const std::string& item, const std::string& value);
    void InsertItemValue(int index, const std::string& item, const std::string& value);
    void DeleteItemValue(int index);

    void Change() override;
    void Click() override;

private:
    void ValuesChanged();
    void FollowSelection();
    std::string value_;
    std::unique_ptr<TStringList> values_;
    bool inSetValue_ = false;
    bool forceSetValue_ = false;
};
