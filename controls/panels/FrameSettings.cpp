#include "controls/panels/FrameSettings.h"

#include "controls/panels/FrameSettingSetter.h"
#include "controls/panels/Setters.h"
#include "platform/forms/Component.h"

using korvan::panels::StoreChanged;

KORVAN_FRAME_SETTER(TRzFrameSettings, FrameColor, TColor, frameColor_, fcpFrameColor)
KORVAN_FRAME_SETTER(TRzFrameSettings, FrameHotColor, TColor, frameHotColor_, fcpFrameHotColor)
KORVAN_FRAME_SETTER(TRzFrameSettings, FrameHotStyle, TFrameStyle, frameHotStyle_, fcpFrameHotStyle)
KORVAN_FRAME_SETTER(TRzFrameSettings, FrameSides, TSides, frameSides_, fcpFrameSides)
KORVAN_FRAME_SETTER(TRzFrameSettings, FrameStyle, TFrameStyle, frameStyle_, fcpFrameStyle)
KORVAN_FRAME_SETTER(TRzFrameSettings, FrameVisible, bool, frameVisible_, fcpFrameVisible)
KORVAN_FRAME_SETTER(TRzFrameSettings, FramingPreference, TFramingPreference, framingPreference_,
                    fcpFramingPreference)
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
