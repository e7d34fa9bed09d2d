// Text output, measurement and the DrawText layout engine of TCanvas.

#include "platform/gfx/CanvasImpl.h"

#include <QPainter>
#include <algorithm>

using Impl = TCanvas::Impl;

namespace {

QString Q(const std::string& s) {
    return QString::fromUtf8(s.c_str(), static_cast<int>(s.size()));
}

// Our own drawing of the few window-symbol glyphs the controls use.
void DrawSymbolGlyph(QPainter& p, QChar ch, const QRectF& cell, const QColor& colour) {
    const double s = cell.height();
    const QPointF c = cell.center();
    const double h = s * 0.22;
    QPolygonF poly;
    switch (ch.toLatin1()) {
    case '6': // down arrow
        poly << QPointF(c.x() - 2 * h, c.y() - h) << QPointF(c.x() + 2 * h, c.y() - h)
             << QPointF(c.x(), c.y() + h);
        break;
    case '5': // up arrow
        poly << QPointF(c.x() - 2 * h, c.y() + h) << QPointF(c.x() + 2 * h, c.y() + h)
             << QPointF(c.x(), c.y() - h);
        break;
    case '3': // left arrow
        poly << QPointF(c.x() + h, c.y() - 2 * h) << QPointF(c.x() + h, c.y() + 2 * h)
             << QPointF(c.x() - h, c.y());
        break;
    case '4': // right arrow
        poly << QPointF(c.x() - h, c.y() - 2 * h) << QPointF(c.x() - h, c.y() + 2 * h)
             << QPointF(c.x() + h, c.y());
        break;
    case 'r': { // close cross
        p.setPen(QPen(colour, std::max(1.0, s / 8)));
        p.drawLine(QPointF(c.x() - 1.5 * h, c.y() - 1.5 * h), QPointF(c.x() + 1.5 * h, c.y() + 1.5 * h));
        p.drawLine(QPointF(c.x() + 1.5 * h, c.y() - 1.5 * h), QPointF(c.x() - 1.5 * h, c.y() + 1.5 * h));
        return;
    }
    case 'a': { // check mark
        p.setPen(QPen(colour, std::max(1.0, s / 8)));
        p.drawPolyline(QPolygonF() << QPointF(c.x() - 1.5 * h, c.y()) << QPointF(c.x() - 0.5 * h, c.y() + h)
                                   << QPointF(c.x() + 1.5 * h, c.y() - 1.5 * h));
        return;
    }
    case '0': // minimise bar
        p.fillRect(QRectF(c.x() - 1.5 * h, c.y() + h, 3 * h, std::max(1.0, s / 8)), colour);
        return;
    case '1': // maximise box
        p.setPen(QPen(colour, 1));
        p.drawRect(QRectF(c.x() - 1.5 * h, c.y() - 1.5 * h, 3 * h, 3 * h));
        return;
    default:
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(poly);
}

} // namespace

void Impl::DrawTextRun(TCanvas& c, const QString& text, QPoint cell, const QRect* clipDevice,
                       const std::vector<int>& underline) {
    if (!c.HasImage() || text.isEmpty())
        return;
    const TFont& font = c.Font();
    const korvan::gfx::TextMetric tm = c.Measurer().Metrics(font);
    const int width = c.Measurer().Width(font, text);
    const QColor colour = QColor::fromRgb(korvan::gfx::ToQRgb(font.Color()));
    QPainter p(c.Image());
    p.setRenderHint(QPainter::TextAntialiasing, font.Quality() != fqNonAntialiased);
    QRegion clip(c.Image()->rect());
    if (c.clip_)
        clip = clip.intersected(*c.clip_);
    if (clipDevice)
        clip = clip.intersected(*clipDevice);
    p.setClipRegion(clip);
    p.translate(cell);
    if (font.Orientation() != 0)
        p.rotate(-font.Orientation() / 10.0);
    if (c.BkMode() == OPAQUE)
        p.fillRect(QRect(0, 0, width, tm.Height()), QColor::fromRgb(korvan::gfx::ToQRgb(c.BkColor())));
    if (korvan::gfx::IsSymbolGlyphFace(font.Name())) {
        const double s = std::abs(font.Height());
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int i = 0; i < text.size(); ++i)
            DrawSymbolGlyph(p, text[i], QRectF(i * s, 0, s, tm.Height()), colour);
        return;
    }
    const auto drawRun = [&](QPainter& q) {
        q.setFont(korvan::gfx::MakeQFont(font));
        q.setPen(colour);
        for (const QGlyphRun& run : korvan::gfx::ShapedText(font, text))
            q.drawGlyphRun(QPointF(0, tm.Ascent), run);
        for (int idx : underline) {
            if (idx < 0 || idx >= text.size())
                continue;
            const int x0 = c.Measurer().Width(font, text.left(idx));
            const int x1 = c.Measurer().Width(font, text.left(idx + 1));
            q.fillRect(QRect(x0, tm.Ascent + 1, std::max(1, x1 - x0), 1), colour);
        }
    };
    if (font.Orientation() == 0) {
        drawRun(p);
        return;
    }
    // Turned text is drawn upright into a cell of its own and the cell turned
    // onto the canvas: the painter places turned glyphs of bitmap faces
    // several pixels away from where their outline would lie. Quarter turns
    // map pixels one to one; other angles are filtered.
    QImage upright(std::max(1, width), std::max(1, tm.Height()), QImage::Format_ARGB32_Premultiplied);
    upright.fill(Qt::transparent);
    {
        QPainter q(&upright);
        q.setRenderHint(QPainter::TextAntialiasing, font.Quality() != fqNonAntialiased);
        drawRun(q);
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, font.Orientation() % 900 != 0);
    p.drawImage(0, 0, upright);
}

