#pragma once
// TCanvas: drawing with the classic GDI conventions over an RGB32 image that
// the canvas is given (it never owns the pixels). Lines leave out their end
// pixel, shapes cover their box minus the right and bottom edge, pens of width
// 0 and 1 are one pixel wide and only they draw dashes, raster operations work
// on bits, and every pixel written honours the clip region.

#include "platform/gfx/Fonts.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Types.h"

#include <QImage>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TGraphic;

// Three-operand raster operations (pattern, source, destination).
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t SRCERASE = 0x00440328;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
constexpr std::uint32_t MERGECOPY = 0x00C000CA;
constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATPAINT = 0x00FB0A09;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t WHITENESS = 0x00FF0062;
// Pattern where the source is white, destination where it is black (masking).
constexpr std::uint32_t DSPDxax = 0x00E20746;

using TCopyMode = std::uint32_t;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmWhiteness = WHITENESS;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Text drawing flags.
constexpr unsigned DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                   DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                   DT_TABSTOP = 0x80, DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
                   DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000,
                   DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000,
                   DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000, DT_HIDEPREFIX = 0x100000,
                   DT_PREFIXONLY = 0x200000;

// Text flags of TextRect.
enum TTextFormatFlag : unsigned {
    tfLeft = 0,
    tfCenter = 1,
    tfRight = 2,
    tfVerticalCenter = 4,
    tfBottom = 8,
    tfSingleLine = 0x20,
    tfWordBreak = 0x10,
    tfEndEllipsis = 0x8000,
    tfNoPrefix = 0x800
};

namespace korvan::gfx {

// One call on a recording canvas: its name, its integer arguments, its text
// and the tool colours at the time of the call.
struct DrawCall {
    std::string Op;
    std::vector<int> Args;
    std::string Text;
    TColor PenColor = clBlack;
    TColor BrushColor = clWhite;
    TColor FontColor = clBlack;
};

class CanvasRecorder {
public:
    virtual ~CanvasRecorder() = default;
    virtual void Record(DrawCall call) = 0;
};

} // namespace korvan::gfx

