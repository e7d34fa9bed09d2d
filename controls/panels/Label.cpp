#include "controls/panels/Label.h"

#include "controls/panels/ColorShading.h"
#include "controls/panels/PackText.h"
#include "controls/panels/PixelMath.h"
#include "controls/panels/Setters.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GraphicsProperties.h"

#include <cmath>

using korvan::forms::ClassBuilder;
using korvan::panels::SaturatedInt;
using korvan::panels::TextAnchor;
using korvan::panels::WithinPixelRange;

const TClassInfo& TRzLabel::StaticClassInfo() {
    using L = TRzLabel;
    static const TClassInfo info =
        ClassBuilder<L>("TRzLabel", &TLabel::StaticClassInfo())
            .Creator()
            .Property("Angle", &L::Angle, &L::SetAngle)
            .Default(0)
            .Property("BevelWidth", &L::BevelWidth, &L::SetBevelWidth)
            .Default(1)
            .Property("BlinkColor", &L::BlinkColor, &L::SetBlinkColor)
            .TypeName("TColor")
            .Default(clHighlight)
            .Property("BlinkIntervalOff", &L::BlinkIntervalOff, &L::SetBlinkIntervalOff)
            .Default(500)
            .Property("BlinkIntervalOn", &L::BlinkIntervalOn, &L::SetBlinkIntervalOn)
            .Default(500)
            .Property("Blinking", &L::Blinking, &L::SetBlinking)
            .Default(false)
            .Property("BorderColor", &L::BorderColor, &L::SetBorderColor)
            .TypeName("TColor")
            .Default(clBtnFace)
            .Property("BorderHighlight", &L::BorderHighlight, &L::SetBorderHighlight)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Enum("BorderInner", &L::BorderInner, &L::SetBorderInner, FrameStyleNames(), "TFrameStyleEx")
            .Default(fsNone)
            .Enum("BorderOuter", &L::BorderOuter, &L::SetBorderOuter, FrameStyleNames(), "TFrameStyleEx")
            .Default(fsNone)
            .Property("BorderShadow", &L::BorderShadow, &L::SetBorderShadow)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Set("BorderSides", &L::BorderSides, &L::SetBorderSides, SideNames(), "TSides")
            .Default(sdAllSides)
            .Property("BorderWidth", &L::BorderWidth, &L::SetBorderWidth)
            .Default(0)
            .Enum("CenterPoint", &L::CenterPoint, &L::SetCenterPoint,
                  {"cpUpperLeft", "cpUpperCenter", "cpUpperRight", "cpLeftCenter", "cpCenter",
                   "cpRightCenter", "cpLowerLeft", "cpLowerCenter", "cpLowerRight"},
                  "TCenterPoint")
            .Default(cpCenter)
            .Enum("CondenseCaption", &L::CondenseCaption, &L::SetCondenseCaption,
                  {"ccNone", "ccAtEnd", "ccWithinPath"}, "TRzCondenseCaption")
            .Default(ccNone)
            .Property("FlatColor", &L::FlatColor, &L::SetFlatColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("FlatColorAdjustment", &L::FlatColorAdjustment, &L::SetFlatColorAdjustment)
            .Default(30)
            .Property("FlyByColor", &L::FlyByColor, &L::SetFlyByColor)
            .TypeName("TColor")
            .Default(clHighlight)
            .Property("FlyByEnabled", &L::FlyByEnabled, &L::SetFlyByEnabled)
            .Default(false)
            .Property("FrameController", &L::FrameController, &L::SetFrameController)
            .Set("FrameControllerNotifications", &L::FrameControllerNotifications,
                 &L::SetFrameControllerNotifications, FrameControllerPropertyNames(),
                 "TRzFrameControllerNotifications")
            .Default(fccAll)
            .Property("HighlightColor", &L::HighlightColor, &L::SetHighlightColor)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Property("LightTextStyle", &L::LightTextStyle, &L::SetLightTextStyle)
            .Default(false)
            .Enum("Rotation", &L::Rotation, &L::SetRotation, {"roNone", "roFlat", "roCurve"}, "TRotation")
            .Default(roNone)
            .Property("ShadowColor", &L::ShadowColor, &L::SetShadowColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("ShadowDepth", &L::ShadowDepth, &L::SetShadowDepth)
            .Default(2)
            .Property("TextMargin", &L::TextMargin, &L::SetTextMargin)
            .Default(0)
            .Enum("TextStyle", &L::TextStyle, &L::SetTextStyle, TextStyleNames(), "TTextStyle")
            .Default(tsNormal)
            .Build();
    return info;
}

TRzLabel::TRzLabel(TComponent* owner) : TLabel(owner), TRzFramedControl(this, fsNone) {
    controlStyle_ |= csOpaque;
    SetLayout(tlTop);
    BlinkingControlsList().Add(this);
    // A label takes its parent's colour; that first change is not a
    // change of the caption's look.
    SetColor(clBtnFace);
    SetParentColor(true);
    fontColor_ = currentColor_ = origColor_ = Font().Color();
}

TRzLabel::~TRzLabel() {
    if (BlinkingControlsListExists()) {
        BlinkingControlsList().Remove(this);
        FreeBlinkingControlsListIfEmpty();
    }
}

// ---------------------------------------------------------------- setters

using korvan::panels::StoreChanged;

void TRzLabel::UseOutlineFont() {
    // Turned text needs an outline font.
    if (!HasState(csLoading) && !IsTrueTypeFont(Font()))
        Font().SetName("Verdana");
}

void TRzLabel::SetAngle(int value) {
    value = korvan::panels::NormalizeAngle(value);
    if (value == angle_)
        return;
    angle_ = value;
    if (value != 0)
        UseOutlineFont();
    // A turn without a rotation kind turns the text flat.
    if (angle_ != 0 && rotation_ == roNone)
        rotation_ = roFlat;
    AdjustBounds();
    Repaint();
}

void TRzLabel::SetRotation(TRotation value) {
    if (!StoreChanged(rotation_, value))
        return;
    if (value != roNone)
        UseOutlineFont();
    if (value == roNone || value == roFlat)
        angle_ = 0;
    if (value == roFlat)
        centerPoint_ = cpCenter;
    Invalidate();
}

void TRzLabel::SetBlinking(bool value) {
    if (!StoreChanged(blinking_, value))
        return;
    if (!value) {
        blinkState_ = bsOff;
        currentColor_ = fontColor_;
        Repaint();
    }
}

void TRzLabel::Blink(TBlinkState state) {
    blinkState_ = state;
    currentColor_ = state == bsOn ? blinkColor_ : fontColor_;
    Repaint();
}

int TRzLabel::BlinkIntervalOff() const {
    return int(BlinkingControlsList().IntervalOff());
}

void TRzLabel::SetBlinkIntervalOff(int value) {
    BlinkingControlsList().SetIntervalOff(unsigned(std::uint16_t(value)));
}

int TRzLabel::BlinkIntervalOn() const {
    return int(BlinkingControlsList().IntervalOn());
}

void TRzLabel::SetBlinkIntervalOn(int value) {
    BlinkingControlsList().SetIntervalOn(unsigned(std::uint16_t(value)));
}

#define KORVAN_REPAINT_SETTER(Name, field, Type)                                                             \
    void TRzLabel::Set##Name(Type value) {                                                                   \
        if (StoreChanged(field, value))                                                                      \
            Invalidate();                                                                                    \
    }
#define KORVAN_RESIZE_SETTER(Name, field, Type)                                                              \
    void TRzLabel::Set##Name(Type value) {                                                                   \
        if (!StoreChanged(field, value))                                                                     \
            return;                                                                                          \
        AdjustBounds();                                                                                      \
        Invalidate();                                                                                        \
    }

