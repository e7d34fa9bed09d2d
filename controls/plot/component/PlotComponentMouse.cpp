// The plot's mouse: finding the object under the mouse, the user
// selection, and handing presses, drags, releases and wheel turns to the
// pressed object or to every selected object.

#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PlotButton.h"
#include "controls/plot/core/PlotLayoutObject.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/forms/Menus.h"

#include <array>
#include <utility>

namespace kind = korvan::plot::kind;

namespace {

constexpr TShiftState kButtons = ssLeft | ssRight | ssMiddle;

} // namespace

// ---------------------------------------------------------------- what was hit

TiPlotComponent::InputKind TiPlotComponent::KindOfInput(const MouseTarget& target) const {
    if (!target.owner)
        return InputKind::Other;
    std::string baseName;
    if (const TiPlotObjectManagerCustom* manager = master_->KindManagerOf(target.owner))
        baseName = manager->GetBaseName();
    // A button is a part of the toolbar, legend or table that holds it.
    if (target.object != target.owner && dynamic_cast<const TiPlotButton*>(target.object)) {
        if (baseName == kind::ToolBar)
            return InputKind::ToolBarButton;
        if (baseName == kind::Legend)
            return InputKind::LegendButton;
        if (baseName == kind::Table)
            return InputKind::TableButton;
    }
    if (dynamic_cast<const TiPlotAxis*>(target.owner))
        return InputKind::Axis;
    if (const auto* layout = dynamic_cast<const TiPlotLayoutObject*>(target.owner);
        layout && layout->LayoutRole() == TiLayoutRole::DataViewPlaceholder)
        return InputKind::DataViewPlaceholder;
    static constexpr std::array<std::pair<std::string_view, InputKind>, 7> kKinds{{
        {kind::Channel, InputKind::Channel},
        {kind::DataView, InputKind::DataView},
        {kind::Legend, InputKind::Legend},
        {kind::ToolBar, InputKind::ToolBar},
        {kind::Table, InputKind::Table},
        {kind::Annotation, InputKind::Annotation},
        {kind::Limit, InputKind::Limit},
    }};
    for (const auto& [name, inputKind] : kKinds)
        if (baseName == name)
            return inputKind;
    return InputKind::Other;
}

bool TiPlotComponent::TakesInputAlone(const MouseTarget& target) const {
    switch (KindOfInput(target)) {
    case InputKind::Annotation:
    case InputKind::LegendButton:
    case InputKind::TableButton:
    case InputKind::ToolBarButton:
    case InputKind::Limit:
        return true;
    default:
        return !target.object->CanFocus();
    }
}

TiPlotComponent::MouseTarget TiPlotComponent::HitTest(const TiPlotMouseData& data) {
    // Selected objects first, then the others; data views and legends
    // lie under everything else, and the data view's layout placeholders
    // take no mouse at all.
    const TiPlotObjectManager& objects = *master_->ObjectManager();
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < objects.Count(); ++i) {
            TiPlotObject* object = objects.Items(i);
            if (!object->Enabled() || !object->Visible())
                continue;
            const InputKind k = KindOfInput({object, object});
            if (k == InputKind::DataViewPlaceholder)
                continue;
            const bool underneath = k == InputKind::DataView || k == InputKind::Legend;
            if (underneath != (pass == 2) || (pass == 0 && !object->UserSelected()))
                continue;
            if (object->HitTest(data.X, data.Y))
                return {object->GetMouseOverObject(data.X, data.Y), object};
        }
    return {};
}

TiPlotObject* TiPlotComponent::FindObjectAt(int x, int y) {
    return HitTest(MouseRecord(x, y, mbLeft, 0)).object;
}

TiPlotMouseData TiPlotComponent::MouseRecord(int x, int y, TMouseButton button, TShiftState shift) const {
    TiPlotMouseData data = korvan::plot::MakeMouseData(master_->XYAxesReverse(), x, y, dblClickActive_);
    const TPoint screen = ClientToScreen(Point(x, y));
    data.ScreenX = screen.X;
    data.ScreenY = screen.Y;
    data.Button = button;
    data.Shift = shift;
    return data;
}

void TiPlotComponent::RememberShift(TShiftState shift) {
    shiftState_ = shift;
    master_->ObjectManager()->SetShiftState(shift);
}

// ---------------------------------------------------------------- press, drag, release

void TiPlotComponent::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    RememberShift(shift);
    mouseDown_ = true;
    const TiPlotMouseData data = MouseRecord(x, y, button, shift);
    if (CanFocus())
        SetFocus();
    HideHint();
    TiPlotObjectManager& objects = *master_->ObjectManager();
    if (button == mbRight)
        objects.ClearAllUserSelections();
    const MouseTarget hit = HitTest(data);
    mouseDownTarget_ = hit;
    lastClick_ = {};
    if (!hit.object) {
        objects.ClearAllUserSelections();
        return;
    }
    const bool axis = KindOfInput(hit) == InputKind::Axis;
    if (shift & ssShift) {
        selectingActive_ = axis;
        hit.object->SetUserSelected(true);
    } else if (shift & ssCtrl) {
        hit.object->SetUserSelected(axis ? !hit.object->UserSelected() : true);
        selectingActive_ = axis;
    } else if (KindOfInput(hit) != InputKind::ToolBar && hit.object->CanFocus()) {
        hit.object->SetUserSelected(true);
    }
    if (button == mbRight)
        SetMouseCapture(true);
    if (button == mbRight || TakesInputAlone(hit))
        hit.object->iMouseDown(button, shift, x, y, data.ScreenX, data.ScreenY, popupMenu_.get());
    else
        objects.MouseDownFocusObjects(button, shift, x, y, data.ScreenX, data.ScreenY, popupMenu_.get());
}

