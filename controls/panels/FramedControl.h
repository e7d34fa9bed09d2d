#pragma once
// What the pack's framed controls share: the link to a frame controller
// (registering with it, letting go when either side goes away, which of
// its settings the control takes), and for the label and the panel the
// frame they draw themselves (outer and inner styles on chosen sides,
// their colours and the flat colour) with the controller's settings copied
// into it.

#include "controls/panels/FrameController.h"

class TComponent;
class TControl;

class TRzFrameControllerClient {
public:
    TRzFrameController* FrameController() const { return frameController_; }
    virtual void SetFrameController(TRzFrameController* value);
    TRzFrameControllerNotifications FrameControllerNotifications() const { return notifications_; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications value) { notifications_ = value; }

    TRzFrameControllerClient(const TRzFrameControllerClient&) = delete;
    TRzFrameControllerClient& operator=(const TRzFrameControllerClient&) = delete;

protected:
    explicit TRzFrameControllerClient(TControl* self) : self_(*self) {}
    // Leaves the controller's list.
    virtual ~TRzFrameControllerClient();
    // Called from the control's Notification: the controller went away.
    void FrameControllerNotification(TComponent* component, TOperation operation);
    // A controller is set and passes that setting on to this control.
    bool ControllerSets(TRzFrameControllerProperty code) const {
        return frameController_ && (notifications_ & (1u << code));
    }
    TControl& FramedSelf() const { return self_; }

private:
    TControl& self_;
    TRzFrameController* frameController_ = nullptr;
    TRzFrameControllerNotifications notifications_ = fccAll;
};

class TRzFramedControl : public TRzFrameControllerClient, public IFramingNotification {
public:
    TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(TColor value);
    TFrameStyleEx BorderInner() const { return borderInner_; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return borderSides_; }
    virtual void SetBorderSides(TSides value);
    TColor BorderHighlight() const { return borderHighlight_; }
    virtual void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return borderShadow_; }
    virtual void SetBorderShadow(TColor value);
    TColor FlatColor() const { return flatColor_; }
    virtual void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    virtual void SetFlatColorAdjustment(int value);

    // Copies the controller's frame style, sides, frame colour and colours
    // (by the notification mask) while its frame is visible.
    void FramingChanged() override;

protected:
    // `rect` less the border band (`borderWidth`, 0 for none) and the outer
    // and inner frames on the frame's sides; huge widths saturate.
    TRect ShrinkByFrame(TRect rect, int borderWidth, int bevelWidth) const;

    TRzFramedControl(TControl* self, TFrameStyleEx borderOuter)
        : TRzFrameControllerClient(self), borderOuter_(borderOuter) {}

    // The control's own ways: lay out again after the frame's widths may
    // have changed, and take the controller's colour.
    virtual void FrameLayoutChanged() = 0;
    virtual void TakeFramingColor(TColor color) = 0;

    TFrameStyleEx borderInner_ = fsNone;
    TFrameStyleEx borderOuter_;
    TSides borderSides_ = sdAllSides;
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = clBtnHighlight;
    TColor borderShadow_ = clBtnShadow;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;

private:
    void RepaintFrame();
    void LayOutFrame();
};
