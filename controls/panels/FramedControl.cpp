#include "controls/panels/FramedControl.h"

#include "controls/panels/ColorShading.h"
#include "controls/panels/LabelGeometry.h"
#include "controls/panels/PixelMath.h"
#include "controls/panels/Setters.h"
#include "platform/forms/Control.h"

using korvan::panels::StoreChanged;

TRzFrameControllerClient::~TRzFrameControllerClient() {
    if (frameController_) {
        frameController_->RemoveControl(&self_);
        frameController_->RemoveFreeNotification(&self_);
    }
}

void TRzFrameControllerClient::SetFrameController(TRzFrameController* value) {
    if (value == frameController_)
        return;
    if (frameController_) {
        frameController_->RemoveControl(&self_);
        frameController_->RemoveFreeNotification(&self_);
    }
    frameController_ = value;
    if (value) {
        value->AddControl(&self_);
        value->FreeNotification(&self_);
    }
}

void TRzFrameControllerClient::FrameControllerNotification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == frameController_)
        frameController_ = nullptr;
}

// ---------------------------------------------------------------- framed controls

void TRzFramedControl::RepaintFrame() {
    FramedSelf().Invalidate();
}

void TRzFramedControl::LayOutFrame() {
    FrameLayoutChanged();
    FramedSelf().Invalidate();
}

void TRzFramedControl::SetBorderColor(TColor value) {
    if (StoreChanged(borderColor_, value))
        RepaintFrame();
}

void TRzFramedControl::SetBorderInner(TFrameStyleEx value) {
    if (StoreChanged(borderInner_, value))
        LayOutFrame();
}

void TRzFramedControl::SetBorderOuter(TFrameStyleEx value) {
    if (StoreChanged(borderOuter_, value))
        LayOutFrame();
}

void TRzFramedControl::SetBorderSides(TSides value) {
    if (StoreChanged(borderSides_, value))
        LayOutFrame();
}

void TRzFramedControl::SetBorderHighlight(TColor value) {
    if (StoreChanged(borderHighlight_, value))
        RepaintFrame();
}

void TRzFramedControl::SetBorderShadow(TColor value) {
    if (StoreChanged(borderShadow_, value))
        RepaintFrame();
}

void TRzFramedControl::SetFlatColor(TColor value) {
    if (StoreChanged(flatColor_, value))
        RepaintFrame();
}

void TRzFramedControl::SetFlatColorAdjustment(int value) {
    if (StoreChanged(flatColorAdjustment_, value))
        RepaintFrame();
}

TRect TRzFramedControl::ShrinkByFrame(TRect rect, int borderWidth, int bevelWidth) const {
    rect = korvan::panels::Deflated(rect, borderWidth, borderWidth);
    for (TFrameStyleEx style : {borderOuter_, borderInner_})
        rect = ShrinkSides(rect, korvan::panels::FrameStyleWidth(style, bevelWidth), borderSides_);
    return rect;
}

void TRzFramedControl::FramingChanged() {
    const TRzFrameController* fc = FrameController();
    if (!fc || !fc->FrameVisible())
        return;
    const TRzFrameControllerNotifications wanted = FrameControllerNotifications();
    const auto takes = [wanted](TRzFrameControllerProperty code) { return (wanted & (1u << code)) != 0; };
    if (takes(fcpFrameStyle))
        borderOuter_ = fc->FrameStyle();
    if (takes(fcpFrameSides))
        borderSides_ = fc->FrameSides();
    if (takes(fcpFrameColor)) {
        flatColor_ = fc->FrameColor();
        flatColorAdjustment_ = 0;
    }
    if (takes(fcpColor))
        TakeFramingColor(fc->Color());
    if (takes(fcpParentColor))
        FramedSelf().SetParentColor(fc->ParentColor());
    if (takes(fcpColor)) {
        borderHighlight_ = LighterColor(fc->Color(), 100);
        borderShadow_ = DarkerColor(fc->Color(), 50);
    }
    // The frame widths may have changed with the style and sides.
    LayOutFrame();
}
