#pragma once
// Standard controls: label, edit, memo, button, check box, radio button,
// list box, combo box and group box. The windowed ones are thin over Qt
// widgets (made in the .cpp files) and follow the framework's event rules: a program-set ItemIndex
// raises no change event; setting Checked raises OnClick; a button's click
// copies its ModalResult to its form; Return and Escape reach the default
// and cancel buttons.

#include "platform/forms/Messages.h"
#include "platform/forms/Strings.h"
#include "platform/forms/WinControl.h"

#include <memory>

namespace korvan::forms {
// A windowed control whose window is a widget that draws itself (made by
// the control's CreateWidget) and draws its own disabled look.
class TNativeControl : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void ApplyEnabled() override;
};

// A native control with a text field (edit, memo, list, combo): its colour
// is the field's background; font and colour changes reach the widget.
class ComboWidget;

class TFieldControl : public TNativeControl {
public:
    using TNativeControl::TNativeControl;

protected:
    // What every field starts with: a tab stop, the window colour of its
    // own, double clicks, and its default size.
    void SetUpField(int width, int height);
    void ColorChanged() override;
    void FontChanged() override;
};

// A captioned native button (push, check or radio button): the caption and
// font reach the widget, and the caption's accelerator character does
// Accelerated.
class TButtonControl : public TNativeControl {
public:
    using TNativeControl::TNativeControl;
    void WndProc(TMessage& message) override;

protected:
    virtual void Accelerated() = 0;
    void TextChanged() override;
    void FontChanged() override;
    // The face takes the control's colour.
    void ColorChanged() override;
};
} // namespace korvan::forms

class TLabel : public TGraphicControl {
    KORVAN_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* c) { focusControl_ = c; }
    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    unsigned DrawFlags() const;
    virtual void AdjustBounds();

private:
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
// Input method modes; the layer has input methods on or off only:
// imDisable turns them off, every other mode leaves them on.
enum TImeMode {
    imDisable,
    imClose,
    imOpen,
    imDontCare,
    imSAlpha,
    imAlpha,
    imHira,
    imSKata,
    imKata,
    imChinese,
    imSHanguel,
    imHanguel
};
namespace korvan::forms {
inline const std::vector<std::string> kImeModeNames{"imDisable", "imClose",   "imOpen",     "imDontCare",
                                                    "imSAlpha",  "imAlpha",   "imHira",     "imSKata",
                                                    "imKata",    "imChinese", "imSHanguel", "imHanguel"};
} // namespace korvan::forms

class TEdit : public korvan::forms::TFieldControl {
    KORVAN_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner);
    std::string Text() const override;
    // In the edit's character case.
    void SetText(const std::string& text) override;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    // Every character shows as this one (0: the text shows).
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    // Upper or lower case converts the text now and every text that goes
    // in later, typed, pasted or set.
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    // Typed characters that are no digits are refused.
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool value);
    // The focus gained other than by a click selects the whole text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value);
    // Off: the selection stays visible while the edit has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    // A grey text shown while the edit is empty.
    const std::string& TextHint() const { return textHint_; }
    void SetTextHint(const std::string& value);
    // Conversion to the OEM character set and back: texts are Unicode
    // here, so it changes nothing; kept for the forms that set it.
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value) { oemConvert_ = value; }
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value);
    // The input method to use; the layer uses the desktop's own.
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& value) { imeName_ = value; }
    void SelectAll();
    // The caret's position (characters before it); setting it clears the
    // selection.
    int SelStart() const;
    void SetSelStart(int position);
    int SelLength() const;
    TNotifyEvent OnChange;
    unsigned GetDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

protected:
    QWidget* CreateWidget() override;
    virtual void Change();
    // The grey text while empty changed; the edit shows TextHint.
    virtual void ShowTextHint(const std::string& text);
    void BiDiModeChanged() override;

private:
    void ApplyImeMode();
    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    TAlignment alignment_ = taLeftJustify;
    TEditCharCase charCase_ = ecNormal;
    bool numbersOnly_ = false;
    bool autoSelect_ = true;
    bool hideSelection_ = true;
    bool oemConvert_ = false;
    TImeMode imeMode_ = imDontCare;
    std::string textHint_;
    std::string imeName_;
    bool settingText_ = false;
};

