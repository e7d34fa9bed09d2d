#pragma once
// Where the print preview draws its sheet of paper: the page scaled into
// the preview less a 10-pixel border on each side, centred and moved 5
// pixels up and left (its shadow falls 7 pixels lower right), the
// printable area inside the plot's margins, and the plot's picture fitted
// into that area. Pure arithmetic, halves rounding to the even neighbour.

#include "platform/forms/Printer.h"
#include "platform/gfx/Types.h"

namespace korvan::plot {

// Paper sizes the preview offers, in the order of its list.
enum TiPreviewPaper { ippLetter, ippLegal, ippA3, ippA4, ippA5 };

// The printer paper code of a preview paper index; letter for any other.
int PreviewPaperCode(int printSize);

struct TiPrintMargins {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TiPreviewPage {
    // The page in preview pixels and the pixels one inch takes.
    int Width = 0, Height = 0, PixelsPerInch = 0;
    // The printable area inside the margins.
    int AreaWidth = 0, AreaHeight = 0;
    // The sheet on the preview, and the top left of the printable area.
    TRect Page;
    TPoint AreaOrigin;
};

TiPreviewPage PreviewPageOf(int previewWidth, int previewHeight, int printSize,
                            TPrinterOrientation orientation, const TiPrintMargins& margins);

// A picture of pictureWidth x pictureHeight fitted into the area keeping
// its shape; empty when either has no size.
TSize FitPicture(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight);

} // namespace korvan::plot
