#include "platform/gfx/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>
#include <unordered_map>

namespace korvan::gfx {

namespace {

// Fonts shipped outside the font configuration's search path; loaded into the
// application once, on first use. The bold Tahoma file of that set is left
// out on purpose: only its embedded bitmap strikes are bold, its outlines are
// the regular ones on the wider bold advances, so antialiased text came out
// thin and widely spaced. Without it, bold Tahoma is emboldened from the
// regular outlines and keeps their spacing.
constexpr std::array kPrivateFontFiles = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
    "/usr/share/wine/fonts/symbol.ttf",
};

void LoadPrivateFonts() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* file : kPrivateFontFiles)
            QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    });
}

struct Substitution {
    const char* face;     // requested name, compared ignoring case
    const char* families; // installed candidates, first present wins, ';'-separated
};

constexpr std::array kSubstitutions = {
    Substitution{"MS Sans Serif", "MS Sans Serif;Liberation Sans;DejaVu Sans"},
    Substitution{"Microsoft Sans Serif", "Liberation Sans;DejaVu Sans"},
    Substitution{"Tahoma", "Tahoma;DejaVu Sans"},
    Substitution{"Arial", "Liberation Sans;DejaVu Sans"},
    Substitution{"Helvetica", "Liberation Sans;DejaVu Sans"},
    Substitution{"Verdana", "DejaVu Sans;Liberation Sans"},
    Substitution{"Times New Roman", "Liberation Serif;DejaVu Serif"},
    Substitution{"Courier New", "Liberation Mono;DejaVu Sans Mono"},
    Substitution{"Courier", "Liberation Mono;DejaVu Sans Mono"},
    Substitution{"Symbol", "Symbol;DejaVu Sans"},
    Substitution{"SimSun", "WenQuanYi Micro Hei;DejaVu Sans"},
    Substitution{"NSimSun", "WenQuanYi Micro Hei;DejaVu Sans"},
    Substitution{"SimHei", "WenQuanYi Micro Hei;DejaVu Sans"},
    Substitution{"Microsoft YaHei", "WenQuanYi Micro Hei;DejaVu Sans"},
    Substitution{"KaiTi", "WenQuanYi Micro Hei;DejaVu Sans"},
    Substitution{"\xE5\xAE\x8B\xE4\xBD\x93", "WenQuanYi Micro Hei;DejaVu Sans"},             // SimSun
    Substitution{"\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93", "WenQuanYi Micro Hei;DejaVu Sans"}, // NSimSun
    Substitution{"\xE9\xBB\x91\xE4\xBD\x93", "WenQuanYi Micro Hei;DejaVu Sans"},             // SimHei
    Substitution{"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91",
                 "WenQuanYi Micro Hei;DejaVu Sans"},                                    // Microsoft YaHei
    Substitution{"\xE6\xA5\xB7\xE4\xBD\x93_GB2312", "WenQuanYi Micro Hei;DejaVu Sans"}, // KaiTi
};

constexpr const char* kFallbackFamilies = "Liberation Sans;DejaVu Sans";

QString FirstInstalled(const char* families) {
    const QStringList candidates = QString::fromUtf8(families).split(u';');
    const QStringList installed = QFontDatabase::families();
    for (const QString& c : candidates)
        if (installed.contains(c, Qt::CaseInsensitive))
            return c;
    return candidates.front();
}

const TextMeasurer* gMeasurer = nullptr;

QString ResolveFace(const std::string& face);

} // namespace

QString SubstituteFace(const std::string& face) {
    static std::mutex mutex;
    static std::map<std::string, QString> cache;
    std::lock_guard lock(mutex);
    if (auto it = cache.find(face); it != cache.end())
        return it->second;
    return cache[face] = ResolveFace(face);
}

namespace {
QString ResolveFace(const std::string& face) {
    LoadPrivateFonts();
    const QString wanted = QString::fromUtf8(face.c_str());
    for (const Substitution& s : kSubstitutions)
        if (wanted.compare(QString::fromUtf8(s.face), Qt::CaseInsensitive) == 0)
            return FirstInstalled(s.families);
    if (!wanted.isEmpty() && QFontDatabase::families().contains(wanted, Qt::CaseInsensitive))
        return wanted;
    return FirstInstalled(kFallbackFamilies);
}
} // namespace

bool IsSymbolGlyphFace(const std::string& face) {
    return QString::fromUtf8(face.c_str()).compare(u"Marlett", Qt::CaseInsensitive) == 0;
}

namespace {

void ApplyStyle(QFont& f, TFontStyles style) {
    f.setBold((style & fsBold) != 0);
    f.setItalic((style & fsItalic) != 0);
    f.setUnderline((style & fsUnderline) != 0);
    f.setStrikeOut((style & fsStrikeOut) != 0);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferFullHinting);
}

} // namespace

