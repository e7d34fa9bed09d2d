#include "platform/gfx/Region.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace korvan::gfx {

namespace {

// A region of the pixels whose centres lie inside the path (aliased fill).
QRegion RegionOfPath(const QPainterPath& path) {
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (box.isEmpty())
        return {};
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-box.topLeft());
        p.fillPath(path, Qt::white);
    }
    QRegion r;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* row = mask.constScanLine(y);
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && row[x] < 128)
                ++x;
            const int start = x;
            while (x < mask.width() && row[x] >= 128)
                ++x;
            if (x > start)
                r += QRect(box.left() + start, box.top() + y, x - start, 1);
        }
    }
    return r;
}

} // namespace

Region Region::FromRect(const TRect& r) {
    const TRect n = r.Normalized();
    return Region(QRegion(n.Left, n.Top, n.Width(), n.Height()));
}

Region Region::FromEllipse(const TRect& r) {
    const TRect n = r.Normalized();
    QPainterPath path;
    path.addEllipse(QRectF(n.Left, n.Top, n.Width(), n.Height()));
    return Region(RegionOfPath(path));
}

Region Region::FromRoundRect(const TRect& r, int cornerW, int cornerH) {
    const TRect n = r.Normalized();
    QPainterPath path;
    path.addRoundedRect(QRectF(n.Left, n.Top, n.Width(), n.Height()), cornerW / 2.0, cornerH / 2.0);
    return Region(RegionOfPath(path));
}

Region Region::FromPolygon(const std::vector<TPoint>& pts, TPolyFillMode mode) {
    QPolygonF poly;
    for (const TPoint& p : pts)
        poly << QPointF(p.X, p.Y);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    path.setFillRule(mode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return Region(RegionOfPath(path));
}

Region Region::Combined(const Region& other, TRegionCombine mode) const {
    switch (mode) {
    case RGN_AND:
        return Region(region_.intersected(other.region_));
    case RGN_OR:
        return Region(region_.united(other.region_));
    case RGN_XOR:
        return Region(region_.xored(other.region_));
    case RGN_DIFF:
        return Region(region_.subtracted(other.region_));
    case RGN_COPY:
        return other;
    }
    return *this;
}

TRect Region::BoundingBox() const {
    const QRect b = region_.boundingRect();
    return {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
}

} // namespace korvan::gfx
