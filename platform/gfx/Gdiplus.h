#pragma once
// The GDI+ subset the controls use, over QPainter, with GDI+'s conventions:
// pixel centres at integer coordinates, angles in degrees clockwise from the
// x axis, ARGB colours, fonts in points, and string measuring with padding.

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Codecs.h"

#include <QImage>
#include <QPainterPath>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace korvan::gfx {
struct RasterTarget;
}

namespace Gdiplus {

using REAL = float;
using INT = int;
using ARGB = std::uint32_t;

enum Status { Ok = 0, GenericError = 1, InvalidParameter = 2, OutOfMemory = 3, NotImplemented = 6 };

struct PointF {
    REAL X = 0, Y = 0;
};
struct Point {
    INT X = 0, Y = 0;
};
struct SizeF {
    REAL Width = 0, Height = 0;
};
struct RectF {
    REAL X = 0, Y = 0, Width = 0, Height = 0;
    REAL GetLeft() const { return X; }
    REAL GetTop() const { return Y; }
    REAL GetRight() const { return X + Width; }
    REAL GetBottom() const { return Y + Height; }
};
struct Rect {
    INT X = 0, Y = 0, Width = 0, Height = 0;
};

class Color {
public:
    Color() = default;
    Color(ARGB argb) : argb_(argb) {}
    Color(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b)
        : argb_((ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | b) {}
    Color(std::uint8_t r, std::uint8_t g, std::uint8_t b) : Color(255, r, g, b) {}
    ARGB GetValue() const { return argb_; }
    std::uint8_t GetA() const { return static_cast<std::uint8_t>(argb_ >> 24); }
    std::uint8_t GetR() const { return (argb_ >> 16) & 0xFF; }
    std::uint8_t GetG() const { return (argb_ >> 8) & 0xFF; }
    std::uint8_t GetB() const { return argb_ & 0xFF; }

private:
    ARGB argb_ = 0xFF000000u;
};

enum FillMode { FillModeAlternate = 0, FillModeWinding = 1 };
enum SmoothingMode {
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4
};
enum TextRenderingHint {
    TextRenderingHintSystemDefault = 0,
    TextRenderingHintSingleBitPerPixelGridFit = 1,
    TextRenderingHintSingleBitPerPixel = 2,
    TextRenderingHintAntiAliasGridFit = 3,
    TextRenderingHintAntiAlias = 4,
    TextRenderingHintClearTypeGridFit = 5
};
enum DashStyle { DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot };
enum LinearGradientMode {
    LinearGradientModeHorizontal,
    LinearGradientModeVertical,
    LinearGradientModeForwardDiagonal,
    LinearGradientModeBackwardDiagonal
};
enum WrapMode { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum CombineMode {
    CombineModeReplace,
    CombineModeIntersect,
    CombineModeUnion,
    CombineModeXor,
    CombineModeExclude,
    CombineModeComplement
};
enum HatchStyle : int {
    HatchStyleHorizontal = 0,
    HatchStyleVertical,
    HatchStyleForwardDiagonal,
    HatchStyleBackwardDiagonal,
    HatchStyleCross,
    HatchStyleDiagonalCross,
    HatchStyle05Percent,
    HatchStyle10Percent,
    HatchStyle20Percent,
    HatchStyle25Percent,
    HatchStyle30Percent,
    HatchStyle40Percent,
    HatchStyle50Percent,
    HatchStyle60Percent,
    HatchStyle70Percent,
    HatchStyle75Percent,
    HatchStyle80Percent,
    HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal,
    HatchStyleLightUpwardDiagonal,
    HatchStyleDarkDownwardDiagonal,
    HatchStyleDarkUpwardDiagonal,
    HatchStyleWideDownwardDiagonal,
    HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical,
    HatchStyleLightHorizontal,
    HatchStyleNarrowVertical,
    HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical,
    HatchStyleDarkHorizontal,
    HatchStyleDashedDownwardDiagonal,
    HatchStyleDashedUpwardDiagonal,
    HatchStyleDashedHorizontal,
    HatchStyleDashedVertical,
    HatchStyleSmallConfetti,
    HatchStyleLargeConfetti,
    HatchStyleZigZag,
    HatchStyleWave,
    HatchStyleDiagonalBrick,
    HatchStyleHorizontalBrick,
    HatchStyleWeave,
    HatchStylePlaid,
    HatchStyleDivot,
    HatchStyleDottedGrid,
    HatchStyleDottedDiamond,
    HatchStyleShingle,
    HatchStyleTrellis,
    HatchStyleSphere,
    HatchStyleSmallGrid,
    HatchStyleSmallCheckerBoard,
    HatchStyleLargeCheckerBoard,
    HatchStyleOutlinedDiamond,
    HatchStyleSolidDiamond,
    HatchStyleTotal
};
enum FontStyle {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8
};
enum Unit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3 };
enum StringAlignment { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };
enum StringFormatFlags {
    StringFormatFlagsMeasureTrailingSpaces = 0x800,
    StringFormatFlagsNoWrap = 0x1000,
    StringFormatFlagsNoClip = 0x4000
};
enum class ImageFormat { Unknown, Bmp, Png, Jpeg, Gif, Icon, Tiff };

// ---- paths and regions --------------------------------------------------------

class GraphicsPath {
public:
    explicit GraphicsPath(FillMode mode = FillModeAlternate);
    Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
    Status AddLines(const std::vector<PointF>& pts);
    Status AddArc(REAL x, REAL y, REAL w, REAL h, REAL startAngle, REAL sweepAngle);
    Status AddBezier(PointF p1, PointF p2, PointF p3, PointF p4);
    Status AddBeziers(const std::vector<PointF>& pts);
    // A cardinal spline through every point (tension 0.5 by default).
    Status AddCurve(const std::vector<PointF>& pts, REAL tension = 0.5f);
    Status AddCurve(const std::vector<Point>& pts, REAL tension = 0.5f);
    Status AddClosedCurve(const std::vector<PointF>& pts, REAL tension = 0.5f);
    Status AddRectangle(const RectF& r);
    Status AddEllipse(REAL x, REAL y, REAL w, REAL h);
    Status AddPie(REAL x, REAL y, REAL w, REAL h, REAL startAngle, REAL sweepAngle);
    Status AddPolygon(const std::vector<PointF>& pts);
    Status AddPath(const GraphicsPath& other, bool connect);
    Status StartFigure();
    Status CloseFigure();
    Status CloseAllFigures();
    Status Reset();
    Status GetBounds(RectF* bounds) const;
    FillMode GetFillMode() const { return mode_; }
    void SetFillMode(FillMode m);
    bool IsVisible(REAL x, REAL y) const;

