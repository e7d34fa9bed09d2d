#pragma once
// TControl: the base of every control. A control has a parent (a windowed
// control), bounds in its parent's client coordinates, Align and Anchors,
// Visible and Enabled as its own flags, a caption, a hint, a cursor and a
// popup menu, and receives mouse input and control notifications.
//
// Non-windowed controls (TGraphicControl) have no window: their parent
// paints them into its own image, below its windowed children, and routes
// the mouse to them. Painted controls draw into an off-screen image of
// their own size (Surface) that is copied to the screen in one step;
// drawing on it outside a paint (from a click handler) shows at once.
//
// Ownership: the owner frees a control (TComponent); a parent destroying
// itself frees its child controls first, as the framework does.

#include "platform/forms/Component.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Palette.h"

#include <cstdint>
#include <memory>
#include <string>

class QImage;
class TPopupMenu;
class TCustomForm;
struct TMessage;

class TControl : public TComponent {
    KORVAN_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // --- tree ---
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    bool HasParent() const override { return true; }
    // Windowed controls have a window of their own.
    virtual bool IsWindowed() const { return false; }

    // --- bounds ---
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    // Rectangles exclude their right and bottom edges, as the canvas does.
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    // The client area in the control's own coordinates (origin 0, 0).
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int v);
    virtual void SetClientHeight(int v);
    // Where the client origin lies inside the control.
    virtual TPoint ClientOrigin() const { return Point(0, 0); }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // In the parent's client coordinates.
    TPoint ClientToParent(TPoint p, const TWinControl* parent = nullptr) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    // --- flags ---
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window is too.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    // Enabled, and so is every parent: input reaches only such controls.
    bool InputEnabled() const;

    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& caption) { SetText(caption); }
    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& text);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState state) { controlState_ = state; }

    // --- colour and font ---
    TColor Color() const { return color_; }
    virtual void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TFont* FontObject() const { return const_cast<TFont*>(&font_); }
    void SetFontObject(TFont* font) {
        if (font)
            font_.Assign(*font);
    }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    // --- reading order ---
    // A control follows its parent's mode while ParentBiDiMode is set;
    // setting BiDiMode clears that.
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool v);

    // --- dragging ---
    // The layer has no drag and drop of controls: these are the values a
    // stored form gives, kept and published as the framework keeps them.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind kind) { dragKind_ = kind; }
    TDragMode DragMode() const { return dragMode_; }
    virtual void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    // The canvas of a painted control: draws into Surface.
    TCanvas& Canvas();

    // --- z-order among siblings of the same kind ---
    void BringToFront();
    void SendToBack();

    // --- painting ---
    // Asks for a repaint at the next paint of the screen.
    virtual void Invalidate();
    // Paints now.
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void Update();
    // The control's off-screen image (painted controls); sized to the
    // control. Drawing on it outside a paint shows through Present.
    QImage& Surface();
    // Whether the surface has been made (at the first paint or canvas use;
    // never at creation or on a change of bounds), and whether it has the
    // control's current size.
    bool HasSurface() const;
    bool SurfaceFits() const;
    // Shows what was drawn on the surface outside a paint.
    void Present();
    // True for controls that paint themselves into their surface.
    virtual bool IsPainted() const { return false; }
    // Runs one paint into the surface: the parent's image first when the
    // control is not opaque, then Paint.
    void PaintSurface();
    // The palette a palette-based display would realise for the control;
    // none unless the control shows a picture that has one. Our surfaces
    // are true colour and realise nothing.
    virtual HPALETTE GetPalette() const { return {}; }

    // --- mouse capture ---
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);
    // The control held the mouse capture and has lost it: to `capturedBy`
    // when another control took it, else to no control (the control let it
    // go, or the layer ended it because the window deactivated or a popup
    // window took the mouse during a press). Exceptions raised here go to
    // the application's exception box.
    virtual void MouseCaptureChanged(TControl* capturedBy);

    // --- messages ---
    std::intptr_t Perform(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    virtual void WndProc(TMessage& message);
    // The dialog-code query: which keys the control keeps from the form.
    virtual unsigned GetDlgCode() const { return 0; }

    // --- events ---
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    std::function<void(TObject*, TShiftState, int, int, bool&)> OnMouseWheelDown;
    std::function<void(TObject*, TShiftState, int, int, bool&)> OnMouseWheelUp;
    TNotifyEvent OnResize;

    virtual void Click();
    virtual void DblClick();
    // Mouse input in client coordinates. The layer calls these; they
    // raise the events.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The wheel: OnMouseWheel first; unless it reports the wheel handled,
    // one DoMouseWheelDown/Up per 120 units. Screen position.
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    // Whether a point (client coordinates) belongs to the control.
    virtual bool HitTest(int x, int y) const;

    // The form the control stands on; null when none.
    TCustomForm* GetParentForm() const;

    void Loaded() override;

protected:
    friend class TWinControl;
    friend class korvan_ControlAccess;
    // Paints into Surface (painted controls).
    virtual void Paint() {}
    // Notifications with the framework's names.
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void TextChanged();
    virtual void Resize();
    virtual void BoundsChanged() {}
    virtual void ColorChanged();
    virtual void FontChanged();
    // The reading order changed (own or parent's): tells the control and
    // its children (CM_BIDIMODECHANGED, CM_PARENTBIDIMODECHANGED).
    virtual void BiDiModeChanged();
    // A popup menu that goes away is forgotten.
    void Notification(TComponent* component, TOperation operation) override;
    // Called when the bounds the control holds change; windowed controls
    // move their window.
    virtual void UpdateWindowBounds() {}
    // Records the anchor distances from the current bounds.
    void UpdateAnchorRules();
    // Bounds set by the alignment of the parent (no anchor update).
    void SetAlignedBounds(int left, int top, int width, int height);
    void RequestAlign();
    // True when the parent image must show through the control.
    virtual bool IsTransparent() const { return !(controlStyle_ & csOpaque); }
    void ReleaseSurface();

    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState controlState_ = 0;

private:
    friend class korvan_AlignAccess;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = DefaultAnchors;
    // Anchor rules: bounds and parent client size when last set.
    TRect anchorBounds_;
    TSize anchorParentSize_;
    bool anchorRulesSet_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    int wheelAccumulator_ = 0;
    bool inAlign_ = false;
    std::unique_ptr<QImage> surface_; // never null; sized on first use
    std::unique_ptr<TCanvas> canvas_;
    bool needsPaint_ = true;
    bool inPaint_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    TCursor dragCursor_ = crDrag;
    TDragKind dragKind_ = dkDrag;
    TDragMode dragMode_ = dmManual;

public:
    bool ColorStored() const { return !parentColor_; }
    bool FontStored() const { return !parentFont_; }
    // Layer internals: paint state of the surface.
    bool NeedsPaint() const { return needsPaint_; }
    void SetNeedsPaint(bool v) { needsPaint_ = v; }
};

// A control without a window, painted by its parent.
class TGraphicControl : public TControl {
    KORVAN_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner);
    bool IsPainted() const override { return true; }
};

namespace korvan::forms {
// Paints the parent's image (its background and its non-windowed children
// below `control`), as much as covers `control`'s bounds, onto the canvas's
// picture with its top left corner at `at` (canvas clip and mapping do not
// apply).
void DrawParentImage(TControl* control, TCanvas& canvas, TPoint at);

// Whether a control's picture of this size is made at all: Qt's raster
// engine draws no further than 32767 pixels on a side, and 2^26 pixels
// (256 MB) is several times the largest screen. A damaged form can size a
// control far beyond both; such a control has no picture (and is not
// painted) rather than taking the machine's memory.
bool PictureSizeAllowed(int width, int height);
} // namespace korvan::forms