korvan::gfx::TextMetric TCanvas::GetTextMetrics() const {
    return Measurer().Metrics(font_);
}

int TCanvas::TextWidth(const std::string& text) const {
    return Measurer().Width(font_, Q(text));
}

int TCanvas::TextHeight(const std::string&) const {
    return Measurer().Metrics(font_).Height();
}

TSize TCanvas::TextExtent(const std::string& text) const {
    return {TextWidth(text), TextHeight(text)};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Record("TextOut", {x, y}, text);
    Impl::DrawTextRun(*this, Q(text), Impl::Dev(*this, x, y), nullptr);
    penPos_ = {Impl::ClampToInt(std::int64_t(x) + TextWidth(text)), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    Record("TextRect", {r.Left, r.Top, r.Right, r.Bottom, x, y}, text);
    if (!HasImage())
        return;
    SyncBackground();
    const QPoint tl = Impl::Dev(*this, r.Left, r.Top);
    const QRect box(tl, QSize(std::max(0, r.Width()), std::max(0, r.Height())));
    if (brush_.Style() != bsClear) {
        const std::uint32_t bk = korvan::gfx::ToQRgb(bkColor_) & 0xFFFFFF;
        for (int yy = box.top(); yy <= box.bottom(); ++yy)
            for (int xx = box.left(); xx <= box.right(); ++xx)
                Impl::Put(*this, xx, yy, bk, pmCopy);
    }
    const int saved = bkMode_;
    bkMode_ = TRANSPARENT;
    Impl::DrawTextRun(*this, Q(text), Impl::Dev(*this, x, y), &box);
    bkMode_ = saved;
}

// ---- DrawText -------------------------------------------------------------------

namespace {

struct Line {
    QString text;
    std::vector<int> underline;
};

struct Layout {
    const TCanvas& canvas;
    unsigned flags;
    int tabWidth;

    int Width(const QString& s) const {
        if (!(flags & DT_EXPANDTABS) || !s.contains(u'\t'))
            return canvas.Measurer().Width(canvas.Font(), s);
        int x = 0;
        const QStringList parts = s.split(u'\t');
        for (int i = 0; i < parts.size(); ++i) {
            x += canvas.Measurer().Width(canvas.Font(), parts[i]);
            if (i + 1 < parts.size() && tabWidth > 0)
                x = (x / tabWidth + 1) * tabWidth;
        }
        return x;
    }
};

// Takes '&' prefixes out of a line: "&&" gives '&', "&x" underlines x.
Line StripPrefixes(const QString& s, bool underline) {
    Line line;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size()) {
            ++i;
            if (s[i] != u'&' && underline)
                line.underline.push_back(static_cast<int>(line.text.size()));
        }
        line.text += s[i];
    }
    return line;
}

QString Ellipsize(const Layout& lay, const QString& s, int maxWidth, unsigned flags) {
    const QString dots = QStringLiteral("...");
    if (lay.Width(s) <= maxWidth)
        return s;
    if (flags & DT_PATH_ELLIPSIS) {
        const qsizetype slash = std::max(s.lastIndexOf(u'\\'), s.lastIndexOf(u'/'));
        const QString tail = slash >= 0 ? s.mid(slash) : QString();
        QString head = slash >= 0 ? s.left(slash) : s;
        while (!head.isEmpty() && lay.Width(head + dots + tail) > maxWidth)
            head.chop(1);
        if (!head.isEmpty() || lay.Width(dots + tail) <= maxWidth)
            return head + dots + tail;
        // The tail alone is too long: fall back to the end ellipsis.
    }
    QString head = s;
    while (!head.isEmpty() && lay.Width(head + dots) > maxWidth)
        head.chop(1);
    return head + dots;
}

std::vector<QString> BreakWords(const Layout& lay, const QString& para, int maxWidth) {
    std::vector<QString> out;
    QString current;
    int i = 0;
    while (i < para.size()) {
        // The next word with the blanks before it.
        int j = i;
        while (j < para.size() && para[j] == u' ')
            ++j;
        while (j < para.size() && para[j] != u' ')
            ++j;
        const QString piece = para.mid(i, j - i);
        if (!current.isEmpty() && lay.Width(current + piece) > maxWidth) {
            out.push_back(current);
            int k = 0;
            while (k < piece.size() && piece[k] == u' ')
                ++k;
            current = piece.mid(k);
        } else {
            current += piece;
        }
        i = j;
    }
    out.push_back(current);
    // Blanks at the end of a broken line take no room.
    for (QString& l : out)
        while (l.endsWith(u' '))
            l.chop(1);
    return out;
}

} // namespace