namespace {

// What MakeQFont reads of a TFont.
struct FontKey {
    std::string Name;
    int Height;
    TFontStyles Style;
    TFontQuality Quality;
    bool operator==(const FontKey&) const = default;
};

FontKey KeyOf(const TFont& font) {
    return {font.Name(), font.Height(), font.Style(), font.Quality()};
}

struct FontKeyHash {
    std::size_t operator()(const FontKey& k) const {
        return std::hash<std::string>()(k.Name) ^ (std::size_t(k.Height) * 0x9E3779B97F4A7C15ull) ^
               (std::size_t(k.Style) << 20) ^ (std::size_t(k.Quality) << 28);
    }
};

struct WidthKey {
    FontKey Font;
    QString Text;
    bool operator==(const WidthKey&) const = default;
};

struct WidthKeyHash {
    std::size_t operator()(const WidthKey& k) const { return FontKeyHash()(k.Font) ^ qHash(k.Text); }
};

// Fonts, metrics and advance widths already worked out: a display measures
// and draws the same few labels on every redraw, and building the font and
// shaping the text again each time cost more than drawing it. The results
// depend only on the key (the installed faces do not change while the
// program runs). One set per thread; a full set starts over.
struct MeasureCache {
    static constexpr std::size_t Limit = 8192;
    std::unordered_map<FontKey, QFont, FontKeyHash> Fonts;
    std::unordered_map<FontKey, TextMetric, FontKeyHash> Metrics;
    std::unordered_map<WidthKey, int, WidthKeyHash> Widths;
    std::unordered_map<WidthKey, QList<QGlyphRun>, WidthKeyHash> Shapes;
    template <class Map> static void Bound(Map& map) {
        if (map.size() >= Limit)
            map.clear();
    }
};

MeasureCache& Cache() {
    thread_local MeasureCache cache;
    return cache;
}

} // namespace

QFont MakeQFont(const TFont& font) {
    MeasureCache& cache = Cache();
    FontKey key = KeyOf(font);
    if (auto it = cache.Fonts.find(key); it != cache.Fonts.end())
        return it->second;
    MeasureCache::Bound(cache.Fonts);
    QFont f = BuildQFont(font);
    cache.Fonts.emplace(std::move(key), f);
    return f;
}

QFont BuildQFont(const TFont& font) {
    QFont f(SubstituteFace(font.Name()));
    ApplyStyle(f, font.Style());
    int h = font.Height();
    if (h == 0)
        h = -11;
    if (h < 0) {
        f.setPixelSize(-h);
    } else {
        // A positive height is the cell height: scale the em so that
        // ascent + descent match it.
        f.setPixelSize(100);
        const QFontMetrics fm(f);
        const int cell = std::max(1, fm.ascent() + fm.descent());
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(h * 100.0 / cell))));
    }
    QFont::StyleStrategy strategy = QFont::NoSubpixelAntialias;
    if (font.Quality() == fqNonAntialiased || font.Quality() == fqDraft)
        strategy = QFont::NoAntialias;
    f.setStyleStrategy(strategy);
    return f;
}

QFont MakeQFontPoints(const std::string& face, double points, TFontStyles style) {
    QFont f(SubstituteFace(face));
    ApplyStyle(f, style);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    return f;
}

TextMetric FontTextMeasurer::Metrics(const TFont& font) const {
    MeasureCache& cache = Cache();
    FontKey key = KeyOf(font);
    if (auto it = cache.Metrics.find(key); it != cache.Metrics.end())
        return it->second;
    MeasureCache::Bound(cache.Metrics);
    const QFont f = MakeQFont(font);
    const QFontMetrics fm(f);
    TextMetric m;
    m.Ascent = fm.ascent();
    m.Descent = fm.descent();
    m.InternalLeading = std::max(0, m.Height() - f.pixelSize());
    m.ExternalLeading = std::max(0, fm.leading());
    m.AveCharWidth = fm.averageCharWidth();
    cache.Metrics.emplace(std::move(key), m);
    return m;
}

int FontTextMeasurer::Width(const TFont& font, const QString& text) const {
    MeasureCache& cache = Cache();
    WidthKey key{KeyOf(font), text};
    if (auto it = cache.Widths.find(key); it != cache.Widths.end())
        return it->second;
    MeasureCache::Bound(cache.Widths);
    const int width = QFontMetrics(MakeQFont(font)).horizontalAdvance(text);
    cache.Widths.emplace(std::move(key), width);
    return width;
}

const QList<QGlyphRun>& ShapedText(const TFont& font, const QString& text) {
    MeasureCache& cache = Cache();
    WidthKey key{KeyOf(font), text};
    if (auto it = cache.Shapes.find(key); it != cache.Shapes.end())
        return it->second;
    MeasureCache::Bound(cache.Shapes);
    QTextLayout layout(text, MakeQFont(font));
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    // Positions from the baseline's start, not from the line's top.
    const double ascent = line.isValid() ? line.ascent() : 0.0;
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& pos : positions)
            pos.ry() -= ascent;
        run.setPositions(positions);
    }
    return cache.Shapes.emplace(std::move(key), std::move(runs)).first->second;
}

TextMetric FixedTextMeasurer::Metrics(const TFont&) const {
    TextMetric m;
    m.Ascent = ascent_;
    m.Descent = descent_;
    m.AveCharWidth = charWidth_;
    return m;
}

int FixedTextMeasurer::Width(const TFont&, const QString& text) const {
    return charWidth_ * static_cast<int>(text.size());
}

const TextMeasurer& DefaultTextMeasurer() {
    static const FontTextMeasurer real;
    return gMeasurer ? *gMeasurer : real;
}

ScopedTextMeasurer::ScopedTextMeasurer(std::unique_ptr<TextMeasurer> m)
    : measurer_(std::move(m)), previous_(gMeasurer) {
    gMeasurer = measurer_.get();
}

ScopedTextMeasurer::~ScopedTextMeasurer() {
    gMeasurer = previous_;
}

} // namespace korvan::gfx
