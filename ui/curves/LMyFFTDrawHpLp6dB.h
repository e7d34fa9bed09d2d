#pragma once
// The editor's response-curve display. Each of the main window's eighteen
// displays is fed by one Plot calculator.

#include "ui/curves/CurveDisplay.h"

class LMyFFTDrawHpLp6dB : public korvan::curves::CurveDisplay {
    KORVAN_CLASS(LMyFFTDrawHpLp6dB)
public:
    explicit LMyFFTDrawHpLp6dB(TComponent* owner);
    // Same owner as other, then AssignPlot from it.
    LMyFFTDrawHpLp6dB(const LMyFFTDrawHpLp6dB& other);
    LMyFFTDrawHpLp6dB& operator=(const LMyFFTDrawHpLp6dB&) = delete;

    // Switches the captions beside every band marker; draws nothing.
    void SetParameterDisplay(bool on) { parameterDisplay_ = on; }

protected:
    std::vector<korvan::curves::CaptionLine> ShowParamLines(int type) const override;
    std::vector<korvan::curves::CaptionLine> CurvePaintLines(int type) const override;
};