int TCanvas::DrawText(const std::string& utf8, TRect& r, unsigned flags) {
    if (!(flags & DT_CALCRECT))
        Record("DrawText", {r.Left, r.Top, r.Right, r.Bottom, static_cast<int>(flags)}, utf8);
    SyncBackground();
    const korvan::gfx::TextMetric tm = GetTextMetrics();
    const int tabChars = (flags & DT_TABSTOP) ? ((flags >> 8) & 0xFF) : 8;
    Layout lay{*this, flags, tabChars * std::max(1, tm.AveCharWidth)};
    const int lineHeight = tm.Height() + ((flags & DT_EXTERNALLEADING) ? tm.ExternalLeading : 0);
    // No surface reaches past these coordinates; holding a damaged rectangle
    // inside them keeps every position sum below defined.
    static constexpr int reach = 1 << 26;
    const auto held = [](int v) { return std::clamp(v, -reach, reach); };
    const TRect box{held(r.Left), held(r.Top), held(r.Right), held(r.Bottom)};
    const int maxWidth = box.Width();

    QString text = Q(utf8);
    std::vector<QString> paragraphs;
    if (flags & DT_SINGLELINE) {
        text.replace(u'\r', u' ').replace(u'\n', u' ');
        paragraphs.push_back(text);
    } else {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        for (const QString& p : text.split(u'\n'))
            paragraphs.push_back(p);
    }

    std::vector<Line> lines;
    const bool prefixes = !(flags & DT_NOPREFIX);
    const bool showUnderline = !(flags & DT_HIDEPREFIX);
    for (const QString& para : paragraphs) {
        Line stripped = prefixes ? StripPrefixes(para, showUnderline) : Line{para, {}};
        if ((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE) && stripped.underline.empty()) {
            for (QString& piece : BreakWords(lay, stripped.text, maxWidth))
                lines.push_back({piece, {}});
        } else {
            lines.push_back(stripped);
        }
    }
    if (flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (Line& l : lines)
            if (lay.Width(l.text) > maxWidth) {
                l.text = Ellipsize(lay, l.text, maxWidth, flags);
                l.underline.clear();
            }

    int widest = 0;
    for (const Line& l : lines)
        widest = std::max(widest, lay.Width(l.text));
    const int total = lineHeight * static_cast<int>(lines.size());

    if (flags & DT_CALCRECT) {
        r.Right = WrapAdd(r.Left, widest);
        r.Bottom = WrapAdd(r.Top, total);
        return total;
    }

    int y = box.Top;
    const bool single = flags & DT_SINGLELINE;
    if (single && (flags & DT_VCENTER))
        y = box.Top + (box.Height() - lineHeight) / 2;
    else if (single && (flags & DT_BOTTOM))
        y = box.Bottom - lineHeight;

    const QPoint tl = Impl::Dev(*this, box.Left, box.Top);
    const QRect clipBox(tl, QSize(std::max(0, box.Width()), std::max(0, box.Height())));
    const QRect* clip = (flags & DT_NOCLIP) ? nullptr : &clipBox;
    for (const Line& l : lines) {
        const int w = lay.Width(l.text);
        int x = box.Left;
        if (flags & DT_CENTER)
            x = box.Left + (maxWidth - w) / 2;
        else if (flags & DT_RIGHT)
            x = box.Right - w;
        if (!(flags & DT_EXPANDTABS) || !l.text.contains(u'\t')) {
            Impl::DrawTextRun(*this, l.text, Impl::Dev(*this, x, y), clip, l.underline);
        } else {
            int cx = 0;
            const QStringList parts = l.text.split(u'\t');
            for (int i = 0; i < parts.size(); ++i) {
                Impl::DrawTextRun(*this, parts[i], Impl::Dev(*this, x + cx, y), clip);
                cx += Measurer().Width(font_, parts[i]);
                if (i + 1 < parts.size() && lay.tabWidth > 0)
                    cx = (cx / lay.tabWidth + 1) * lay.tabWidth;
            }
        }
        y += lineHeight;
    }
    if (single && (flags & (DT_VCENTER | DT_BOTTOM)))
        return y - box.Top;
    return total;
}

void TCanvas::TextRect(TRect& r, std::string& text, unsigned flags) {
    Record("TextRect", {r.Left, r.Top, r.Right, r.Bottom, static_cast<int>(flags)}, text);
    korvan::gfx::CanvasRecorder* rec = recorder_;
    recorder_ = nullptr;
    const int saved = SetBkMode(TRANSPARENT);
    DrawText(text, r, flags);
    SetBkMode(saved);
    recorder_ = rec;
}