    // The path's pieces as the painter's path holds them: moves, lines, and
    // cubic Beziers as a Curve element (the first control point) followed
    // by two CurveData elements (the second control point, the end). Points
    // are REALs, as GDI+ keeps them.
    struct Element {
        enum Kind : std::uint8_t { Move, Line, Curve, CurveData };
        REAL X, Y;
        Kind Type;
    };
    const std::vector<Element>& Elements() const { return elements_; }
    // The same path for the painter, built when first asked for.
    const QPainterPath& Qt() const;

private:
    friend class Graphics;
    void Continue(const QPointF& p); // joins a new piece to the open figure
    // The painter path's own operations, with its rules: a move after a
    // move replaces it, a line to the current point and a curve of no
    // extent are dropped, closing adds a line back to the figure's start.
    void MoveTo(const QPointF& p);
    void LineTo(const QPointF& p);
    void CubicTo(const QPointF& c1, const QPointF& c2, const QPointF& e);
    void Close();
    void MoveIfClosed();
    // Replays a painter path's elements from one index through the
    // operations above.
    void Replay(const QPainterPath& p, int from);
    // Appends another path's elements as they are, as the painter adds a
    // path: a trailing move of this path is dropped.
    void Append(const std::vector<Element>& other, std::size_t otherFigureStart);
    void Changed() { painterPathCurrent_ = false; }

