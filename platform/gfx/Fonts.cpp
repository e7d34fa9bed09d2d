#include "platform/gfx/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>

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

QFont MakeQFont(const TFont& font) {
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
    const QFont f = MakeQFont(font);
    const QFontMetrics fm(f);
    TextMetric m;
    m.Ascent = fm.ascent();
    m.Descent = fm.descent();
    m.InternalLeading = std::max(0, m.Height() - f.pixelSize());
    m.ExternalLeading = std::max(0, fm.leading());
    m.AveCharWidth = fm.averageCharWidth();
    return m;
}

int FontTextMeasurer::Width(const TFont& font, const QString& text) const {
    return QFontMetrics(MakeQFont(font)).horizontalAdvance(text);
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
