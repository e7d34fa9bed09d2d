// The coverage mask of the aliased rasteriser: one-pixel outlines stepped
// along each segment's major axis, fills scanned at pixel centres, both
// counted per pixel and read back as runs.

#include "platform/gfx/GdiplusRaster.h"

#include <algorithm>
#include <cstdlib>

namespace korvan::gfx {

namespace {

using std::int64_t;

constexpr int64_t Sub = RasterSub;
constexpr int64_t Half = RasterSub / 2;

// Exact floor(a / b) for b > 0 and |a|, b below 2^53 (the coordinate
// limit keeps them far below): the quotient in doubles is within one of
// the true one, and the remainder puts it right. Cheaper than an integer
// division.
int64_t FloorDiv(int64_t a, int64_t b) {
    auto q = static_cast<int64_t>(static_cast<double>(a) / static_cast<double>(b));
    int64_t r = a - q * b;
    while (r < 0) {
        --q;
        r += b;
    }
    while (r >= b) {
        ++q;
        r -= b;
    }
    return q;
}

int64_t CeilDiv(int64_t a, int64_t b) { // b > 0
    return -FloorDiv(-a, b);
}

// The pixel whose centre is nearest a fixed coordinate; halves go up.
int Nearest(int64_t v) {
    return static_cast<int>((v + Half) >> 4); // an arithmetic shift floors
}
static_assert(Sub == 16);

// The first pixel at or after a fixed coordinate.
int FirstAtOrAfter(int64_t v) {
    return static_cast<int>((v + Sub - 1) >> 4);
}

// Steps a segment along its major axis u (|du| >= |dv|) over the columns
// lo..hi of that axis, calling plot(u, v) with pixel indices.
template <typename Plot>
void Step(int64_t u0, int64_t v0, int64_t u1, int64_t v1, int lo, int hi, Plot plot) {
    if (u1 < u0) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    const int64_t du = u1 - u0, dv = v1 - v0;
    const int first = std::max(Nearest(u0), lo), last = std::min(Nearest(u1), hi);
    if (du == 0) {
        if (first <= last)
            plot(first, Nearest(v0));
        return;
    }
    // v at u, rounded to the nearest pixel: floor((v0 + (u - u0) dv / du +
    // Half) / Sub), exact in integers.
    const int64_t den = Sub * du;
    for (int c = first; c <= last; ++c) {
        const int64_t u = c * Sub;
        if (u <= u0)
            plot(c, Nearest(v0));
        else if (u >= u1)
            plot(c, Nearest(v1));
        else
            plot(c, static_cast<int>(FloorDiv(v0 * du + (u - u0) * dv + Half * du, den)));
    }
}

} // namespace

CoverageMask& CoverageMask::Mask() {
    thread_local CoverageMask mask;
    return mask;
}

void CoverageMask::Begin(const RasterTarget& target) {
    Clear(); // left over from a shape never read
    saturated_ = false;
    if (size_ != target.Size) {
        // The cells are all clear: the largest buffer yet serves any size.
        size_ = target.Size;
        const auto w = static_cast<std::size_t>(std::max(0, size_.width()));
        const auto h = static_cast<std::size_t>(std::max(0, size_.height()));
        if (cells_.size() < w * h)
            cells_.assign(w * h, 0);
        lo_.assign(h, size_.width());
        hi_.assign(h, -1);
        rowStart_.assign(h + 1, 0);
    }
    const QRect image(QPoint(0, 0), size_);
    clip_.clear();
    for (const QRect& r : target.Clip) {
        const QRect c = r & image;
        if (!c.isEmpty())
            clip_.push_back(c);
    }
    box_ = QRect();
    for (const QRect& r : clip_)
        box_ |= r;
}

inline void CoverageMask::Touch(int y, int x0, int x1) {
    lo_[static_cast<std::size_t>(y)] = std::min(lo_[static_cast<std::size_t>(y)], x0);
    hi_[static_cast<std::size_t>(y)] = std::max(hi_[static_cast<std::size_t>(y)], x1);
}

inline void CoverageMask::Mark(int x, int y) {
    if (x < box_.left() || x > box_.right() || y < box_.top() || y > box_.bottom())
        return;
    if (clip_.size() > 1 && std::none_of(clip_.begin(), clip_.end(), [&](const QRect& r) {
            return r.left() <= x && x <= r.right() && r.top() <= y && y <= r.bottom();
        }))
        return;
    std::uint8_t& cell = cells_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width()) +
                                static_cast<std::size_t>(x)];
    if (cell == 0) {
        cell = 1;
        Touch(y, x, x);
    }
}

void CoverageMask::Segment(FlatPath::Point a, FlatPath::Point b) {
    // Nothing to do where the segment's pixels all lie beyond the clip.
    if (Nearest(std::max(a.X, b.X)) < box_.left() || Nearest(std::min(a.X, b.X)) > box_.right() ||
        Nearest(std::max(a.Y, b.Y)) < box_.top() || Nearest(std::min(a.Y, b.Y)) > box_.bottom())
        return;
    const int64_t dx = std::abs(int64_t{b.X} - a.X), dy = std::abs(int64_t{b.Y} - a.Y);
    if (dx >= dy)
        Step(a.X, a.Y, b.X, b.Y, box_.left(), box_.right(), [this](int x, int y) { Mark(x, y); });
    else
        Step(a.Y, a.X, b.Y, b.X, box_.top(), box_.bottom(), [this](int y, int x) { Mark(x, y); });
}

void CoverageMask::AddOutline(const FlatPath& path) {
    if (box_.isEmpty())
        return;
    for (const FlatPath::Figure& f : path.Figures)
        for (int i = 1; i < f.Count; ++i)
            Segment(path.Points[static_cast<std::size_t>(f.First + i - 1)],
                    path.Points[static_cast<std::size_t>(f.First + i)]);
}

