#pragma once
// Plot objects: everything a plot shows (channels, axes, data view,
// legends, toolbars, labels, ...) is a persistent object, not a window,
// owned by the plot component, painted onto the plot's canvas and fed with
// its mouse and keys.
//
// A plot object never repaints itself: every change raises OnChange (and,
// for changes that move objects, OnLayoutChange first), which the master
// manager turns into a plot repaint. OnInsert lists a completed object in
// the managers, OnRename reports a new name, OnRemove its end.
//
// Destruction runs in two phases: Free first raises OnRemove (then the
// layout change) while the object is still whole, so that whoever handles
// the notice still sees its own kind; only then is it destroyed. The
// destructor is not public: objects go through Free, TiPlotObjectPtr or an
// owning manager.

#include "controls/plot/core/PlotObjectHost.h"
#include "controls/plot/core/PlotTypes.h"
#include "platform/forms/Persistent.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Types.h"

#include <cstdint>
#include <memory>
#include <string>

class TCanvas;
class TComponent;
class TPopupMenu;

class TiPlotObject : public TPersistent {
    KORVAN_CLASS(TiPlotObject)
public:
    TiPlotObject(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                 TNotifyEvent onRename);
    TiPlotObject(const TiPlotObject&) = delete;
    TiPlotObject& operator=(const TiPlotObject&) = delete;

    // Removal notices, then destruction.
    void Free();
    bool Destroying() const { return destroying_; }

    TComponent* Owner() const { return owner_; }
    TPersistent* GetOwner() const override;

    // --- published ---
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    const std::string& NameOld() const { return nameOld_; }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);
    int Layer() const { return layer_; }
    void SetLayer(int value);
    bool PopupEnabled() const { return popupEnabled_; }
    void SetPopupEnabled(bool value);
    bool CanFocus() const { return canFocus_; }
    void SetCanFocus(bool value);

    // --- public ---
    bool UserSelected() const { return userSelected_; }
    void SetUserSelected(bool value);
    bool UserCanEdit() const { return userCanEdit_; }
    void SetUserCanEdit(bool value) { userCanEdit_ = value; }
    TShiftState ShiftState() const { return shiftState_; }
    void SetShiftState(TShiftState value) { shiftState_ = value; }
    bool XYAxesReversed() const { return xyAxesReversed_; }
    virtual void SetXYAxesReversed(bool value);
    bool CanDraw() const { return canDraw_; }
    bool MouseIsDown() const { return mouseDown_; }
    bool MouseDownPopup() const { return mouseDownPopup_; }
    void ClearMouseDownPopup() { mouseDownPopup_ = false; }
    TiPlotObject* MouseOverObject() const { return mouseOverObject_; }

    // --- notifications ---
    TNotifyEvent OnChange;
    TNotifyEvent OnLayoutChange;
    TNotifyEvent OnRemove;
    TNotifyEvent OnInsert;
    TNotifyEvent OnRename;
    TNotifyEvent OnSetFocus;
    TNotifyEvent OnEdit;
    TNotifyEvent OnInvalidateNow;

    virtual void DoChange();
    virtual void DoLayoutChange();
    // The plot repaints at once.
    void DoInvalidateNow() {
        if (OnInvalidateNow)
            OnInvalidateNow(this);
    }
    // The object is complete: it asks to be listed.
    virtual void DoInsert();
    // Another object of the plot is going, was renamed or took the focus.
    virtual void NotifyRemove(TObject* sender);
    virtual void NotifyRename(TObject* sender);
    virtual void NotifySetFocus(TObject* sender);

    // --- painting ---
    virtual void PrepareDraw();
    virtual void Draw(TCanvas& canvas, TColor backGroundColor);
    // Layer as six digits ("000100"): the plot sorts painting by it.
    std::string GetLayerSortKey() const;

    // --- mouse and keys, routed by the plot ---
    virtual void iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                            TPopupMenu* popupMenu);
    virtual void iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                            bool dblClickActive);
    virtual void iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                          bool dblClickActive, TPopupMenu* popupMenu);
    virtual bool iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos);
    virtual void iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu);
    bool HitTest(int x, int y);
    virtual TiPlotObject* GetMouseOverObject(int x, int y);
    virtual TCursor GetMouseCursor(TPoint mousePos);
    virtual void DoMouseNotOver();
    // The object's own press, drag, release and wheel steps. The plot
    // repeats one axis' input on the others through them, and an object
    // that drives others (the data view driving the axes) calls them too.
    virtual void DoMouseLeft(TiPlotMouseData& mouseData);
    virtual void DoMouseMove(TiPlotMouseData& mouseData);
    virtual void DoMouseUp(TiPlotMouseData& mouseData);
    virtual bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y);
    // (x, y), exchanged when the plot shows X vertically.
    TPoint GetXYAxisPixels(int x, int y) const;

    // --- popup menu ---
    // Empties the menu; descendants then add their items.
    virtual void PreparePopupMenu(TPopupMenu* popupMenu);
    // "Edit..." when the user may edit the object.
    void AddEditMenuItem(TPopupMenu* popupMenu);
    void DoEditMenuItemClick();
    std::string GetTranslation(const std::string& text) const;

    // Setter routines: store a changed value (strings case-sensitive) and
    // call `notify` (DoChange, DoLayoutChange, or none).
    using Notify = void (TiPlotObject::*)();
    void SetBooleanProperty(bool value, bool& field, Notify notify);
    void SetIntegerProperty(int value, int& field, Notify notify);
    void SetColorProperty(TColor value, TColor& field, Notify notify);
    void SetDoubleProperty(double value, double& field, Notify notify);
    void SetStringProperty(const std::string& value, std::string& field, Notify notify);

