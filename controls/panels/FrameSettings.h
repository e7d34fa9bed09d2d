#pragma once
// The custom frame settings a frame controller hands out and a combo box
// draws with: frame and hot colours, hot tracking and its style, sides,
// style, visibility and the framing preference. Each holder says through
// one hook what a changed setting means to it.

#include "controls/panels/ColorShading.h"
#include "controls/panels/FrameDrawing.h"

class TComponent;

// The settings a frame controller passes on, by code.
enum TRzFrameControllerProperty {
    fcpColor,
    fcpFocusColor,
    fcpDisabledColor,
    fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus,
    fcpParentColor,
    fcpFlatButtonColor,
    fcpFlatButtons,
    fcpFrameColor,
    fcpFrameHotColor,
    fcpFrameHotTrack,
    fcpFrameHotStyle,
    fcpFrameSides,
    fcpFrameStyle,
    fcpFrameVisible,
    fcpFramingPreference,
    fcpAll
};
// A set of the codes fcpColor..fcpFramingPreference (bit = code).
using TRzFrameControllerNotifications = unsigned;
constexpr TRzFrameControllerNotifications fccAll = 0xFFFF;

class TRzFrameSettings {
public:
    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor value);
    TColor FrameHotColor() const { return frameHotColor_; }
    virtual void SetFrameHotColor(TColor value);
    bool FrameHotTrack() const { return frameHotTrack_; }
    virtual void SetFrameHotTrack(bool value);
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    virtual void SetFrameHotStyle(TFrameStyle value);
    TSides FrameSides() const { return frameSides_; }
    virtual void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return frameStyle_; }
    virtual void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return frameVisible_; }
    virtual void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return framingPreference_; }
    virtual void SetFramingPreference(TFramingPreference value);

    TRzFrameSettings(const TRzFrameSettings&) = delete;
    TRzFrameSettings& operator=(const TRzFrameSettings&) = delete;

protected:
    explicit TRzFrameSettings(TComponent* self) : self_(*self) {}
    virtual ~TRzFrameSettings() = default;
    // A setting now holds another value.
    virtual void FrameSettingChanged(TRzFrameControllerProperty code) = 0;

    TColor frameColor_ = clBtnShadow;
    TColor frameHotColor_ = clBtnShadow;
    bool frameHotTrack_ = false;
    TFrameStyle frameHotStyle_ = fsFlatBold;
    TSides frameSides_ = sdAllSides;
    TFrameStyle frameStyle_ = fsFlat;
    bool frameVisible_ = false;
    TFramingPreference framingPreference_ = fpXPThemes;

private:
    TComponent& self_;
};
