#pragma once
// Rounded controls: TCurvyPanel, a windowed panel drawn as an antialiased
// rounded rectangle in one flat colour with a border and a highlight line
// along its top; TCurvyControlPanel, which adds small image buttons
// (TCurvyControl items) inside or beside its rounded ends; and TCurvyEdit,
// the rounded single-line edit (the editor's numeric read-outs), which
// hosts a borderless edit between the rounded ends and passes its
// properties and events through with itself as Sender.

#include "controls/gdip/AdvGDIP.h"
#include "platform/forms/Collection.h"
#include "platform/forms/ImageListComponent.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/WinControl.h"

#include <functional>
#include <memory>
#include <string>

class TPopupMenu;

class TCurvyPanel : public TCustomControl {
    KORVAN_CLASS(TCurvyPanel)
public:
    explicit TCurvyPanel(TComponent* owner);

    int Rounding() const { return rounding_; }
    void SetRounding(int value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    int IndentLeft() const { return indentLeft_; }
    int IndentRight() const { return indentRight_; }

protected:
    void Paint() override;
    // The panel's colour changed: repaint at once.
    void ColorChanged() override;
    void SetIndents(int left, int right) {
        indentLeft_ = left;
        indentRight_ = right;
    }

private:
    int rounding_ = 8;
    TColor shadowColor_ = 14277081;
    TColor borderColor_ = clGray;
    int indentLeft_ = 0, indentRight_ = 0;
};

enum TControlPosition { cpLeftInControl, cpRightInControl, cpLeft, cpRight };
enum TCurvyControlState { csNormal, csHover, csDown };

class TCurvyControl : public TCollectionItem {
    KORVAN_CLASS(TCurvyControl)
public:
    explicit TCurvyControl(TCollection* collection);
    ~TCurvyControl() override;
    // Hint, image indices, Position and DropDown of another item; any other
    // source leaves the item unchanged.
    void Assign(TPersistent* source) override;

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int ImageIndexHover() const { return imageIndexHover_; }
    void SetImageIndexHover(int value) { imageIndexHover_ = value; }
    int ImageIndexDown() const { return imageIndexDown_; }
    void SetImageIndexDown(int value) { imageIndexDown_ = value; }
    TAdvGDIPPicture* Picture() const { return picture_.get(); }
    void SetPicture(TAdvGDIPPicture* value) { picture_->Assign(value); }
    TAdvGDIPPicture* PictureHover() const { return pictureHover_.get(); }
    void SetPictureHover(TAdvGDIPPicture* value) { pictureHover_->Assign(value); }
    TAdvGDIPPicture* PictureDown() const { return pictureDown_.get(); }
    void SetPictureDown(TAdvGDIPPicture* value) { pictureDown_->Assign(value); }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool DropDown() const { return dropDown_; }
    void SetDropDown(bool value);
    // The menu a drop-down item opens (not owned; forgotten when it goes).
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value);
    TControlPosition Position() const { return position_; }
    void SetPosition(TControlPosition value);
    TCurvyControlState State() const { return state_; }
    void SetState(TCurvyControlState value) { state_ = value; }

private:
    void Notify(); // begins and ends an update of the collection

    int imageIndex_ = -1, imageIndexHover_ = -1, imageIndexDown_ = -1;
    std::unique_ptr<TAdvGDIPPicture> picture_, pictureHover_, pictureDown_;
    std::string hint_;
    bool dropDown_ = false;
    TPopupMenu* popupMenu_ = nullptr;
    TControlPosition position_ = cpRightInControl;
    TCurvyControlState state_ = csNormal;
};

class TCurvyControls : public TOwnedCollection {
    KORVAN_CLASS(TCurvyControls)
public:
    explicit TCurvyControls(TPersistent* owner);
    TCurvyControl* Add() { return static_cast<TCurvyControl*>(TCollection::Add()); }
    TCurvyControl* Insert(int index) { return static_cast<TCurvyControl*>(TCollection::Insert(index)); }
    TCurvyControl* Items(int index) const { return static_cast<TCurvyControl*>(TCollection::Items(index)); }
    void Update(TCollectionItem* item) override;

    int LeftSize = 0, LeftControlSize = 0, RightSize = 0, RightControlSize = 0;
    int ImageListImageWidth = 0, ImageListImageHeight = 0;
    std::function<void()> OnChange;
};

using TControlClickEvent = std::function<void(TObject* sender, int index)>;

class TCurvyControlPanel : public TCurvyPanel {
    KORVAN_CLASS(TCurvyControlPanel)
public:
    explicit TCurvyControlPanel(TComponent* owner);
    ~TCurvyControlPanel() override;

    TCurvyControls* Controls() const { return controls_.get(); }
    void SetControls(TCurvyControls* value) { controls_->Assign(value); }
    // The image list the items draw from (not owned; forgotten when it
    // goes). Its image size is taken when it is set.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* value);
    // "1.0.3.1"; writing it is ignored.
    std::string Version() const { return "1.0.3.1"; }
    void SetVersion(const std::string&) {}

    // The hint of the item under the pointer, when it has one, replaces
    // the panel's (CM_HINTSHOW).
    void WndProc(TMessage& message) override;

    // The item at a client point (the last of several; -1 for none).
    int ItemAt(int x) const;
    // Where item `index` starts and how large it is.
    TRect ItemRect(int index) const;

