// Recorded coverage of a solid-colour shape: rasterised once, painted again
// without the path. Recording paints the shape with the target's own clip
// and geometry into a scratch image where every paint adds one to a pixel's
// alpha; painting back applies the colour that many times, through maps of
// channel values taken from the painter's own blending.

#include "platform/gfx/Gdiplus.h"

#include <QPainter>

namespace Gdiplus {

namespace {

// One count per paint: alpha 1, nothing else.
constexpr ARGB CountingColour = 0x01000000u;
// The alpha of a scratch pixel saturates here: a count that may be more.
constexpr int CountLimit = 255;

bool Antialiased(SmoothingMode m) {
    return m == SmoothingModeAntiAlias || m == SmoothingModeHighQuality;
}

std::uint32_t RampPixel(int row, int v) {
    // Row 0: grey; row 1: the channels in other orders, to check that each
    // channel blends on its own.
    return row == 0 ? qRgb(v, v, v) : qRgb(v, 255 - v, (v * 7) & 255);
}

} // namespace

Status Graphics::RecordCoverage(const Pen* pen, const GraphicsPath& path, bool fill,
                                PathCoverage& out) const {
    out.runs_.clear();
    out.maxCount_ = 0;
    out.target_ = {};
    if (!image_ || image_->isNull())
        return InvalidParameter;
    if (image_->format() != QImage::Format_RGB32 || Antialiased(smoothing_))
        return NotImplemented;
    if (out.counts_.size() != image_->size())
        out.counts_ = QImage(image_->size(), QImage::Format_ARGB32_Premultiplied);
    out.counts_.fill(0u);
    Graphics counting(*this);
    counting.image_ = &out.counts_;
    counting.counting_ = true;
    if (pen) {
        Pen countingPen(*pen);
        countingPen.SetColor(Color(CountingColour));
        counting.DrawPath(countingPen, path);
    }
    if (fill)
        counting.FillPath(SolidBrush(Color(CountingColour)), path);
    for (int y = 0; y < out.counts_.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(out.counts_.constScanLine(y));
        const int w = out.counts_.width();
        for (int x = 0; x < w;) {
            const int count = static_cast<int>(line[x] >> 24);
            int end = x + 1;
            while (end < w && static_cast<int>(line[end] >> 24) == count)
                ++end;
            if (count > 0)
                out.runs_.push_back({y, x, end - x, count});
            out.maxCount_ = std::max(out.maxCount_, count);
            x = end;
        }
    }
    if (out.maxCount_ >= CountLimit) {
        out.runs_.clear();
        return NotImplemented;
    }
    out.target_ = image_->size();
    return Ok;
}

Status Graphics::PaintCoverage(const PathCoverage& coverage, const Color& colour) {
    if (!image_ || image_->isNull())
        return InvalidParameter;
    if (image_->format() != QImage::Format_RGB32 || image_->size() != coverage.target_)
        return NotImplemented;
    PathCoverage::ChannelMaps& maps = coverage.maps_;
    if (maps.Colour != colour.GetValue() || maps.Times.empty()) {
        // What one paint of the colour makes of each channel value, read
        // from the painter blending a ramp the way it fills a path.
        maps.Colour = colour.GetValue();
        maps.Times.assign(1, {});
        QImage ramp(256, 2, QImage::Format_RGB32);
        for (int row = 0; row < 2; ++row)
            for (int v = 0; v < 256; ++v)
                reinterpret_cast<std::uint32_t*>(ramp.scanLine(row))[v] = RampPixel(row, v);
        {
            QPainter p(&ramp);
            p.setRenderHint(QPainter::Antialiasing, false);
            QPainterPath all;
            all.addRect(QRectF(0, 0, 256, 2));
            p.fillPath(all, QColor::fromRgba(colour.GetValue()));
        }
        auto& once = maps.Times[0];
        const auto* grey = reinterpret_cast<const std::uint32_t*>(ramp.constScanLine(0));
        for (int v = 0; v < 256; ++v) {
            once[0][v] = static_cast<std::uint8_t>(qRed(grey[v]));
            once[1][v] = static_cast<std::uint8_t>(qGreen(grey[v]));
            once[2][v] = static_cast<std::uint8_t>(qBlue(grey[v]));
        }
        maps.Valid = true;
        const auto* mixed = reinterpret_cast<const std::uint32_t*>(ramp.constScanLine(1));
        for (int v = 0; v < 256 && maps.Valid; ++v) {
            const std::uint32_t in = RampPixel(1, v);
            const std::uint32_t predicted = qRgb(once[0][qRed(in)], once[1][qGreen(in)], once[2][qBlue(in)]);
            maps.Valid = predicted == mixed[v] && qAlpha(grey[v]) == 255;
        }
    }
    if (!maps.Valid)
        return NotImplemented;
    while (static_cast<int>(maps.Times.size()) < coverage.maxCount_) {
        const auto& last = maps.Times.back();
        const auto& once = maps.Times.front();
        std::array<std::array<std::uint8_t, 256>, 3> next{};
        for (int c = 0; c < 3; ++c)
            for (int v = 0; v < 256; ++v)
                next[c][v] = once[c][last[c][v]];
        maps.Times.push_back(next);
    }
    for (const PathCoverage::Run& run : coverage.runs_) {
        const auto& m = maps.Times[static_cast<std::size_t>(run.Count - 1)];
        auto* line = reinterpret_cast<std::uint32_t*>(image_->scanLine(run.Y)) + run.X;
        for (int i = 0; i < run.Length; ++i) {
            const std::uint32_t v = line[i];
            line[i] = 0xFF000000u | (std::uint32_t(m[0][(v >> 16) & 0xFF]) << 16) |
                      (std::uint32_t(m[1][(v >> 8) & 0xFF]) << 8) | m[2][v & 0xFF];
        }
    }
    return Ok;
}

} // namespace Gdiplus
