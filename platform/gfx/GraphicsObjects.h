#pragma once
// The canvas's drawing tools: pen, brush and font. Each setter stores a
// changed value and raises OnChange, so an owning control can repaint.

#include "platform/gfx/Color.h"

#include <QImage>
#include <functional>
#include <string>

enum TPenStyle {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame,
    psUserStyle,
    psAlternate
};

enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType };

constexpr int DEFAULT_CHARSET = 1;
constexpr int ANSI_CHARSET = 0;
constexpr int SYMBOL_CHARSET = 2;
constexpr int GB2312_CHARSET = 134;

using TNotifyChange = std::function<void()>;

class TGraphicsObject {
public:
    TNotifyChange OnChange;

protected:
    void Changed() {
        if (OnChange)
            OnChange();
    }
    template <typename T> void Store(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
};

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c) { Store(color_, c); }
    int Width() const { return width_; }
    void SetWidth(int w) { Store(width_, w); }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s) { Store(style_, s); }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode m) { Store(mode_, m); }
    void Assign(const TPen& o) {
        color_ = o.color_;
        width_ = o.width_;
        style_ = o.style_;
        mode_ = o.mode_;
        Changed();
    }

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    // Choosing a colour on a clear brush makes it solid, as the framework does.
    void SetColor(TColor c) {
        if (color_ == c && !(style_ == bsClear))
            return;
        color_ = c;
        if (style_ == bsClear)
            style_ = bsSolid;
        Changed();
    }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s) { Store(style_, s); }
    // An 8x8 pattern bitmap replaces colour and style while set.
    const QImage& Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage& img) {
        bitmap_ = img;
        Changed();
    }
    void Assign(const TBrush& o) {
        color_ = o.color_;
        style_ = o.style_;
        bitmap_ = o.bitmap_;
        Changed();
    }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    QImage bitmap_;
};

class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& n) { Store(name_, n); }
    // Negative: character height (em) in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int h) { Store(height_, h); }
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles s) { Store(style_, s); }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { Store(color_, c); }
    int Charset() const { return charset_; }
    void SetCharset(int c) { Store(charset_, c); }
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch p) { Store(pitch_, p); }
    TFontQuality Quality() const { return quality_; }
    void SetQuality(TFontQuality q) { Store(quality_, q); }
    // Escapement in tenths of a degree, counter-clockwise.
    int Orientation() const { return orientation_; }
    void SetOrientation(int tenths) { Store(orientation_, tenths); }
    void Assign(const TFont& o);
    bool SameAs(const TFont& o) const;

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    TFontQuality quality_ = fqDefault;
    int orientation_ = 0;
};
