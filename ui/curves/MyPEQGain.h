#pragma once
// A PEQ band grid with five filter types and its built-in texts only.

#include "ui/curves/PeqBandGrid.h"

class TMyPEQGain : public TPeqBandGrid {
    KORVAN_CLASS(TMyPEQGain)
public:
    explicit TMyPEQGain(TComponent* owner);
};
