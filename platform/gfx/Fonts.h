#pragma once
// Fonts: one substitution table from the face names the program asks for to
// the fonts installed with it, and the text metrics that layout relies on.
// Tests may install fixed fake metrics so that layout does not depend on the
// fonts of a machine.

#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Types.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <memory>
#include <string>

namespace korvan::gfx {

// The installed family that stands in for a requested face name.
QString SubstituteFace(const std::string& face);
// True for faces whose glyphs we draw ourselves (the window-symbol face).
bool IsSymbolGlyphFace(const std::string& face);

// The Qt font for a framework font; size in pixels at 96 dpi.
QFont MakeQFont(const TFont& font);
// The same font made afresh, past the fonts kept from earlier calls.
QFont BuildQFont(const TFont& font);
// The text shaped in the font: its glyph runs, positioned from the start of
// the baseline. Kept, like measurements: displays draw the same labels,
// numbers and captions on every update, and shaping them again is most of
// what drawing them costs.
const QList<QGlyphRun>& ShapedText(const TFont& font, const QString& text);
// A font of a face in points (the GDI+ convention), with fallback.
QFont MakeQFontPoints(const std::string& face, double points, TFontStyles style);

struct TextMetric {
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int Height() const { return Ascent + Descent; }
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual TextMetric Metrics(const TFont& font) const = 0;
    // Advance width of a run of text (no tabs, no line breaks).
    virtual int Width(const TFont& font, const QString& text) const = 0;
};

// Metrics of the real fonts.
class FontTextMeasurer final : public TextMeasurer {
public:
    TextMetric Metrics(const TFont& font) const override;
    int Width(const TFont& font, const QString& text) const override;
};

// Fixed fake metrics: every character is CharWidth wide, lines are
// Ascent + Descent high, whatever the font.
class FixedTextMeasurer final : public TextMeasurer {
public:
    explicit FixedTextMeasurer(int charWidth = 6, int ascent = 11, int descent = 2)
        : charWidth_(charWidth), ascent_(ascent), descent_(descent) {}
    TextMetric Metrics(const TFont& font) const override;
    int Width(const TFont& font, const QString& text) const override;

private:
    int charWidth_, ascent_, descent_;
};

// The measurer canvases use unless they were given their own.
const TextMeasurer& DefaultTextMeasurer();
// Replaces the default measurer for the life of the guard (tests).
class ScopedTextMeasurer {
public:
    explicit ScopedTextMeasurer(std::unique_ptr<TextMeasurer> m);
    ~ScopedTextMeasurer();
    ScopedTextMeasurer(const ScopedTextMeasurer&) = delete;
    ScopedTextMeasurer& operator=(const ScopedTextMeasurer&) = delete;

private:
    std::unique_ptr<TextMeasurer> measurer_;
    const TextMeasurer* previous_;
};

} // namespace korvan::gfx
