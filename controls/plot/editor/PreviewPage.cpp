#include "controls/plot/editor/PreviewPage.h"

#include "controls/plot/core/PackNumbers.h"
#include "platform/text/Rounding.h"

#include <utility>

namespace korvan::plot {

namespace {

int Nearest(double value) {
    return int(Round(value));
}

// The sheet's own border inside the preview, and how far it sits up and
// left of the centre (its shadow falls below and right).
constexpr int kBorder = 20;
constexpr int kLift = 5;

} // namespace

int PreviewPaperCode(int printSize) {
    switch (printSize) {
    case ippLegal:
        return 5;
    case ippA3:
        return 8;
    case ippA4:
        return 9;
    case ippA5:
        return 11;
    default:
        return 1;
    }
}

TiPreviewPage PreviewPageOf(int previewWidth, int previewHeight, int printSize,
                            TPrinterOrientation orientation, const TiPrintMargins& margins) {
    double pw = 0, ph = 0;
    PaperSizeOf(PreviewPaperCode(printSize), pw, ph);
    if (orientation == poLandscape)
        std::swap(pw, ph);
    // A preview smaller than the border shows a sheet of no size.
    const double w = previewWidth > kBorder ? previewWidth - kBorder : 0;
    const double h = previewHeight > kBorder ? previewHeight - kBorder : 0;
    TiPreviewPage page;
    if (h / ph > w / pw) {
        page.Width = int(w);
        page.Height = Nearest(ph * w / pw);
    } else {
        page.Height = int(h);
        page.Width = Nearest(pw * h / ph);
    }
    page.PixelsPerInch = Nearest(page.Width / pw);
    const double ppi = page.PixelsPerInch;
    page.AreaWidth = page.Width - Nearest((margins.Left + margins.Right) * ppi);
    page.AreaHeight = page.Height - Nearest((margins.Top + margins.Bottom) * ppi);
    const int cx = previewWidth / 2, cy = previewHeight / 2;
    page.Page = Rect(cx - page.Width / 2 - kLift, cy - page.Height / 2 - kLift, cx + page.Width / 2 - kLift,
                     cy + page.Height / 2 - kLift);
    page.AreaOrigin =
        Point(page.Page.Left + Nearest(ppi * margins.Left), page.Page.Top + Nearest(ppi * margins.Top));
    return page;
}

TSize FitPicture(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight) {
    if (areaWidth <= 0 || areaHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return {};
    const double aw = areaWidth, ah = areaHeight, sw = pictureWidth, sh = pictureHeight;
    if (aw / sw >= ah / sh)
        return {Nearest(sw * ah / sh), areaHeight};
    return {areaWidth, Nearest(sh * aw / sw)};
}

} // namespace korvan::plot
