#pragma once
// The selected band's shaded area: a translucent outline and fill of the
// band's curve closed by straight lines. The display paints it again on
// every page update, mostly with a shape it has just painted; the shapes of
// the last two paints keep their rasterised coverage so that painting one
// again only blends its pixels.

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Gdiplus.h"

#include <QRegion>
#include <array>
#include <optional>
#include <vector>

namespace korvan::curves {

struct ShadedAreaShape {
    // The curve through these points (a cardinal spline), then the lines.
    std::vector<Gdiplus::Point> Points;
    std::vector<std::array<float, 4>> Lines;

    bool operator==(const ShadedAreaShape& o) const;
};

class ShadedArea {
public:
    // Outlines and fills the shape in colour on the canvas's image, inside
    // its clip and origin: the pixels of Graphics::DrawPath with a one-pixel
    // pen and Graphics::FillPath with a solid brush.
    void Paint(TCanvas& canvas, const ShadedAreaShape& shape, Gdiplus::Color colour);

private:
    struct Recorded {
        ShadedAreaShape Shape;
        QSize Target;
        TPoint Origin;
        std::optional<QRegion> Clip;
        Gdiplus::PathCoverage Coverage;
    };
    std::array<Recorded, 2> recorded_;
    std::size_t latest_ = 0;
    Gdiplus::GraphicsPath path_; // the latest new shape's
};

} // namespace korvan::curves
