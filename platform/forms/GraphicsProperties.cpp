#include "platform/forms/GraphicsProperties.h"

#include "platform/gfx/Color.h"

namespace korvan::forms {

const TClassInfo& ForeignClassInfo<TFont>::Get() {
    static const TClassInfo info =
        ClassBuilder<TFont, TFont>("TFont", nullptr)
            .Property("Charset", &TFont::Charset, &TFont::SetCharset)
            .TypeName("TFontCharset")
            .Default(DEFAULT_CHARSET)
            .Property("Color", &TFont::Color, &TFont::SetColor)
            .TypeName("TColor")
            .Default(clWindowText)
            .Property("Height", &TFont::Height, &TFont::SetHeight)
            .Property("Name", &TFont::Name, &TFont::SetName)
            .Set("Style", &TFont::Style, &TFont::SetStyle,
                 {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, "TFontStyles")
            .Default(0)
            .Build();
    return info;
}

const std::vector<std::string>& PenStyleNames() {
    static const std::vector<std::string> names{"psSolid",       "psDash",       "psDot",
                                                "psDashDot",     "psDashDotDot", "psClear",
                                                "psInsideFrame", "psUserStyle",  "psAlternate"};
    return names;
}

const std::vector<std::string>& BrushStyleNames() {
    static const std::vector<std::string> names{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                                "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
    return names;
}

const TClassInfo& ForeignClassInfo<TPen>::Get() {
    static const TClassInfo info =
        ClassBuilder<TPen, TPen>("TPen", nullptr)
            .Property("Color", &TPen::Color, &TPen::SetColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Enum("Mode", &TPen::Mode, &TPen::SetMode,
                  {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                   "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
                   "pmNotMask", "pmXor", "pmNotXor"},
                  "TPenMode")
            .Default(pmCopy)
            .Enum("Style", &TPen::Style, &TPen::SetStyle, PenStyleNames(), "TPenStyle")
            .Default(psSolid)
            .Property("Width", &TPen::Width, &TPen::SetWidth)
            .Default(1)
            .Build();
    return info;
}

const TClassInfo& ForeignClassInfo<TBrush>::Get() {
    static const TClassInfo info =
        ClassBuilder<TBrush, TBrush>("TBrush", nullptr)
            .Property("Color", &TBrush::Color, &TBrush::SetColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Enum("Style", &TBrush::Style, &TBrush::SetStyle, BrushStyleNames(), "TBrushStyle")
            .Default(bsSolid)
            .Build();
    return info;
}

void RegisterColorIdents() {
    static const bool done = [] {
        RegisterIntegerIdents("TColor", {{"clBlack", clBlack},
                                         {"clMaroon", clMaroon},
                                         {"clGreen", clGreen},
                                         {"clOlive", clOlive},
                                         {"clNavy", clNavy},
                                         {"clPurple", clPurple},
                                         {"clTeal", clTeal},
                                         {"clGray", clGray},
                                         {"clSilver", clSilver},
                                         {"clRed", clRed},
                                         {"clLime", clLime},
                                         {"clYellow", clYellow},
                                         {"clBlue", clBlue},
                                         {"clFuchsia", clFuchsia},
                                         {"clAqua", clAqua},
                                         {"clWhite", clWhite},
                                         {"clMoneyGreen", clMoneyGreen},
                                         {"clSkyBlue", clSkyBlue},
                                         {"clCream", clCream},
                                         {"clMedGray", clMedGray},
                                         {"clNone", clNone},
                                         {"clDefault", clDefault},
                                         {"clScrollBar", clScrollBar},
                                         {"clBackground", clBackground},
                                         {"clActiveCaption", clActiveCaption},
                                         {"clInactiveCaption", clInactiveCaption},
                                         {"clMenu", clMenu},
                                         {"clWindow", clWindow},
                                         {"clWindowFrame", clWindowFrame},
                                         {"clMenuText", clMenuText},
                                         {"clWindowText", clWindowText},
                                         {"clCaptionText", clCaptionText},
                                         {"clActiveBorder", clActiveBorder},
                                         {"clInactiveBorder", clInactiveBorder},
                                         {"clAppWorkSpace", clAppWorkSpace},
                                         {"clHighlight", clHighlight},
                                         {"clHighlightText", clHighlightText},
                                         {"clBtnFace", clBtnFace},
                                         {"clBtnShadow", clBtnShadow},
                                         {"clGrayText", clGrayText},
                                         {"clBtnText", clBtnText},
                                         {"clInactiveCaptionText", clInactiveCaptionText},
                                         {"clBtnHighlight", clBtnHighlight},
                                         {"cl3DDkShadow", cl3DDkShadow},
                                         {"cl3DLight", cl3DLight},
                                         {"clInfoText", clInfoText},
                                         {"clInfoBk", clInfoBk},
                                         {"clHotLight", clHotLight},
                                         {"clGradientActiveCaption", clGradientActiveCaption},
                                         {"clGradientInactiveCaption", clGradientInactiveCaption},
                                         {"clMenuHighlight", clMenuHighlight},
                                         {"clMenuBar", clMenuBar}});
        return true;
    }();
    (void)done;
}

} // namespace korvan::forms
