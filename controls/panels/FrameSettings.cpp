#include "controls/panels/FrameSettings.h"

#include "controls/panels/Setters.h"
#include "platform/forms/Component.h"

using korvan::panels::StoreChanged;

#define KORVAN_FRAME_SETTER(Name, Type, field, code)                                                         \
    void TRzFrameSettings::Set##Name(Type value) {                                                           \
        if (StoreChanged(field, value))                                                                      \
            FrameSettingChanged(code);                                                                       \
    }

KORVAN_FRAME_SETTER(FrameColor, TColor, frameColor_, fcpFrameColor)
KORVAN_FRAME_SETTER(FrameHotColor, TColor, frameHotColor_, fcpFrameHotColor)
KORVAN_FRAME_SETTER(FrameHotStyle, TFrameStyle, frameHotStyle_, fcpFrameHotStyle)
KORVAN_FRAME_SETTER(FrameSides, TSides, frameSides_, fcpFrameSides)
KORVAN_FRAME_SETTER(FrameStyle, TFrameStyle, frameStyle_, fcpFrameStyle)
KORVAN_FRAME_SETTER(FrameVisible, bool, frameVisible_, fcpFrameVisible)
KORVAN_FRAME_SETTER(FramingPreference, TFramingPreference, framingPreference_, fcpFramingPreference)
#undef KORVAN_FRAME_SETTER

void TRzFrameSettings::SetFrameHotTrack(bool value) {
    if (!StoreChanged(frameHotTrack_, value))
        return;
    // A hot frame shows all round; a form being read keeps its own sides.
    if (value) {
        SetFrameVisible(true);
        if (!self_.HasState(csLoading))
            frameSides_ = sdAllSides;
    }
    FrameSettingChanged(fcpFrameHotTrack);
}
