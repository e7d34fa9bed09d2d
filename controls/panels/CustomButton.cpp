#include "controls/panels/CustomButton.h"

#include "controls/panels/PackText.h"
#include "controls/panels/Setters.h"
#include "platform/forms/GraphicsProperties.h"

using korvan::forms::ClassBuilder;

const std::vector<std::string>& AlignmentVerticalNames() {
    static const std::vector<std::string> names{"avTop", "avCenter", "avBottom"};
    return names;
}

const TClassInfo& TRzCustomButton::StaticClassInfo() {
    using B = TRzCustomButton;
    static const TClassInfo info =
        ClassBuilder<B>("TRzCustomButton", &TCustomControl::StaticClassInfo())
            .Enum("AlignmentVertical", &B::AlignmentVertical, &B::SetAlignmentVertical,
                  AlignmentVerticalNames(), "TAlignmentVertical")
            .Default(avCenter)
            .Property("HighlightColor", &B::HighlightColor, &B::SetHighlightColor)
            .TypeName("TColor")
            .Default(clHighlight)
            .Property("HotTrack", &B::HotTrack, &B::SetHotTrack)
            .Default(false)
            .Property("HotTrackColor", &B::HotTrackColor, &B::SetHotTrackColor)
            .TypeName("TColor")
            .Default(TColor(1350640))
            .Enum("HotTrackColorType", &B::HotTrackColorType, &B::SetHotTrackColorType,
                  {"htctComplement", "htctActual"}, "TRzHotTrackColorType")
            .Default(htctActual)
            .Property("LightTextStyle", &B::LightTextStyle, &B::SetLightTextStyle)
            .Default(false)
            .Property("TextHighlightColor", &B::TextHighlightColor, &B::SetTextHighlightColor)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Property("TextShadowColor", &B::TextShadowColor, &B::SetTextShadowColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("TextShadowDepth", &B::TextShadowDepth, &B::SetTextShadowDepth)
            .Default(2)
            .Enum("TextStyle", &B::TextStyle, &B::SetTextStyle, TextStyleNames(), "TTextStyle")
            .Default(tsNormal)
            .Property("ThemeAware", &B::ThemeAware, &B::SetThemeAware)
            .Default(true)
            .Build();
    return info;
}

TRzCustomButton::TRzCustomButton(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csCaptureMouse | csSetCaption | csOpaque | csDoubleClicks | csReplicatable | csReflector;
    SetTabStop(true);
}

// ---------------------------------------------------------------- setters

using korvan::panels::StoreChanged;

#define KORVAN_REPAINT_SETTER(Name, field, Type)                                                             \
    void TRzCustomButton::Set##Name(Type value) {                                                            \
        if (StoreChanged(field, value))                                                                      \
            Invalidate();                                                                                    \
    }
KORVAN_REPAINT_SETTER(AlignmentVertical, alignmentVertical_, TAlignmentVertical)
KORVAN_REPAINT_SETTER(HotTrackColor, hotTrackColor_, TColor)
KORVAN_REPAINT_SETTER(HotTrackColorType, hotTrackColorType_, TRzHotTrackColorType)
KORVAN_REPAINT_SETTER(HotTrack, hotTrack_, bool)
KORVAN_REPAINT_SETTER(HighlightColor, highlightColor_, TColor)
KORVAN_REPAINT_SETTER(LightTextStyle, lightTextStyle_, bool)
KORVAN_REPAINT_SETTER(TextStyle, textStyle_, TTextStyle)
KORVAN_REPAINT_SETTER(TextHighlightColor, textHighlightColor_, TColor)
KORVAN_REPAINT_SETTER(TextShadowColor, textShadowColor_, TColor)
KORVAN_REPAINT_SETTER(TextShadowDepth, textShadowDepth_, int)
KORVAN_REPAINT_SETTER(ThemeAware, themeAware_, bool)
KORVAN_REPAINT_SETTER(Transparent, transparent_, bool)
#undef KORVAN_REPAINT_SETTER

bool TRzCustomButton::UseThemes() const {
    return themeAware_ && VisualStylesActive();
}

// ---------------------------------------------------------------- input

void TRzCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!Focused() && CanFocus())
        SetFocus();
    if (Focused()) {
        showDownVersion_ = true;
        ButtonStateChanged();
        dragging_ = true;
    }
}

void TRzCustomButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!dragging_)
        return;
    // The row just below the button counts as over it; the column to its
    // right does not.
    const bool over = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    if (StoreChanged(showDownVersion_, over))
        ButtonStateChanged();
}

void TRzCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    // Only the release of the button that started the press ends it.
    if (!dragging_ || button != mbLeft)
        return;
    dragging_ = false;
    showDownVersion_ = false;
    if (ClientRect().Contains(Point(x, y)))
        ButtonClicked();
    ButtonStateChanged();
}

void TRzCustomButton::DoEnter() {
    TCustomControl::DoEnter();
    FocusStateChanged();
}

void TRzCustomButton::DoExit() {
    TCustomControl::DoExit();
    FocusStateChanged();
}

void TRzCustomButton::EnabledChanged() {
    TCustomControl::EnabledChanged();
    Repaint();
}

void TRzCustomButton::TextChanged() {
    TCustomControl::TextChanged();
    Repaint();
}

void TRzCustomButton::FontChanged() {
    TCustomControl::FontChanged();
    Invalidate();
}

void TRzCustomButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (HasState(csDesigning) && message.Msg == CM_MOUSEENTER)
            break;
        mouseOverButton_ = message.Msg == CM_MOUSEENTER;
        if (hotTrack_ || UseThemes())
            Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

// ---------------------------------------------------------------- caption

void TRzCustomButton::DrawCaption(TCanvas& c, TRect r, unsigned flags) {
    c.Brush().SetStyle(bsClear);
    c.Font().Assign(Font());
    TRect calc = r;
    const int h = DrawCaptionText(c, Caption(), calc, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER);
    switch (alignmentVertical_) {
    case avTop:
        r.Bottom = r.Top + h;
        break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = r.Top + h;
        break;
    case avBottom:
        r.Top = r.Bottom - h - 1;
        break;
    }
    auto draw = [&](TRect at, TColor colour) {
        c.Font().SetColor(colour);
        DrawCaptionText(c, Caption(), at, flags);
    };
    const bool right = (flags & DT_RIGHT) != 0;
    if (Enabled()) {
        switch (textStyle_) {
        case tsRaised:
            if (!lightTextStyle_)
                draw(r.Offset(1, 1), textShadowColor_);
            draw(r.Offset(-1, -1), textHighlightColor_);
            break;
        case tsRecessed:
            draw(r.Offset(1, 1), textHighlightColor_);
            if (!lightTextStyle_)
                draw(r.Offset(-1, -1), textShadowColor_);
            break;
        case tsShadow:
            draw(right ? r.Offset(0, textShadowDepth_) : r.Offset(textShadowDepth_, textShadowDepth_),
                 textShadowColor_);
            break;
        case tsNormal:
            break;
        }
        c.Font().SetColor(Font().Color());
        if (right)
            r = r.Offset(-textShadowDepth_, 0);
    } else {
        c.Font().SetColor(ColorsAreClose(Color(), clGrayText) ? cl3DDkShadow : clGrayText);
    }
    DrawCaptionText(c, Caption(), r, flags);
    c.Brush().SetStyle(bsSolid);
}
