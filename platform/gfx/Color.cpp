#include "platform/gfx/Color.h"

#include <array>

namespace {

// The desktop's default colours, one per system colour index, as 0x00BBGGRR.
constexpr std::array<std::uint32_t, 31> kSystemColors = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0),       // desktop background
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application work space
    RGB(51, 153, 255),  // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // grey text
    RGB(0, 0, 0),       // button text
    RGB(67, 78, 84),    // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3-D dark shadow
    RGB(227, 227, 227), // 3-D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(0, 0, 0),       // (unused index 25)
    RGB(0, 102, 204),   // hot light
    RGB(185, 209, 234), // gradient active caption
    RGB(215, 228, 242), // gradient inactive caption
    RGB(51, 153, 255),  // menu highlight
    RGB(240, 240, 240), // menu bar
};

} // namespace

std::uint32_t GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(kSystemColors.size()))
        return 0;
    return kSystemColors[static_cast<std::size_t>(index)];
}

TColor ColorToRGB(TColor color) {
    if ((static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u)
        return static_cast<TColor>(GetSysColor(color & 0xFF));
    return color & 0x00FFFFFF;
}

namespace korvan::gfx {

std::uint32_t ToQRgb(TColor color) {
    const TColor c = ColorToRGB(color);
    return 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) |
           GetBValue(c);
}

TColor FromQRgb(std::uint32_t p) {
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

} // namespace korvan::gfx
