// Layout of a rich-text document: each paragraph's runs are cut into
// pieces where a line may break, the pieces measured in their fonts and
// gathered into lines, and each line drawn on a common baseline bottom.

#include "platform/forms/RtfRender.h"

#include <algorithm>
#include <vector>

namespace korvan::forms {

namespace {

struct Piece {
    std::string Text;
    const RtfRun* Run;
    int Width = 0, Height = 0;
    bool Break = false; // a line break after this piece
};

// The text of a run cut where a line may break: after spaces, around each
// CJK character, and at line breaks.
void Cut(const RtfRun& run, std::vector<Piece>& out) {
    std::string piece;
    const auto flush = [&](bool lineBreak) {
        if (!piece.empty() || lineBreak)
            out.push_back({piece, &run, 0, 0, lineBreak});
        piece.clear();
    };
    for (std::size_t i = 0; i < run.Text.size();) {
        const unsigned char c = static_cast<unsigned char>(run.Text[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        const std::string ch = run.Text.substr(i, len);
        i += len;
        if (ch == "\n") {
            flush(true);
        } else if (len >= 3) { // wide characters break on both sides
            flush(false);
            piece = ch;
            flush(false);
        } else {
            piece += ch;
            if (ch == " ")
                flush(false);
        }
    }
    flush(false);
}

class Layout {
public:
    Layout(TCanvas& canvas, const RtfDocument& doc, const TRect& r, const RtfRenderOptions& o)
        : canvas_(canvas), doc_(doc), r_(r), o_(o) {}
    RtfRenderResult Run();

private:
    void SetFont(const RtfRun& run);
    int PixelsX(int twips) const { return twips * std::max(o_.DpiX, 1) / 1440; }
    int PixelsY(int twips) const { return twips * std::max(o_.DpiY, 1) / 1440; }
    // Places one line of `height` at the document's current height; false
    // when the line is not drawn because the area is full.
    bool Line(int height, const std::vector<Piece>& pieces, std::size_t from, std::size_t to, int x);

    TCanvas& canvas_;
    const RtfDocument& doc_;
    const TRect& r_;
    const RtfRenderOptions& o_;
    int docY_ = 0; // height of the document laid out so far
    int drawnLines_ = 0;
    RtfRenderResult result_;
    bool stopped_ = false;
};

void Layout::SetFont(const RtfRun& run) {
    TFont& f = canvas_.Font();
    const auto font = doc_.Fonts.find(run.Font);
    f.SetName(font != doc_.Fonts.end() && !font->second.Name.empty() ? font->second.Name : "Arial");
    f.SetHeight(-(run.HalfPoints * std::max(o_.DpiY, 1) + 72) / 144);
    f.SetStyle((run.Bold ? fsBold : 0u) | (run.Italic ? fsItalic : 0u) | (run.Underline ? fsUnderline : 0u));
    const bool known =
        run.Colour > 0 && run.Colour < int(doc_.Colours.size()) && doc_.Colours[run.Colour] != clNone;
    f.SetColor(known ? doc_.Colours[run.Colour] : clBlack);
}

bool Layout::Line(int height, const std::vector<Piece>& pieces, std::size_t from, std::size_t to, int x) {
    const int top = docY_;
    docY_ += height;
    if (top < o_.FromY)
        return true;
    const int y = r_.Top + top - o_.FromY;
    if (o_.WholeLines && y + height > r_.Bottom && drawnLines_ > 0) {
        // Left for the next page; a line taller than a page is drawn
        // alone so that paging always moves on.
        result_.NextY = top;
        result_.Complete = false;
        stopped_ = true;
        return false;
    }
    if (o_.Draw)
        for (std::size_t i = from; i < to; ++i) {
            const Piece& p = pieces[i];
            SetFont(*p.Run);
            canvas_.TextOut(x, y + height - p.Height, p.Text);
            x += p.Width;
        }
    ++drawnLines_;
    result_.Height = y + height - r_.Top;
    result_.NextY = docY_;
    if (!o_.WholeLines && y + height > r_.Bottom) {
        stopped_ = true;
        return false;
    }
    return true;
}

RtfRenderResult Layout::Run() {
    canvas_.SetBkMode(TRANSPARENT);
    for (const RtfParagraph& para : doc_.Paragraphs) {
        docY_ += PixelsY(para.SpaceBefore);
        std::vector<Piece> pieces;
        for (const RtfRun& run : para.Runs)
            Cut(run, pieces);
        for (Piece& p : pieces) {
            SetFont(*p.Run);
            const TSize size = canvas_.TextExtent(p.Text.empty() ? " " : p.Text);
            p.Width = p.Text.empty() ? 0 : size.cx;
            p.Height = size.cy;
        }
        const int left = r_.Left + PixelsX(para.LeftIndent);
        if (pieces.empty()) {
            SetFont(RtfRun{});
            if (!Line(canvas_.TextHeight("Ag"), pieces, 0, 0, left))
                return result_;
        }
        std::size_t at = 0;
        bool firstLine = true;
        while (at < pieces.size()) {
            const int start = left + (firstLine ? PixelsX(para.FirstIndent) : 0);
            const int room = r_.Right - start;
            std::size_t end = at;
            int width = 0, height = 0;
            // Every line takes at least one piece.
            while (end < pieces.size()) {
                const Piece& p = pieces[end];
                if (o_.WordWrap && end > at && width + p.Width > room && p.Text != " ")
                    break;
                width += p.Width;
                height = std::max(height, p.Height);
                ++end;
                if (p.Break)
                    break;
            }
            int x = start;
            if (para.Align == RtfAlign::Right)
                x = std::max(start, r_.Right - width);
            else if (para.Align == RtfAlign::Center)
                x = std::max(start, start + (room - width) / 2);
            if (!Line(height, pieces, at, end, x))
                return result_;
            at = end;
            firstLine = false;
        }
        docY_ += PixelsY(para.SpaceAfter);
    }
    if (!stopped_) {
        result_.NextY = docY_;
        result_.Height = std::max(result_.Height, r_.Top + docY_ - o_.FromY - r_.Top);
    }
    return result_;
}

} // namespace

RtfRenderResult RenderRtf(TCanvas& canvas, const RtfDocument& document, const TRect& r,
                          const RtfRenderOptions& options) {
    return Layout(canvas, document, r, options).Run();
}

int RenderRtf(TCanvas& canvas, const RtfDocument& document, const TRect& r, bool wordWrap) {
    RtfRenderOptions options;
    options.WordWrap = wordWrap;
    return RenderRtf(canvas, document, r, options).Height;
}

} // namespace korvan::forms