KORVAN_REPAINT_SETTER(BlinkColor, blinkColor_, TColor)
KORVAN_REPAINT_SETTER(CenterPoint, centerPoint_, TCenterPoint)
KORVAN_REPAINT_SETTER(FlyByColor, flyByColor_, TColor)
KORVAN_REPAINT_SETTER(LightTextStyle, lightTextStyle_, bool)
KORVAN_REPAINT_SETTER(TextMargin, textMargin_, int)
KORVAN_REPAINT_SETTER(TextStyle, textStyle_, TTextStyle)
KORVAN_REPAINT_SETTER(HighlightColor, highlightColor_, TColor)
KORVAN_REPAINT_SETTER(ShadowColor, shadowColor_, TColor)
KORVAN_REPAINT_SETTER(ShadowDepth, shadowDepth_, int)
KORVAN_RESIZE_SETTER(BevelWidth, bevelWidth_, int)
KORVAN_RESIZE_SETTER(BorderWidth, borderWidth_, int)
#undef KORVAN_REPAINT_SETTER
#undef KORVAN_RESIZE_SETTER

void TRzLabel::SetCondenseCaption(TRzCondenseCaption value) {
    if (!StoreChanged(condenseCaption_, value))
        return;
    // A condensed caption fits the label; the label does not fit it.
    if (value != ccNone)
        SetAutoSize(false);
    Invalidate();
}

