#include "controls/panels/Font3D.h"

const TClassInfo& TVrFont3D::StaticClassInfo() {
    using F = TVrFont3D;
    static const TClassInfo info =
        korvan::forms::ClassBuilder<F>("TVrFont3D", &TVrPersistent::StaticClassInfo())
            .Enum("Style", &F::Style, &F::SetStyle, {"f3dNone", "f3dRaised", "f3dSunken", "f3dShadow"},
                  "TVrFont3DStyle")
            .Default(f3dNone)
            .Property("HighlightColor", &F::HighlightColor, &F::SetHighlightColor)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Property("ShadowColor", &F::ShadowColor, &F::SetShadowColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("HighlightDepth", &F::HighlightDepth, &F::SetHighlightDepth)
            .Default(1)
            .Property("ShadowDepth", &F::ShadowDepth, &F::SetShadowDepth)
            .Default(1)
            .Build();
    return info;
}

void TVrFont3D::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TVrFont3D*>(source);
    if (!other) {
        TVrPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    SetStyle(other->Style());
    SetHighlightColor(other->HighlightColor());
    SetShadowColor(other->ShadowColor());
    SetHighlightDepth(other->HighlightDepth());
    SetShadowDepth(other->ShadowDepth());
    EndUpdate();
}

void TVrFont3D::Paint(TCanvas& canvas, const TRect& r, const std::string& text, unsigned flags) const {
    const TColor colour = canvas.Font().Color();
    canvas.Brush().SetStyle(bsClear);
    auto draw = [&](int offset, TColor c) {
        TRect t = r.Offset(offset, offset);
        canvas.Font().SetColor(c);
        canvas.DrawText(text, t, flags);
    };
    switch (style_) {
    case f3dNone:
        break;
    case f3dRaised:
        draw(shadowDepth_, shadowColor_);
        draw(-highlightDepth_, highlightColor_);
        break;
    case f3dSunken:
        draw(highlightDepth_, highlightColor_);
        draw(-shadowDepth_, shadowColor_);
        break;
    case f3dShadow:
        draw(shadowDepth_, shadowColor_);
        break;
    }
    draw(0, colour);
}
