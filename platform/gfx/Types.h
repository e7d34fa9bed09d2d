#pragma once
// Integer geometry of the drawing layer: points, sizes and rectangles with the
// framework's conventions (a rectangle covers Left..Right-1 and Top..Bottom-1).

#include <algorithm>
#include <limits>

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Coordinates wrap on overflow as the drawing code's integers always have; the
// helpers below do their sums in unsigned arithmetic so that a rectangle read
// from a damaged form with extreme edges stays defined instead of overflowing.
inline int WrapAdd(int a, int b) {
    return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b));
}
inline int WrapSub(int a, int b) {
    return static_cast<int>(static_cast<unsigned>(a) - static_cast<unsigned>(b));
}

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return WrapSub(Right, Left); }
    int Height() const { return WrapSub(Bottom, Top); }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    TRect Offset(int dx, int dy) const {
        return {WrapAdd(Left, dx), WrapAdd(Top, dy), WrapAdd(Right, dx), WrapAdd(Bottom, dy)};
    }
    TRect Inflate(int dx, int dy) const {
        return {WrapSub(Left, dx), WrapSub(Top, dy), WrapAdd(Right, dx), WrapAdd(Bottom, dy)};
    }
    TRect Normalized() const {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) {
    return {x, y};
}
inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
// The far edges stop at the ends of int: a stored size may be anything.
inline TRect Bounds(int left, int top, int width, int height) {
    const auto end = [](int from, int size) {
        const long long e = static_cast<long long>(from) + size;
        return static_cast<int>(
            std::clamp<long long>(e, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    return {left, top, end(left, width), end(top, height)};
}

inline TRect IntersectRect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty())
        return {};
    return r;
}
