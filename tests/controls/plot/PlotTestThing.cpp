#include "tests/controls/plot/PlotTestThing.h"

#include "platform/forms/GraphicsProperties.h"

namespace korvan::plot::testing {

const TClassInfo& TPlotTestThing::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TPlotTestThing>("TPlotTestThing", &TComponent::StaticClassInfo())
            .Creator<TPlotTestThing>()
            .Property("Count", &TPlotTestThing::Count, &TPlotTestThing::SetCount)
            .Default(0)
            .Property("Color", &TPlotTestThing::Color, &TPlotTestThing::SetColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Enum("BorderStyle", &TPlotTestThing::BorderStyle, &TPlotTestThing::SetBorderStyle,
                  korvan::plot::BevelStyleNames(), "TiBevelStyle")
            .Default(ibsNone)
            .Set("Shapes", &TPlotTestThing::Shapes, &TPlotTestThing::SetShapes,
                 {"tsRound", "tsSquare", "tsLong"}, "TThingShapes")
            .Default(0)
            .Property("Active", &TPlotTestThing::Active, &TPlotTestThing::SetActive)
            .Default(false)
            .Property("Letter", &TPlotTestThing::Letter, &TPlotTestThing::SetLetter)
            .Property("Span", &TPlotTestThing::Span, &TPlotTestThing::SetSpan)
            .Property("Caption", &TPlotTestThing::Caption, &TPlotTestThing::SetCaption)
            .Property("TitleFont", &TPlotTestThing::TitleFont, &TPlotTestThing::SetTitleFont)
            .Property("Buddy", &TPlotTestThing::Buddy, &TPlotTestThing::SetBuddy)
            .Property("ReadOnly", &TPlotTestThing::ReadOnly)
            .Property("Big", &TPlotTestThing::Big, &TPlotTestThing::SetBig)
            .Build();
    return info;
}

} // namespace korvan::plot::testing
