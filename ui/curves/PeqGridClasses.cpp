#include "platform/forms/TypeInfo.h"
#include "ui/curves/MyPEQGain.h"
#include "ui/curves/MyPEQType8.h"

const TClassInfo& TMyPEQType8::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TMyPEQType8>("TMyPEQType8", &TPeqBandGrid::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

// The English language texts from the start: the names once built into the
// grid called type 3 a high-pass where the editor makes a low-pass of it,
// and so on to type 6, until a language was applied.
TMyPEQType8::TMyPEQType8(TComponent* owner)
    : TPeqBandGrid(owner,
                   {"Peak", "Low Shelf", "High Shelf", "LP -6dB", "LP -12dB", "HP -6dB", "HP -12dB",
                    "Allpass1", "Allpass2"},
                   "Bypass") {}

const TClassInfo& TMyPEQGain::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TMyPEQGain>("TMyPEQGain", &TPeqBandGrid::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TMyPEQGain::TMyPEQGain(TComponent* owner)
    : TPeqBandGrid(owner, {" Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ", " High Cut   "},
                   "   BYPASS   ") {}
