#pragma once
// The PEQ band grid of the main window's channels: nine filter types whose
// names, like the BYPASS caption, come from the language tables. It starts
// with the English ones.

#include "ui/curves/PeqBandGrid.h"

class TMyPEQType8 : public TPeqBandGrid {
    KORVAN_CLASS(TMyPEQType8)
public:
    explicit TMyPEQType8(TComponent* owner);

    using TPeqBandGrid::GetNowIndex;
    using TPeqBandGrid::SetBypassString;
    using TPeqBandGrid::SetEqTypeString;
};