protected:
    ~TiPlotObject() override;
    // Phase one of Free: OnRemove, then the layout change.
    virtual void BeforeDestruction();
    IiPlotObjectHost* Host() const { return korvan::plot::PlotHostOf(owner_); }

    virtual bool DoHitTest(const TiPlotMouseData& mouseData);
    virtual void DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData);
    virtual void DoMouseRight(TiPlotMouseData& mouseData);
    virtual void DoGotFocus();
    virtual void DoLostFocus();
    // Where a keyboard popup menu opens, in plot client coordinates; false
    // when the object has no such place (the menu is then only prepared).
    virtual bool GetPopupPoint(TPoint& point) const;

    TiPlotMouseData MouseData(int x, int y, bool dblClickActive = false) const;
    void SetCanDraw(bool value) { canDraw_ = value; }
    void SetMouseIsDown(bool value) { mouseDown_ = value; }
    void SetMouseOverObject(TiPlotObject* value) { mouseOverObject_ = value; }

private:
    template <class V> void StoreProperty(const V& value, V& field, Notify notify);

    std::string name_;
    std::string nameOld_;
    TComponent* owner_;
    TShiftState shiftState_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int layer_ = 100;
    bool popupEnabled_ = true;
    bool canFocus_ = true;
    bool userSelected_ = false;
    bool userCanEdit_ = true;
    bool xyAxesReversed_ = false;
    bool canDraw_ = false;
    TiPlotObject* mouseOverObject_ = nullptr;
    bool mouseDown_ = false;
    bool mouseDownPopup_ = false;
    bool destroying_ = false;
};

// Frees a plot object through its two phases.
struct TiPlotObjectDeleter {
    void operator()(TiPlotObject* object) const {
        if (object)
            object->Free();
    }
};
template <class T> using TiPlotObjectPtr = std::unique_ptr<T, TiPlotObjectDeleter>;

// A plot object that cannot exist without its owner and the four master
// callbacks: the constructor raises an Exception naming what is missing.
class TiPlotManagerObject : public TiPlotObject {
    KORVAN_CLASS(TiPlotManagerObject)
public:
    TiPlotManagerObject(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                        TNotifyEvent onRemove, TNotifyEvent onRename);

protected:
    ~TiPlotManagerObject() override = default;
};

namespace korvan::plot {
// The decimal text of `value` left-padded with "0" to `width` characters
// (the sort keys of layers and layout rows).
std::string ZeroPadded(long long value, std::size_t width);
} // namespace korvan::plot

// A plot object holding one rectangle (the plot's collision list).
class TiPlotRectObject {
public:
    TRect ARect;
};