class TMemo : public korvan::forms::TFieldControl {
    KORVAN_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    TStrings* Lines() const { return lines_.get(); }
    void SetLines(TStrings* lines);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    TNotifyEvent OnChange;
    unsigned GetDlgCode() const override {
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (wantReturns_ ? DLGC_WANTALLKEYS : 0);
    }
    bool NativeWheel() const override { return true; }

protected:
    QWidget* CreateWidget() override;

private:
    void LinesChanged();
    std::unique_ptr<TStringList> lines_;
    bool readOnly_ = false;
    bool wantReturns_ = true;
    bool syncing_ = false;
};

class TButton : public korvan::forms::TButtonControl {
    KORVAN_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    // True while Return would press this button.
    bool Active() const { return active_; }
    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void Accelerated() override { Click(); }
    QWidget* CreateWidget() override;

private:
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public korvan::forms::TButtonControl {
    KORVAN_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent* owner);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState s);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }

protected:
    void Accelerated() override;
    QWidget* CreateWidget() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    bool syncing_ = false;
};

class TRadioButton : public korvan::forms::TButtonControl {
    KORVAN_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    // Checking a radio button clears the others of its parent and raises
    // OnClick.
    void SetChecked(bool v);
    // The arrow keys move the focus and the check to the previous or next
    // radio button of the same parent.
    bool WantSpecialKey(std::uint16_t key) const override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

protected:
    void Accelerated() override;
    QWidget* CreateWidget() override;

private:
    bool checked_ = false;
};

class TListBox : public korvan::forms::TFieldControl {
    KORVAN_CLASS(TListBox)
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* items);
    int ItemIndex() const { return itemIndex_; }
    // Program-set: no event.
    void SetItemIndex(int index);
    bool NativeWheel() const override { return true; }
    unsigned GetDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

protected:
    QWidget* CreateWidget() override;

private:
    void ItemsChanged();
    std::unique_ptr<TStringList> items_;
    int itemIndex_ = -1;
    bool syncing_ = false;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public korvan::forms::TFieldControl {
    KORVAN_CLASS(TComboBox)
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* items);
    int ItemIndex() const { return itemIndex_; }
    // Program-set: no event (also the text follows).
    void SetItemIndex(int index);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v);
    bool DroppedDown() const;
    void SetDroppedDown(bool v);
    // The edit field's selection (styles with an edit field; 0 without).
    int SelStart() const;
    void SetSelStart(int v);
    int SelLength() const;
    void SetSelLength(int v);
    // The width of the drop-down list (never below the control's width).
    void SetDroppedWidth(int width);
    // The edit field takes no typing, cutting or pasting.
    void SetEditReadOnly(bool v);
    // The edit field completes typed text from the items by itself.
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool v);
    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    unsigned GetDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    bool WantSpecialKey(std::uint16_t key) const override;

    // The user's choice of an item: ItemIndex, then Click, Select, Change.
    virtual void Change();
    virtual void Select();
    // The list opens (raises OnDropDown) and closes (raises OnCloseUp).
    virtual void DropDown();
    virtual void CloseUp();

protected:
    friend class korvan::forms::ComboWidget;
    QWidget* CreateWidget() override;
    // Whether the user may open the list now.
    virtual bool CanDropDown() const { return true; }
    // The user ended a choice in the open list: picked an item (true, before
    // the choice's events) or closed the list without one (false).
    virtual void ListSelectEnd(bool /*ok*/) {}
    // The user changed the edit field's text (after Change).
    virtual void EditTextChanged() {}
    // Drawing over the native look of the control's own window (the edit
    // field's window stays on top of it), with or without the native
    // drop-down button under it.
    virtual bool PaintsOver() const { return false; }
    virtual bool NativeButton() const { return true; }
    virtual void PaintOver(TCanvas& /*canvas*/) {}
    // The wheel moves the selection as the user's choice.
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void UserSelected(int index);

private:
    void ItemsChanged();
    // The widget shows the chosen item and the text.
    void ShowChoice(const std::string& text);
    std::unique_ptr<TStringList> items_;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    bool syncing_ = false;
    bool autoComplete_ = true;
    std::string text_;
};

class TGroupBox : public TCustomControl {
    KORVAN_CLASS(TGroupBox)
public:
    explicit TGroupBox(TComponent* owner);
    TRect AdjustClientRect(TRect rect) const override;

protected:
    void Paint() override;
};