void CoverageMask::AddSpan(int y, int x0, int x1) { // pixels x0 .. x1 - 1
    auto add = [&](int a, int b) {
        if (a >= b)
            return;
        std::uint8_t* row =
            cells_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width());
        for (int x = a; x < b; ++x) {
            if (row[x] + 1 >= CountLimit)
                saturated_ = true;
            else
                ++row[x];
        }
        Touch(y, a, b - 1);
    };
    if (clip_.size() == 1) {
        add(std::max(x0, box_.left()), std::min(x1, box_.right() + 1));
        return;
    }
    for (const QRect& r : clip_)
        if (r.top() <= y && y <= r.bottom())
            add(std::max(x0, r.left()), std::min(x1, r.right() + 1));
}

void CoverageMask::AddFill(const FlatPath& path, bool winding) {
    if (box_.isEmpty())
        return;
    // Every edge's crossings of the pixel-centre rows it spans, half-open
    // (top row in, bottom row out), as the first pixel at or right of the
    // crossing; horizontal edges cross none.
    crossings_.clear();
    const int top = box_.top(), bottom = box_.bottom();
    const int left = box_.left(), right = box_.right() + 1;
    auto edge = [&](FlatPath::Point a, FlatPath::Point b) {
        if (a.Y == b.Y)
            return;
        const int dir = b.Y > a.Y ? 1 : -1;
        if (dir < 0)
            std::swap(a, b);
        const int first = std::max(FirstAtOrAfter(a.Y), top);
        const int last = std::min(FirstAtOrAfter(b.Y) - 1, bottom);
        const int64_t ex = int64_t{b.X} - a.X, ey = int64_t{b.Y} - a.Y;
        for (int row = first; row <= last; ++row) {
            const int64_t x = CeilDiv(int64_t{a.X} * ey + (row * Sub - a.Y) * ex, Sub * ey);
            crossings_.push_back({row, static_cast<int>(std::clamp<int64_t>(x, left, right)), dir});
        }
    };
    for (const FlatPath::Figure& f : path.Figures) {
        if (f.Count < 2)
            continue;
        const FlatPath::Point* p = path.Points.data() + f.First;
        for (int i = 1; i < f.Count; ++i)
            edge(p[i - 1], p[i]);
        edge(p[f.Count - 1], p[0]); // closed back to its start
    }
    if (crossings_.empty())
        return;
    // Sorted by row (counting), then by x within each row.
    const int rows = bottom - top + 1;
    std::fill(rowStart_.begin(), rowStart_.begin() + rows + 1, 0);
    for (const Crossing& c : crossings_)
        ++rowStart_[static_cast<std::size_t>(c.Row - top + 1)];
    for (int r = 0; r < rows; ++r)
        rowStart_[static_cast<std::size_t>(r + 1)] += rowStart_[static_cast<std::size_t>(r)];
    sorted_.resize(crossings_.size());
    {
        std::vector<int> next(rowStart_.begin(), rowStart_.begin() + rows);
        for (const Crossing& c : crossings_)
            sorted_[static_cast<std::size_t>(next[static_cast<std::size_t>(c.Row - top)]++)] = c;
    }
    for (int r = 0; r < rows; ++r) {
        const auto begin = sorted_.begin() + rowStart_[static_cast<std::size_t>(r)];
        const auto end = sorted_.begin() + rowStart_[static_cast<std::size_t>(r + 1)];
        if (begin == end)
            continue;
        std::sort(begin, end, [](const Crossing& a, const Crossing& b) { return a.X < b.X; });
        int count = 0;
        for (auto c = begin; c + 1 < end; ++c) {
            count += winding ? c->Dir : 1;
            const bool inside = winding ? count != 0 : (count & 1) != 0;
            if (inside)
                AddSpan(top + r, c->X, (c + 1)->X);
        }
    }
}

bool CoverageMask::AddCount(int x, int y, int count) {
    if (x < 0 || y < 0 || x >= size_.width() || y >= size_.height() || count <= 0)
        return !saturated_;
    std::uint8_t& cell = cells_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width()) +
                                static_cast<std::size_t>(x)];
    if (cell + count >= CountLimit)
        saturated_ = true;
    else
        cell = static_cast<std::uint8_t>(cell + count);
    Touch(y, x, x);
    return !saturated_;
}

void CoverageMask::Clear() {
    int max = 0;
    Read(nullptr, max);
}

void CoverageMask::Read(std::vector<Gdiplus::PathCoverage::Run>* runs, int& maxCount) {
    maxCount = 0;
    const auto w = static_cast<std::size_t>(size_.width());
    for (int y = 0; y < size_.height(); ++y) {
        const auto row = static_cast<std::size_t>(y);
        if (lo_[row] > hi_[row])
            continue;
        int x = lo_[row];
        const int end = hi_[row] + 1;
        std::uint8_t* cells = cells_.data() + row * w;
        while (x < end) {
            const int count = cells[x];
            int next = x + 1;
            while (next < end && cells[next] == count)
                ++next;
            if (count > 0) {
                if (runs)
                    runs->push_back({y, x, next - x, count});
                maxCount = std::max(maxCount, count);
                std::fill(cells + x, cells + next, std::uint8_t{0});
            }
            x = next;
        }
        lo_[row] = size_.width();
        hi_[row] = -1;
    }
}

bool CoverageMask::TakeRuns(std::vector<Gdiplus::PathCoverage::Run>& runs, int& maxCount) {
    runs.clear();
    Read(&runs, maxCount);
    if (saturated_) {
        saturated_ = false;
        runs.clear();
        maxCount = 0;
        return false;
    }
    return true;
}

} // namespace korvan::gfx
