#pragma once
// The main window's stored form as data: each row is a family of like
// controls, repeated over the channels, pages or bands it names, with its
// name, parent, place, tag and stored values. One builder reads the rows in
// order and sets the stored properties as a stored form would.
//
// Name, parent and caption patterns hold tokens that each repetition fills:
//   <c>  the channel suffix "InA".."InD", "Out1".."Out8"
//   <x>  the channel's letter or digit ("A", "1"); <N> its number in its
//        kind ("1" for InA and Out1)
//   <S>  the shown channel's suffix (overlay pairs), <s> its letter or digit
//   <NN> the band number "01".."31", <B> the band number "1".."9"
//   <p>  the page suffix ("InA", .., "Gain", "Geq"), <P> the page caption
//   <k>  a meter's scale mark ("Clip", "12", .., "N60"), <K> its caption

#include "platform/forms/Component.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/LoadScope.h"
#include "platform/gfx/Color.h"

#include <span>
#include <string>
#include <vector>

namespace korvan::mainform {

enum class Kind {
    Existing, // built elsewhere: only seated (parent and bounds), and captioned if given
    GroupBox, // page and panel groups
    Panel,    // plain panels (meter and routing rows)
    Label,
    Image,
    Shape,       // the rounded cell behind a routing label
    PaintBox,    // drawings owned by an editor (routing lines)
    XYPlot,      // a dynamics page's transfer-curve plot
    BmpButton,   // page, unit and selector buttons
    PowerButton, // LED toggles (overlays, show all, bypass)
    DemoButton,  // flat text buttons (reset, GEQ bypass)
    Display,     // response-curve display
    Fader,       // vertical fader
    Edit,        // rounded typed-entry field or read-out
    PeqGrid,     // a channel's PEQ band grid (8 bands on inputs, 9 on outputs)
    Combo,       // drop-down list of fixed items
    UpDown,      // up-down button pair
    Radio,       // radio button
};

// What a family repeats over.
enum class Over {
    Once,
    Inputs,         // channels 0..3
    Outputs,        // channels 4..11
    Channels,       // 0..11
    Pages,          // the 19 pages in tag order
    InputPairs,     // each input display with each other input shown on it
    OutputPairs,    // the same for outputs
    InputBands,     // each input's 31 graphic-EQ bands
    Marks,          // a meter's eight scale marks
    GateMarks,      // a gate meter's nine scale marks
    OutputMarks,    // each output's eight marks
    InputGateMarks, // each input's nine gate marks
    PeqBands,       // each channel's PEQ bands (8 on inputs, 9 on outputs)
    OutputSources,  // each output with each input it can mix in (as shown)
};

// Where a control's Tag comes from (plus `tagBase`).
enum class TagFrom { None, Base, Channel, Index, Shown, Band, Page };

inline constexpr TColor NoColour = TColor(0x1FFFFFFF);

struct Family {
    Kind kind;
    const char* name;
    const char* parent;
    Over over = Over::Once;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Step from one repetition to the next.
    int dx = 0;
    int dy = 0;
    // Tops and lefts by repetition index (scale marks, routing rows,
    // dynamics columns), in place of top + dy and left + dx.
    const int* tops = nullptr;
    const int* lefts = nullptr;
    TagFrom tagFrom = TagFrom::None;
    int tagBase = 0;
    const char* caption = nullptr;
    bool visible = true;
    int groupIndex = 0;
    // Adds the channel, band or shown channel to `groupIndex` (the band
    // buttons of a channel and the route buttons of an input form one
    // group each).
    TagFrom groupFrom = TagFrom::None;
    // Buttons that toggle by themselves.
    bool allowAllUp = false;
    // The repetition that starts chosen: down (buttons), shown (groups
    // stored hidden) and in `chosenFontColour`;
    // or none.
    int chosen = -1;
    TColor chosenFontColour = NoColour;
    // Output-source repetitions: the output's own input (Out1 and Out5 InA,
    // Out2 and Out6 InB, ...) starts chosen.
    bool chosenOnDiagonal = false;

    // Our own picture: a bitmap button's face style ("page", "toggle", ..)
    // or an image's picture, as Faces.h names them.
    const char* face = nullptr;

    TColor colour = NoColour;
    TColor fontColour = NoColour;
    const char* fontName = nullptr;
    int fontHeight = 0;
    bool bold = false;
    bool autoSize = true;
    bool centred = false;
    // Labels whose text is centred top to bottom.
    bool middle = false;
    // Edits that only show a value.
    bool readOnly = false;
    // Radio buttons that start checked.
    bool checked = false;
    // Faders and up-downs.
    int min = 0;
    int max = 0;
    int pageSize = 0;
    int position = 0;
    // Combos: the fixed items and the one chosen.
    std::span<const char* const> items = {};
    int itemIndex = -1;
};

// A page's centred white title of one line.
constexpr Family PageTitle(const char* name, const char* parent, int left, int top, int width,
                           const char* caption) {
    return {.kind = Kind::Label,
            .name = name,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = 14,
            .caption = caption,
            .fontColour = clWhite,
            .autoSize = false,
            .centred = true};
}

// One repetition of a family.
struct Instance {
    int index = 0;    // position in the family, for dx and dy
    int channel = -1; // 0..11
    int shown = -1;   // the overlaid channel
    int band = -1;    // 0..30
    int page = -1;    // 0..18
    int mark = -1;    // scale mark 0..8 of the gate's nine
};

// Every repetition of `family`, in build order.
std::vector<Instance> Instances(const Family& family);
// `pattern` with the tokens of `at` filled in.
std::string Expand(const char* pattern, const Instance& at);

// Builds the rows in order under `scope`, owned by the scope's root, each
// parent found by name on the root (built before, or the root itself).
// Throws when a parent or an Existing control is missing.
void BuildFamilies(forms::LoadScope& scope, std::span<const Family> families);

// Every name the rows make, in build order.
std::vector<std::string> FamilyNames(std::span<const Family> families);

} // namespace korvan::mainform