void TRzLabel::SetFlyByEnabled(bool value) {
    if (!StoreChanged(flyByEnabled_, value))
        return;
    // Switched off while the mouse is over: the font colour comes back.
    if (!value && flyByShowing_) {
        flyByShowing_ = false;
        Font().SetColor(origColor_);
    }
    Invalidate();
}

void TRzLabel::Notification(TComponent* component, TOperation operation) {
    TLabel::Notification(component, operation);
    FrameControllerNotification(component, operation);
}

// ---------------------------------------------------------------- notifications

void TRzLabel::Loaded() {
    TLabel::Loaded();
    if (rotation_ == roNone && angle_ != 0)
        rotation_ = roFlat;
    if (rotation_ != roNone && !IsTrueTypeFont(Font()))
        Font().SetName("Verdana");
    fontColor_ = currentColor_ = Font().Color();
}

void TRzLabel::TextChanged() {
    TLabel::TextChanged();
    Repaint();
}

void TRzLabel::FontChanged() {
    TLabel::FontChanged();
    if (HasState(csLoading))
        return;
    if (!blinking_)
        fontColor_ = currentColor_ = Font().Color();
    if (angle_ != 0 && !IsTrueTypeFont(Font()))
        angle_ = 0;
}

void TRzLabel::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_BLINKQUERY:
        message.Result = blinking_ ? 1 : 0;
        return;
    case CM_BLINKSTATE:
        if (blinking_)
            Blink(TBlinkState(message.WParam));
        return;
    case CM_MOUSEENTER:
        if (!HasState(csDesigning) && flyByEnabled_ && !flyByShowing_) {
            origColor_ = Font().Color();
            flyByShowing_ = true;
            Font().SetColor(flyByColor_);
        }
        break;
    case CM_MOUSELEAVE:
        if (flyByShowing_) {
            flyByShowing_ = false;
            Font().SetColor(origColor_);
        }
        break;
    default:
        break;
    }
    TLabel::WndProc(message);
}

void TRzLabel::DefineProperties(TFiler& filer) {
    TLabel::DefineProperties(filer);
    // Older streams kept the sides under another name: read and dropped.
    filer.DefineProperty(
        "FrameSides", [](TReader& r) { r.SkipValue(); }, nullptr, false);
}

// ---------------------------------------------------------------- geometry

void TRzLabel::ShrinkByBorders(TRect& rect, bool includeBorderWidth) const {
    rect = ShrinkByFrame(rect, includeBorderWidth ? borderWidth_ : 0, bevelWidth_);
}

