#include "ui/main/form/PresetStrip.h"

namespace korvan::mainform {

namespace {

constexpr TColor BarColour = TColor(0x303030);
constexpr int LabelTop = 8;
constexpr int LabelHeight = 16;

// A caption on the strip, white, followed by its value in lime.
constexpr Family StripLabel(const char* name, int left, int width, const char* caption, TColor colour) {
    return {.kind = Kind::Label,
            .name = name,
            .parent = "rzgPreset",
            .left = left,
            .top = LabelTop,
            .width = width,
            .height = LabelHeight,
            .caption = caption,
            .fontColour = colour,
            .autoSize = false};
}

// A push button on the strip (no group: it pops up after the click).
constexpr Family StripButton(const char* name, int left, const char* caption) {
    return {.kind = Kind::BmpButton,
            .name = name,
            .parent = "rzgPreset",
            .left = left,
            .top = 4,
            .width = 64,
            .height = 24,
            .caption = caption,
            .face = "wide",
            .colour = BarColour,
            .fontColour = clWhite};
}

constexpr Family Strip[] = {
    StripLabel("lPreset", 12, 56, "Preset", clWhite),
    StripLabel("lbPstName", 70, 130, "Default Preset", clLime),
    StripLabel("lAddress", 212, 60, "Address", clWhite),
    StripLabel("lbPstNum", 274, 40, "F00", clLime),
    StripButton("bStore", 330, "Store"),
    StripButton("bRecall", 402, "Recall"),
};

} // namespace

std::span<const Family> PresetStrip() {
    return Strip;
}

} // namespace korvan::mainform