    TControlClickEvent OnControlClick;

protected:
    virtual void DoControlClick(int index);
    virtual void LayoutInnerControl() {}
    // A removed image list is cleared; unless the panel is going, items
    // forget a removed popup menu.
    void Notification(TComponent* component, TOperation operation) override;
    void Relayout();
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;

private:
    TSize ItemSize(const TCurvyControl& item) const;
    void DrawItem(Gdiplus::Graphics& g, const TCurvyControl& item, const TRect& r);

    std::unique_ptr<TCurvyControls> controls_;
    TCustomImageList* images_ = nullptr;
};

// The inner edit of TCurvyEdit: a frameless edit with a grey text while
// empty (EmptyText; the framework edit's TextHint when no EmptyText is set).
class TEmptyEdit : public TEdit {
    KORVAN_CLASS(TEmptyEdit)
public:
    explicit TEmptyEdit(TComponent* owner);
    const std::string& EmptyText() const { return emptyText_; }
    void SetEmptyText(const std::string& value);

protected:
    void ShowTextHint(const std::string& text) override;

private:
    std::string emptyText_;
};

class TCurvyEdit : public TCurvyControlPanel {
    KORVAN_CLASS(TCurvyEdit)
public:
    explicit TCurvyEdit(TComponent* owner);
    ~TCurvyEdit() override;

    TEmptyEdit* Edit() const { return edit_; }
    // Always 24 high.
    void SetBounds(int left, int top, int width, int height) override;
    void SetFocus() override;

    // What lives in the inner edit.
    std::string Text() const override { return edit_->Text(); }
    void SetText(const std::string& text) override { edit_->SetText(text); }
    TAlignment Alignment() const { return edit_->Alignment(); }
    void SetAlignment(TAlignment value) { edit_->SetAlignment(value); }
    bool AutoSelect() const { return edit_->AutoSelect(); }
    void SetAutoSelect(bool value) { edit_->SetAutoSelect(value); }
    TEditCharCase CharCase() const { return edit_->CharCase(); }
    void SetCharCase(TEditCharCase value) { edit_->SetCharCase(value); }
    TCursor EditDragCursor() const { return edit_->DragCursor(); }
    void SetEditDragCursor(TCursor value) { edit_->SetDragCursor(value); }
    TDragKind EditDragKind() const { return edit_->DragKind(); }
    void SetEditDragKind(TDragKind value) { edit_->SetDragKind(value); }
    TDragMode EditDragMode() const { return edit_->DragMode(); }
    void SetEditDragMode(TDragMode value) { edit_->SetDragMode(value); }
    const std::string& EmptyText() const { return edit_->EmptyText(); }
    void SetEmptyText(const std::string& value) { edit_->SetEmptyText(value); }
    // Enabled of the inner edit only: the rounded body stays enabled.
    bool EditEnabled() const { return edit_->Enabled(); }
    void SetEditEnabled(bool value) { edit_->SetEnabled(value); }
    bool HideSelection() const { return edit_->HideSelection(); }
    void SetHideSelection(bool value) { edit_->SetHideSelection(value); }
    int MaxLength() const { return edit_->MaxLength(); }
    void SetMaxLength(int value) { edit_->SetMaxLength(value); }
    bool NumbersOnly() const { return edit_->NumbersOnly(); }
    void SetNumbersOnly(bool value) { edit_->SetNumbersOnly(value); }
    bool OEMConvert() const { return edit_->OEMConvert(); }
    void SetOEMConvert(bool value) { edit_->SetOEMConvert(value); }
    char PasswordChar() const { return edit_->PasswordChar(); }
    void SetPasswordChar(char value) { edit_->SetPasswordChar(value); }
    bool ReadOnly() const { return edit_->ReadOnly(); }
    void SetReadOnly(bool value) { edit_->SetReadOnly(value); }
    const std::string& TextHint() const { return edit_->TextHint(); }
    void SetTextHint(const std::string& value) { edit_->SetTextHint(value); }
    TImeMode ImeMode() const { return edit_->ImeMode(); }
    void SetImeMode(TImeMode value) { edit_->SetImeMode(value); }
    const std::string& ImeName() const { return edit_->ImeName(); }
    void SetImeName(const std::string& value) { edit_->SetImeName(value); }
    TPopupMenu* EditPopupMenu() const { return edit_->PopupMenu(); }
    void SetEditPopupMenu(TPopupMenu* value) { edit_->SetPopupMenu(value); }
    int EditTabOrder() const { return edit_->TabOrder(); }
    void SetEditTabOrder(int value) { edit_->SetTabOrder(value); }
    bool EditTabStop() const { return edit_->TabStop(); }
    void SetEditTabStop(bool value) { edit_->SetTabStop(value); }

    // The edit's own events (the inner edit's, with this edit as Sender);
    // they hide the panel's, which see presses on the rounded margin.
    TNotifyEvent OnClick, OnChange, OnDblClick, OnEnter, OnExit, OnMouseEnter, OnMouseLeave;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    void ColorChanged() override;
    // Font and reading order (own or from the parent) are copied to the
    // inner edit.
    void FontChanged() override;
    void BiDiModeChanged() override;
    void Resize() override;
    void LayoutInnerControl() override;

private:
    TEmptyEdit* edit_; // owned as a component
};
