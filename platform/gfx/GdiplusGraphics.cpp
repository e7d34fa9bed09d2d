// The graphics object of the GDI+ subset: state, clipping, shapes, images
// and strings.

#include "platform/gfx/Gdiplus.h"

#include "platform/gfx/Fonts.h"
#include "platform/gfx/GdiplusRaster.h"
#include "platform/gfx/StringLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace Gdiplus {

namespace {

QRectF Q(const RectF& r) {
    return QRectF(r.X, r.Y, r.Width, r.Height);
}

QPen MakePen(const Pen& pen) {
    QPen q(QColor::fromRgba(pen.GetColor().GetValue()));
    q.setWidthF(pen.GetWidth() > 0 ? pen.GetWidth() : 1.0); // width 0 draws one pixel
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    // Dash lengths in multiples of the pen width.
    switch (pen.GetDashStyle()) {
    case DashStyleDash:
        q.setDashPattern({3, 1});
        break;
    case DashStyleDot:
        q.setDashPattern({1, 1});
        break;
    case DashStyleDashDot:
        q.setDashPattern({3, 1, 1, 1});
        break;
    case DashStyleDashDotDot:
        q.setDashPattern({3, 1, 1, 1, 1, 1});
        break;
    case DashStyleSolid:
        break;
    }
    return q;
}

QFont MakeFont(const Font& f) {
    TFontStyles style = 0;
    if (f.GetStyle() & FontStyleBold)
        style |= fsBold;
    if (f.GetStyle() & FontStyleItalic)
        style |= fsItalic;
    if (f.GetStyle() & FontStyleUnderline)
        style |= fsUnderline;
    if (f.GetStyle() & FontStyleStrikeout)
        style |= fsStrikeOut;
    QFont q = korvan::gfx::MakeQFontPoints(f.Family(), f.PixelSize() * 72.0 / 96.0, style);
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(f.PixelSize()))));
    return q;
}

QString Text(const std::string& s) {
    return QString::fromUtf8(s.c_str(), static_cast<int>(s.size()));
}

} // namespace

Font::Font(const std::string& family, REAL emSize, INT style, Unit unit)
    : family_(family), size_(emSize), style_(style), unit_(unit) {}

Graphics::Graphics(TCanvas& canvas)
    : image_(canvas.Image()), origin_(canvas.ViewportOrg().X, canvas.ViewportOrg().Y),
      deviceClip_(canvas.DeviceClip()) {}

Graphics::Graphics(Bitmap& bitmap) : image_(&bitmap.Pixels()) {}

template <typename F> Status Graphics::Paint(F&& draw) const {
    if (!image_ || image_->isNull())
        return InvalidParameter;
    QPainter p(image_);
    Prepare(p);
    draw(p);
    return Ok;
}

void Graphics::Prepare(QPainter& p) const {
    if (counting_)
        p.setCompositionMode(QPainter::CompositionMode_Plus);
    if (deviceClip_)
        p.setClipRegion(*deviceClip_);
    const bool aa = smoothing_ == SmoothingModeAntiAlias || smoothing_ == SmoothingModeHighQuality;
    p.setRenderHint(QPainter::Antialiasing, aa);
    p.setRenderHint(QPainter::TextAntialiasing, textHint_ != TextRenderingHintSingleBitPerPixel &&
                                                    textHint_ != TextRenderingHintSingleBitPerPixelGridFit);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // GDI+ puts pixel centres on integer coordinates.
    p.translate(origin_.x() + 0.5, origin_.y() + 0.5);
    if (!clip_.IsInfinite())
        p.setClipPath(clip_.Qt(), deviceClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
}

// ---- clipping -------------------------------------------------------------------------------

Status Graphics::SetClip(const Region& r, CombineMode mode) {
    switch (mode) {
    case CombineModeReplace:
        clip_ = r;
        break;
    case CombineModeIntersect:
        clip_.Intersect(r);
        break;
    case CombineModeUnion:
        clip_.Union(r);
        break;
    case CombineModeXor:
        clip_.Xor(r);
        break;
    case CombineModeExclude:
        clip_.Exclude(r);
        break;
    case CombineModeComplement:
        clip_.Complement(r);
        break;
    }
    return Ok;
}

Status Graphics::SetClip(const RectF& r, CombineMode mode) {
    return SetClip(Region(r), mode);
}

Status Graphics::SetClip(const GraphicsPath& p, CombineMode mode) {
    return SetClip(Region(p), mode);
}

Status Graphics::ResetClip() {
    clip_ = Region();
    return Ok;
}

// ---- shapes -----------------------------------------------------------------------------------

bool Graphics::RasterTarget(korvan::gfx::RasterTarget& target) const {
    if (!image_ || image_->isNull() || image_->format() != QImage::Format_RGB32 || counting_ ||
        smoothing_ == SmoothingModeAntiAlias || smoothing_ == SmoothingModeHighQuality)
        return false;
    QRect allowed = image_->rect();
    if (!clip_.IsInfinite()) {
        const std::optional<QRectF> r = korvan::gfx::RectangleOf(clip_.Qt());
        if (!r && !clip_.Qt().isEmpty())
            return false;
        // The pixels a fill of the rectangle would paint; none for an
        // empty clip.
        allowed &= r ? korvan::gfx::PixelsInside(r->translated(origin_)) : QRect();
    }
    target.Size = image_->size();
    target.Origin = origin_;
    target.Clip.clear();
    if (deviceClip_) {
        for (const QRect& r : *deviceClip_)
            if (!(r & allowed).isEmpty())
                target.Clip.push_back(r & allowed);
    } else if (!allowed.isEmpty()) {
        target.Clip.push_back(allowed);
    }
    return true;
}

bool Graphics::RasterPaint(const GraphicsPath& path, const Pen* pen, const SolidBrush* brush) {
    korvan::gfx::RasterTarget target;
    if ((pen && !korvan::gfx::RasterPen(*pen)) || !RasterTarget(target))
        return false;
    const ARGB colour = pen ? pen->GetColor().GetValue() : brush->GetColor().GetValue();
    if (!korvan::gfx::CanBlend(colour))
        return false;
    thread_local korvan::gfx::FlatPath flat;
    thread_local std::vector<PathCoverage::Run> runs;
    if (!korvan::gfx::Flatten(path.Elements(), target, flat))
        return false;
    korvan::gfx::CoverageMask& mask = korvan::gfx::CoverageMask::Mask();
    mask.Begin(target);
    if (pen)
        mask.AddOutline(flat);
    else
        mask.AddFill(flat, path.GetFillMode() == FillModeWinding);
    int maxCount = 0;
    return mask.TakeRuns(runs, maxCount) && korvan::gfx::BlendRuns(*image_, colour, runs, maxCount);
}

Status Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
    if (RasterPaint(path, &pen, nullptr))
        return Ok;
    return Paint([&](QPainter& p) { p.strokePath(path.Qt(), MakePen(pen)); });
}

