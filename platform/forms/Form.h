#pragma once
// Forms: top-level windows with the framework's rules. A form keeps its
// active control and raises OnEnter/OnExit when the focus moves inside it
// (never when the window is activated or deactivated); it hands Tab,
// Return and Escape that its controls do not want to the focus order and
// to the default and cancel buttons, and accelerator characters to the
// control whose caption carries them.
//
// ModalResult: ShowModal resets it, runs a modal loop and ends when it
// becomes non-zero (after OnCloseQuery and OnClose agree); on a form that
// is not modal a ModalResult changes nothing. Windows are created once and
// shown when needed (Show, Hide, Visible).
//
// Bounds of a form are its outer frame; the client area is the frame less
// fixed border and caption metrics (and the main menu bar).

#include "platform/forms/WinControl.h"

class TMainMenu;
class QEventLoop;

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TWinControl {
    KORVAN_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // The top-level window (frame with menu bar and client area).
    QWidget* Window();
    TRect ClientRect() const override;
    bool Showing() const override { return Visible(); }
    bool IsPainted() const override { return true; }
    // Streaming: the form's components without a parent (menus, timers,
    // image lists) come first, then its controls.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    // --- showing ---
    void Show();
    void Hide() { SetVisible(false); }
    void Close();
    bool CloseQuery();
    int ShowModal();
    bool Modal() const { return modalLoop_ != nullptr; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    void BringToFront();
    bool Active() const;

    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Outer size less the client size.
    TSize FrameExtra() const;

    // --- focus ---
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Moves the focus to `control`: OnExit up from the old control to the
    // common parent, OnEnter down to the new one, then the focus-changed
    // notice to every control.
    void FocusControl(TWinControl* control);
    // The focus goes to the next control when `control` loses its ability
    // to hold it.
    void DefocusControl(TWinControl* control);
    void ControlRemoved(TWinControl* control);
    // The layer's report that Qt gave `control` the focus.
    void FocusedByWindow(TWinControl* control, bool windowActivation);
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;

    // --- keys the controls did not want ---
    bool DialogKey(std::uint16_t key, TShiftState shift);
    bool DialogChar(unsigned ch);
    // A menu shortcut: the popup menus from `focused` up, then the main
    // menu. True when an item took the key.
    bool IsShortCut(TControl* focused, std::uint16_t key, TShiftState shift);
    // Alt with the accelerator of a top-level item of the main menu: an
    // item with sub-items opens, another one acts.
    bool MenuAccel(unsigned ch);

    // --- events ---
    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void Loaded() override;

protected:
    QWidget* CreateWidget() override;
    QWidget* ChildParentWidget() override { return Widget(); }
    void UpdateWindowBounds() override;
    void VisibleChanged() override;
    void TextChanged() override;
    void Paint() override;
    void DoShow();
    void DoHide();
    void PlaceWindow();
    void ApplyWindowFlags();

private:
    friend class korvan_FormWindow;
    void CloseModal();
    // The top-level window.
    struct Frame;
    std::unique_ptr<Frame> frame_;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    bool keyPreview_ = false;
    bool placed_ = false;
    bool showingWindow_ = false;
    TMainMenu* menu_ = nullptr;
};

class TForm : public TCustomForm {
    KORVAN_CLASS(TForm)
public:
    explicit TForm(TComponent* owner);
};

namespace korvan::forms {
// Registers the standard control classes with the form reader (once).
void RegisterStandardClasses();
// The form of the active window; null when none.
TCustomForm* ActiveForm();
} // namespace korvan::forms
