// The canvas given coordinates and sizes across the whole int range: lines
// cut to the clip keep the steps of the whole line, fills and transfers
// touch only the image, and nothing runs for as long as the numbers are
// large (the sanitiser builds check the arithmetic).

#include "platform/gfx/Canvas.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <set>
#include <utility>

namespace {

constexpr int Low = std::numeric_limits<int>::min(), High = std::numeric_limits<int>::max();

QImage Black(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(0xFF000000u);
    return img;
}

// The one-pixel line rule stepped from end to end, the end left out.
std::set<std::pair<int, int>> SteppedLine(QPoint a, QPoint b, QRect image) {
    std::set<std::pair<int, int>> out;
    std::int64_t x = a.x(), y = a.y();
    const std::int64_t dx = std::abs(std::int64_t(b.x()) - x), dy = std::abs(std::int64_t(b.y()) - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    std::int64_t err = 0;
    for (std::int64_t i = 0; i < std::max(dx, dy); ++i) {
        if (image.contains(static_cast<int>(x), static_cast<int>(y)))
            out.insert({static_cast<int>(x), static_cast<int>(y)});
        if (dx >= dy) {
            x += sx;
            err += dy;
            if (2 * err >= dx) {
                y += sy;
                err -= dx;
            }
        } else {
            y += sy;
            err += dx;
            if (2 * err >= dy) {
                x += sx;
                err -= dy;
            }
        }
    }
    return out;
}

} // namespace

TEST(CanvasExtremes, LongLinesCutToTheClipKeepTheStepsOfTheWholeLine) {
    std::mt19937 rng(29);
    std::uniform_int_distribution<int> far(-200000, 200000), near(-5, 45);
    for (int round = 0; round < 60; ++round) {
        // One end far away, the other near or far: most cross the image.
        const QPoint a(far(rng), far(rng) / (1 + round % 7));
        const QPoint b =
            round % 3 ? QPoint(near(rng), near(rng)) : QPoint(-a.x() + near(rng), -a.y() + near(rng));
        for (TPenMode mode : {pmCopy, pmXor}) {
            QImage img = Black(40, 30);
            TCanvas c(&img);
            c.Pen().SetColor(clWhite);
            c.Pen().SetMode(mode);
            c.MoveTo(a.x(), a.y());
            c.LineTo(b.x(), b.y());
            std::set<std::pair<int, int>> drawn;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (img.pixel(x, y) != 0xFF000000u)
                        drawn.insert({x, y});
            EXPECT_EQ(drawn, SteppedLine(a, b, img.rect()))
                << "round " << round << " from " << a.x() << "," << a.y() << " to " << b.x() << "," << b.y();
        }
    }
}

TEST(CanvasExtremes, ShapesAndTransfersAcrossTheIntRangeTouchOnlyTheImage) {
    // Whole-range rectangles cover the image exactly.
    for (int width : {0, 1, 3}) {
        QImage filled = Black(20, 10), outlined = Black(20, 10);
        TCanvas f(&filled), o(&outlined);
        f.Brush().SetColor(clRed);
        f.FillRect(TRect{Low, Low, High, High});
        o.Pen().SetWidth(width);
        o.Brush().SetColor(clRed);
        o.Rectangle(Low, Low, High, High);
        const QImage red = [] {
            QImage i(20, 10, QImage::Format_RGB32);
            i.fill(0xFFFF0000u);
            return i;
        }();
        EXPECT_EQ(filled, red);
        EXPECT_EQ(outlined, red) << "width " << width << ": the outline lies far outside";
    }
    // A filled shape far larger than the image fills the part it covers.
    QImage big = Black(20, 10);
    TCanvas b(&big);
    b.Pen().SetStyle(psClear);
    b.Brush().SetColor(clRed);
    b.Polygon({{-100000, -100000}, {100000, -100000}, {0, 100000}});
    EXPECT_EQ(big.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(big.pixel(19, 9), 0xFFFF0000u);
    b.Brush().SetColor(clBlue);
    b.Ellipse(-300000, -300000, 300000, 300000);
    EXPECT_EQ(big.pixel(10, 5), 0xFF0000FFu);
    // Every kind of call with places and sizes from the whole range.
    std::mt19937 rng(5);
    const int far[] = {High, Low, 1 << 30, -(1 << 30), 100000, -100000, 65535};
    std::uniform_int_distribution<int> near(-10, 50);
    auto value = [&] { return rng() % 4 == 0 ? far[rng() % std::size(far)] : near(rng); };
    QImage source = Black(20, 20);
    TCanvas src(&source);
    for (int round = 0; round < 650; ++round) {
        QImage img = Black(40, 30);
        TCanvas c(&img);
        c.Pen().SetWidth(round % 6);
        if (round % 3 == 1)
            c.SetClipRect(TRect{3, 2, 30, 20});
        if (round % 7 == 3)
            c.SetViewportOrg(value(), value());
        if (round % 5 == 4)
            c.Pen().SetStyle(psDot);
        const int x1 = value(), y1 = value(), x2 = value(), y2 = value();
        switch (round % 13) {
        case 0:
            c.Polyline({{x1, y1}, {x2, y2}, {value(), value()}});
            break;
        case 1:
            c.Polygon({{x1, y1}, {x2, y2}, {value(), value()}});
            break;
        case 2:
            c.Ellipse(x1, y1, x2, y2);
            break;
        case 3:
            c.Rectangle(x1, y1, x2, y2);
            break;
        case 4:
            c.MoveTo(x1, y1);
            c.LineTo(x2, y2);
            break;
        case 5:
            c.RoundRect(x1, y1, x2, y2, value(), value());
            break;
        case 6:
            c.FrameRect(TRect{x1, y1, x2, y2});
            break;
        case 7:
            c.DrawFocusRect(TRect{x1, y1, x2, y2});
            break;
        case 8:
            c.Pie(x1, y1, x2, y2, value(), value(), value(), value());
            break;
        case 9:
            c.Arc(x1, y1, x2, y2, value(), value(), value(), value());
            break;
        case 10:
            c.TextOut(x1, y1, "Hz");
            break;
        case 11:
            c.StretchBlt(x1, y1, x2, y2, &src, value(), value(), value(), value(), 0x00CC0020);
            break;
        default:
            c.TransparentBlt(x1, y1, x2, y2, src, value(), value(), value(), value(), clBlack);
            break;
        }
    }
}
