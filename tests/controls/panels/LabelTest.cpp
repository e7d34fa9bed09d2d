// Labels: angles and their normalising, the room turned captions need,
// where flat turned text is anchored, auto size with frames, blinking on
// the shared timer, fly-by colour, condensed captions, disabled 3-D text
// and the label read from a form.

#include "controls/panels/Label.h"
#include "controls/panels/PanelClasses.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Fonts.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <set>

namespace {

using korvan::panels::ArcRadii;
using korvan::panels::CenterPointOf;
using korvan::panels::FlatTextPlace;
using korvan::panels::NormalizeAngle;
using korvan::panels::PlaceFlatText;
using korvan::panels::RotatedExtent;
using korvan::panels::TextAnchor;
using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;

// ---------------------------------------------------------------- geometry tables

TEST(LabelGeometry, AnglesNormaliseIntoOneTurn) {
    const std::pair<int, int> cases[] = {{0, 0},      {45, 45},    {359, 359}, {360, 0},
                                         {450, 90},   {-1, 359},   {-90, 270}, {-360, 0},
                                         {-450, 270}, {-721, 359}, {7200, 0},  {-7201, 359}};
    for (auto [in, out] : cases)
        EXPECT_EQ(NormalizeAngle(in), out) << in;
}

TEST(LabelGeometry, ATurnedCaptionNeedsTheBoxAroundIt) {
    struct Case {
        int angle;
        TSize expected;
    };
    // A 40 x 10 caption.
    const Case cases[] = {
        {0, {40, 10}},  {90, {10, 40}},  {180, {40, 10}}, {270, {10, 40}}, {45, {35, 35}},
        {30, {40, 29}}, {120, {29, 40}}, {210, {40, 29}}, {300, {29, 40}}, {-30, {40, 29}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RotatedExtent({40, 10}, c.angle), c.expected) << c.angle;
}

TEST(LabelGeometry, FlatTurnedTextAnchors) {
    struct Case {
        int angle;
        TAlignment alignment;
        int shadow;
        FlatTextPlace expected;
    };
    // T = 100 x 60, centre (50, 30), line height 12 (q = 3), caption 40 wide.
    const Case cases[] = {
        {0, taCenter, 0, {50, 24, TextAnchor::TopCenter}},
        {0, taLeftJustify, 0, {0, 24, TextAnchor::TopLeft}},
        {0, taRightJustify, 0, {60, 24, TextAnchor::TopLeft}},
        {0, taRightJustify, 1, {58, 24, TextAnchor::TopLeft}},
        {0, taLeftJustify, 1, {1, 24, TextAnchor::TopLeft}},
        {90, taCenter, 0, {53, 50, TextAnchor::Baseline}},
        {90, taLeftJustify, 0, {53, 60, TextAnchor::Baseline}},
        {90, taRightJustify, 0, {53, 40, TextAnchor::Baseline}},
        {180, taCenter, 0, {70, 27, TextAnchor::Baseline}},
        {180, taLeftJustify, 0, {100, 27, TextAnchor::Baseline}},
        {180, taRightJustify, 0, {40, 27, TextAnchor::Baseline}},
        {270, taCenter, 0, {47, 10, TextAnchor::Baseline}},
        {270, taLeftJustify, 0, {47, 0, TextAnchor::Baseline}},
        {270, taRightJustify, 0, {47, 20, TextAnchor::Baseline}},
        {45, taCenter, 0, {52, 32, TextAnchor::BaselineCenter}},
        {135, taLeftJustify, 0, {52, 28, TextAnchor::BaselineCenter}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.angle << " align " << c.alignment << " shadow " << c.shadow);
        const FlatTextPlace p =
            PlaceFlatText(Rect(0, 0, 100, 60), c.angle, c.alignment, Point(50, 30), 12, 40, c.shadow);
        EXPECT_EQ(p.X, c.expected.X);
        EXPECT_EQ(p.Y, c.expected.Y);
        EXPECT_EQ(p.Anchor, c.expected.Anchor);
    }
}

TEST(LabelGeometry, CentrePointsAndArcRadii) {
    struct Case {
        TCenterPoint point;
        TPoint centre, radii;
    };
    // 100 x 60 with a border width of 3.
    const Case cases[] = {
        {cpUpperLeft, {3, 3}, {94, 54}},    {cpUpperCenter, {50, 3}, {44, 54}},
        {cpUpperRight, {97, 3}, {94, 54}},  {cpLeftCenter, {3, 30}, {94, 24}},
        {cpCenter, {50, 30}, {44, 24}},     {cpRightCenter, {97, 30}, {94, 24}},
        {cpLowerLeft, {3, 57}, {94, 54}},   {cpLowerCenter, {50, 57}, {44, 54}},
        {cpLowerRight, {97, 57}, {94, 54}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.point));
        EXPECT_EQ(CenterPointOf(c.point, 100, 60, 3), c.centre);
        EXPECT_EQ(ArcRadii(c.point, 100, 60, 3), c.radii);
    }
}

TEST(LabelGeometry, HugeBorderWidthsStopAtTheEndsOfInt) {
    // Widths a stored form may carry: the sums saturate, never wrap round.
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(CenterPointOf(cpLowerRight, 100, 60, kMin), Point(kMax, kMax));
    EXPECT_EQ(ArcRadii(cpCenter, 100, 60, kMax), Point(kMin, kMin));
    EXPECT_EQ(ArcRadii(cpUpperLeft, 100, 60, kMin), Point(kMax, kMax));
    EXPECT_EQ(RotatedExtent({kMax, kMax}, 45), (TSize{kMax, kMax}));
}

TEST(LabelGeometry, TheAnchorIsWhereTheTurnedTextStands) {
    QImage image(10, 10, QImage::Format_RGB32);
    TCanvas c(&image);
    korvan::gfx::ScopedTextMeasurer fixed(std::make_unique<korvan::gfx::FixedTextMeasurer>(6, 11, 2));
    // "abcd" is 24 wide with an ascent of 11.
    EXPECT_EQ(korvan::panels::AnchoredCellOrigin(c, 50, 50, "abcd", TextAnchor::TopCenter), Point(38, 50));
    EXPECT_EQ(korvan::panels::AnchoredCellOrigin(c, 50, 50, "abcd", TextAnchor::BaselineCenter),
              Point(38, 39));
    c.Font().SetOrientation(900); // reads upwards: the glyphs' tops face left
    EXPECT_EQ(korvan::panels::AnchoredCellOrigin(c, 50, 50, "abcd", TextAnchor::Baseline), Point(39, 50));
    EXPECT_EQ(korvan::panels::AnchoredCellOrigin(c, 50, 50, "abcd", TextAnchor::BaselineCenter),
              Point(39, 62));
    c.Font().SetOrientation(1800);
    EXPECT_EQ(korvan::panels::AnchoredCellOrigin(c, 50, 50, "abcd", TextAnchor::Baseline), Point(50, 61));
}

// ---------------------------------------------------------------- the control

class Label : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TRzLabel* Add(const std::string& caption, int left = 10, int top = 10) {
        auto* l = new TRzLabel(form.get());
        l->SetBounds(left, top, 65, 17);
        l->SetCaption(caption);
        l->SetParent(form.get());
        return l;
    }
    // The colours a picture holds.
    static std::set<TColor> Colours(const QImage& image) {
        std::set<TColor> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(PixelAt(image, x, y));
        return seen;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    korvan::gfx::ScopedTextMeasurer fixed{std::make_unique<korvan::gfx::FixedTextMeasurer>(6, 11, 2)};
};

TEST_F(Label, ARunTimeLabelAutoSizesAndDrawsItsCaptionPlainly) {
    form->SetColor(clWhite);
    TRzLabel* l = Add("Hello");
    l->Font().SetColor(clNavy);
    l->Font().SetQuality(fqNonAntialiased);
    EXPECT_EQ(l->Width(), 30);
    EXPECT_EQ(l->Height(), 13);
    EXPECT_EQ(l->Color(), clWhite); // the parent's colour
    ShowForm(form.get());
    const QImage image = Grab(l);
    const std::set<TColor> colours = Colours(image);
    EXPECT_EQ(colours, (std::set<TColor>{clWhite, clNavy}));
    // The text starts at the top left: the first rows hold the caption.
    bool inkNearCorner = false;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            inkNearCorner |= PixelAt(image, x, y) == clNavy;
    EXPECT_TRUE(inkNearCorner);
}

TEST_F(Label, AutoSizeCountsFramesMarginsShadowsAndTheTurn) {
    TRzLabel* l = Add("Hello"); // 30 x 13
    l->SetTextMargin(1);        // repaints; counts at the next sizing
    EXPECT_EQ(l->Width(), 30);
    l->SetBorderOuter(fsFlat); // 1 a side
    l->SetBorderWidth(2);
    EXPECT_EQ(l->Width(), 30 + 2 + 4 + 2);
    EXPECT_EQ(l->Height(), 13 + 2 + 4 + 2);
    l->SetBorderSides(sdTop | sdLeft); // frame and band on two sides only
    EXPECT_EQ(l->Width(), 30 + 1 + 2 + 2);
    EXPECT_EQ(l->Height(), 13 + 1 + 2 + 2);
    l->SetBorderSides(sdAllSides);
    l->SetBorderInner(fsFlatBold); // counts as it takes room in the layout
    EXPECT_EQ(l->Width(), 42);
    l->SetTextMargin(0);
    l->SetBorderInner(fsNone);
    l->SetBorderOuter(fsNone);
    l->SetBorderWidth(0);
    EXPECT_EQ(l->Width(), 30);
    TRzLabel* shadowed = Add("");
    shadowed->SetTextStyle(tsShadow);
    shadowed->SetCaption("Hello");
    EXPECT_EQ(shadowed->Width(), 32);
    EXPECT_EQ(shadowed->Height(), 15);
    l->SetTextStyle(tsNormal);
    l->SetAngle(90);
    EXPECT_EQ(l->Rotation(), roFlat);
    EXPECT_EQ(l->Width(), 13);
    EXPECT_EQ(l->Height(), 30);
    l->SetAngle(120); // box of a 30 x 13 caption turned by 120 degrees
    EXPECT_EQ(l->Width(), RotatedExtent({30, 13}, 120).cx);
    EXPECT_EQ(l->Height(), RotatedExtent({30, 13}, 120).cy);
}

TEST_F(Label, AngleAndRotationRules) {
    TRzLabel* l = Add("Turn");
    l->SetAngle(-90);
    EXPECT_EQ(l->Angle(), 270);
    EXPECT_EQ(l->Rotation(), roFlat);
    l->SetAngle(450);
    EXPECT_EQ(l->Angle(), 90);
    l->SetAngle(-450);
    EXPECT_EQ(l->Angle(), 270);
    l->SetCenterPoint(cpLowerRight);
    l->SetRotation(roCurve);
    EXPECT_EQ(l->Angle(), 270); // a curve keeps its angle
    l->SetRotation(roFlat);
    EXPECT_EQ(l->Angle(), 0);
    EXPECT_EQ(l->CenterPoint(), cpCenter);
    l->SetAngle(30);
    l->SetRotation(roNone);
    EXPECT_EQ(l->Angle(), 0);
    l->SetRotation(roCurve);
    l->SetAngle(30);
    EXPECT_EQ(l->Rotation(), roCurve); // a turn does not flatten a curve
}

TEST_F(Label, TheBlinkColourShowsInTheOnPhaseForIntervalOn) {
    TRzLabel* a = Add("One", 10, 10);
    TRzLabel* b = Add("Two", 10, 40);
    TRzLabel* still = Add("Still", 10, 70);
    for (TRzLabel* l : {a, b, still}) {
        l->Font().SetColor(clBlack);
        l->Font().SetQuality(fqNonAntialiased);
        l->SetBlinkColor(clRed);
    }
    a->SetBlinking(true);
    b->SetBlinking(true);
    a->SetBlinkIntervalOn(200); // one list: both labels take it
    EXPECT_EQ(b->BlinkIntervalOn(), 200);
    EXPECT_EQ(b->BlinkIntervalOff(), 500);
    ShowForm(form.get());

    struct Step {
        int advance;
        TColor shown; // by both blinking labels
    };
    const Step steps[] = {{499, clBlack}, {1, clRed}, {199, clRed}, {1, clBlack}, {499, clBlack}, {1, clRed}};
    int at = 0;
    for (const Step& s : steps) {
        AdvanceTimers(s.advance);
        at += s.advance;
        SCOPED_TRACE(testing::Message() << "at " << at << " ms");
        EXPECT_EQ(a->CurrentColor(), s.shown);
        EXPECT_EQ(b->CurrentColor(), s.shown);
        EXPECT_EQ(a->BlinkState(), s.shown == clRed ? bsOn : bsOff);
        EXPECT_EQ(still->CurrentColor(), clBlack);
        ProcessEvents();
        EXPECT_TRUE(Colours(Grab(b)).count(s.shown));
    }
    // Switched off in the on phase: back to the font colour at once.
    a->SetBlinking(false);
    EXPECT_EQ(a->CurrentColor(), clBlack);
    EXPECT_EQ(a->BlinkState(), bsOff);
    EXPECT_FALSE(Colours(Grab(a)).count(clRed));
}

TEST_F(Label, TheSharedListGoesWithTheLastLabel) {
    {
        TRzLabel* l = Add("x");
        EXPECT_TRUE(BlinkingControlsListExists());
        delete l;
    }
    EXPECT_FALSE(BlinkingControlsListExists());
}

TEST_F(Label, FlyByColourWhileTheMouseIsOver) {
    TRzLabel* l = Add("Hover");
    l->Font().SetColor(clBlack);
    l->SetFlyByColor(clFuchsia);
    l->SetFlyByEnabled(true);
    ShowForm(form.get());
    input.MouseMove(l, 5, 5);
    EXPECT_EQ(l->Font().Color(), clFuchsia);
    EXPECT_EQ(l->CurrentColor(), clFuchsia);
    input.MoveOutside();
    EXPECT_EQ(l->Font().Color(), clBlack);
    input.MouseMove(l, 5, 5);
    l->SetFlyByEnabled(false); // switched off while over: the colour returns
    EXPECT_EQ(l->Font().Color(), clBlack);
    input.MoveOutside();
    EXPECT_EQ(l->Font().Color(), clBlack);
    // Switched on and off away from the mouse: a colour set meanwhile stays.
    l->SetFlyByEnabled(true);
    l->Font().SetColor(clGreen);
    l->SetFlyByEnabled(false);
    EXPECT_EQ(l->Font().Color(), clGreen);
}

TEST_F(Label, ACondensedCaptionShowsItsEllipsis) {
    const std::string caption = "C:\\Presets\\Hall\\Long name.prs";
    for (auto [mode, flag] :
         {std::pair{ccAtEnd, DT_END_ELLIPSIS}, std::pair{ccWithinPath, DT_PATH_ELLIPSIS}}) {
        SCOPED_TRACE(int(mode));
        TRzLabel* l = Add(caption);
        l->Font().SetQuality(fqNonAntialiased);
        EXPECT_TRUE(l->AutoSize());
        l->SetCondenseCaption(mode);
        EXPECT_FALSE(l->AutoSize());
        l->SetBounds(10, 10, 90, 13);
        ShowForm(form.get());
        const QImage shown = Grab(l);
        // What the text drawing makes of the caption in that width.
        TBitmap expected(90, 13);
        TCanvas& c = expected.Canvas();
        c.Brush().SetColor(l->Color());
        c.FillRect(Rect(0, 0, 90, 13));
        c.Brush().SetStyle(bsClear);
        c.Font().Assign(l->Font());
        TRect r = Rect(0, 0, 90, 13);
        c.DrawText(caption, r, DT_EXPANDTABS | flag);
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                  expected.Image().convertToFormat(QImage::Format_RGB32));
        delete l;
    }
}