void TiPlotComponent::iMouseMove(TShiftState shift, int x, int y) {
    if (GetDesigning() || selectingActive_)
        return;
    // A lost move does no harm; an exception leaving here would.
    try {
        const bool buttonDown = (shift & kButtons) != 0;
        if (!ClientRect().Contains(Point(x, y)) && !buttonDown && MouseCapture())
            SetMouseCapture(false);
        RememberShift(shift);
        // The window system repeats the last move now and then (after a
        // repaint, on entering); the hint rules run on real moves only.
        const bool moved = Point(x, y) != lastMovePoint_ || shift != lastMoveShift_;
        lastMovePoint_ = Point(x, y);
        lastMoveShift_ = shift;
        const TiPlotMouseData data = MouseRecord(x, y, mbLeft, shift);
        TiPlotObjectManager& objects = *master_->ObjectManager();
        if ((shift & (ssLeft | ssRight)) && mouseDownTarget_.object) {
            TiHintData scratch;
            if (KindOfInput(mouseDownTarget_) == InputKind::ToolBar || TakesInputAlone(mouseDownTarget_))
                mouseDownTarget_.object->iMouseMove(scratch, shift, x, y, data.ScreenX, data.ScreenY,
                                                    dblClickActive_);
            else
                objects.MouseMoveFocusObjects(scratch, shift, x, y, data.ScreenX, data.ScreenY,
                                              dblClickActive_);
            SetCursor(crDefault);
            return;
        }
        // Objects take a release they did not see pressed as nothing.
        if (mouseDownTarget_.object)
            mouseDownTarget_.object->iMouseUp(mbLeft, shift, x, y, data.ScreenX, data.ScreenY,
                                              dblClickActive_, popupMenu_.get());
        objects.MouseUpFocusObjects(mbLeft, shift, x, y, data.ScreenX, data.ScreenY, dblClickActive_,
                                    popupMenu_.get());
        const MouseTarget hit = HitTest(data);
        if (lastMouseOverTarget_.object && lastMouseOverTarget_.object != hit.object)
            lastMouseOverTarget_.object->DoMouseNotOver();
        if (!hit.object) {
            SetCursor(crDefault);
            return;
        }
        SetCursor(hit.object->GetMouseCursor(Point(x, y)));
        TiHintData request = hintData_;
        request.Text.clear();
        hit.object->iMouseMove(request, shift, x, y, data.ScreenX, data.ScreenY, dblClickActive_);
        if (hintsShow_ && moved)
            UpdateHint(request, hit, x, y, buttonDown);
        lastMouseOverTarget_ = hit;
    } catch (...) {
    }
}

void TiPlotComponent::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (GetDesigning())
        return;
    mouseDown_ = false;
    RememberShift(shift);
    HideHint();
    selectingActive_ = false;
    if (MouseCapture())
        SetMouseCapture(false);
    const TiPlotMouseData data = MouseRecord(x, y, button, shift);
    if (mouseDownTarget_.object)
        mouseDownTarget_.object->iMouseUp(button, shift, x, y, data.ScreenX, data.ScreenY, dblClickActive_,
                                          popupMenu_.get());
    master_->ObjectManager()->MouseUpFocusObjects(button, shift, x, y, data.ScreenX, data.ScreenY,
                                                  dblClickActive_, popupMenu_.get());
    lastClick_ = {mouseDownTarget_, button, shift, Point(x, y), Point(data.ScreenX, data.ScreenY)};
    mouseDownTarget_ = {};
    dblClickActive_ = false;
}

bool TiPlotComponent::iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) {
    master_->ObjectManager()->MouseWheelFocusObjects(wheelDelta, shift, mousePos);
    return true;
}

// ---------------------------------------------------------------- capture and removal

void TiPlotComponent::MouseCaptureChanged(TControl* capturedBy) {
    captureWindow_ = capturedBy;
    if (capturedBy == this)
        return;
    HideHint();
    justReleasedCapture_ = true;
    if (lastMouseOverTarget_.object)
        lastMouseOverTarget_.object->DoMouseNotOver();
    lastMouseOverTarget_ = {};
}

bool TiPlotComponent::MouseTarget::Involves(const TObject* other) const {
    return other && (other == object || other == owner);
}

void TiPlotComponent::ForgetMouseObject(const TObject* object) {
    for (MouseTarget* target :
         {&mouseDownTarget_, &lastMouseOverTarget_, &lastClick_.target, &lastHintTarget_})
        if (target->Involves(object))
            *target = {};
}
