#pragma once
// A second response-curve display, built like LMyFFTDrawHpLp6dB but with
// its own choice of caption lines and without per-marker captions. No
// window of the editor places one.

#include "ui/curves/CurveDisplay.h"

class LMyFFTDrawPhase : public korvan::curves::CurveDisplay {
    KORVAN_CLASS(LMyFFTDrawPhase)
public:
    explicit LMyFFTDrawPhase(TComponent* owner);
    LMyFFTDrawPhase(const LMyFFTDrawPhase& other);
    LMyFFTDrawPhase& operator=(const LMyFFTDrawPhase&) = delete;

protected:
    std::vector<korvan::curves::CaptionLine> ShowParamLines(int type) const override;
    std::vector<korvan::curves::CaptionLine> CurvePaintLines(int type) const override;
};