Status Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
    if (const auto* solid = dynamic_cast<const SolidBrush*>(&brush);
        solid && RasterPaint(path, nullptr, solid))
        return Ok;
    return Paint([&](QPainter& p) { brush.Fill(p, path.Qt()); });
}

Status Graphics::DrawLine(const Pen& pen, REAL x1, REAL y1, REAL x2, REAL y2) {
    GraphicsPath path;
    path.AddLine(x1, y1, x2, y2);
    return DrawPath(pen, path);
}

Status Graphics::DrawLines(const Pen& pen, const std::vector<PointF>& pts) {
    GraphicsPath path;
    path.AddLines(pts);
    return DrawPath(pen, path);
}

Status Graphics::DrawRectangle(const Pen& pen, const RectF& r) {
    GraphicsPath path;
    path.AddRectangle(r);
    return DrawPath(pen, path);
}

Status Graphics::DrawEllipse(const Pen& pen, const RectF& r) {
    GraphicsPath path;
    path.AddEllipse(r.X, r.Y, r.Width, r.Height);
    return DrawPath(pen, path);
}

Status Graphics::DrawArc(const Pen& pen, const RectF& r, REAL start, REAL sweep) {
    GraphicsPath path;
    if (path.AddArc(r.X, r.Y, r.Width, r.Height, start, sweep) != Ok)
        return Ok; // GDI+ skips arcs in boxes of no size
    return DrawPath(pen, path);
}

Status Graphics::DrawBezier(const Pen& pen, PointF p1, PointF p2, PointF p3, PointF p4) {
    GraphicsPath path;
    path.AddBezier(p1, p2, p3, p4);
    return DrawPath(pen, path);
}

Status Graphics::DrawCurve(const Pen& pen, const std::vector<PointF>& pts, REAL tension) {
    GraphicsPath path;
    if (path.AddCurve(pts, tension) != Ok)
        return InvalidParameter;
    return DrawPath(pen, path);
}

Status Graphics::DrawPolygon(const Pen& pen, const std::vector<PointF>& pts) {
    GraphicsPath path;
    if (path.AddPolygon(pts) != Ok)
        return InvalidParameter;
    return DrawPath(pen, path);
}

Status Graphics::FillRectangle(const Brush& brush, const RectF& r) {
    GraphicsPath path;
    path.AddRectangle(r);
    return FillPath(brush, path);
}

Status Graphics::FillEllipse(const Brush& brush, const RectF& r) {
    GraphicsPath path;
    path.AddEllipse(r.X, r.Y, r.Width, r.Height);
    return FillPath(brush, path);
}

Status Graphics::FillPolygon(const Brush& brush, const std::vector<PointF>& pts, FillMode mode) {
    GraphicsPath path(mode);
    if (path.AddPolygon(pts) != Ok)
        return InvalidParameter;
    return FillPath(brush, path);
}

