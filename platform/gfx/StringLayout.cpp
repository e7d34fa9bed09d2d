#include "platform/gfx/StringLayout.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

namespace korvan::gfx {

double StringLayout::Width() const {
    double w = 0;
    for (const StringLine& l : Lines)
        w = std::max(w, l.Width);
    return w;
}

namespace {

class LineBreaker {
public:
    LineBreaker(const QFont& font, double maxWidth, bool measureBlanks, std::vector<StringLine>& out)
        : fm_(font), maxWidth_(maxWidth), measureBlanks_(measureBlanks), out_(out) {}

    void Paragraph(const QString& text) {
        if (maxWidth_ <= 0) {
            Emit(text);
            return;
        }
        const std::size_t before = out_.size();
        QString line;
        for (QString word : Words(text)) {
            if (Fits(line + word)) {
                line += word;
                continue;
            }
            if (!line.isEmpty()) {
                Emit(line);
                line.clear();
            }
            // A word wider than a whole line goes out a line's worth at a time.
            while (!Fits(word)) {
                qsizetype n = 1;
                while (n < word.size() && Fits(word.left(n + 1)))
                    ++n;
                Emit(word.left(n));
                word = word.mid(n);
            }
            line = word;
        }
        if (!line.isEmpty() || out_.size() == before)
            Emit(line);
    }

private:
    // Runs of non-blanks with the blanks after them; a hyphen ends a run too.
    static std::vector<QString> Words(const QString& text) {
        std::vector<QString> words;
        QString cur;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (!cur.isEmpty() && c != u' ' && (cur.back() == u' ' || cur.back() == u'-')) {
                words.push_back(cur);
                cur.clear();
            }
            cur += c;
        }
        if (!cur.isEmpty() || words.empty())
            words.push_back(cur);
        return words;
    }

    double Measure(const QString& s) const {
        QString t = s;
        if (!measureBlanks_)
            while (t.endsWith(u' '))
                t.chop(1);
        return fm_.horizontalAdvance(t);
    }
    bool Fits(const QString& s) const {
        QString t = s;
        while (t.endsWith(u' ')) // blanks at a break never push a word to the next line
            t.chop(1);
        return fm_.horizontalAdvance(t) <= maxWidth_ + 1e-6;
    }
    void Emit(const QString& s) { out_.push_back({s, Measure(s)}); }

    QFontMetricsF fm_;
    double maxWidth_;
    bool measureBlanks_;
    std::vector<StringLine>& out_;
};

} // namespace

StringLayout LayOutString(const QString& text, const QFont& font, double maxWidth,
                          bool measureTrailingBlanks) {
    StringLayout layout;
    layout.LineHeight = QFontMetricsF(font).lineSpacing();
    LineBreaker breaker(font, maxWidth, measureTrailingBlanks, layout.Lines);
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    for (const QString& paragraph : normal.split(u'\n'))
        breaker.Paragraph(paragraph);
    return layout;
}

} // namespace korvan::gfx
