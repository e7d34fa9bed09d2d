#pragma once
// TWinControl: a control with a window (a QWidget). It holds child
// controls (non-windowed ones first, below windowed ones), aligns them,
// takes the focus, receives keys and broadcasts notifications to its
// children. TCustomControl is a windowed control that paints itself.
//
// The window is made by CreateWidget (the layer's painting widget by
// default; standard controls return their Qt widget). One event filter
// per window turns Qt's input into the framework's: see ControlBridge.h.
// The window types stay inside the layer: above it a control is reached
// through this class, never through its widget.

#include "platform/forms/Control.h"

#include <memory>
#include <vector>

class QPainter;
class QRect;
class QWidget;

class TWinControl : public TControl {
    KORVAN_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    // The window, made on first use.
    QWidget* Widget();
    bool HandleAllocated() const;
    // The window exists and shows on the screen.
    bool WindowVisible() const;

    // --- children ---
    int ControlCount() const { return int(controls_.size() + winControls_.size()); }
    // Non-windowed children first (in z-order), then windowed ones.
    TControl* Controls(int index) const;
    bool ContainsControl(const TControl* control) const;
    // The topmost child at a client point: windowed first, then
    // non-windowed; disabled children only when allowed.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = true) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    // Sends a message to every child control.
    void Broadcast(TMessage& message);
    void NotifyControls(unsigned msg);

    // --- alignment ---
    // The client rectangle that aligned children share.
    virtual TRect AdjustClientRect(TRect rect) const { return rect; }
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    bool AlignDisabled() const { return alignDisabled_ > 0; }

    // --- focus ---
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    int TabOrder() const;
    void SetTabOrder(int order);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // The windowed children in tab order.
    std::vector<TWinControl*> TabList() const;

    // --- keys ---
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();
    // The control's answer to the special-key query (Tab, arrows,
    // Return, Escape); true keeps the key from the form.
    virtual bool WantSpecialKey(std::uint16_t /*key*/) const { return false; }
    // Whether Qt's own wheel handling runs when the framework's did not
    // handle the wheel (scrolling lists and memos).
    virtual bool NativeWheel() const { return false; }

    void Invalidate() override;
    void Repaint() override;
    void WndProc(TMessage& message) override;
    void SetEnabled(bool enabled) override;

    // Layer internal: composes the window's picture from its surface and
    // its non-windowed children; the image on screen.
    const QImage& Composite();
    // Something was drawn on the surface outside a paint: the composed
    // picture is built again at the next paint.
    void CompositeChanged();
    void PaintWindow(QPainter& painter, const QRect& rect);

protected:
    friend class TControl;
    virtual QWidget* CreateWidget();
    // The enabled look of the window itself (a leaf window may grey
    // itself; containers never grey their children).
    virtual void ApplyEnabled();
    void UpdateWindowBounds() override;
    void Resize() override;
    // Aligns the children inside the client rectangle.
    virtual void AlignControls(TControl* control, TRect& rect);
    void VisibleChanged() override;
    // Parent for child windows (a form's client widget, a group box's body).
    virtual QWidget* ChildParentWidget() { return Widget(); }
    // Attaches the window to the parent's window.
    void AttachWidget();
    void DetachWidget();
    void BuildComposite();
    struct ComposedChild;
    // Whether the composed picture still shows the surface and `children`.
    bool CompositeCurrent(const std::vector<ComposedChild>& children);

private:
    friend class korvan_AlignAccess;
    std::vector<TControl*> controls_;    // non-windowed, bottom to top
    std::vector<TControl*> winControls_; // windowed, bottom to top
    // The window, its input bridge and its composed picture.
    struct WindowParts;
    std::unique_ptr<WindowParts> parts_;
    bool tabStop_ = false;
    int alignDisabled_ = 0;
    bool alignPending_ = false;
    bool realigning_ = false;
    bool creatingWidget_ = false;
    bool building_ = false;
};

// A windowed control that paints itself into its surface.
class TCustomControl : public TWinControl {
    KORVAN_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* owner);
    bool IsPainted() const override { return true; }
};
