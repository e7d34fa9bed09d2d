#include "ui/main/form/MainForm.h"

#include "ui/main/form/PageNames.h"

#include <array>

namespace korvan::mainform {

namespace {

constexpr TColor PageColour = TColor(0x484848);
constexpr TColor FrameColour = clBlack;
constexpr TColor BarColour = TColor(0x303030);
constexpr TColor ButtonColour = TColor(0x404040);
constexpr const char* Dashes =
    "------------------------------------------------------------------------------";
// A delay line's dashes are 6 pixels apart, as the editor counts them, so
// that the line ends at its icon. The line's text is centred top to bottom
// on the icon's middle.
constexpr const char* DashFont = "Tahoma";
constexpr int DashHeight = -14;

// Scale-mark tops on the dynamics pages' meter panels: the page meter's,
// each channel's, the gate's.
constexpr int PageMarkTops[] = {45, 68, 91, 115, 138, 161, 184, 208};
constexpr int ChannelMarkTops[] = {58, 81, 105, 128, 151, 175, 198, 222};
constexpr int GateMarkTops[] = {36, 59, 82, 105, 129, 152, 175, 198, 222};

constexpr Family Frames[] = {
    // Background pictures behind the pages.
    {.kind = Kind::Image,
     .name = "imLeftUpBase",
     .parent = "rzgMain",
     .width = 1082,
     .height = 256,
     .face = "base-left-up"},
    {.kind = Kind::Image,
     .name = "imRightUpBase",
     .parent = "rzgMain",
     .left = 1077,
     .width = 35,
     .height = 256,
     .face = "base-right-up"},
    {.kind = Kind::Image,
     .name = "imLeftDownBase",
     .parent = "rzgMain",
     .top = 256,
     .width = 1082,
     .height = 373,
     .face = "base-left-down"},
    {.kind = Kind::Image,
     .name = "imRightDownBase",
     .parent = "rzgMain",
     .left = 1077,
     .top = 256,
     .width = 35,
     .height = 373,
     .face = "base-right-down"},
    // Page buttons: one radio group, the Gain page's down.
    {.kind = Kind::BmpButton,
     .name = "rzbMenu<p>",
     .parent = "rzgFunction",
     .over = Over::Pages,
     .left = 8,
     .top = 6,
     .width = 36,
     .height = 32,
     .dx = 38,
     .tagFrom = TagFrom::Page,
     .caption = "<P>",
     .groupIndex = 1,
     .chosen = GainPage,
     .chosenFontColour = clLime,
     .face = "page",
     .colour = BarColour,
     .fontColour = clWhite},
    // Each page's curve group and parameter group; the Gain page shows.
    {.kind = Kind::GroupBox,
     .name = "rzgFft<p>",
     .parent = "rzgMain",
     .over = Over::Pages,
     .width = 1112,
     .height = 284,
     .visible = false,
     .chosen = GainPage,
     .colour = FrameColour,
     .fontColour = clWhite},
    // The parameter groups have no caption: a function page's columns would
    // cover it, and a channel's group also shows a linked channel's page.
    // The page's button and labels name what it shows; the routing page's
    // group alone is named, above its lowered columns.
    {.kind = Kind::GroupBox,
     .name = "rzgParam<p>",
     .parent = "rzgMain",
     .over = Over::Pages,
     .left = 20,
     .top = 292,
     .width = 1072,
     .height = 280,
     .visible = false,
     .chosen = GainPage,
     .colour = PageColour,
     .fontColour = clWhite},
};

// Rows of one channel display's head: the EQ buttons right of the overlays.
#define EQ_BUTTONS(NAME_SUFFIX, FRAME, OVER, TAGFROM, BYPASS_KIND)                                           \
    {.kind = BYPASS_KIND,                                                                                    \
     .name = "vrbEqBypass" NAME_SUFFIX,                                                                      \
     .parent = FRAME,                                                                                        \
     .over = OVER,                                                                                           \
     .left = 776,                                                                                            \
     .top = 1,                                                                                               \
     .width = 75,                                                                                            \
     .height = 20,                                                                                           \
     .tagFrom = TAGFROM,                                                                                     \
     .caption = "Bypass",                                                                                    \
     .colour = ButtonColour,                                                                                 \
     .fontColour = clWhite,                                                                                  \
     .fontName = "Tahoma",                                                                                   \
     .fontHeight = -11},                                                                                     \
    {                                                                                                        \
        .kind = Kind::DemoButton, .name = "vrbEqReset" NAME_SUFFIX, .parent = FRAME, .over = OVER,           \
        .left = 857, .top = 1, .width = 72, .height = 20, .tagFrom = TAGFROM, .caption = "Reset",            \
        .colour = ButtonColour, .fontColour = clWhite, .fontName = "Tahoma", .fontHeight = -11               \
    }

// A dynamics page's meter panels: the page's own and one per channel.
// The page's own panel is headed by the channel that the page shows.
#define METER_PANELS(PAGE, PAGE_SUFFIX, CHANNELS, CHANNEL_MARKS, PAGE_LEFT, CHANNEL_LEFT, PAGE_MARKS,        \
                     PAGE_TOPS, CHANNEL_TOPS, METER_TOP, METER_HEIGHT, CH_METER_TOP, HEAD_TOP, HEAD)         \
    {.kind = Kind::Panel,                                                                                    \
     .name = "plLevel" PAGE_SUFFIX,                                                                          \
     .parent = PAGE,                                                                                         \
     .left = PAGE_LEFT,                                                                                      \
     .top = 24,                                                                                              \
     .width = 50,                                                                                            \
     .height = 247,                                                                                          \
     .colour = BarColour},                                                                                   \
        {.kind = Kind::Label,                                                                                \
         .name = "lbHead" PAGE_SUFFIX,                                                                       \
         .parent = "plLevel" PAGE_SUFFIX,                                                                    \
         .left = 4,                                                                                          \
         .top = HEAD_TOP,                                                                                    \
         .width = 42,                                                                                        \
         .height = 14,                                                                                       \
         .caption = HEAD,                                                                                    \
         .fontColour = clWhite},                                                                             \
        {.kind = Kind::Existing,                                                                             \
         .name = "pbLevel" PAGE_SUFFIX,                                                                      \
         .parent = "plLevel" PAGE_SUFFIX,                                                                    \
         .left = 6,                                                                                          \
         .top = METER_TOP,                                                                                   \
         .width = 14,                                                                                        \
         .height = METER_HEIGHT},                                                                            \
        {.kind = Kind::Label,                                                                                \
         .name = "lb<k>" PAGE_SUFFIX,                                                                        \
         .parent = "plLevel" PAGE_SUFFIX,                                                                    \
         .over = PAGE_MARKS,                                                                                 \
         .left = 22,                                                                                         \
         .width = 26,                                                                                        \
         .height = 13,                                                                                       \
         .tops = PAGE_TOPS,                                                                                  \
         .caption = "<K>",                                                                                   \
         .fontColour = clWhite},                                                                             \
        {.kind = Kind::Panel,                                                                                \
         .name = "plLevel" PAGE_SUFFIX "<x>",                                                                \
         .parent = PAGE,                                                                                     \
         .over = CHANNELS,                                                                                   \
         .left = CHANNEL_LEFT,                                                                               \
         .top = 24,                                                                                          \
         .width = 50,                                                                                        \
         .height = 247,                                                                                      \
         .dx = 53,                                                                                           \
         .colour = BarColour},                                                                               \
        {.kind = Kind::Label,                                                                                \
         .name = "lbName" PAGE_SUFFIX "<x>",                                                                 \
         .parent = "plLevel" PAGE_SUFFIX "<x>",                                                              \
         .over = CHANNELS,                                                                                   \
         .left = 4,                                                                                          \
         .top = 4,                                                                                           \
         .width = 42,                                                                                        \
         .height = 14,                                                                                       \
         .caption = "<c>",                                                                                   \
         .fontColour = clWhite},                                                                             \
        {.kind = Kind::Existing,                                                                             \
         .name = "pbLevel" PAGE_SUFFIX "<x>",                                                                \
         .parent = "plLevel" PAGE_SUFFIX "<x>",                                                              \
         .over = CHANNELS,                                                                                   \
         .left = 6,                                                                                          \
         .top = CH_METER_TOP,                                                                                \
         .width = 14,                                                                                        \
         .height = METER_HEIGHT},                                                                            \
    {                                                                                                        \
        .kind = Kind::Label, .name = "lb<k>" PAGE_SUFFIX "<x>", .parent = "plLevel" PAGE_SUFFIX "<x>",       \
        .over = CHANNEL_MARKS, .left = 22, .width = 26, .height = 13, .tops = CHANNEL_TOPS,                  \
        .caption = "<K>", .fontColour = clWhite                                                              \
    }

// The limiter indicators of an output dynamics page.
#define LIMIT_LIGHTS(PAGE_SUFFIX)                                                                            \
    {.kind = Kind::Existing,                                                                                 \
     .name = "pbLimit" PAGE_SUFFIX,                                                                          \
     .parent = "plLevel" PAGE_SUFFIX,                                                                        \
     .left = 6,                                                                                              \
     .top = 18,                                                                                              \
     .width = 14,                                                                                            \
     .height = 22},                                                                                          \
        {.kind = Kind::Label,                                                                                \
         .name = "lbLimit" PAGE_SUFFIX,                                                                      \
         .parent = "plLevel" PAGE_SUFFIX,                                                                    \
         .left = 22,                                                                                         \
         .top = 22,                                                                                          \
         .width = 26,                                                                                        \
         .height = 13,                                                                                       \
         .caption = "Lim",                                                                                   \
         .fontColour = clWhite},                                                                             \
        {.kind = Kind::Existing,                                                                             \
         .name = "pbLimit" PAGE_SUFFIX "<x>",                                                                \
         .parent = "plLevel" PAGE_SUFFIX "<x>",                                                              \
         .over = Over::Outputs,                                                                              \
         .left = 6,                                                                                          \
         .top = 30,                                                                                          \
         .width = 14,                                                                                        \
         .height = 22},                                                                                      \
    {                                                                                                        \
        .kind = Kind::Label, .name = "lbLimit" PAGE_SUFFIX "<x>", .parent = "plLevel" PAGE_SUFFIX "<x>",     \
        .over = Over::Outputs, .left = 22, .top = 35, .width = 26, .height = 13, .caption = "Lim",           \
        .fontColour = clWhite                                                                                \
    }

// The compressor's or limiter's page: its title, the transfer plot's place
// and the meters of the output shown and of every output.
#define OUTPUT_DYNAMICS_PAGE(PAGE, TITLE, PLOT, SUFFIX)                                                      \
    {.kind = Kind::Label,                                                                                    \
     .name = TITLE,                                                                                          \
     .parent = PAGE,                                                                                         \
     .left = 16,                                                                                             \
     .top = 4,                                                                                               \
     .width = 538,                                                                                           \
     .height = 16,                                                                                           \
     .caption = "Out1",                                                                                      \
     .fontColour = clWhite,                                                                                  \
     .autoSize = false},                                                                                     \
        {.kind = Kind::XYPlot,                                                                               \
         .name = PLOT,                                                                                       \
         .parent = PAGE,                                                                                     \
         .left = 16,                                                                                         \
         .top = 24,                                                                                          \
         .width = 587,                                                                                       \
         .height = 230},                                                                                     \
        METER_PANELS(PAGE, SUFFIX, Over::Outputs, Over::OutputMarks, 606, 659, Over::Marks, PageMarkTops,    \
                     ChannelMarkTops, 43, 185, 55, 3, "Out1"),                                               \
        LIMIT_LIGHTS(SUFFIX)

// The cells of a routing row: a rounded shape with its label on it.
#define ROUTE_CELL(NAME, ROW, OVER, LEFT, WIDTH, HEIGHT, CAPTION)                                            \
    {.kind = Kind::Shape,                                                                                    \
     .name = "spMatrix" NAME,                                                                                \
     .parent = ROW,                                                                                          \
     .over = OVER,                                                                                           \
     .left = LEFT,                                                                                           \
     .top = 2,                                                                                               \
     .width = WIDTH,                                                                                         \
     .height = HEIGHT},                                                                                      \
    {                                                                                                        \
        .kind = Kind::Label, .name = "lbMatrix" NAME, .parent = ROW, .over = OVER, .left = LEFT,             \
        .top = HEIGHT / 2 - 5, .width = WIDTH, .height = 14, .tagFrom = TagFrom::Channel,                    \
        .caption = CAPTION, .fontColour = clWhite, .autoSize = false, .centred = true                        \
    }

constexpr Family Contents[] = {
    // --- channel pages -------------------------------------------------------------------------------------
    {.kind = Kind::Label,
     .name = "lbFftChannel<c>",
     .parent = "rzgFft<c>",
     .over = Over::Channels,
     .left = 21,
     .top = 4,
     .width = 60,
     .height = 16,
     .caption = "<c>",
     .fontColour = clWhite},
    {.kind = Kind::Display,
     .name = "fftDraw<c>",
     .parent = "rzgFft<c>",
     .over = Over::Channels,
     .left = 21,
     .top = 24,
     .width = 1070,
     .height = 255,
     .tagFrom = TagFrom::Channel},
    {.kind = Kind::GroupBox,
     .name = "rzgFftShowCh<c>",
     .parent = "rzgFft<c>",
     .over = Over::Inputs,
     .left = 460,
     .width = 170,
     .height = 22,
     .colour = FrameColour},
    {.kind = Kind::GroupBox,
     .name = "rzgFftShowCh<c>",
     .parent = "rzgFft<c>",
     .over = Over::Outputs,
     .left = 420,
     .width = 350,
     .height = 22,
     .colour = FrameColour},
    {.kind = Kind::PowerButton,
     .name = "vrbShow<s><c>",
     .parent = "rzgFftShowCh<c>",
     .over = Over::InputPairs,
     .left = 4,
     .top = 1,
     .width = 52,
     .height = 20,
     .dx = 55,
     .tagFrom = TagFrom::Shown,
     .caption = "<S>",
     .colour = ButtonColour,
     .fontColour = clWhite},
    {.kind = Kind::PowerButton,
     .name = "vrbShow<s><c>",
     .parent = "rzgFftShowCh<c>",
     .over = Over::OutputPairs,
     .left = 4,
     .top = 1,
     .width = 46,
     .height = 20,
     .dx = 49,
     .tagFrom = TagFrom::Shown,
     .caption = "<S>",
     .colour = ButtonColour,
     .fontColour = clWhite},
    EQ_BUTTONS("<c>", "rzgFft<c>", Over::Channels, TagFrom::Channel, Kind::PowerButton),
    {.kind = Kind::PowerButton,
     .name = "vrbEqShowAll<c>",
     .parent = "rzgFft<c>",
     .over = Over::Channels,
     .left = 934,
     .top = 1,
     .width = 100,
     .height = 20,
     .tagFrom = TagFrom::Channel,
     .caption = "Show All",
     .colour = ButtonColour,
     .fontColour = clWhite,
     .fontName = "Tahoma",
     .fontHeight = -11},
    {.kind = Kind::Existing,
     .name = "pbLevel<c>",
     .parent = "rzgParam<c>",
     .over = Over::Channels,
     .left = 1040,
     .top = 40,
     .width = 14,
     .height = 122},
    {.kind = Kind::Existing,
     .name = "pbLimit<c>",
     .parent = "rzgParam<c>",
     .over = Over::Outputs,
     .left = 1040,
     .top = 24,
     .width = 14,
     .height = 11},

    // --- Gain page -----------------------------------------------------------------------------------------
    {.kind = Kind::Label,
     .name = "lbFftGainIn",
     .parent = "rzgFftGain",
     .left = 40,
     .top = 4,
     .caption = "Input",
     .fontColour = clWhite},
    {.kind = Kind::Display,
     .name = "fftDrawGainIn",
     .parent = "rzgFftGain",
     .left = 10,
     .top = 24,
     .width = 530,
     .height = 255,
     .tagFrom = TagFrom::Base},
    {.kind = Kind::Label,
     .name = "lbFftGainOut",
     .parent = "rzgFftGain",
     .left = 600,
     .top = 4,
     .caption = "Output",
     .fontColour = clWhite},
    {.kind = Kind::Display,
     .name = "fftDrawGainOut",
     .parent = "rzgFftGain",
     .left = 550,
     .top = 24,
     .width = 530,
     .height = 255,
     .tagFrom = TagFrom::Base},
    {.kind = Kind::GroupBox,
     .name = "rzgFftShowChIn",
     .parent = "rzgFftGain",
     .left = 180,
     .width = 226,
     .height = 22,
     .colour = FrameColour},
    {.kind = Kind::GroupBox,
     .name = "rzgFftShowChOut",
     .parent = "rzgFftGain",
     .left = 662,
     .width = 420,
     .height = 22,
     .colour = FrameColour},
    {.kind = Kind::PowerButton,
     .name = "vrbShow<x>Gain",
     .parent = "rzgFftShowChIn",
     .over = Over::Inputs,
     .left = 4,
     .top = 1,
     .width = 52,
     .height = 20,
     .dx = 55,
     .tagFrom = TagFrom::Channel,
     .caption = "<c>",
     .colour = ButtonColour,
     .fontColour = clWhite},
    {.kind = Kind::PowerButton,
     .name = "vrbShow<x>Gain",
     .parent = "rzgFftShowChOut",
     .over = Over::Outputs,
     .left = 4,
     .top = 1,
     .width = 48,
     .height = 20,
     .dx = 51,
     .tagFrom = TagFrom::Channel,
     .caption = "<c>",
     .colour = ButtonColour,
     .fontColour = clWhite},

    // --- Delay page ----------------------------------------------------------------------------------------
    {.kind = Kind::Label,
     .name = "lbFftDelayIn",
     .parent = "rzgFftDelay",
     .left = 20,
     .top = 4,
     .width = 520,
     .height = 16,
     .caption = "Input",
     .fontColour = clWhite,
     .autoSize = false},
    {.kind = Kind::Panel,
     .name = "plFftDelayIn",
     .parent = "rzgFftDelay",
     .left = 20,
     .top = 24,
     .width = 520,
     .height = 234,
     .colour = BarColour},
    {.kind = Kind::Label,
     .name = "lbFftDelayOut",
     .parent = "rzgFftDelay",
     .left = 560,
     .top = 4,
     .width = 520,
     .height = 16,
     .caption = "Output",
     .fontColour = clWhite,
     .autoSize = false},
    {.kind = Kind::Panel,
     .name = "plFftDelayOut",
     .parent = "rzgFftDelay",
     .left = 560,
     .top = 24,
     .width = 520,
     .height = 234,
     .colour = BarColour},
    {.kind = Kind::Label,
     .name = "lbDelayShow<c>",
     .parent = "plFftDelayIn",
     .over = Over::Inputs,
     .left = 2,
     .top = 24,
     .width = 36,
     .height = 16,
     .dy = 55,
     .caption = "<c>",
     .fontColour = clWhite},
    {.kind = Kind::Label,
     .name = "lbDelayLine<c>",
     .parent = "plFftDelayIn",
     .over = Over::Inputs,
     .left = 40,
     .top = 7,
     .width = 475,
     .height = 52,
     .dy = 56,
     .tagFrom = TagFrom::Channel,
     .caption = Dashes,
     .fontColour = clSilver,
     .fontName = DashFont,
     .fontHeight = DashHeight,
     .autoSize = false,
     .middle = true},
    {.kind = Kind::Image,
     .name = "imDelay<c>",
     .parent = "plFftDelayIn",
     .over = Over::Inputs,
     .left = 40,
     .top = 19,
     .width = 30,
     .height = 30,
     .dy = 55,
     .tagFrom = TagFrom::Channel,
     .face = "delay-marker"},
    {.kind = Kind::Label,
     .name = "lbFftDelayTime<c>",
     .parent = "plFftDelayIn",
     .over = Over::Inputs,
     .left = 70,
     .top = 26,
     .dy = 55,
     .caption = "0.00ms",
     .fontColour = clYellow},
    {.kind = Kind::Label,
     .name = "lbDelayShow<c>",
     .parent = "plFftDelayOut",
     .over = Over::Outputs,
     .left = 2,
     .top = 8,
     .width = 40,
     .height = 16,
     .dy = 28,
     .caption = "<c>",
     .fontColour = clWhite},
    {.kind = Kind::Label,
     .name = "lbDelayLine<c>",
     .parent = "plFftDelayOut",
     .over = Over::Outputs,
     .left = 45,
     .top = 2,
     .width = 475,
     .height = 28,
     .dy = 28,
     .tagFrom = TagFrom::Channel,
     .caption = Dashes,
     .fontColour = clSilver,
     .fontName = DashFont,
     .fontHeight = DashHeight,
     .autoSize = false,
     .middle = true},
    {.kind = Kind::Image,
     .name = "imDelay<c>",
     .parent = "plFftDelayOut",
     .over = Over::Outputs,
     .left = 40,
     .top = 2,
     .width = 30,
     .height = 30,
     .dy = 28,
     .tagFrom = TagFrom::Channel,
     .face = "delay-marker"},
    {.kind = Kind::Label,
     .name = "lbFftDelayTime<c>",
     .parent = "plFftDelayOut",
     .over = Over::Outputs,
     .left = 70,
     .top = 9,
     .dy = 28,
     .caption = "0.00ms",
     .fontColour = clYellow},
    {.kind = Kind::Fader,
     .name = "isDelay<c>",
     .parent = "rzgParamDelay",
     .over = Over::Channels,
     .left = 60,
     .top = 24,
     .width = 30,
     .height = 196,
     .dx = 80,
     .tagFrom = TagFrom::Channel,
     .face = "thumb",
     .max = 65280,
     .pageSize = 6},
    {.kind = Kind::Edit,
     .name = "cvdDelay<c>",
     .parent = "rzgParamDelay",
     .over = Over::Channels,
     // Wide enough for "326.750 ms", centred under the fader.
     .left = 36,
     .top = 226,
     .width = 78,
     .height = 22,
     .dx = 80,
     .tagFrom = TagFrom::Channel,
     .caption = "0.00ms",
     .fontColour = clBlack},
    // Each fader's channel, under its edit.
    {.kind = Kind::Label,
     .name = "lbDelayName<c>",
     .parent = "rzgParamDelay",
     .over = Over::Channels,
     .left = 36,
     .top = 252,
     .width = 78,
     .height = 14,
     .dx = 80,
     .tagFrom = TagFrom::Channel,
     .caption = "<c>",
     .fontColour = clWhite,
     .autoSize = false,
     .centred = true},
    // Titles over the input and output faders and over the unit buttons.
    PageTitle("lbDelayInput", "rzgParamDelay", 30, 6, 310, "Input"),
    PageTitle("lbDelayOutput", "rzgParamDelay", 350, 6, 630, "Output"),
    PageTitle("lbDelayUnit", "rzgParamDelay", 1000, 20, 60, "Unit"),
    {.kind = Kind::BmpButton,
     .name = "rzbUnit0",
     .parent = "rzgParamDelay",
     .left = 1000,
     .top = 40,
     .width = 60,
     .height = 30,
     .tagFrom = TagFrom::Base,
     .tagBase = 0,
     .caption = "ms",
     .groupIndex = 1,
     .chosen = 0,
     .face = "wide",
     .colour = BarColour,
     .fontColour = clWhite},
    {.kind = Kind::BmpButton,
     .name = "rzbUnit1",
     .parent = "rzgParamDelay",
     .left = 1000,
     .top = 80,
     .width = 60,
     .height = 30,
     .tagFrom = TagFrom::Base,
     .tagBase = 1,
     .caption = "m",
     .groupIndex = 1,
     .face = "wide",
     .colour = BarColour,
     .fontColour = clWhite},
    {.kind = Kind::BmpButton,
     .name = "rzbUnit2",
     .parent = "rzgParamDelay",
     .left = 1000,
     .top = 120,
     .width = 60,
     .height = 30,
     .tagFrom = TagFrom::Base,
     .tagBase = 2,
     .caption = "ft",
     .groupIndex = 1,
     .face = "wide",
     .colour = BarColour,
     .fontColour = clWhite},

    // --- GEQ page ------------------------------------------------------------------------------------------
    {.kind = Kind::GroupBox,
     .name = "rzgFftGeqIn<x>",
     .parent = "rzgFftGeq",
     .over = Over::Inputs,
     .width = 1112,
     .height = 284,
     .visible = false,
     .chosen = 0,
     .colour = FrameColour,
     .fontColour = clWhite},
    {.kind = Kind::Label,
     .name = "lbFftChGeqIn<x>",
     .parent = "rzgFftGeqIn<x>",
     .over = Over::Inputs,
     .left = 21,
     .top = 4,
     .caption = "<c>",
     .fontColour = clWhite},
    {.kind = Kind::Display,
     .name = "fftDrawGeqIn<x>",
     .parent = "rzgFftGeqIn<x>",
     .over = Over::Inputs,
     .left = 21,
     .top = 24,
     .width = 1070,
     .height = 255,
     .tagFrom = TagFrom::Index,
     .tagBase = 14},
    EQ_BUTTONS("GeqIn<x>", "rzgFftGeqIn<x>", Over::Inputs, TagFrom::Index, Kind::DemoButton),
    {.kind = Kind::BmpButton,
     .name = "rzbGeqSelIn<x>",
     .parent = "rzgParamGeq",
     .over = Over::Inputs,
     .left = 8,
     .top = 24,
     .width = 60,
     .height = 30,
     .dy = 36,
     .tagFrom = TagFrom::Index,
     .caption = "<c>",
     .groupIndex = 1,
     .chosen = 0,
     .face = "wide",
     .colour = BarColour,
     .fontColour = clWhite},
    {.kind = Kind::GroupBox,
     .name = "rzgGeqIn<x>",
     .parent = "rzgParamGeq",
     .over = Over::Inputs,
     .left = 76,
     .top = 16,
     .width = 988,
     .height = 256,
     .visible = false,
     .chosen = 0,
     .colour = PageColour,
     .fontColour = clWhite},
    {.kind = Kind::Label,
     .name = "lbGeqin<x>",
     .parent = "rzgGeqIn<x>",
     .over = Over::Inputs,
     .left = 6,
     .top = 5,
     .caption = "<c>",
     .fontColour = clWhite},
    {.kind = Kind::Fader,
     .name = "isGeqCh<NN>In<x>",
     .parent = "rzgGeqIn<x>",
     .over = Over::InputBands,
     .left = 8,
     .top = 20,
     .width = 26,
     .height = 200,
     .dx = 31,
     .tagFrom = TagFrom::Band,
     .face = "thumb",
     .max = 240,
     .pageSize = 6,
     .position = 120},
    {.kind = Kind::Label,
     .name = "lbGeqGainCh<NN>In<x>",
     .parent = "rzgGeqIn<x>",
     .over = Over::InputBands,
     .left = 6,
     .top = 226,
     .width = 31,
     .height = 14,
     .dx = 31,
     .caption = "+ 0.0",
     .fontColour = clWhite,
     .autoSize = false},

    // --- Compressor, limiter and gate pages ----------------------------------------------------------------
    OUTPUT_DYNAMICS_PAGE("rzgFftComp", "lbCompName", "ipComp", "CompOut"),
    OUTPUT_DYNAMICS_PAGE("rzgFftLimit", "lbLimitName", "ipLimit", "LimitOut"),
    {.kind = Kind::Label,
     .name = "lbGateName",
     .parent = "rzgFftGate",
     .left = 12,
     .top = 4,
     .width = 759,
     .height = 16,
     .caption = "InA",
     .fontColour = clWhite,
     .autoSize = false},
    {.kind = Kind::XYPlot,
     .name = "ipGate",
     .parent = "rzgFftGate",
     .left = 12,
     .top = 24,
     .width = 810,
     .height = 230},
    METER_PANELS("rzgFftGate", "GateIn", Over::Inputs, Over::InputGateMarks, 822, 873, Over::GateMarks,
                 GateMarkTops, GateMarkTops, 32, 208, 32, 4, "InA"),

    // --- Matrix page: the block diagram and the routing drawing --------------------------------------------
    {.kind = Kind::PaintBox,
     .name = "pbMatrix",
     .parent = "rzgFftMatrix",
     .left = 465,
     .top = 38,
     .width = 97,
     .height = 210},
    {.kind = Kind::Panel,
     .name = "plMatrix<c>",
     .parent = "rzgFftMatrix",
     .over = Over::Inputs,
     .left = 50,
     .top = 35,
     .width = 415,
     .height = 35,
     .dy = 61,
     .colour = FrameColour},
    {.kind = Kind::Panel,
     .name = "plMatrix<c>",
     .parent = "rzgFftMatrix",
     .over = Over::Outputs,
     .left = 561,
     .top = 23,
     .width = 510,
     .height = 30,
     .dy = 30,
     .colour = FrameColour},
    {.kind = Kind::Shape,
     .name = "spMatrixName<c>",
     .parent = "plMatrix<c>",
     .over = Over::Inputs,
     .top = 2,
     .width = 58,
     .height = 31},
    {.kind = Kind::Label,
     .name = "lbMatrixName<c>",
     .parent = "plMatrix<c>",
     .over = Over::Inputs,
     .left = 3,
     .top = 3,
     .width = 70,
     .height = 14,
     .tagFrom = TagFrom::Channel,
     .caption = "<c>",
     .fontColour = clWhite,
     .autoSize = false},
    {.kind = Kind::Label,
     .name = "lbMatrixChName<c>",
     .parent = "plMatrix<c>",
     .over = Over::Inputs,
     .left = 3,
     .top = 18,
     .width = 70,
     .height = 14,
     .tagFrom = TagFrom::Channel,
     .caption = "Input<N>",
     .fontColour = clAqua,
     .autoSize = false},
    ROUTE_CELL("Gain<c>", "plMatrix<c>", Over::Inputs, 77, 50, 31, "GAIN"),
    ROUTE_CELL("Gate<c>", "plMatrix<c>", Over::Inputs, 134, 50, 31, "GATE"),
    ROUTE_CELL("Geq<c>", "plMatrix<c>", Over::Inputs, 191, 50, 31, "GEQ"),
    ROUTE_CELL("Peq<c>", "plMatrix<c>", Over::Inputs, 248, 50, 31, "PEQ"),
    ROUTE_CELL("HpLp<c>", "plMatrix<c>", Over::Inputs, 305, 50, 31, "HP/LP"),
    ROUTE_CELL("Delay<c>", "plMatrix<c>", Over::Inputs, 362, 50, 31, "DELAY"),
    ROUTE_CELL("Xover<c>", "plMatrix<c>", Over::Outputs, 2, 50, 26, "XOVER"),
    ROUTE_CELL("Peq<c>", "plMatrix<c>", Over::Outputs, 61, 50, 26, "PEQ"),
    ROUTE_CELL("Gain<c>", "plMatrix<c>", Over::Outputs, 121, 50, 26, "GAIN"),
    ROUTE_CELL("Comp<c>", "plMatrix<c>", Over::Outputs, 180, 50, 26, "COMP"),
    ROUTE_CELL("Phase<c>", "plMatrix<c>", Over::Outputs, 240, 50, 26, "LIMIT"),
    ROUTE_CELL("Delay<c>", "plMatrix<c>", Over::Outputs, 298, 50, 26, "DELAY"),
    ROUTE_CELL("Mute<c>", "plMatrix<c>", Over::Outputs, 359, 50, 26, "MUTE"),
    {.kind = Kind::Shape,
     .name = "spMatrixName<c>",
     .parent = "plMatrix<c>",
     .over = Over::Outputs,
     .left = 416,
     .top = 2,
     .width = 58,
     .height = 26},
    {.kind = Kind::Label,
     .name = "lbMatrixName<c>",
     .parent = "plMatrix<c>",
     .over = Over::Outputs,
     .left = 418,
     .top = 2,
     .width = 80,
     .height = 13,
     .tagFrom = TagFrom::Channel,
     .caption = "<c>",
     .fontColour = clWhite,
     .autoSize = false},
    {.kind = Kind::Label,
     .name = "lbMatrixChName<c>",
     .parent = "plMatrix<c>",
     .over = Over::Outputs,
     .left = 419,
     .top = 15,
     .width = 80,
     .height = 13,
     .tagFrom = TagFrom::Channel,
     .caption = "Output<N>",
     .fontColour = clAqua,
     .autoSize = false},
};

#undef EQ_BUTTONS
#undef METER_PANELS
#undef LIMIT_LIGHTS
#undef ROUTE_CELL
#undef OUTPUT_DYNAMICS_PAGE

} // namespace

std::span<const Family> PageFrames() {
    return Frames;
}

std::span<const Family> PageContents() {
    return Contents;
}

std::vector<std::string> MainFormNames() {
    std::vector<std::string> names = FamilyNames(Frames);
    for (std::span<const Family> step : {std::span<const Family>(Contents), ParameterControls()})
        for (std::string& name : FamilyNames(step))
            names.push_back(std::move(name));
    return names;
}

} // namespace korvan::mainform
