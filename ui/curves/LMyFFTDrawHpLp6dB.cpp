#include "ui/curves/LMyFFTDrawHpLp6dB.h"

#include "ui/curves/CurveDisplayClass.h"

const TClassInfo& LMyFFTDrawHpLp6dB::StaticClassInfo() {
    static const TClassInfo info = korvan::curves::DisplayClassInfo<LMyFFTDrawHpLp6dB>("LMyFFTDrawHpLp6dB");
    return info;
}

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(TComponent* owner) : CurveDisplay(owner) {}

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(const LMyFFTDrawHpLp6dB& other) : CurveDisplay(other.Owner()) {
    AssignPlot(other);
}

std::vector<korvan::curves::CaptionLine> LMyFFTDrawHpLp6dB::ShowParamLines(int type) const {
    return korvan::curves::MainCaptionLines(type);
}

std::vector<korvan::curves::CaptionLine> LMyFFTDrawHpLp6dB::CurvePaintLines(int type) const {
    return korvan::curves::MainCaptionLines(type);
}
