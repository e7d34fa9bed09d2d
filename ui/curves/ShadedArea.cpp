#include "ui/curves/ShadedArea.h"

#include <algorithm>

namespace korvan::curves {

namespace {

// The shape's path, built in a path kept for the next shape (a 4096-point
// curve is a large path).
void BuildPath(const ShadedAreaShape& shape, Gdiplus::GraphicsPath& path) {
    path.Reset();
    path.AddCurve(shape.Points);
    for (const auto& l : shape.Lines) {
        path.AddLine(l[0], l[1], l[2], l[3]);
    }
}

} // namespace

bool ShadedAreaShape::operator==(const ShadedAreaShape& o) const {
    auto samePoint = [](const Gdiplus::Point& a, const Gdiplus::Point& b) {
        return a.X == b.X && a.Y == b.Y;
    };
    return Lines == o.Lines &&
           std::equal(Points.begin(), Points.end(), o.Points.begin(), o.Points.end(), samePoint);
}

void ShadedArea::Paint(TCanvas& canvas, const ShadedAreaShape& shape, Gdiplus::Color colour) {
    Gdiplus::Graphics graphics(canvas);
    const QSize target = canvas.Image() != nullptr ? canvas.Image()->size() : QSize();
    auto same = [&](const Recorded& r) {
        return !r.Coverage.Empty() && r.Target == target && r.Origin.X == canvas.ViewportOrg().X &&
               r.Origin.Y == canvas.ViewportOrg().Y && r.Clip == canvas.DeviceClip() && r.Shape == shape;
    };
    for (const Recorded& r : recorded_) {
        if (same(r) && graphics.PaintCoverage(r.Coverage, colour) == Gdiplus::Ok) {
            return;
        }
    }
    Gdiplus::GraphicsPath& path = path_;
    BuildPath(shape, path);
    const Gdiplus::Pen pen(colour, 1.0f);
    latest_ = (latest_ + 1) % recorded_.size();
    Recorded& slot = recorded_[latest_];
    slot.Target = QSize(-1, -1); // matches nothing until recorded
    if (graphics.RecordCoverage(&pen, path, true, slot.Coverage) == Gdiplus::Ok &&
        graphics.PaintCoverage(slot.Coverage, colour) == Gdiplus::Ok) {
        slot.Shape = shape;
        slot.Target = target;
        slot.Origin = canvas.ViewportOrg();
        slot.Clip = canvas.DeviceClip();
        return;
    }
    // Targets the coverage cannot serve: draw and fill the path itself.
    graphics.DrawPath(pen, path);
    graphics.FillPath(Gdiplus::SolidBrush(colour), path);
}

} // namespace korvan::curves
