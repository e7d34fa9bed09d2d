#pragma once
// Layer internal: the one place where the layer's geometry (TRect, TPoint,
// TSize; a rectangle excludes its right and bottom edges) meets Qt's (a
// QRect's right() and bottom() are the last pixels inside). Only the
// layer's own .cpp files include this header.

#include "platform/gfx/Types.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace korvan::forms {

inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
inline TRect ToTRect(const QRect& r) {
    return Bounds(r.x(), r.y(), r.width(), r.height());
}
inline QPoint ToQPoint(TPoint p) {
    return QPoint(p.X, p.Y);
}
inline TPoint ToTPoint(const QPoint& p) {
    return Point(p.x(), p.y());
}
inline QSize ToQSize(TSize s) {
    return QSize(s.cx, s.cy);
}
inline TSize ToTSize(const QSize& s) {
    return TSize{s.width(), s.height()};
}

// A window's place as Qt can hold it. A damaged form can put a control at
// an edge near the end of the int range, where Qt's own right and bottom
// sums overflow: the place is kept within +-2^30 and the size within Qt's
// largest window, so no sum leaves the range. Sums of the layer's own (a
// frame added to the place) are made here in 64 bits for the same reason.
inline QRect WidgetGeometry(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
    const auto place = [](std::int64_t v) {
        constexpr std::int64_t Reach = std::int64_t(1) << 30;
        return int(std::clamp(v, -Reach, Reach));
    };
    const auto size = [](std::int64_t v) { return int(std::clamp<std::int64_t>(v, 0, QWIDGETSIZE_MAX)); };
    return QRect(place(left), place(top), size(width), size(height));
}

} // namespace korvan::forms
