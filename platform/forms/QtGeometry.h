#pragma once
// Layer internal: the one place where the layer's geometry (TRect, TPoint,
// TSize; a rectangle excludes its right and bottom edges) meets Qt's (a
// QRect's right() and bottom() are the last pixels inside). Only the
// layer's own .cpp files include this header.

#include "platform/gfx/Types.h"

#include <QPoint>
#include <QRect>
#include <QSize>

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

} // namespace korvan::forms
