#include "ui/curves/LMyFFTDrawPhase.h"

#include "ui/curves/CurveDisplayClass.h"

const TClassInfo& LMyFFTDrawPhase::StaticClassInfo() {
    static const TClassInfo info = korvan::curves::DisplayClassInfo<LMyFFTDrawPhase>("LMyFFTDrawPhase");
    return info;
}

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
