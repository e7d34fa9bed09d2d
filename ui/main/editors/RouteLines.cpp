#include "ui/main/editors/RouteLines.h"

#include "device/model/LUnitControl.h"
#include "platform/gfx/Canvas.h"
#include "ui/main/form/PageNames.h"

#include <array>

namespace korvan::editors {

namespace {

constexpr std::array<int, 4> InputRows = {16, 76, 138, 199};
constexpr std::array<int, 8> OutputRows = {0, 31, 61, 91, 121, 156, 182, 209};
constexpr int FirstOutputChannel = 4;
constexpr int LineWidth = 2;

} // namespace

int RouteStartY(int input, int extraHeight) {
    return InputRows[std::size_t(input)] + extraHeight / 4 * input;
}

int RouteEndY(int output, int extraHeight) {
    return extraHeight / 9 * (output + 1) + OutputRows[std::size_t(output)];
}

void DrawMatrixRoutes(TCanvas& canvas, int width, int extraHeight, const LUnitControl& model) {
    canvas.Pen().SetWidth(LineWidth);
    for (int i = 0; i < int(InputRows.size()); ++i) {
        canvas.Pen().SetColor(mainform::OverlayColour(i));
        for (int j = 0; j < int(OutputRows.size()); ++j) {
            if (((model.GetSourceMask(FirstOutputChannel + j) >> i) & 1u) == 0)
                continue;
            canvas.MoveTo(0, RouteStartY(i, extraHeight));
            canvas.LineTo(width, RouteEndY(j, extraHeight));
        }
    }
}

} // namespace korvan::editors