void TRzLabel::GrowByBorders(TRect& rect) const {
    // Each frame counts as much as the layout takes away for it, so that
    // the caption keeps its room inside bold and rounded frames too.
    // Summed wide: the stored widths may be anything.
    std::int64_t right = rect.Right, bottom = rect.Bottom;
    auto grow = [&](int w, bool sidesOnly) {
        const auto count = [&](TSides side) -> std::int64_t {
            return !sidesOnly || (borderSides_ & side) ? w : 0;
        };
        right += count(sdLeft) + count(sdRight);
        bottom += count(sdTop) + count(sdBottom);
    };
    grow(korvan::panels::FrameStyleWidth(borderOuter_, bevelWidth_), true);
    grow(borderWidth_, true);
    grow(textMargin_, false);
    grow(korvan::panels::FrameStyleWidth(borderInner_, bevelWidth_), true);
    if (rotation_ == roNone && textStyle_ == tsShadow) {
        right += shadowDepth_;
        bottom += shadowDepth_;
    }
    if (rotation_ == roFlat && angle_ != 0 && angle_ != 180) {
        if (textStyle_ == tsShadow) {
            right += shadowDepth_ / 2;
            bottom += shadowDepth_ / 2;
        }
        const TSize turned =
            korvan::panels::RotatedExtent({SaturatedInt(right), SaturatedInt(bottom)}, angle_);
        right = turned.cx;
        bottom = turned.cy;
    }
    rect.Right = SaturatedInt(right);
    rect.Bottom = SaturatedInt(bottom);
}

unsigned TRzLabel::TextFlags() const {
    unsigned flags = DrawFlags();
    if (condenseCaption_ == ccAtEnd)
        flags |= DT_END_ELLIPSIS;
    else if (condenseCaption_ == ccWithinPath)
        flags |= DT_PATH_ELLIPSIS;
    return flags;
}

void TRzLabel::AdjustBounds() {
    if (!AutoSize() || HasState(csLoading) || HasState(csReading))
        return;
    TRect r = Rect(0, 0, Width(), Height());
    ShrinkByBorders(r, true);
    r = Rect(0, 0, SaturatedInt(std::int64_t(r.Right) - r.Left),
             SaturatedInt(std::int64_t(r.Bottom) - r.Top));
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas measure(&scratch);
    measure.Font().Assign(Font());
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    unsigned flags = DT_CALCRECT | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : 0u);
    if (!ShowAccelChar())
        flags |= DT_NOPREFIX;
    measure.DrawText(text, r, flags | (TextFlags() & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)));
    r = Rect(0, 0, r.Width(), r.Height());
    GrowByBorders(r);
    int left = Left();
    if (Alignment() == taRightJustify)
        left = SaturatedInt(std::int64_t(left) + Width() - r.Right);
    SetBounds(left, Top(), r.Right, r.Bottom);
}

// ---------------------------------------------------------------- painting

template <class Draw> void TRzLabel::DrawTextCopies(TCanvas& c, int shadowOffset, Draw draw) {
    if (textStyle_ == tsRaised || textStyle_ == tsRecessed) {
        const bool raised = textStyle_ == tsRaised;
        const TColor highlight = raised ? highlightColor_ : shadowColor_;
        const TColor shade = raised ? shadowColor_ : highlightColor_;
        if (!raised || !lightTextStyle_) {
            c.Font().SetColor(shade);
            draw(1, 1);
        }
        if (raised || !lightTextStyle_) {
            c.Font().SetColor(highlight);
            draw(-1, -1);
        }
    } else if (textStyle_ == tsShadow) {
        c.Font().SetColor(shadowColor_);
        draw(shadowOffset, shadowOffset);
    }
}

void TRzLabel::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Pen().SetStyle(psSolid);
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    const TRect inner = WithinPixelRange(
        DrawPanelFrame(c, Rect(0, 0, Width(), Height()), borderOuter_, false, Transparent(), parentColor,
                       Color(), flatColorAdjustment_, flatColor_, borderShadow_, borderHighlight_,
                       borderColor_, bevelWidth_, borderSides_, borderWidth_, borderInner_));
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    if (!Transparent())
        c.FillRect(inner);
    c.Brush().SetStyle(bsClear);
    if (rotation_ == roCurve)
        PaintArcText(c);
    else
        PaintFlatText(c);
}

