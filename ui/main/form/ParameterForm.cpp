// The parameter groups' controls: each channel page's PEQ grid, band
// buttons and EQ faders, crossover and channel strip; the Gain page's twin
// strips; the dynamics pages' columns; the routing page's columns.

#include "ui/main/form/MainForm.h"
#include "ui/main/form/PageNames.h"

namespace korvan::mainform {

namespace {

constexpr TColor PageColour = TColor(0x484848);
constexpr TColor BarColour = TColor(0x303030);
constexpr TColor ButtonColour = TColor(0x404040);

// The high- and low-pass filter types, item i being type i + 1.
constexpr const char* SlopeItems[] = {"BW -6",  "BL -6",  "BW -12", "BL -12", "LK -12", "BW -18", "BL -18",
                                      "BW -24", "BL -24", "LK -24", "BW -30", "BL -30", "BW -36", "BL -36",
                                      "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48"};
constexpr int SlopeStart = 19;

// Columns of the dynamics and routing pages, and the routing rows.
constexpr int OutputColumns[] = {2, 136, 268, 402, 535, 669, 802, 936};
constexpr int GateColumns[] = {90, 336, 583, 830};
constexpr int MatrixColumns[] = {3, 136, 269, 402, 536, 669, 802, 938};
constexpr int MatrixRows[] = {54, 107, 160, 214};
// The routing columns start below their group's caption, which is 13
// pixels high; the group reaches down to the preset strip (582).
constexpr int MatrixColumnTop = 15;
constexpr int MatrixGroupHeight = 290;
// The Gain page's strips: the inputs', a gap, the outputs'.
constexpr int StripLefts[] = {316, 376, 436, 496, 572, 632, 692, 752, 812, 872, 932, 992};

// A caption label of the parameter groups, centred over its controls.
#define CAPTION(NAME, PARENT, OVER, LEFT, TOP, WIDTH, TEXT)                                                  \
    {                                                                                                        \
        .kind = Kind::Label, .name = NAME, .parent = PARENT, .over = OVER, .left = LEFT, .top = TOP,         \
        .width = WIDTH, .height = 14, .tagFrom = TagFrom::Channel, .caption = TEXT, .fontColour = clWhite,   \
        .autoSize = false, .centred = true                                                                   \
    }

// A vertical fader with its tag and stored range.
#define FADER(NAME, PARENT, OVER, LEFT, TOP, WIDTH, HEIGHT, MIN, MAX, PAGE, POSITION)                        \
    {                                                                                                        \
        .kind = Kind::Fader, .name = NAME, .parent = PARENT, .over = OVER, .left = LEFT, .top = TOP,         \
        .width = WIDTH, .height = HEIGHT, .tagFrom = TagFrom::Channel, .face = "thumb", .min = MIN,          \
        .max = MAX, .pageSize = PAGE, .position = POSITION                                                   \
    }

// A rounded edit showing a value (read-only) or taking typed entry.
#define EDIT(NAME, PARENT, OVER, LEFT, TOP, WIDTH, TEXT, READ_ONLY)                                          \
    {                                                                                                        \
        .kind = Kind::Edit, .name = NAME, .parent = PARENT, .over = OVER, .left = LEFT, .top = TOP,          \
        .width = WIDTH, .height = 24, .tagFrom = TagFrom::Channel, .caption = TEXT, .fontColour = clBlack,   \
        .fontName = "Tahoma", .fontHeight = -11, .readOnly = READ_ONLY                                       \
    }

// A bitmap button that toggles by itself.
// Its face is "toggle" (70 wide) or "toggle-narrow" (56 wide).
#define TOGGLE(NAME, PARENT, OVER, LEFT, TOP, WIDTH, TEXT, GROUP)                                            \
    {                                                                                                        \
        .kind = Kind::BmpButton, .name = NAME, .parent = PARENT, .over = OVER, .left = LEFT, .top = TOP,     \
        .width = WIDTH, .height = 22, .tagFrom = TagFrom::Channel, .caption = TEXT, .groupIndex = GROUP,     \
        .allowAllUp = true, .face = (WIDTH) < 70 ? "toggle-narrow" : "toggle", .colour = BarColour,          \
        .fontColour = clWhite                                                                                \
    }

// A dynamics edit of a fader box, wide enough for its longest text
// ("-90.0dB", "3000ms"). A left box's edit (thresholds, hold) is wider than
// a right box's (times): a level is the longer text.
#define DYNAMICS_EDIT(NAME, COLUMN, OVER, BX, TOP, TEXT)                                                     \
    {                                                                                                        \
        .kind = Kind::Edit, .name = NAME, .parent = COLUMN, .over = OVER, .left = (BX) < 60 ? 3 : 69,        \
        .top = TOP, .width = (BX) < 60 ? 65 : 61, .height = 24, .tagFrom = TagFrom::Channel,                 \
        .caption = TEXT, .fontColour = clBlack, .fontName = "Tahoma", .fontHeight = -11                      \
    }

// A dynamics box of a fader: its caption, the fader and its edit.
#define FADER_BOX(NAME, COLUMN, OVER, BX, BY, FADER_HEIGHT, MIN, MAX, POSITION, TEXT, CAPTION_TEXT)          \
    CAPTION("lb" NAME, COLUMN, OVER, BX, BY, 60, CAPTION_TEXT),                                              \
        FADER("is" NAME, COLUMN, OVER, BX + 16, BY + 16, 27, FADER_HEIGHT, MIN, MAX, 10, POSITION),          \
        DYNAMICS_EDIT("cvd" NAME, COLUMN, OVER, BX, BY + FADER_HEIGHT + 22, TEXT)

// A dynamics box of an up-down: its caption, the edit and the up-down.
#define UPDOWN_BOX(NAME, COLUMN, OVER, BX, BY, MAX, POSITION, TEXT, CAPTION_TEXT, VISIBLE)                   \
    {.kind = Kind::Label,                                                                                    \
     .name = "lb" NAME,                                                                                      \
     .parent = COLUMN,                                                                                       \
     .over = OVER,                                                                                           \
     .left = BX,                                                                                             \
     .top = BY,                                                                                              \
     .width = 60,                                                                                            \
     .height = 14,                                                                                           \
     .tagFrom = TagFrom::Channel,                                                                            \
     .caption = CAPTION_TEXT,                                                                                \
     .visible = VISIBLE,                                                                                     \
     .fontColour = clWhite,                                                                                  \
     .autoSize = false,                                                                                      \
     .centred = true},                                                                                       \
        {.kind = Kind::Edit,                                                                                 \
         .name = "cvd" NAME,                                                                                 \
         .parent = COLUMN,                                                                                   \
         .over = OVER,                                                                                       \
         .left = BX,                                                                                         \
         .top = BY + 18,                                                                                     \
         .width = 46,                                                                                        \
         .height = 24,                                                                                       \
         .tagFrom = TagFrom::Channel,                                                                        \
         .caption = TEXT,                                                                                    \
         .visible = VISIBLE,                                                                                 \
         .fontColour = clBlack,                                                                              \
         .fontName = "Tahoma",                                                                               \
         .fontHeight = -11},                                                                                 \
    {                                                                                                        \
        .kind = Kind::UpDown, .name = "ud" NAME, .parent = COLUMN, .over = OVER, .left = BX + 46,            \
        .top = BY + 18, .width = 16, .height = 24, .tagFrom = TagFrom::Channel, .visible = VISIBLE,          \
        .max = MAX, .position = POSITION                                                                     \
    }

// A dynamics or routing column: its group and its centred title.
#define COLUMN_GROUP(PREFIX, PARENT, OVER, LEFTS, WIDTH, TOP)                                                \
    {                                                                                                        \
        .kind = Kind::GroupBox, .name = "rzg" PREFIX "<c>", .parent = PARENT, .over = OVER, .top = TOP,      \
        .width = WIDTH, .height = 273, .lefts = LEFTS, .tagFrom = TagFrom::Channel, .colour = BarColour,     \
        .fontColour = clWhite                                                                                \
    }
#define COLUMN_TITLE(PREFIX, OVER, WIDTH)                                                                    \
    {                                                                                                        \
        .kind = Kind::Label, .name = "lb" PREFIX "<c>", .parent = "rzg" PREFIX "<c>", .over = OVER,          \
        .top = 4, .width = WIDTH, .height = 18, .tagFrom = TagFrom::Channel, .caption = "<c>",               \
        .fontColour = clWhite, .fontName = "Times New Roman", .fontHeight = -16, .autoSize = false,          \
        .centred = true                                                                                      \
    }
#define COLUMN(PREFIX, PARENT, OVER, LEFTS, WIDTH)                                                           \
    COLUMN_GROUP(PREFIX, PARENT, OVER, LEFTS, WIDTH, 4), COLUMN_TITLE(PREFIX, OVER, WIDTH)

// One filter of a channel page: caption, fader, read-out, slope list and
// bypass.
#define CUT_FILTER(NAME, LEFT, CAPTION_TEXT, POSITION, TEXT)                                                 \
    BOX("rzp" NAME "<c>", "rzgParam<c>", Over::Channels, LEFT, 74),                                          \
        CAPTION("lb" NAME "Freq<c>", "rzp" NAME "<c>", Over::Channels, 2, 2, 70, CAPTION_TEXT),              \
        FADER("is" NAME "Freq<c>", "rzp" NAME "<c>", Over::Channels, 22, 18, 30, 120, 0, 300, 15, POSITION), \
        EDIT("cvd" NAME "Freq<c>", "rzp" NAME "<c>", Over::Channels, 2, 142, 70, TEXT, true),                \
        CAPTION("lb" NAME "Slop<c>", "rzp" NAME "<c>", Over::Channels, 2, 170, 70, "Slope"),                 \
        {.kind = Kind::Combo,                                                                                \
         .name = "rzc" NAME "Slop<c>",                                                                       \
         .parent = "rzp" NAME "<c>",                                                                         \
         .over = Over::Channels,                                                                             \
         .left = 2,                                                                                          \
         .top = 186,                                                                                         \
         .width = 70,                                                                                        \
         .height = 22,                                                                                       \
         .tagFrom = TagFrom::Channel,                                                                        \
         .fontColour = clBlack,                                                                              \
         .items = SlopeItems,                                                                                \
         .itemIndex = SlopeStart},                                                                           \
        TOGGLE("rzb" NAME "Bypass<c>", "rzp" NAME "<c>", Over::Channels, 2, 216, 70, "Bypass", 1)

// A box of a channel page's parameter group, as high as the group allows.
#define BOX(NAME, PARENT, OVER, LEFT, WIDTH)                                                                 \
    {                                                                                                        \
        .kind = Kind::Panel, .name = NAME, .parent = PARENT, .over = OVER, .left = LEFT, .top = 16,          \
        .width = WIDTH, .height = 244, .colour = PageColour                                                  \
    }

constexpr Family Parameters[] = {
    // --- channel pages: the curve group's head -------------------------------------------------------------
    {.kind = Kind::Radio,
     .name = "rbShowGain<c>",
     .parent = "rzgFft<c>",
     .over = Over::Channels,
     .left = 86,
     .top = 3,
     .width = 44,
     .height = 18,
     .tagFrom = TagFrom::Channel,
     .caption = "Mag",
     .colour = clBlack,
     .fontColour = clYellow,
     .bold = true,
     .checked = true},
    {.kind = Kind::Radio,
     .name = "rbShowPhase<c>",
     .parent = "rzgFft<c>",
     .over = Over::Channels,
     .left = 132,
     .top = 3,
     .width = 56,
     .height = 18,
     .tagFrom = TagFrom::Channel,
     .caption = "Phase",
     .colour = clBlack,
     .fontColour = clSilver,
     .bold = true},
    {.kind = Kind::Label,
     .name = "lbFftParam<c>",
     // Under the band faders that its keys steer: the display's head has
     // no room left of the overlay buttons.
     .parent = "rzgParam<c>",
     .over = Over::Channels,
     .left = 541,
     .top = 262,
     .tagFrom = TagFrom::Channel,
     .caption = "Frequency  ( \u2190 / \u2192 )      Q(\uff0b/\uff0d)     Gain (  \u2191 / \u2193  )",
     .visible = false,
     .fontColour = clAqua,
     .fontHeight = -10},

    // --- channel pages: PEQ grid ---------------------------------------------------------------------------
    {.kind = Kind::Label,
     .name = "lbEq<c>",
     .parent = "rzgParam<c>",
     .over = Over::Channels,
     .left = 8,
     .top = 18,
     .width = 525,
     .height = 14,
     .tagFrom = TagFrom::Channel,
     .caption = " PEQ       Frequency              Q                    Gain                 Type            "
                "    Bypass",
     .fontColour = clWhite,
     .autoSize = false},
    {.kind = Kind::Panel,
     .name = "rzpPeq<c>",
     .parent = "rzgParam<c>",
     .over = Over::Channels,
     .left = 8,
     .top = 33,
     .width = 525,
     .height = 243,
     .colour = PageColour},
    {.kind = Kind::PeqGrid,
     .name = "peqPeq<c>",
     .parent = "rzpPeq<c>",
     .over = Over::Inputs,
     .left = -11,
     .top = -14,
     .width = 536,
     .height = 270,
     .tagFrom = TagFrom::Channel,
     .fontColour = clWindowText,
     .fontHeight = -13},
    {.kind = Kind::PeqGrid,
     .name = "peqPeq<c>",
     .parent = "rzpPeq<c>",
     .over = Over::Outputs,
     .left = -11,
     .top = -20,
     .width = 536,
     .height = 270,
     .tagFrom = TagFrom::Channel,
     .fontColour = clWindowText,
     .fontHeight = -13},

    // --- channel pages: band buttons and the selected band's faders ----------------------------------------
    // Each button family that forms a radio group or toggles sits in a box
    // of its own, so that a group never reaches into the next family.
    BOX("rzpEqParam<c>", "rzgParam<c>", Over::Channels, 541, 240),
    CAPTION("lbEqParam<c>", "rzpEqParam<c>", Over::Channels, 4, 2, 232, "PEQ Parameter"),
    {.kind = Kind::BmpButton,
     .name = "rzbEq<B><c>",
     .parent = "rzpEqParam<c>",
     .over = Over::PeqBands,
     .left = 4,
     .top = 20,
     .width = 24,
     .height = 22,
     .dx = 26,
     .tagFrom = TagFrom::Band,
     .caption = "<B>",
     .groupIndex = 1,
     .groupFrom = TagFrom::Channel,
     .face = "band",
     .colour = BarColour,
     .fontColour = clWhite},
    CAPTION("lbEqFreq<c>", "rzpEqParam<c>", Over::Channels, 4, 48, 70, "Freq"),
    CAPTION("lbEqBw<c>", "rzpEqParam<c>", Over::Channels, 84, 48, 70, "Q"),
    CAPTION("lbEqGain<c>", "rzpEqParam<c>", Over::Channels, 164, 48, 70, "Gain"),
    FADER("isEqFreq<c>", "rzpEqParam<c>", Over::Channels, 24, 64, 30, 124, 0, 300, 15, 0),
    FADER("isEqBw<c>", "rzpEqParam<c>", Over::Channels, 104, 64, 30, 124, 0, 100, 5, 0),
    FADER("isEqGain<c>", "rzpEqParam<c>", Over::Channels, 184, 64, 30, 124, 0, 240, 3, 120),
    EDIT("cvdEqFreq<c>", "rzpEqParam<c>", Over::Channels, 4, 194, 70, "19.7Hz", true),
    EDIT("cvdEqBw<c>", "rzpEqParam<c>", Over::Channels, 84, 194, 70, "0.4", true),
    EDIT("cvdEqGain<c>", "rzpEqParam<c>", Over::Channels, 164, 194, 70, "+0.0dB", true),

    // --- channel pages: high-pass ("low cut") and low-pass ("high cut") ------------------------------------
    CUT_FILTER("LowCut", 786, "HighPass", 0, "19.7Hz"),
    CUT_FILTER("HighCut", 864, "LowPass", 300, "20.16KHz"),

    // --- channel pages: gain, polarity and mute ------------------------------------------------------------
    BOX("rzpGain<c>", "rzgParam<c>", Over::Channels, 942, 76),
    {.kind = Kind::Label,
     .name = "lbGainName<c>",
     .parent = "rzpGain<c>",
     .over = Over::Channels,
     .left = 3,
     .top = 2,
     .width = 70,
     .height = 16,
     .caption = "<c>",
     .fontColour = clYellow,
     .autoSize = false,
     .centred = true},
    CAPTION("lbGain<c>", "rzpGain<c>", Over::Channels, 3, 18, 70, "Gain"),
    FADER("isGain<c>", "rzpGain<c>", Over::Channels, 23, 34, 30, 124, -280, 120, 6, 0),
    EDIT("cvdGain<c>", "rzpGain<c>", Over::Channels, 3, 164, 70, "+0.0dB", true),
    TOGGLE("rzbPhase<c>", "rzpGain<c>", Over::Channels, 3, 192, 70, "Normal", 1),
    TOGGLE("rzbMute<c>", "rzpGain<c>", Over::Channels, 3, 218, 70, "Mute", 2),

    // --- Gain page: the twin strips of every channel, each in its box --------------------------------------
    PageTitle("lbGainInput", "rzgParamGain", 316, 6, 236, "Input"),
    PageTitle("lbGainOutput", "rzgParamGain", 572, 6, 476, "Output"),
    {.kind = Kind::Panel,
     .name = "rzpGainBackup<c>",
     .parent = "rzgParamGain",
     .over = Over::Channels,
     .top = 22,
     .width = 58,
     .height = 238,
     .lefts = StripLefts,
     .colour = PageColour},
    CAPTION("lbGainBackup<c>", "rzpGainBackup<c>", Over::Channels, 1, 2, 56, "<c>"),
    FADER("isGainBackup<c>", "rzpGainBackup<c>", Over::Channels, 15, 20, 28, 130, -280, 120, 6, 0),
    EDIT("cvdGainBackup<c>", "rzpGainBackup<c>", Over::Channels, 1, 156, 56, "+0.0dB", true),
    TOGGLE("rzbPhaseBackup<c>", "rzpGainBackup<c>", Over::Channels, 1, 184, 56, "Normal", 3),
    TOGGLE("rzbMuteBackup<c>", "rzpGainBackup<c>", Over::Channels, 1, 210, 56, "Mute", 2),

    // --- compressor page: one column per output ------------------------------------------------------------
    // As narrow as the limiter's: the columns are about 133 apart, and a
    // wider column would overlap its neighbour and run past the group.
    COLUMN("Comp", "rzgParamComp", Over::Outputs, OutputColumns, 132),
    FADER_BOX("CompThreshold<c>", "rzgComp<c>", Over::Outputs, 6, 27, 64, -180, 40, 40, "+20.0dB",
              "Threshold"),
    FADER_BOX("CompAttack<c>", "rzgComp<c>", Over::Outputs, 68, 27, 64, 0, 998, 49, "50ms", "Attack"),
    UPDOWN_BOX("CompRatio<c>", "rzgComp<c>", Over::Outputs, 6, 150, 15, 0, "1:1.0", "Ratio", true),
    FADER_BOX("CompRelease<c>", "rzgComp<c>", Over::Outputs, 68, 148, 64, 9, 2999, 499, "500ms", "Release"),
    UPDOWN_BOX("CompKnee<c>", "rzgComp<c>", Over::Outputs, 6, 210, 12, 12, "12dB", "Knee", true),

    // --- limiter page --------------------------------------------------------------------------------------
    COLUMN("Limit", "rzgParamLimit", Over::Outputs, OutputColumns, 132),
    FADER_BOX("LimitThreshold<c>", "rzgLimit<c>", Over::Outputs, 6, 27, 180, -180, 40, 40, "+20.0dB",
              "Threshold"),
    FADER_BOX("LimitAttack<c>", "rzgLimit<c>", Over::Outputs, 68, 27, 64, 0, 998, 49, "50ms", "Attack"),
    FADER_BOX("LimitRelease<c>", "rzgLimit<c>", Over::Outputs, 68, 148, 64, 9, 2999, 499, "500ms", "Release"),
    UPDOWN_BOX("LimitKnee<c>", "rzgLimit<c>", Over::Outputs, 6, 210, 12, 12, "12dB", "Knee", false),

    // --- gate page: one column per input -------------------------------------------------------------------
    COLUMN("Gate", "rzgParamGate", Over::Inputs, GateColumns, 140),
    FADER_BOX("GateThreshold<c>", "rzgGate<c>", Over::Inputs, 6, 27, 64, -180, 0, 0, "+ 0.0dB", "Threshold"),
    FADER_BOX("GateAttack<c>", "rzgGate<c>", Over::Inputs, 68, 27, 64, 0, 998, 0, "1ms", "Attack"),
    FADER_BOX("GateHold<c>", "rzgGate<c>", Over::Inputs, 6, 148, 64, 9, 998, 99, "100ms", "Hold"),
    FADER_BOX("GateRelease<c>", "rzgGate<c>", Over::Inputs, 68, 148, 64, 9, 2999, 99, "100ms", "Release"),

    // --- routing page: one column per output, one row per input --------------------------------------------
    // The page's group is named "Matrix" above its columns: taller than the
    // other pages' groups (up to the preset strip), its columns below the
    // caption.
    {.kind = Kind::Existing,
     .name = "rzgParamMatrix",
     .parent = "rzgMain",
     .left = 20,
     .top = 292,
     .width = 1072,
     .height = MatrixGroupHeight,
     .caption = "Matrix"},
    // Each column's background picture lies under the title and the rows.
    COLUMN_GROUP("Matrix", "rzgParamMatrix", Over::Outputs, MatrixColumns, 132, MatrixColumnTop),
    {.kind = Kind::Image,
     .name = "rzsMatrix<c>",
     .parent = "rzgMatrix<c>",
     .over = Over::Outputs,
     .left = 2,
     .top = 2,
     .width = 128,
     .height = 269,
     .face = "base-matrix-column"},
    COLUMN_TITLE("Matrix", Over::Outputs, 132),
    {.kind = Kind::BmpButton,
     .name = "rzb<s>Matrix<c>",
     .parent = "rzgMatrix<c>",
     .over = Over::OutputSources,
     .left = 9,
     .width = 40,
     .height = 24,
     .tops = MatrixRows,
     .tagFrom = TagFrom::Shown,
     .caption = "In<s>",
     .groupIndex = 1,
     .groupFrom = TagFrom::Shown,
     .allowAllUp = true,
     .chosenOnDiagonal = true,
     .face = "route",
     .colour = BarColour,
     .fontColour = clWhite},
    {.kind = Kind::Edit,
     .name = "cvd<s>Matrix<c>",
     .parent = "rzgMatrix<c>",
     .over = Over::OutputSources,
     .left = 55,
     .width = 55,
     .height = 24,
     .tops = MatrixRows,
     .tagFrom = TagFrom::Shown,
     .caption = "+0.0dB",
     .fontColour = clBlack,
     .fontName = "Tahoma",
     .fontHeight = -11},
    {.kind = Kind::UpDown,
     .name = "udMixGain<s><c>",
     .parent = "rzgMatrix<c>",
     .over = Over::OutputSources,
     .left = 110,
     .width = 16,
     .height = 24,
     .tops = MatrixRows,
     .tagFrom = TagFrom::Shown,
     .min = -280,
     .max = 0},
};

#undef CAPTION
#undef FADER
#undef EDIT
#undef TOGGLE
#undef DYNAMICS_EDIT
#undef FADER_BOX
#undef UPDOWN_BOX
#undef COLUMN
#undef COLUMN_GROUP
#undef COLUMN_TITLE
#undef CUT_FILTER
#undef BOX

} // namespace

std::span<const Family> ParameterControls() {
    return Parameters;
}

} // namespace korvan::mainform
