// The rich-text label and the layout that draws a parsed document.

#include "controls/gdip/RtfLabel.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

namespace korvan::gdip {

namespace {

constexpr int kTwipsPerPixel = 15; // 1440 twips an inch at 96 pixels an inch

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

void SetFont(TCanvas& canvas, const RtfDocument& doc, const RtfRun& run) {
    TFont& f = canvas.Font();
    const auto font = doc.Fonts.find(run.Font);
    f.SetName(font != doc.Fonts.end() && !font->second.Name.empty() ? font->second.Name : "Arial");
    f.SetHeight(-(run.HalfPoints * 96 + 72) / 144);
    f.SetStyle((run.Bold ? fsBold : 0u) | (run.Italic ? fsItalic : 0u) | (run.Underline ? fsUnderline : 0u));
    const bool known =
        run.Colour > 0 && run.Colour < int(doc.Colours.size()) && doc.Colours[run.Colour] != clNone;
    f.SetColor(known ? doc.Colours[run.Colour] : clBlack);
}

} // namespace

int RenderRtf(TCanvas& canvas, const RtfDocument& doc, const TRect& r, bool wordWrap) {
    canvas.SetBkMode(TRANSPARENT);
    int y = r.Top;
    for (const RtfParagraph& para : doc.Paragraphs) {
        y += para.SpaceBefore / kTwipsPerPixel;
        std::vector<Piece> pieces;
        for (const RtfRun& run : para.Runs)
            Cut(run, pieces);
        for (Piece& p : pieces) {
            SetFont(canvas, doc, *p.Run);
            const TSize size = canvas.TextExtent(p.Text.empty() ? " " : p.Text);
            p.Width = p.Text.empty() ? 0 : size.cx;
            p.Height = size.cy;
        }
        const int left = r.Left + para.LeftIndent / kTwipsPerPixel;
        std::size_t at = 0;
        bool firstLine = true;
        if (pieces.empty()) {
            RtfRun plain;
            SetFont(canvas, doc, plain);
            y += canvas.TextHeight("Ag");
        }
        while (at < pieces.size()) {
            const int start = left + (firstLine ? para.FirstIndent / kTwipsPerPixel : 0);
            const int room = r.Right - start;
            std::size_t end = at;
            int width = 0, height = 0;
            // Every line takes at least one piece.
            while (end < pieces.size()) {
                const Piece& p = pieces[end];
                if (wordWrap && end > at && width + p.Width > room && p.Text != " ")
                    break;
                width += p.Width;
                height = std::max(height, p.Height);
                ++end;
                if (p.Break)
                    break;
            }
            int x = start;
            if (para.Align == RtfAlign::Right)
                x = std::max(start, r.Right - width);
            else if (para.Align == RtfAlign::Center)
                x = std::max(start, start + (room - width) / 2);
            for (std::size_t i = at; i < end; ++i) {
                const Piece& p = pieces[i];
                SetFont(canvas, doc, *p.Run);
                canvas.TextOut(x, y + height - p.Height, p.Text);
                x += p.Width;
            }
            y += height;
            at = end;
            firstLine = false;
            if (y > r.Bottom)
                return y - r.Top;
        }
        y += para.SpaceAfter / kTwipsPerPixel;
    }
    return y - r.Top;
}

} // namespace korvan::gdip

const TClassInfo& TRTFLabel::StaticClassInfo() {
    using T = TRTFLabel;
    static const TClassInfo info = ClassBuilder<T>("TRTFLabel", &TLabel::StaticClassInfo())
                                       .Creator()
                                       .Property("RichText", &T::RichText, &T::SetRichText)
                                       .Property("WordWrap", &T::RtfWordWrap, &T::SetRtfWordWrap)
                                       .Default(false)
                                       .Property("Version", &T::Version, &T::SetVersion)
                                       .Stored(false)
                                       .Build();
    return info;
}

TRTFLabel::TRTFLabel(TComponent* owner) : TLabel(owner) {
    SetAutoSize(false);
    SetCaption("");
}

void TRTFLabel::SetRichText(const std::string& value) {
    richText_ = value;
    Invalidate();
}

void TRTFLabel::SetRtfWordWrap(bool value) {
    wordWrap_ = value;
    Invalidate();
}

void TRTFLabel::Loaded() {
    TLabel::Loaded();
    SetCaption("");
}

void TRTFLabel::EndUpdate() {
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        Repaint();
}

void TRTFLabel::PaintTo(TCanvas& canvas) {
    const korvan::gdip::RtfDocument doc = korvan::gdip::ParseRtf(richText_);
    korvan::gdip::RenderRtf(canvas, doc, Rect(1, 1, Width() - 1, Height() - 1), wordWrap_);
}

void TRTFLabel::Paint() {
    TLabel::Paint();
    if (updateCount_ > 0 || painting_)
        return;
    painting_ = true;
    try {
        PaintTo(Canvas());
    } catch (...) {
        painting_ = false;
        throw;
    }
    painting_ = false;
}