Status Graphics::FillRegion(const Brush& brush, const Region& region) {
    if (region.IsInfinite())
        return InvalidParameter;
    return Paint([&](QPainter& p) { brush.Fill(p, region.Qt()); });
}

// ---- images --------------------------------------------------------------------------------------

Status Graphics::DrawImage(const Image& img, REAL x, REAL y) {
    return DrawImage(img, RectF{x, y, static_cast<REAL>(img.GetWidth()), static_cast<REAL>(img.GetHeight())});
}

Status Graphics::DrawImage(const Image& img, const RectF& dest) {
    if (!img.IsValid())
        return InvalidParameter;
    // Images map pixel for pixel onto the destination's pixel grid.
    return Paint([&](QPainter& p) { p.drawImage(Q(dest).translated(-0.5, -0.5), img.Qt()); });
}

Status Graphics::DrawImage(const Image& img, const Rect& dest, INT sx, INT sy, INT sw, INT sh, Unit,
                           const ImageAttributes* attributes) {
    if (!img.IsValid())
        return InvalidParameter;
    const QImage src = attributes ? attributes->Apply(img.Qt()) : img.Qt();
    return Paint([&](QPainter& p) {
        p.drawImage(QRectF(dest.X - 0.5, dest.Y - 0.5, dest.Width, dest.Height), src, QRectF(sx, sy, sw, sh));
    });
}

// ---- strings ----------------------------------------------------------------------------------------

namespace {

// GDI+ pads a string by a sixth of the em on each side.
double Padding(const Font& f) {
    return f.PixelSize() / 6.0;
}

bool Has(const StringFormat* format, INT flag) {
    return format && (format->GetFormatFlags() & flag) != 0;
}

// The lines of a string in a layout rectangle: wrapped to its width less the
// padding unless the rectangle has no width or the format forbids wrapping.
korvan::gfx::StringLayout LayOut(const std::string& text, const QFont& qf, double pad, const RectF& layout,
                                 const StringFormat* format) {
    const bool wrap = layout.Width > 0 && !Has(format, StringFormatFlagsNoWrap);
    return korvan::gfx::LayOutString(Text(text), qf, wrap ? std::max(1.0, layout.Width - 2 * pad) : 0,
                                     Has(format, StringFormatFlagsMeasureTrailingSpaces));
}

// Where a run of the given extent starts in a layout span, padded at both
// ends: near, centred or far; a span of no extent is a point the padded text
// starts at, is centred on or ends at.
double Place(StringAlignment a, double start, double span, double extent, double pad) {
    if (span <= 0)
        return a == StringAlignmentCenter ? start - extent / 2
               : a == StringAlignmentFar  ? start - pad - extent
                                          : start + pad;
    switch (a) {
    case StringAlignmentCenter:
        return start + (span - extent) / 2;
    case StringAlignmentFar:
        return start + span - pad - extent;
    case StringAlignmentNear:
        break;
    }
    return start + pad;
}

} // namespace

Status Graphics::MeasureString(const std::string& text, const Font& font, const RectF& layout,
                               const StringFormat* format, RectF* bounds) const {
    if (!bounds)
        return InvalidParameter;
    const double pad = Padding(font);
    const QFont qf = MakeFont(font);
    const korvan::gfx::StringLayout lines = LayOut(text, qf, pad, layout, format);
    const double w = lines.Width() > 0 ? lines.Width() + 2 * pad : 0;
    const double h = std::max(lines.Height(), QFontMetricsF(qf).lineSpacing());
    *bounds = {layout.X, layout.Y, static_cast<REAL>(w), static_cast<REAL>(h)};
    return Ok;
}

Status Graphics::DrawString(const std::string& text, const Font& font, const RectF& layout,
                            const StringFormat* format, const Brush& brush) {
    const double pad = Padding(font);
    const QFont qf = MakeFont(font);
    const korvan::gfx::StringLayout lines = LayOut(text, qf, pad, layout, format);
    const StringAlignment align = format ? format->GetAlignment() : StringAlignmentNear;
    const StringAlignment lineAlign = format ? format->GetLineAlignment() : StringAlignmentNear;
    // The glyphs become a path so that every brush kind can fill them.
    QPainterPath glyphs;
    double y = Place(lineAlign, layout.Y, layout.Height, lines.Height(), 0) + QFontMetricsF(qf).ascent();
    for (const korvan::gfx::StringLine& line : lines.Lines) {
        glyphs.addText(QPointF(Place(align, layout.X, layout.Width, line.Width, pad), y), qf, line.Text);
        y += lines.LineHeight;
    }
    return Paint([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        if (layout.Width > 0 && layout.Height > 0 && !Has(format, StringFormatFlagsNoClip))
            p.setClipRect(Q(layout), Qt::IntersectClip);
        brush.Fill(p, glyphs);
    });
}

Status Graphics::DrawString(const std::string& text, const Font& font, const PointF& origin,
                            const Brush& brush) {
    return DrawString(text, font, RectF{origin.X, origin.Y, 0, 0}, nullptr, brush);
}

} // namespace Gdiplus