void TRzLabel::PaintFlatText(TCanvas& c) {
    TRect t = Rect(0, 0, Width(), Height());
    ShrinkByBorders(t, true);
    // Huge stored widths, margins and depths are held where the offsets
    // below cannot overflow.
    t = WithinPixelRange(korvan::panels::Deflated(t, textMargin_, textMargin_));
    const int depth = WithinPixelRange(shadowDepth_);
    const unsigned flags = TextFlags();
    const std::string text = Caption();
    c.Font().Assign(Font());

    if (rotation_ == roNone) {
        if (Layout() != tlTop) {
            TRect calc = t;
            c.DrawText(text, calc, flags | DT_CALCRECT);
            const int free = t.Height() - calc.Height();
            t = t.Offset(0, Layout() == tlBottom ? free : free / 2);
        }
        if (textStyle_ == tsShadow && (flags & DT_RIGHT))
            t = t.Offset(-depth, 0);
        if (textStyle_ == tsShadow && Layout() == tlBottom)
            t = t.Offset(0, -depth);
        auto draw = [&](int dx, int dy) {
            TRect r = t.Offset(dx, dy);
            c.DrawText(text, r, flags);
        };
        if (!Enabled()) {
            c.Font().SetColor(clGrayText);
            draw(0, 0);
            return;
        }
        DrawTextCopies(c, depth, draw);
        c.Font().SetColor(currentColor_);
        draw(0, 0);
        return;
    }

    // Flat rotation: a turned font anchored around the label's middle.
    c.Font().Assign(CreateRotatedFont(Font(), angle_));
    const int e = textStyle_ == tsShadow ? depth / 2 : 0;
    const korvan::panels::FlatTextPlace place = korvan::panels::PlaceFlatText(
        t, angle_, Alignment(), Point(Width() / 2, Height() / 2), c.TextHeight("Pp"), c.TextWidth(text), e);
    const int saved = c.SaveDC();
    c.IntersectClipRect(t);
    auto draw = [&](int dx, int dy) {
        korvan::panels::TextOutAnchored(c, place.X + dx, place.Y + dy, text, place.Anchor);
    };
    if (!Enabled()) {
        c.Font().SetColor(clGrayText);
        draw(0, 0);
    } else {
        DrawTextCopies(c, e, draw);
        c.Font().SetColor(currentColor_);
        draw(-e, -e);
    }
    c.RestoreDC(saved);
}

void TRzLabel::PaintArcText(TCanvas& c) {
    const TPoint centre = korvan::panels::CenterPointOf(centerPoint_, Width(), Height(), borderWidth_);
    const TPoint radii = korvan::panels::ArcRadii(centerPoint_, Width(), Height(), borderWidth_);
    const int depth = WithinPixelRange(shadowDepth_);
    // Each character's place, worked out wide and held inside the drawing
    // range: the stored border width may be anything.
    const auto along = [](int middle, int radius, int lift, double share) {
        return WithinPixelRange(
            SaturatedInt(std::int64_t(middle) - std::lround((double(radius) - lift) * share)));
    };
    double theta = angle_ * M_PI / 180.0;
    const std::string text = Caption();
    for (std::size_t i = 0; i < text.size(); ++i) {
        // One character at a time, each turned to stand on the arc (a
        // character of several bytes goes whole).
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
            ++n;
        const std::string ch = text.substr(i, n);
        i += n - 1;
        c.Font().Assign(Font());
        const int hy = c.TextHeight("Yy");
        const int x = along(centre.X, radii.X, hy, std::sin(theta));
        const int y = along(centre.Y, radii.Y, hy, std::cos(theta));
        c.Font().SetOrientation(int(std::lround(theta * 1800.0 / M_PI)));
        auto draw = [&](int dx, int dy) {
            korvan::panels::TextOutAnchored(c, x + dx, y + dy, ch, TextAnchor::BaselineCenter);
        };
        if (Enabled()) {
            DrawTextCopies(c, depth, draw);
            c.Font().SetColor(currentColor_);
            draw(0, 0);
        } else {
            c.Font().SetColor(clBtnHighlight);
            draw(1, 1);
            c.Font().SetColor(clBtnShadow);
            draw(0, 0);
        }
        if (radii.X != 0)
            theta -= (c.TextWidth("w") + 2) / double(radii.X);
    }
}
