#pragma once
// One setter of a frame setting: stores a changed value and tells the
// holder's FrameSettingChanged hook which setting it was.

#include "controls/panels/Setters.h"

#define KORVAN_FRAME_SETTER(Class, Name, Type, field, code)                                                  \
    void Class::Set##Name(Type value) {                                                                      \
        if (korvan::panels::StoreChanged(field, value))                                                      \
            FrameSettingChanged(code);                                                                       \
    }
