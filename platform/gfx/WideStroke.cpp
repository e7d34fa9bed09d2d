#include "platform/gfx/WideStroke.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace korvan::gfx {

namespace {

// The sample point's step from the pixel centre. Far below any distance
// whole-pixel geometry can tell apart from an edge, far above rounding.
constexpr double StepX = 1.0 / (1 << 20);
constexpr double StepY = 1.0 / (1 << 21);

using Interval = std::pair<int, int>; // [first, one past the last]

// A whole-number coordinate as an int, held just beyond [lo, hi]: strokes
// may reach far past the int range, and only the box matters.
int ToInt(double v, int lo, int hi) {
    constexpr double least = std::numeric_limits<int>::min(), most = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(v, std::max(lo - 1.0, least), std::min(hi + 1.0, most)));
}

// Where a row of sample points crosses the stroke of one segment: the
// round ends' discs and the band between them. The stroke of a segment is
// convex, so the crossing is one interval: from the leftmost to the
// rightmost edge of the pieces the row meets.
class SegmentRows {
public:
    SegmentRows(QPoint a, QPoint b, double radius) : a_(a), b_(b), r_(radius) {
        dx_ = static_cast<double>(b.x()) - a.x();
        dy_ = static_cast<double>(b.y()) - a.y();
        length2_ = dx_ * dx_ + dy_ * dy_;
        length_ = std::sqrt(length2_);
    }

    // False when the row at sample height y misses the stroke.
    bool Cross(double y, double& left, double& right) const {
        left = HUGE_VAL;
        right = -HUGE_VAL;
        Disc(a_, y, left, right);
        Disc(b_, y, left, right);
        if (length2_ > 0.0)
            Band(y, left, right);
        return left <= right;
    }

private:
    void Disc(QPoint c, double y, double& left, double& right) const {
        const double v = y - c.y();
        const double q = r_ * r_ - v * v;
        if (q < 0.0)
            return;
        const double h = std::sqrt(q);
        left = std::min(left, c.x() - h);
        right = std::max(right, c.x() + h);
    }

    void Band(double y, double& left, double& right) const {
        const double v = y - a_.y();
        if (dy_ == 0.0) {
            if (std::abs(v) <= r_) {
                left = std::min(left, std::min<double>(a_.x(), b_.x()));
                right = std::max(right, std::max<double>(a_.x(), b_.x()));
            }
            return;
        }
        // Within the radius of the segment's line ...
        const double across = dx_ * v;
        double lo = a_.x() + (across - r_ * length_) / dy_;
        double hi = a_.x() + (across + r_ * length_) / dy_;
        if (lo > hi)
            std::swap(lo, hi);
        // ... and between the perpendiculars at its ends.
        const double along = v * dy_;
        if (dx_ == 0.0) {
            if (along < 0.0 || along > length2_)
                return;
        } else {
            double e0 = a_.x() - along / dx_;
            double e1 = a_.x() + (length2_ - along) / dx_;
            if (e0 > e1)
                std::swap(e0, e1);
            lo = std::max(lo, e0);
            hi = std::min(hi, e1);
        }
        if (lo <= hi) {
            left = std::min(left, lo);
            right = std::max(right, hi);
        }
    }

    QPoint a_, b_;
    double r_;
    double dx_, dy_, length2_, length_;
};

} // namespace

void WideStrokeSpans(const std::vector<QPoint>& pts, bool closed, int width, const QRect& box,
                     std::vector<PixelSpan>& out) {
    out.clear();
    if (pts.empty() || box.isEmpty())
        return;
    const double r = std::max(width, 2) * 0.5;
    // Each row's intervals, kept between calls so that a long curve drawn
    // again allocates nothing.
    thread_local std::vector<std::vector<Interval>> rows;
    if (rows.size() < static_cast<std::size_t>(box.height()))
        rows.resize(static_cast<std::size_t>(box.height()));
    int usedTop = box.bottom() + 1, usedBottom = box.top() - 1;

    auto addSegment = [&](QPoint a, QPoint b) {
        const double top = std::min(a.y(), b.y()) - r, bottom = std::max(a.y(), b.y()) + r;
        const double leftmost = std::min(a.x(), b.x()) - r, rightmost = std::max(a.x(), b.x()) + r;
        if (rightmost < box.left() || leftmost > box.right() + 1.0)
            return;
        const int y0 = std::max(box.top(), ToInt(std::ceil(top - StepY), box.top(), box.bottom()));
        const int y1 = std::min(box.bottom(), ToInt(std::floor(bottom - StepY), box.top(), box.bottom()));
        const SegmentRows segment(a, b, r);
        for (int y = y0; y <= y1; ++y) {
            double left, right;
            if (!segment.Cross(y + StepY, left, right))
                continue;
            const int x0 = std::max(box.left(), ToInt(std::ceil(left - StepX), box.left(), box.right()));
            const int x1 = std::min(box.right(), ToInt(std::floor(right - StepX), box.left(), box.right()));
            if (x0 > x1)
                continue;
            rows[static_cast<std::size_t>(y - box.top())].push_back({x0, x1 + 1});
            usedTop = std::min(usedTop, y);
            usedBottom = std::max(usedBottom, y);
        }
    };
    if (pts.size() == 1)
        addSegment(pts[0], pts[0]);
    for (std::size_t i = 1; i < pts.size(); ++i)
        addSegment(pts[i - 1], pts[i]);
    if (closed && pts.size() > 2)
        addSegment(pts.back(), pts.front());

    for (int y = usedTop; y <= usedBottom; ++y) {
        std::vector<Interval>& row = rows[static_cast<std::size_t>(y - box.top())];
        if (row.empty())
            continue;
        // A curve's segments come mostly left to right: usually sorted.
        if (!std::is_sorted(row.begin(), row.end()))
            std::sort(row.begin(), row.end());
        Interval run = row.front();
        for (std::size_t k = 1; k < row.size(); ++k) {
            if (row[k].first <= run.second) {
                run.second = std::max(run.second, row[k].second);
            } else {
                out.push_back({y, run.first, run.second});
                run = row[k];
            }
        }
        out.push_back({y, run.first, run.second});
        row.clear();
    }
}

} // namespace korvan::gfx
