#include "ui/curves/CurveDisplayClass.h"
#include "ui/curves/MyPEQ.h"
#include "ui/curves/MyPEQGain.h"
#include "ui/curves/MyPEQType8.h"

#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/LMyFFTDrawPhase.h"
#include "ui/curves/LProgressBar.h"

namespace korvan::curves {

namespace {

const std::vector<std::string> kFloatFormats = {"sffGeneral", "sffExponent", "sffFixed", "sffNumber",
                                                "sffCurrency"};
const std::vector<std::string> kAxisFormats = {"Linear", "Log"};

// A font property: the reader fills the display's font in place; Loaded
// hands the four fonts to their setters so that the pages get them too.
template <class T, class Get, class Set>
void FontProperty(forms::ClassBuilder<T>& b, const char* name, Get get, Set set) {
    b.Property(
        name, [get](const T* d) { return const_cast<TFont*>(&(d->*get)()); },
        [set](T* d, TFont* font) {
            if (font != nullptr) {
                (d->*set)(*font);
            }
        });
}

} // namespace

template <class T> TClassInfo DisplayClassInfo(const char* name) {
    using D = CurveDisplay;
    forms::ClassBuilder<T> b(name, &TPaintBox::StaticClassInfo());
    b.Creator()
        .Property("AutoRedraw", &D::AutoRedraw, &D::SetAutoRedraw)
        .Default(true)
        .Property("AxisColor", &D::AxisColor, &D::SetAxisColor)
        .TypeName("TColor")
        .Default(35840)
        .Enum("AxisStyle", &D::AxisStyle, &D::SetAxisStyle, {"Box", "Centered", "CenteredBox", "LB", "None"},
              "TMyAxisStyle")
        .Default(CenteredBox)
        .Enum("XAxisFormat", &D::XAxisFormat, &D::SetXAxisFormat, kAxisFormats, "TMyAxisFormat")
        .Default(Linear)
        .Enum("YAxisFormat", &D::YAxisFormat, &D::SetYAxisFormat, kAxisFormats, "TMyAxisFormat")
        .Default(Linear)
        .Property("ShowXLabel", &D::ShowXLabel, &D::SetShowXLabel)
        .Default(true)
        .Property("ShowYLabel", &D::ShowYLabel, &D::SetShowYLabel)
        .Default(true)
        .Property("ShowCoordinates", &D::ShowCoordinates, &D::SetShowCoordinates)
        .Default(true)
        .Property("YAutoScale", &D::YAutoScale, &D::SetYAutoScale)
        .Default(true)
        .Property("XAutoScale", &D::XAutoScale, &D::SetXAutoScale)
        .Default(true)
        .Property("MouseControl", &D::MouseControl, &D::SetMouseControl)
        .Default(true)
        .Property("PointSize", &D::PointSize, &D::SetPointSize)
        .Default(2)
        .Property("YLabelScale", &D::YLabelScale, &D::SetYLabelScale)
        .Property("YMax", &D::YMax, &D::SetYMax)
        .Property("YMin", &D::YMin, &D::SetYMin)
        .Property("XMax", &D::XMax, &D::SetXMax)
        .Property("XMin", &D::XMin, &D::SetXMin)
        .Property("MouseX", &D::MouseX)
        .Stored(false)
        .Property("MouseY", &D::MouseY)
        .Stored(false)
        .Property("XLabelPrecision", &D::XLabelPrecision, &D::SetXLabelPrecision)
        .Default(4)
        .Property("YLabelPrecision", &D::YLabelPrecision, &D::SetYLabelPrecision)
        .Default(5)
        .Property("XLabelDigits", &D::XLabelDigits, &D::SetXLabelDigits)
        .Default(4)
        .Property("YLabelDigits", &D::YLabelDigits, &D::SetYLabelDigits)
        .Default(4)
        .Enum("YLabelFormat", &D::YLabelFormat, &D::SetYLabelFormat, kFloatFormats, "TStringFloatFormat")
        .Default(sffGeneral)
        .Enum("XLabelFormat", &D::XLabelFormat, &D::SetXLabelFormat, kFloatFormats, "TStringFloatFormat")
        .Default(sffGeneral)
        .Property("ShowVertGrid", &D::ShowVertGrid, &D::SetShowVertGrid)
        .Default(true)
        .Property("ShowHorzGrid", &D::ShowHorzGrid, &D::SetShowHorzGrid)
        .Default(true)
        .Property("NumVertGrid", &D::NumVertGrid, &D::SetNumVertGrid)
        .Default(10)
        .Property("NumHorzGrid", &D::NumHorzGrid, &D::SetNumHorzGrid)
        .Default(11)
        .Property("ShowVertTicks", &D::ShowVertTicks, &D::SetShowVertTicks)
        .Default(true)
        .Property("ShowHorzTicks", &D::ShowHorzTicks, &D::SetShowHorzTicks)
        .Default(true)
        .Property("VertTickLength", &D::VertTickLength, &D::SetVertTickLength)
        .Default(0)
        .Property("HorzTickLength", &D::HorzTickLength, &D::SetHorzTickLength)
        .Default(0)
        .Property("GridColor", &D::GridColor, &D::SetGridColor)
        .TypeName("TColor")
        .Default(18432)
        .Property("ShowXTitle", &D::ShowXTitle, &D::SetShowXTitle)
        .Default(false)
        .Property("ShowYTitle", &D::ShowYTitle, &D::SetShowYTitle)
        .Default(false)
        .Property("ShowPlotTitle", &D::ShowPlotTitle, &D::SetShowPlotTitle)
        .Default(false)
        .Property("XTitle", &D::XTitle, &D::SetXTitle)
        .Property("YTitle", &D::YTitle, &D::SetYTitle)
        .Property("YLabel", &D::YLabel, &D::SetYLabel)
        .Property("PlotTitle", &D::PlotTitle, &D::SetPlotTitle);
    FontProperty(b, "PlotTitleFont", &D::PlotTitleFont, &D::SetPlotTitleFont);
    FontProperty(b, "AxisTitleFont", &D::AxisTitleFont, &D::SetAxisTitleFont);
    FontProperty(b, "AxisLabelFont", &D::AxisLabelFont, &D::SetAxisLabelFont);
    FontProperty(b, "MouseCoordFont", &D::MouseCoordFont, &D::SetMouseCoordFont);
    b.Enum("FFTNuimber", &D::FFTNuimber, &D::SetFFTNuimber, {"n256", "n512", "n1024", "n2048", "n4096"},
           "TFFTNumber")
        .Default(n4096)
        .Enum("SampleRate", &D::SampleRate, &D::SetSampleRate, {"n48000", "n96000", "n192000"}, "TSampleRate")
        .Default(n48000);
    return b.Build();
}

template TClassInfo DisplayClassInfo<LMyFFTDrawHpLp6dB>(const char* name);
template TClassInfo DisplayClassInfo<LMyFFTDrawPhase>(const char* name);

void RegisterCurveClasses() {
    static const bool done = [] {
        RegisterClass(LMyFFTDrawHpLp6dB::StaticClassInfo());
        RegisterClass(LMyFFTDrawPhase::StaticClassInfo());
        RegisterClass(LProgressBar::StaticClassInfo());
        RegisterClass(TMyPEQType8::StaticClassInfo());
        RegisterClass(TMyPEQGain::StaticClassInfo());
        RegisterClass(TMyPEQ::StaticClassInfo());
        return true;
    }();
    (void)done;
}

} // namespace korvan::curves
