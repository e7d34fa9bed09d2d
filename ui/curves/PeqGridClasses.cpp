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

TMyPEQType8::TMyPEQType8(TComponent* owner)
    : TPeqBandGrid(owner, {" Peak       ", " Low Shelf  ", " High Shelf ", " HPF -6dB   ", " HPF -12dB  ",
                           " LPF -6dB   ", " LPF -12dB  ", " Allpass 1  ", " Allpass 2  "}) {}

const TClassInfo& TMyPEQGain::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TMyPEQGain>("TMyPEQGain", &TPeqBandGrid::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TMyPEQGain::TMyPEQGain(TComponent* owner)
    : TPeqBandGrid(owner, {" Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ", " High Cut   "}) {}