class TCanvas {
public:
    // The canvas draws into *image, which must outlive it (or be replaced with
    // SetImage). A monochrome canvas holds black and white only and converts
    // colour sources by its background colour.
    explicit TCanvas(QImage* image = nullptr);
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    void SetImage(QImage* image);
    QImage* Image() const { return image_; }
    bool HasImage() const { return image_ && !image_->isNull(); }
    int Width() const { return image_ ? image_->width() : 0; }
    int Height() const { return image_ ? image_->height() : 0; }
    void SetMonochrome(bool mono) { monochrome_ = mono; }
    bool Monochrome() const { return monochrome_; }

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    const TPen& Pen() const { return pen_; }
    const TBrush& Brush() const { return brush_; }
    const TFont& Font() const { return font_; }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode m) { copyMode_ = m; }

    // Background for text, dashes and hatches. A brush change resets both
    // (opaque with the brush colour for a solid brush, else transparent).
    int SetBkMode(int mode);
    int BkMode() const;
    TColor SetBkColor(TColor c);
    TColor BkColor() const;
    TPolyFillMode PolyFillMode() const { return polyFillMode_; }
    void SetPolyFillMode(TPolyFillMode m) { polyFillMode_ = m; }

    // Lines: the end pixel is not drawn.
    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& pts);
    void Polygon(const std::vector<TPoint>& pts);
    void PolyBezier(const std::vector<TPoint>& pts);

    // Shapes in a box (Left..Right-1 with a pen; one less without).
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void DrawFocusRect(const TRect& r);
    void FillRegion(const korvan::gfx::Region& rgn);
    // The platform's two-colour gradient: horizontal = colour changes from
    // left to right, else from top to bottom.
    void GradientFillRect(const TRect& r, TColor start, TColor stop, bool horizontal);

    // Text (UTF-8).
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    void TextRect(TRect& r, std::string& text, unsigned flags);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TSize TextExtent(const std::string& text) const;
    korvan::gfx::TextMetric GetTextMetrics() const;
    // The platform's text drawing; returns the height of the text drawn.
    int DrawText(const std::string& text, TRect& r, unsigned flags);
    void SetTextMeasurer(const korvan::gfx::TextMeasurer* m) { measurer_ = m; }
    const korvan::gfx::TextMeasurer& Measurer() const;

    // Copies and blits (source coordinates are the source canvas's logical ones).
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& src);
    void Draw(int x, int y, TGraphic& graphic);
    void StretchDraw(const TRect& r, TGraphic& graphic);
    void BitBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, std::uint32_t rop);
    // Negative widths or heights mirror; scaling takes the nearest pixel.
    void StretchBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh,
                    std::uint32_t rop);
    void PatBlt(int x, int y, int w, int h, std::uint32_t rop);
    // Copies every source pixel that is not the key colour, scaled.
    void TransparentBlt(int x, int y, int w, int h, TCanvas& src, int sx, int sy, int sw, int sh, TColor key);
    // Copies the source where the monochrome mask is black, keeps the
    // destination where it is white.
    void MaskedStretchBlt(int x, int y, int w, int h, TCanvas& src, int sx, int sy, int sw, int sh,
                          TCanvas& mask, int mx, int my);

    // Clipping; rectangles in logical coordinates.
    void SetClipRect(const TRect& r);
    void SelectClipRegion(const std::optional<korvan::gfx::Region>& rgnDevice);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    bool HasClip() const { return clip_.has_value(); }
    // The clip region in device pixels, when one is selected.
    const std::optional<QRegion>& DeviceClip() const { return clip_; }
    TRect ClipRect() const;

    // Saved states: pen, brush, font, modes, clip and viewport origin.
    int SaveDC();
    bool RestoreDC(int index);
    TPoint SetViewportOrg(int x, int y);
    TPoint ViewportOrg() const { return org_; }

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    void SetRecorder(korvan::gfx::CanvasRecorder* r) { recorder_ = r; }

    // Internal drawing primitives shared by the drawing files.
    struct Impl;

private:
    friend struct Impl;
    struct State {
        TPen pen;
        TBrush brush;
        TFont font;
        TCopyMode copyMode;
        int bkMode;
        TColor bkColor;
        bool bkFromBrush;
        TPolyFillMode polyFillMode;
        std::optional<QRegion> clip;
        TPoint org;
        TPoint penPos;
    };

    void Record(const char* op, std::vector<int> args, const std::string& text = {});
    void ClipChanged();
    void SyncBackground() const;

    QImage* image_ = nullptr;
    bool monochrome_ = false;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TCopyMode copyMode_ = cmSrcCopy;
    mutable int bkMode_ = OPAQUE;
    mutable TColor bkColor_ = clWhite;
    mutable bool brushDirty_ = true;
    TPolyFillMode polyFillMode_ = ALTERNATE;
    std::optional<QRegion> clip_; // device pixels
    // Derived from clip_ on change: a fast rectangle or a per-pixel mask.
    QRect clipBox_;
    std::vector<std::uint8_t> clipMask_;
    TPoint org_;
    TPoint penPos_;
    std::vector<State> saved_;
    const korvan::gfx::TextMeasurer* measurer_ = nullptr;
    korvan::gfx::CanvasRecorder* recorder_ = nullptr;
};

namespace korvan::gfx {

// A canvas over an image of its own that keeps every call it receives.
class RecordingCanvas : public TCanvas, private CanvasRecorder {
public:
    RecordingCanvas(int width, int height);
    const std::vector<DrawCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // Calls with the given name.
    std::vector<DrawCall> CallsNamed(const std::string& op) const;
    QImage& Picture() { return picture_; }

private:
    void Record(DrawCall call) override { calls_.push_back(std::move(call)); }
    QImage picture_;
    std::vector<DrawCall> calls_;
};

} // namespace korvan::gfx
