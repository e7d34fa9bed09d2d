#include "ui/main/form/ResizeLayout.h"

#include "platform/forms/Control.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/FormTable.h"
#include "ui/main/form/PageNames.h"

#include <array>
#include <span>

namespace korvan::mainform {

namespace {

enum class Prop { Left, Top, Width, Height };

// value = A + step x index + base, where A is (e / pre) x (index + 1) for a
// row rule and ((e / pre) x (mul + mulStep x index)) / div otherwise; e is
// the extra height or width. Every division truncates, in that order.
struct Rule {
    const char* name;
    Over over;
    Prop prop;
    int base;
    int pre = 1;
    int mul = 1;
    int div = 1;
    int step = 0;
    bool perRow = false;
    int mulStep = 0;
    const int* bases = nullptr;
};

int Value(const Rule& r, int e, int index) {
    const int a = r.perRow ? (e / r.pre) * (index + 1) : ((e / r.pre) * (r.mul + r.mulStep * index)) / r.div;
    return a + r.step * index + (r.bases ? r.bases[index] : r.base);
}

constexpr int PageMarks[] = {45, 68, 91, 115, 138, 161, 184, 208};
constexpr int ChannelMarks[] = {58, 81, 105, 128, 151, 175, 198, 222};
constexpr int GateMarks[] = {36, 59, 82, 105, 129, 152, 175, 198, 222};

#define FRAMES(PROP, BASE)                                                                                   \
    {"rzgFftGain", Over::Once, PROP, BASE}, {"rzgFftDelay", Over::Once, PROP, BASE},                         \
        {"rzgFftComp", Over::Once, PROP, BASE}, {"rzgFftLimit", Over::Once, PROP, BASE},                     \
        {"rzgFftGate", Over::Once, PROP, BASE}, {"rzgFftGeq", Over::Once, PROP, BASE},                       \
        {"rzgFftMatrix", Over::Once, PROP, BASE}, {"rzgFft<c>", Over::Channels, PROP, BASE}, {               \
        "rzgFftGeqIn<x>", Over::Inputs, PROP, BASE                                                           \
    }

#define PARAMS(PROP, BASE, PRE, DIV)                                                                         \
    {"rzgParamGain", Over::Once, PROP, BASE, PRE, 1, DIV},                                                   \
        {"rzgParamDelay", Over::Once, PROP, BASE, PRE, 1, DIV},                                              \
        {"rzgParamComp", Over::Once, PROP, BASE, PRE, 1, DIV},                                               \
        {"rzgParamLimit", Over::Once, PROP, BASE, PRE, 1, DIV},                                              \
        {"rzgParamGate", Over::Once, PROP, BASE, PRE, 1, DIV},                                               \
        {"rzgParamGeq", Over::Once, PROP, BASE, PRE, 1, DIV},                                                \
        {"rzgParamMatrix", Over::Once, PROP, BASE, PRE, 1, DIV}, {                                           \
        "rzgParam<c>", Over::Channels, PROP, BASE, PRE, 1, DIV                                               \
    }

// A meter page's scale labels move down by k ninths of the extra height.
#define MARKS(NAME, OVER, FIRST_K, BASES)                                                                    \
    { NAME, OVER, Prop::Top, 0, 1, FIRST_K, 9, 0, false, 1, BASES }

// The compressor's or limiter's meters: the page's own, then each
// output's; each stretches by eight ninths, its marks move by ninths.
#define OUTPUT_METERS(SUFFIX)                                                                                \
    {"pbLevel" SUFFIX, Over::Once, Prop::Height, 185, 1, 8, 9},                                              \
        {"pbLevel" SUFFIX, Over::Once, Prop::Top, 43, 1, 1, 9},                                              \
        {"pbLimit" SUFFIX, Over::Once, Prop::Height, 22, 1, 1, 9},                                           \
        {"lbLimit" SUFFIX, Over::Once, Prop::Top, 22, 1, 1, 9},                                              \
        MARKS("lb<k>" SUFFIX, Over::Marks, 2, PageMarks),                                                    \
        {"pbLevel" SUFFIX "<x>", Over::Outputs, Prop::Height, 185, 1, 8, 9},                                 \
        {"pbLevel" SUFFIX "<x>", Over::Outputs, Prop::Top, 55, 1, 1, 9},                                     \
        {"pbLimit" SUFFIX "<x>", Over::Outputs, Prop::Height, 22, 1, 1, 9},                                  \
        {"lbLimit" SUFFIX "<x>", Over::Outputs, Prop::Top, 35, 1, 1, 9},                                     \
        MARKS("lb<k>" SUFFIX "<x>", Over::OutputMarks, 2, ChannelMarks)

constexpr Rule HeightRules[] = {
    {"rzgMain", Over::Once, Prop::Height, 629},
    FRAMES(Prop::Height, 284),
    {"fftDrawGainIn", Over::Once, Prop::Height, 255},
    {"fftDrawGainOut", Over::Once, Prop::Height, 255},
    {"fftDraw<c>", Over::Channels, Prop::Height, 255},
    {"fftDrawGeqIn<x>", Over::Inputs, Prop::Height, 255},
    PARAMS(Prop::Top, 292, 1, 1),
    {"plFftDelayIn", Over::Once, Prop::Height, 234},
    {"plFftDelayOut", Over::Once, Prop::Height, 234},
    {"ipComp", Over::Once, Prop::Height, 230},
    {"ipLimit", Over::Once, Prop::Height, 230},
    {"ipGate", Over::Once, Prop::Height, 230},
    {"plLevelCompOut", Over::Once, Prop::Height, 247},
    {"plLevelLimitOut", Over::Once, Prop::Height, 247},
    {"plLevelGateIn", Over::Once, Prop::Height, 247},
    {"plLevelGateIn<x>", Over::Inputs, Prop::Height, 247},
    {"plLevelCompOut<x>", Over::Outputs, Prop::Height, 247},
    {"plLevelLimitOut<x>", Over::Outputs, Prop::Height, 247},
    OUTPUT_METERS("CompOut"),
    OUTPUT_METERS("LimitOut"),
    // The gate's.
    {"pbLevelGateIn", Over::Once, Prop::Height, 208, 1, 8, 9},
    {"pbLevelGateIn", Over::Once, Prop::Top, 32, 1, 1, 9},
    {"pbLevelGateIn<x>", Over::Inputs, Prop::Height, 208, 1, 8, 9},
    {"pbLevelGateIn<x>", Over::Inputs, Prop::Top, 32, 1, 1, 9},
    MARKS("lb<k>GateIn", Over::GateMarks, 1, GateMarks),
    MARKS("lb<k>GateIn<x>", Over::InputGateMarks, 1, GateMarks),
    // Delay rows: inputs in fifths, outputs in eighths.
    {"imDelay<c>", Over::Inputs, Prop::Top, 19, 5, 1, 1, 55, true},
    {"lbDelayLine<c>", Over::Inputs, Prop::Top, 7, 5, 1, 1, 56, true},
    {"lbDelayShow<c>", Over::Inputs, Prop::Top, 24, 5, 1, 1, 55, true},
    {"imDelay<c>", Over::Outputs, Prop::Top, 2, 8, 1, 1, 28, true},
    {"lbDelayLine<c>", Over::Outputs, Prop::Top, 2, 8, 1, 1, 28, true},
    {"lbDelayShow<c>", Over::Outputs, Prop::Top, 8, 8, 1, 1, 28, true},
    // Routing rows: inputs in fifths, outputs in ninths.
    {"plMatrix<c>", Over::Inputs, Prop::Top, 35, 5, 1, 1, 61, true},
    {"plMatrix<c>", Over::Outputs, Prop::Top, 23, 9, 1, 1, 30, true},
    {"pbMatrix", Over::Once, Prop::Top, 38, 1, 1, 9},
    {"pbMatrix", Over::Once, Prop::Height, 210},
    {"imLeftUpBase", Over::Once, Prop::Height, 256},
    {"imRightUpBase", Over::Once, Prop::Height, 256},
    {"imLeftDownBase", Over::Once, Prop::Top, 256},
    {"imRightDownBase", Over::Once, Prop::Top, 256},
    {"rzgPreset", Over::Once, Prop::Top, 626},
};

// A routing cell's column: left (w / 3) x k / `div` + `base`, width
// (w / `widthPre`) / `widthDiv` + 50.
#define COLUMN(NAME, OVER, K, DIV, BASE, WIDTH_PRE, WIDTH_DIV)                                               \
    {"lbMatrix" NAME, OVER, Prop::Width, 50, WIDTH_PRE, 1, WIDTH_DIV},                                       \
        {"lbMatrix" NAME, OVER, Prop::Left, BASE, 3, K, DIV},                                                \
        {"spMatrix" NAME, OVER, Prop::Width, 50, WIDTH_PRE, 1, WIDTH_DIV}, {                                 \
        "spMatrix" NAME, OVER, Prop::Left, BASE, 3, K, DIV                                                   \
    }

constexpr Rule WidthRules[] = {
    {"rzbMenuLink", Over::Once, Prop::Left, 1040},
    {"rzgFunction", Over::Once, Prop::Width, 1115},
    {"rzgMain", Over::Once, Prop::Width, 1112},
    FRAMES(Prop::Width, 1112),
    {"fftDraw<c>", Over::Channels, Prop::Width, 1070},
    {"fftDrawGeqIn<x>", Over::Inputs, Prop::Width, 1070},
    {"vrbEqBypass<c>", Over::Channels, Prop::Left, 776},
    {"vrbEqBypassGeqIn<x>", Over::Inputs, Prop::Left, 776},
    {"vrbEqReset<c>", Over::Channels, Prop::Left, 857},
    {"vrbEqResetGeqIn<x>", Over::Inputs, Prop::Left, 857},
    {"vrbEqShowAll<c>", Over::Channels, Prop::Left, 934},
    {"rzgFftShowCh<c>", Over::Inputs, Prop::Left, 460, 1, 1, 2},
    {"rzgFftShowCh<c>", Over::Outputs, Prop::Left, 420, 1, 1, 2},
    PARAMS(Prop::Left, 20, 1, 2),
    {"fftDrawGainIn", Over::Once, Prop::Width, 530, 1, 1, 2},
    {"fftDrawGainOut", Over::Once, Prop::Width, 530, 1, 1, 2},
    {"fftDrawGainOut", Over::Once, Prop::Left, 550, 1, 1, 2},
    {"rzgFftShowChIn", Over::Once, Prop::Left, 180, 1, 1, 2},
    {"rzgFftShowChOut", Over::Once, Prop::Left, 662},
    {"lbFftGainOut", Over::Once, Prop::Left, 600, 1, 1, 2},
    {"plFftDelayIn", Over::Once, Prop::Width, 520, 1, 1, 2},
    {"lbFftDelayIn", Over::Once, Prop::Width, 520, 1, 1, 2},
    {"plFftDelayOut", Over::Once, Prop::Width, 520, 1, 1, 2},
    {"plFftDelayOut", Over::Once, Prop::Left, 560, 1, 1, 2},
    {"lbFftDelayOut", Over::Once, Prop::Width, 520, 1, 1, 2},
    {"lbFftDelayOut", Over::Once, Prop::Left, 560, 1, 1, 2},
    {"lbDelayLine<c>", Over::Channels, Prop::Width, 475, 1, 1, 2},
    {"ipComp", Over::Once, Prop::Width, 587},
    {"ipLimit", Over::Once, Prop::Width, 587},
    {"ipGate", Over::Once, Prop::Width, 810},
    {"lbCompName", Over::Once, Prop::Width, 538},
    {"lbLimitName", Over::Once, Prop::Width, 538},
    {"lbGateName", Over::Once, Prop::Width, 759},
    // The page's own meter panel keeps beside its growing plot.
    {"plLevelCompOut", Over::Once, Prop::Left, 606},
    {"plLevelLimitOut", Over::Once, Prop::Left, 606},
    {"plLevelGateIn", Over::Once, Prop::Left, 822},
    {"plLevelGateIn<x>", Over::Inputs, Prop::Left, 873, 1, 1, 1, 53},
    {"plLevelCompOut<x>", Over::Outputs, Prop::Left, 659, 1, 1, 1, 53},
    {"plLevelLimitOut<x>", Over::Outputs, Prop::Left, 659, 1, 1, 1, 53},
    {"pbMatrix", Over::Once, Prop::Left, 465, 3},
    {"pbMatrix", Over::Once, Prop::Width, 97, 3},
    {"plMatrix<c>", Over::Inputs, Prop::Width, 415, 3},
    {"plMatrix<c>", Over::Outputs, Prop::Left, 561, 1, 2, 3},
    {"plMatrix<c>", Over::Outputs, Prop::Width, 510, 3},
    {"lbMatrixName<c>", Over::Inputs, Prop::Width, 70, 1, 1, 21},
    // An input's name texts start a little inside their cell, as an
    // output's do, not on its edge.
    {"lbMatrixName<c>", Over::Inputs, Prop::Left, 3, 1, 1, 24},
    {"lbMatrixChName<c>", Over::Inputs, Prop::Width, 70, 1, 1, 21},
    {"lbMatrixChName<c>", Over::Inputs, Prop::Left, 3, 1, 1, 24},
    {"spMatrixName<c>", Over::Inputs, Prop::Width, 58, 1, 1, 21},
    {"spMatrixName<c>", Over::Inputs, Prop::Left, 0, 1, 1, 24},
    COLUMN("Gain<c>", Over::Inputs, 2, 8, 77, 1, 21),
    COLUMN("Gate<c>", Over::Inputs, 3, 8, 134, 1, 21),
    COLUMN("Geq<c>", Over::Inputs, 4, 8, 191, 1, 21),
    COLUMN("Peq<c>", Over::Inputs, 5, 8, 248, 1, 21),
    COLUMN("HpLp<c>", Over::Inputs, 6, 8, 305, 1, 21),
    COLUMN("Delay<c>", Over::Inputs, 7, 8, 362, 1, 21),
    COLUMN("Xover<c>", Over::Outputs, 0, 9, 2, 3, 8),
    COLUMN("Peq<c>", Over::Outputs, 1, 9, 61, 3, 8),
    COLUMN("Gain<c>", Over::Outputs, 2, 9, 121, 3, 8),
    COLUMN("Comp<c>", Over::Outputs, 3, 9, 180, 3, 8),
    COLUMN("Phase<c>", Over::Outputs, 4, 9, 240, 3, 8),
    COLUMN("Delay<c>", Over::Outputs, 5, 9, 298, 3, 8),
    COLUMN("Mute<c>", Over::Outputs, 6, 9, 359, 3, 8),
    {"lbMatrixName<c>", Over::Outputs, Prop::Width, 80, 3, 1, 8},
    {"lbMatrixName<c>", Over::Outputs, Prop::Left, 418, 3, 7, 9},
    {"lbMatrixChName<c>", Over::Outputs, Prop::Width, 80, 3, 1, 8},
    {"lbMatrixChName<c>", Over::Outputs, Prop::Left, 419, 3, 7, 9},
    {"spMatrixName<c>", Over::Outputs, Prop::Width, 58, 3, 1, 8},
    {"spMatrixName<c>", Over::Outputs, Prop::Left, 416, 3, 7, 9},
    {"imLeftUpBase", Over::Once, Prop::Width, 1082},
    {"imLeftDownBase", Over::Once, Prop::Width, 1082},
    {"imRightUpBase", Over::Once, Prop::Left, 1077},
    {"imRightDownBase", Over::Once, Prop::Left, 1077},
    {"rzgPreset", Over::Once, Prop::Left, 10, 1, 1, 2},
};

#undef FRAMES
#undef PARAMS
#undef MARKS
#undef OUTPUT_METERS
#undef COLUMN

// A control of the form by name, through the form's own name index: a
// layout step looks up several hundred of its thousands of components.
TControl* Find(const TComponent& form, const std::string& name) {
    return dynamic_cast<TControl*>(form.FindComponent(name));
}

void Set(TControl& c, Prop prop, int value) {
    switch (prop) {
    case Prop::Left:
        c.SetLeft(value);
        break;
    case Prop::Top:
        c.SetTop(value);
        break;
    case Prop::Width:
        c.SetWidth(value);
        break;
    case Prop::Height:
        c.SetHeight(value);
        break;
    }
}

// Applies the rules for extra size e; false at the first missing control.
bool Apply(const TComponent& form, std::span<const Rule> rules, int e) {
    for (const Rule& r : rules) {
        const Family f{.kind = Kind::Existing, .name = r.name, .parent = "", .over = r.over};
        for (const Instance& at : Instances(f)) {
            TControl* c = Find(form, Expand(r.name, at));
            if (c == nullptr)
                return false;
            Set(*c, r.prop, Value(r, e, at.index));
        }
    }
    return true;
}

// Each delay marker at its fader's share of its line, its time beside it.
bool PlaceDelayMarkers(const TComponent& form) {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const std::string suffix = ChannelSuffix(ch);
        TControl* image = Find(form, "imDelay" + suffix);
        TControl* line = Find(form, "lbDelayLine" + suffix);
        TControl* time = Find(form, "lbFftDelayTime" + suffix);
        FaderRange fader;
        if (!image || !line || !time || !ReadFaderRange(Find(form, "isDelay" + suffix), fader))
            return false;
        const int max = fader.max > 0 ? fader.max : 1;
        image->SetLeft(int(std::int64_t(fader.position) * (line->Width() - 90) / max) + 40);
        time->SetLeft(image->Left() + 30);
        time->SetTop(image->Top() + image->Height() / 4);
    }
    return true;
}

} // namespace

LayoutResult LayOutMainForm(TComponent& form, int width, int height, int& extraHeight,
                            const std::function<void(int)>& placeDelayLine) {
    LayoutResult result;
    result.autoScroll = width < DesignWidth || height < DesignHeight;
    if (height >= DesignHeight) {
        const int h = height - DesignHeight;
        extraHeight = h;
        if (!Apply(form, HeightRules, h))
            return {result.autoScroll, false};
    }
    if (width >= DesignWidth && !Apply(form, WidthRules, width - DesignWidth))
        return {result.autoScroll, false};
    if (!PlaceDelayMarkers(form))
        return {result.autoScroll, false};
    // The main group redraws with its new layout. Invalidated, not hidden
    // and shown: that would make every window under it show again (and
    // take the keyboard focus from the control that has it) at each step.
    if (TControl* main = Find(form, "rzgMain"))
        main->Invalidate();
    if (placeDelayLine)
        for (int ch = 0; ch < ChannelCount; ++ch)
            placeDelayLine(ch);
    return result;
}

} // namespace korvan::mainform