    std::vector<Element> elements_;
    std::size_t figureStart_ = 0; // the element the current figure starts at
    bool moveRequired_ = false;   // after a close: the next piece starts anew
    FillMode mode_;
    bool figureOpen_ = false;
    mutable QPainterPath painterPath_;
    mutable bool painterPathCurrent_ = true;
};

class Region {
public:
    Region(); // infinite
    explicit Region(const RectF& r);
    explicit Region(const GraphicsPath& p);
    Status Intersect(const Region& r);
    Status Union(const Region& r);
    Status Xor(const Region& r);
    Status Exclude(const Region& r);
    Status Complement(const Region& r);
    bool IsInfinite() const { return infinite_; }
    const QPainterPath& Qt() const { return path_; }

private:
    QPainterPath path_;
    bool infinite_ = false;
};

// ---- images ---------------------------------------------------------------------

class Image {
public:
    Image() = default;
    explicit Image(QImage img, ImageFormat format = ImageFormat::Unknown);
    virtual ~Image() = default;
    // Decodes a picture file held in memory; a null image when it cannot.
    static std::unique_ptr<Image> FromBytes(korvan::gfx::ByteView bytes);
    bool IsValid() const { return !image_.isNull(); }
    unsigned GetWidth() const { return static_cast<unsigned>(image_.width()); }
    unsigned GetHeight() const { return static_cast<unsigned>(image_.height()); }
    ImageFormat GetRawFormat() const { return format_; }
    bool HasAlpha() const;
    int GetPixelDepth() const { return depth_; }
    const QImage& Qt() const { return image_; }

protected:
    QImage image_; // ARGB32
    ImageFormat format_ = ImageFormat::Unknown;
    int depth_ = 32;
};

class Bitmap : public Image {
public:
    Bitmap(INT width, INT height);
    explicit Bitmap(QImage img) : Image(std::move(img)) {}
    Status GetPixel(INT x, INT y, Color* c) const;
    Status SetPixel(INT x, INT y, const Color& c);
    QImage& Pixels() { return image_; }
};

class ImageAttributes {
public:
    Status SetColorKey(const Color& low, const Color& high);
    Status ClearColorKey();
    // The image with every pixel inside the key range made transparent.
    QImage Apply(const QImage& img) const;

private:
    std::optional<std::pair<ARGB, ARGB>> key_;
};

// ---- pens and brushes -------------------------------------------------------------

class Pen {
public:
    Pen(const Color& c, REAL width = 1.0f) : color_(c), width_(width) {}
    Status SetDashStyle(DashStyle s) {
        dash_ = s;
        return Ok;
    }
    DashStyle GetDashStyle() const { return dash_; }
    Status SetColor(const Color& c) {
        color_ = c;
        return Ok;
    }
    Status SetWidth(REAL w) {
        width_ = w;
        return Ok;
    }
    REAL GetWidth() const { return width_; }
    Color GetColor() const { return color_; }

private:
    Color color_;
    REAL width_;
    DashStyle dash_ = DashStyleSolid;
};

class Brush {
public:
    virtual ~Brush() = default;
    virtual std::unique_ptr<Brush> Clone() const = 0;
    // Fills a path (GDI+ coordinates) on a painter set up by Graphics.
    virtual void Fill(QPainter& p, const QPainterPath& path) const = 0;
};

class SolidBrush : public Brush {
public:
    explicit SolidBrush(const Color& c) : color_(c) {}
    std::unique_ptr<Brush> Clone() const override { return std::make_unique<SolidBrush>(*this); }
    void Fill(QPainter& p, const QPainterPath& path) const override;
    Color GetColor() const { return color_; }

private:
    Color color_;
};

class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush(const PointF& p1, const PointF& p2, const Color& c1, const Color& c2);
    LinearGradientBrush(const RectF& r, const Color& c1, const Color& c2, LinearGradientMode mode);
    LinearGradientBrush(const RectF& r, const Color& c1, const Color& c2, REAL angle,
                        bool isAngleScalable = false);
    std::unique_ptr<Brush> Clone() const override { return std::make_unique<LinearGradientBrush>(*this); }
    void Fill(QPainter& p, const QPainterPath& path) const override;
    Status SetGammaCorrection(bool on) {
        gamma_ = on;
        return Ok;
    }
    Status SetWrapMode(WrapMode m) {
        wrap_ = m;
        return Ok;
    }
    Status SetInterpolationColors(const std::vector<Color>& colors, const std::vector<REAL>& positions);
    // Colour at a position 0..1 along the gradient.
    Color ColorAt(REAL t) const;

private:
    void Span(const RectF& r, double angleDeg, bool scalable);
    PointF p1_, p2_;
    Color c1_, c2_;
    bool gamma_ = false;
    WrapMode wrap_ = WrapModeTile;
    std::vector<std::pair<REAL, Color>> stops_;
};

class PathGradientBrush : public Brush {
public:
    explicit PathGradientBrush(const GraphicsPath& path);
    explicit PathGradientBrush(const std::vector<PointF>& pts);
    std::unique_ptr<Brush> Clone() const override { return std::make_unique<PathGradientBrush>(*this); }
    void Fill(QPainter& p, const QPainterPath& path) const override;
    Status SetCenterPoint(const PointF& p) {
        centre_ = p;
        return Ok;
    }
    PointF GetCenterPoint() const { return centre_; }
    Status SetCenterColor(const Color& c) {
        centreColour_ = c;
        return Ok;
    }
    Status SetSurroundColors(const std::vector<Color>& colors);
    // Positions run from 0 at the outline to 1 at the centre.
    Status SetInterpolationColors(const std::vector<Color>& colors, const std::vector<REAL>& positions);
    Status SetWrapMode(WrapMode m) {
        wrap_ = m;
        return Ok;
    }
    Color ColorAt(REAL fromOutline) const;

private:
    QPainterPath path_;
    PointF centre_;
    Color centreColour_{0xFFFFFFFFu};
    Color surround_{0xFFFFFFFFu};
    std::vector<std::pair<REAL, Color>> stops_;
    WrapMode wrap_ = WrapModeClamp;
};

class HatchBrush : public Brush {
public:
    HatchBrush(HatchStyle style, const Color& fore, const Color& back = Color(0xFF000000u))
        : style_(style), fore_(fore), back_(back) {}
    std::unique_ptr<Brush> Clone() const override { return std::make_unique<HatchBrush>(*this); }
    void Fill(QPainter& p, const QPainterPath& path) const override;

private:
    HatchStyle style_;
    Color fore_, back_;
};

class TextureBrush : public Brush {
public:
    explicit TextureBrush(const Image& img, WrapMode mode = WrapModeTile) : image_(img.Qt()), wrap_(mode) {}
    std::unique_ptr<Brush> Clone() const override { return std::make_unique<TextureBrush>(*this); }
    void Fill(QPainter& p, const QPainterPath& path) const override;

private:
    QImage image_;
    WrapMode wrap_;
};

// ---- text -------------------------------------------------------------------------

class Font {
public:
    // A missing face falls back to the default sans-serif face.
    Font(const std::string& family, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint);
    REAL GetSize() const { return size_; }
    REAL PixelSize() const { return unit_ == UnitPixel ? size_ : size_ * 96.0f / 72.0f; }
    const std::string& Family() const { return family_; }
    INT GetStyle() const { return style_; }

private:
    std::string family_;
    REAL size_;
    INT style_;
    Unit unit_;
};

class StringFormat {
public:
    StringFormat(INT flags = 0) : flags_(flags) {}
    Status SetAlignment(StringAlignment a) {
        align_ = a;
        return Ok;
    }
    Status SetLineAlignment(StringAlignment a) {
        lineAlign_ = a;
        return Ok;
    }
    Status SetFormatFlags(INT f) {
        flags_ = f;
        return Ok;
    }
    StringAlignment GetAlignment() const { return align_; }
    StringAlignment GetLineAlignment() const { return lineAlign_; }
    INT GetFormatFlags() const { return flags_; }

private:
    INT flags_;
    StringAlignment align_ = StringAlignmentNear;
    StringAlignment lineAlign_ = StringAlignmentNear;
};

// ---- recorded coverage ----------------------------------------------------------------

// Which device pixels a shape painted in one solid colour covers, and how
// often each is painted (an outline and its fill both paint where they
// meet). Taken once by Graphics::RecordCoverage, it paints the shape again,
// translucent colours included, to the very pixels of drawing and filling
// it anew, without rasterising the path again.
class PathCoverage {
public:
    // Pixels Y, X .. X + Length - 1, each painted Count times.
    struct Run {
        int Y, X, Length, Count;
    };
    bool Empty() const { return runs_.empty(); }
    QSize TargetSize() const { return target_; }

private:
    friend class Graphics;
    std::vector<Run> runs_;
    int maxCount_ = 0;
    QSize target_;
};

// ---- the graphics object ------------------------------------------------------------

class Graphics {
public:
    // Draws into a canvas's image, inside the canvas's clip and origin.
    explicit Graphics(TCanvas& canvas);
    // Draws into an ARGB bitmap.
    explicit Graphics(Bitmap& bitmap);