TEST_F(Label, ADisabledLabelDrawsOnlyGreyText) {
    form->SetColor(clWhite);
    TRzLabel* l = Add("Raised");
    l->Font().SetQuality(fqNonAntialiased);
    l->Font().SetColor(clBlack);
    l->SetTextStyle(tsRaised);
    l->SetHighlightColor(clYellow);
    l->SetShadowColor(clGreen);
    ShowForm(form.get());
    EXPECT_EQ(Colours(Grab(l)), (std::set<TColor>{clWhite, clBlack, clYellow, clGreen}));
    l->SetLightTextStyle(true); // raised and light: the highlight copy only
    ProcessEvents();
    EXPECT_EQ(Colours(Grab(l)), (std::set<TColor>{clWhite, clBlack, clYellow}));
    l->SetTextStyle(tsRecessed); // recessed and light: the shade copy only
    ProcessEvents();
    EXPECT_EQ(Colours(Grab(l)), (std::set<TColor>{clWhite, clBlack, clYellow}));
    l->SetEnabled(false);
    ProcessEvents();
    EXPECT_EQ(Colours(Grab(l)), (std::set<TColor>{clWhite, ColorToRGB(clGrayText)}));
}

TEST_F(Label, HugeStoredWidthsSaturateAndTheLabelStillDraws) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    TRzLabel* grown = Add("Hello");
    grown->SetBorderWidth(kMax); // auto size: 30 + 2 * kMax stops at the end of int
    EXPECT_EQ(grown->Width(), kMax);
    EXPECT_EQ(grown->Height(), kMax);
    grown->SetAutoSize(false);
    grown->SetBorderWidth(kMin); // the band grows the rectangle past both ends
    TRect inside = Rect(0, 0, 65, 17);
    grown->ShrinkByBorders(inside, true);
    EXPECT_EQ(inside, Rect(kMin, kMin, kMax, kMax));
    delete grown;

    // Every hostile width through every way of drawing the caption.
    struct Case {
        const char* name;
        void (*set)(TRzLabel&, int);
    };
    const Case cases[] = {
        {"border width", [](TRzLabel& l, int v) { l.SetBorderWidth(v); }},
        {"bevel width",
         [](TRzLabel& l, int v) {
             l.SetBorderOuter(fsStatus);
             l.SetBevelWidth(v);
         }},
        {"text margin", [](TRzLabel& l, int v) { l.SetTextMargin(v); }},
        {"shadow depth",
         [](TRzLabel& l, int v) {
             l.SetTextStyle(tsShadow);
             l.SetShadowDepth(v);
         }},
    };
    ShowForm(form.get());
    for (const Case& c : cases)
        for (int value : {kMax, kMin})
            for (TRotation rotation : {roNone, roFlat, roCurve}) {
                SCOPED_TRACE(std::string(c.name) + " " + std::to_string(value) + " " +
                             std::to_string(int(rotation)));
                TRzLabel* l = Add("Hello");
                l->SetAutoSize(false);
                l->SetBounds(10, 10, 65, 17);
                if (rotation == roFlat)
                    l->SetAngle(45);
                l->SetRotation(rotation);
                c.set(*l, value);
                EXPECT_EQ(Grab(l).size(), QSize(65, 17));
                delete l;
            }
}

