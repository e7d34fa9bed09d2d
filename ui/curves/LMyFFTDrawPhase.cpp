#include "ui/curves/LMyFFTDrawPhase.h"

LMyFFTDrawPhase::LMyFFTDrawPhase(TComponent* owner) : CurveDisplay(owner) {}

LMyFFTDrawPhase::LMyFFTDrawPhase(const LMyFFTDrawPhase& other) : CurveDisplay(other.Owner()) {
    AssignPlot(other);
}

std::vector<korvan::curves::CaptionLine> LMyFFTDrawPhase::ShowParamLines(int type) const {
    return korvan::curves::TwinShowParamLines(type);
}

std::vector<korvan::curves::CaptionLine> LMyFFTDrawPhase::CurvePaintLines(int type) const {
    return korvan::curves::TwinCurvePaintLines(type);
}