    Status SetSmoothingMode(SmoothingMode m) {
        smoothing_ = m;
        return Ok;
    }
    SmoothingMode GetSmoothingMode() const { return smoothing_; }
    Status SetTextRenderingHint(TextRenderingHint h) {
        textHint_ = h;
        return Ok;
    }
    TextRenderingHint GetTextRenderingHint() const { return textHint_; }

    Status SetClip(const RectF& r, CombineMode mode = CombineModeReplace);
    Status SetClip(const GraphicsPath& p, CombineMode mode = CombineModeReplace);
    Status SetClip(const Region& r, CombineMode mode = CombineModeReplace);
    Status ResetClip();
    bool IsClipInfinite() const { return clip_.IsInfinite(); }
    // The clip set through SetClip (infinite when there is none).
    Status GetClip(Region* region) const {
        if (!region)
            return InvalidParameter;
        *region = clip_;
        return Ok;
    }

    Status DrawLine(const Pen& pen, REAL x1, REAL y1, REAL x2, REAL y2);
    Status DrawLines(const Pen& pen, const std::vector<PointF>& pts);
    Status DrawRectangle(const Pen& pen, const RectF& r);
    Status DrawEllipse(const Pen& pen, const RectF& r);
    Status DrawArc(const Pen& pen, const RectF& r, REAL startAngle, REAL sweepAngle);
    Status DrawBezier(const Pen& pen, PointF p1, PointF p2, PointF p3, PointF p4);
    Status DrawCurve(const Pen& pen, const std::vector<PointF>& pts, REAL tension = 0.5f);
    Status DrawPolygon(const Pen& pen, const std::vector<PointF>& pts);
    Status DrawPath(const Pen& pen, const GraphicsPath& path);
    Status FillRectangle(const Brush& brush, const RectF& r);
    Status FillEllipse(const Brush& brush, const RectF& r);
    Status FillPolygon(const Brush& brush, const std::vector<PointF>& pts, FillMode mode = FillModeAlternate);
    Status FillPath(const Brush& brush, const GraphicsPath& path);
    Status FillRegion(const Brush& brush, const Region& region);