TEST_F(Label, ReadFromAForm) {
    korvan::panels::RegisterPanelClasses();
    const std::string text = "object Form: TForm\n"
                             "  object lbTitle: TRzLabel\n"
                             "    Left = 4\n"
                             "    Top = 6\n"
                             "    Caption = 'Gain'\n"
                             "    Angle = 45\n"
                             "    TextStyle = tsShadow\n"
                             "    BorderOuter = fsFlat\n"
                             "    BlinkColor = clRed\n"
                             "    Font.Color = clMaroon\n"
                             "    FrameSides = [sdLeft]\n"
                             "  end\n"
                             "end\n";
    form->SetName("Form");
    korvan::forms::ReadComponentText(text, form.get());
    auto* l = korvan::testing::Find<TRzLabel>(form.get(), "lbTitle");
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Angle(), 45);
    EXPECT_EQ(l->Rotation(), roFlat);
    EXPECT_EQ(l->TextStyle(), tsShadow);
    EXPECT_EQ(l->BorderOuter(), fsFlat);
    EXPECT_EQ(l->BlinkColor(), clRed);
    EXPECT_EQ(l->CurrentColor(), clMaroon);
    // Written back, it reads the same.
    const std::string written = korvan::forms::WriteComponentText(form.get());
    EXPECT_NE(written.find("Angle = 45"), std::string::npos) << written;
    EXPECT_EQ(written.find("FrameSides"), std::string::npos) << written;
}

} // namespace

namespace {

TEST_F(Label, AFrameControllerFramesTheLabelAndLetsGoWhenFreed) {
    auto* fc = new TRzFrameController(form.get());
    fc->SetFrameStyle(fsFlat);
    fc->SetFrameColor(clRed);
    TRzLabel* l = Add("Hello");
    l->SetFrameController(fc); // not visible yet: nothing changes
    EXPECT_EQ(l->BorderOuter(), fsNone);
    fc->SetFrameVisible(true);
    EXPECT_EQ(l->BorderOuter(), fsFlat);
    EXPECT_EQ(l->FlatColor(), clRed);
    EXPECT_EQ(l->FlatColorAdjustment(), 0);
    EXPECT_EQ(l->Width(), 32); // sized again around the new frame
    delete fc;
    EXPECT_EQ(l->FrameController(), nullptr);
}

} // namespace
