#include "tests/controls/plot/PlotTestSupport.h"

#include "tests/controls/plot/ComponentTestSupport.h"

using korvan::forms::ClassBuilder;

namespace korvan::testing {

const TClassInfo& TestChannel::StaticClassInfo() {
    using C = TestChannel;
    static const TClassInfo info = ClassBuilder<C>("TestChannel", &TiPlotManagerObject::StaticClassInfo())
                                       .Property("Color", &C::Color, &C::SetColor)
                                       .TypeName("TColor")
                                       .Default(clRed)
                                       .Property("TitleText", &C::TitleText, &C::SetTitleText)
                                       .Property("Width", &C::Width, &C::SetWidth)
                                       .Property("XAxisName", &C::XAxisName, &C::SetXAxisName)
                                       .Build();
    return info;
}

const TClassInfo& TestLayoutObject::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TestLayoutObject>("TestLayoutObject", &TiPlotLayoutObject::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TTestComponent::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TTestComponent>("TTestComponent", &TiCustomComponent::StaticClassInfo()).Build();
    return info;
}

} // namespace korvan::testing