    // Records what DrawPath(pen, path) (when pen is given) and then
    // FillPath with a solid brush (when fill is set) cover on this target;
    // NotImplemented where painting it back could differ (antialiasing, or
    // a target other than an opaque 32-bit image).
    Status RecordCoverage(const Pen* pen, const GraphicsPath& path, bool fill, PathCoverage& out) const;
    // Paints colour over recorded coverage: the pixels DrawPath and FillPath
    // with that colour would give on the target and clip of the recording.
    // NotImplemented when this target cannot take it; nothing is drawn then.
    Status PaintCoverage(const PathCoverage& coverage, const Color& colour);

    Status DrawImage(const Image& img, REAL x, REAL y);
    Status DrawImage(const Image& img, const RectF& dest);
    Status DrawImage(const Image& img, const Rect& dest, INT srcX, INT srcY, INT srcW, INT srcH, Unit unit,
                     const ImageAttributes* attributes = nullptr);

    Status DrawString(const std::string& text, const Font& font, const RectF& layout,
                      const StringFormat* format, const Brush& brush);
    Status DrawString(const std::string& text, const Font& font, const PointF& origin, const Brush& brush);
    Status MeasureString(const std::string& text, const Font& font, const RectF& layout,
                         const StringFormat* format, RectF* bounds) const;

private:
    template <typename F> Status Paint(F&& draw) const;
    void Prepare(QPainter& p) const;
    // Where the aliased rasteriser may paint for this graphics object:
    // false when a call needs the painter (antialiasing, a target other
    // than an opaque 32-bit image, a clip other than a rectangle).
    bool RasterTarget(korvan::gfx::RasterTarget& target) const;
    // Outlines (pen given) and fills a path with the rasteriser and paints
    // the colour over it; false, with nothing painted, when it cannot.
    bool RasterPaint(const GraphicsPath& path, const Pen* pen, const SolidBrush* brush);
    // Counts what painting the path would cover with the painter, into the
    // rasteriser's mask (Plus-blending a colour of alpha one).
    void CountWithPainter(const Pen* pen, const GraphicsPath& path, bool fill) const;
    QImage* image_;
    bool counting_ = false; // paints add one to the alpha of each pixel
    QPoint origin_;
    std::optional<QRegion> deviceClip_;
    SmoothingMode smoothing_ = SmoothingModeDefault;
    TextRenderingHint textHint_ = TextRenderingHintSystemDefault;
    Region clip_;
};

} // namespace Gdiplus

using TGPRectF = Gdiplus::RectF;
using TGPPointF = Gdiplus::PointF;
