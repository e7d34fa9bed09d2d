// The mini-HTML layout: a line loop that measures one line of markup, places
// it for its paragraph alignment and draws it, and the line routine that
// takes runs (words, or text up to a tag) and carries out tags.
//
// Progress rule: the first run, picture or tag of a line is always placed,
// so every line consumes markup and layout ends on any input.

#include "controls/gdip/MiniHtml.h"
#include "controls/gdip/AdvGDIP.h"
#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/GDIPPictureContainer.h"
#include "platform/forms/SystemIcons.h"
#include "platform/gfx/ImageList.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

namespace korvan::gdip {

namespace {

// Longer markup is cut: the callers keep their texts short, and the
// layout's cost grows with the square of the length.
constexpr std::size_t kMaxMarkup = 8192;
constexpr int kMaxPoints = 400;
constexpr int kMaxNumber = 100000;

std::string Upper(std::string s) {
    for (char& ch : s)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return s;
}

std::string Lower(std::string s) {
    for (char& ch : s)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The quoted value after `from`: empty without two double quotes.
std::string QuotedAfter(const std::string& tag, std::size_t from) {
    const std::size_t open = tag.find('"', from);
    if (open == std::string::npos)
        return {};
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string::npos)
        return {};
    return tag.substr(open + 1, close - open - 1);
}

// The value of attribute `name` in an upper-cased tag text.
std::optional<std::string> Attribute(const std::string& tag, const char* name) {
    const std::size_t at = tag.find(name);
    if (at == std::string::npos)
        return std::nullopt;
    return QuotedAfter(tag, at + std::char_traits<char>::length(name));
}

// The leading integer (blanks skipped), clamped; none when there is none.
std::optional<int> LeadingInt(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i])))
        return std::nullopt;
    long v = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i)
        v = std::min<long>(v * 10 + (s[i] - '0'), kMaxNumber);
    return static_cast<int>(negative ? -v : v);
}

TColor ColourValue(const std::string& value) {
    if (!value.empty() && value[0] == '#')
        return HtmlHexToColor(value);
    return HtmlColorByName(Lower(value));
}

// The value x="..." of IND and OF: after the first letter x and the "=".
std::optional<int> XValue(const std::string& tag) {
    const std::size_t at = tag.find_first_of("xX");
    if (at == std::string::npos)
        return std::nullopt;
    return LeadingInt(QuotedAfter(tag, at + 2));
}

enum class Pass { Measure, HitTest, Draw };
enum class Align { Left, Right, Center };

// The two font copies each pass kind carries from line to line.
// (Copies by Assign: a copied font would keep its owner's change handler.)
struct FontState {
    explicit FontState(const TFont& font) {
        Current.Assign(font);
        Base.Assign(font);
    }
    TFont Current;
    TFont Base;
};

// What one line yields.
struct LineOut {
    std::string Markup;
    int Width = 0;
    int Height = 0;
    int SubHeight = 0;
    int SupHeight = 0;
    int ImageShift = 0;
    bool TextHit = false;
    bool ImageHit = false;
};

class Renderer {
public:
    Renderer(Gdiplus::Graphics& g, const TFont& font, const MiniHtmlOptions& o, MiniHtmlResult& r)
        : g_(g), o_(o), r_(r), measureFonts_(font), drawFonts_(font) {}

    bool Run(std::string text, const TRect& rect);

private:
    // One line from `text` (consumed) into `out`.
    void Line(std::string& text, const TRect& rect, Pass pass, LineOut& out);
    void Tag(const std::string& tag, Pass pass);
    void OpenTag(const std::string& tag, const std::string& upper, Pass pass);
    void CloseTag(const std::string& upper, Pass pass);
    void Image(const std::string& tag, const std::string& upper, Pass pass);
    void ListItem(const std::string& upper, Pass pass);
    void DrawRun(const std::string& run, const std::string& rest, std::size_t k);
    void WavyLine();
    int GhHeight() const { return HtmlTextHeight(g_, "gh", fonts_->Current); }
    void SetStyle(TFontStyle style, bool on) {
        TFont& f = fonts_->Current;
        f.SetStyle(on ? (f.Style() | style) : (f.Style() & ~unsigned(style)));
    }
    bool Drawing(Pass pass) const { return pass == Pass::Draw; }

    Gdiplus::Graphics& g_;
    const MiniHtmlOptions& o_;
    MiniHtmlResult& r_;
    FontState measureFonts_, drawFonts_;
    FontState* fonts_ = &measureFonts_;

    // Marks of the whole call.
    bool inAnchor_ = false;
    std::string link_;
    bool shadow_ = false, sub_ = false, sup_ = false, hidden_ = false, error_ = false;
    int listLevel_ = 0;
    TColor background_ = clNone; // the brush; clNone: clear
    TColor fontSlot_ = clNone, anchorBackground_ = clNone, hiBackground_ = clNone;
    TColor anchorText_ = clNone, hiText_ = clNone;
    Align align_ = Align::Left;
    int indent_ = 0;
    int offset_ = 0;
    int imageNo_ = 0;
    int hoverImage_ = -1;
    int lineNo_ = 0;
    bool hoverPending_ = false;
    int anchorLine_ = 0;
    TPoint anchorStart_{};

    // State of the line under way.
    TRect line_{};
    TRect pen_{};
    LineOut* out_ = nullptr;
    bool lineBreak_ = false, noRoom_ = false, liMet_ = false, placedAny_ = false;
};

bool Renderer::Run(std::string text, const TRect& rect) {
    if (text.size() > kMaxMarkup)
        text.resize(kMaxMarkup);
    text = PrepareMiniHtml(std::move(text));
    r_.AnchorCount = 0;
    r_.HoverAnchor = -1;
    r_.Width = 0;
    r_.Height = 0;
    r_.PlainText.clear();
    r_.FocusAnchor.clear();
    bool result = false;
    TRect work = rect;
    work.Left += 1;
    while (!text.empty()) {
        fonts_ = &measureFonts_;
        const int h0 = GhHeight();
        const bool anchorBefore = inAnchor_;
        const std::string linkBefore = link_;
        const int anchorsBefore = r_.AnchorCount, levelBefore = listLevel_, imageBefore = imageNo_;
        const std::size_t lengthBefore = text.size();
        LineOut m;
        Line(text, work, Pass::Measure, m);
        if (text.size() >= lengthBefore) // cannot happen: the first element is always placed
            text.erase(0, 1);
        inAnchor_ = anchorBefore;
        link_ = linkBefore;
        if (!text.empty())
            m.Height += o_.LineSpacing;

        TRect draw = work;
        if (align_ == Align::Right && work.Right - m.Width > work.Left)
            draw.Left = work.Right - m.Width;
        else if (align_ == Align::Center && work.Right - work.Left - m.Width > 0)
            draw.Left = work.Left + (work.Right - work.Left - m.Width) / 2;
        draw.Left += indent_;
        draw.Bottom = draw.Top + m.Height + m.SubHeight + m.SupHeight;

        if (!o_.MeasureOnly) {
            r_.AnchorCount = anchorsBefore;
            listLevel_ = levelBefore;
            imageNo_ = imageBefore;
            fonts_ = &drawFonts_;
            LineOut d;
            d.SubHeight = m.SubHeight;
            std::string markup = m.Markup;
            Line(markup, draw, o_.HitTestOnly ? Pass::HitTest : Pass::Draw, d);
            const int gh = GhHeight();
            if (d.ImageHit ||
                (d.TextHit && draw.Bottom - m.ImageShift - gh < o_.Y && o_.Y < draw.Bottom - m.ImageShift))
                result = true;
        }
        const int advance = m.Height + m.SubHeight + m.SupHeight;
        work.Top += advance;
        r_.Height += advance;
        ++lineNo_;
        if (!o_.MeasureOnly && h0 + work.Top > work.Bottom)
            break;
    }
    fonts_ = &measureFonts_;
    if (r_.Height == 0)
        r_.Height = GhHeight();
    r_.Height += 2;
    r_.Hit = result;
    return result;
}

void Renderer::Line(std::string& text, const TRect& rect, Pass pass, LineOut& out) {
    out_ = &out;
    line_ = rect;
    if (pass != Pass::Measure)
        line_.Bottom -= out.SubHeight;
    pen_ = line_;
    if (pass != Pass::Measure)
        pen_.Left += offset_;
    out.Width = 0;
    out.Height = GhHeight();
    out.SupHeight = 0;
    out.SubHeight = 0;
    out.ImageShift = 0;
    lineBreak_ = noRoom_ = liMet_ = placedAny_ = false;
    std::string placedText;

    while (!text.empty() && !lineBreak_ && !noRoom_) {
        const std::size_t lt = text.find('<');
        const std::size_t space = o_.WordWrap ? text.find(' ') : std::string::npos;
        std::size_t k;
        if (lt == std::string::npos || (space != std::string::npos && space < lt))
            k = space == std::string::npos ? text.size() : space + 1;
        else
            k = lt;

        if (k > 0) {
            std::string run = text.substr(0, k);
            for (const auto& [entity, by] : {std::pair{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}}) {
                for (std::size_t at = run.find(entity); at != std::string::npos;
                     at = run.find(entity, at + 1))
                    run.replace(at, std::char_traits<char>::length(entity), by);
            }
            const int h = HtmlTextHeight(g_, run, fonts_->Current);
            if (sub_ && out.SubHeight < h / 4)
                out.SubHeight = h / 2;
            if (sup_ && out.SupHeight < h / 4)
                out.SupHeight = h / 2;
            out.Height = std::max(out.Height, h);

            if (hidden_) {
                if (pass == Pass::Measure)
                    r_.PlainText += run;
                text.erase(0, k);
                placedAny_ = true;
            } else {
                const TColor background = background_;
                int w = 0;
                if (pass != Pass::Draw) {
                    TRect pen = line_;
                    if (run != " ")
                        HtmlDrawText(g_, run, pen, fonts_->Current, kHtmlMeasure, background);
                    else
                        pen.Right = pen.Left;
                    w = pen.Right - pen.Left;
                    out.Width += w;
                    const int x = o_.X - line_.Left;
                    if (inAnchor_ && x >= out.Width - w && x <= out.Width) {
                        out.TextHit = true;
                        if (line_.Top < o_.Y && o_.Y < line_.Top + GhHeight()) {
                            r_.Anchor = link_;
                            hoverPending_ = true;
                        }
                    }
                } else {
                    DrawRun(run, text.substr(k), k);
                }

                bool place = true;
                if (pass == Pass::Measure && o_.WordWrap && placedAny_) {
                    const int avail = line_.Right - line_.Left - offset_;
                    if (out.Width > avail && w < avail)
                        place = !placedText.empty() && placedText.back() != ' ';
                }
                if (place) {
                    if (pass == Pass::Measure)
                        r_.PlainText += run;
                    placedText += run;
                    out.Markup += text.substr(0, k);
                    text.erase(0, k);
                    placedAny_ = true;
                } else {
                    lineBreak_ = true;
                    out.Width -= w;
                }
            }
        }

        if (!text.empty() && text[0] == '<' && text.size() <= 2) {
            text.clear();
        } else if (!lineBreak_ && !text.empty() && text[0] == '<') {
            const std::size_t close = text.find('>');
            const std::string tag = close == std::string::npos ? text : text.substr(0, close + 1);
            Tag(tag, pass);
            if (!noRoom_) {
                out.Markup += tag;
                text.erase(0, tag.size());
                placedAny_ = true;
            }
        }
    }
    if (pass == Pass::Measure && out.Width > r_.Width)
        r_.Width = out.Width + 2;
}

void Renderer::DrawRun(const std::string& run, const std::string& rest, std::size_t k) {
    (void)k;
    TRect pen = pen_;
    if (sup_) {
        pen.Bottom -= out_->SupHeight;
        pen.Top -= out_->SupHeight / 2;
    }
    if (sub_) {
        pen.Bottom += out_->SubHeight;
        pen.Top += out_->SubHeight / 2;
    }
    pen.Bottom -= out_->ImageShift;
    TFont& font = fonts_->Current;
    if (shadow_) {
        TFont shade;
        shade.Assign(font);
        shade.SetColor(o_.ShadowColor);
        TRect at = pen.Offset(o_.ShadowOffset, o_.ShadowOffset);
        HtmlDrawText(g_, run, at, shade, 0, background_);
    }
    if (run != " ") {
        std::string shown = run;
        if (font.Style() & fsUnderline) {
            // Bridge the gap to the next word of the same anchor.
            std::string next =
                rest.substr(0, rest.find(' ') == std::string::npos ? rest.size() : rest.find(' ') + 1);
            next = next.substr(0, next.find('<'));
            const std::string upper = Upper(run + rest);
            const std::size_t endA = upper.find("</A");
            const std::size_t firstSpace = upper.find(' ');
            if (!next.empty() && endA != std::string::npos && firstSpace < endA)
                shown += "_";
        }
        TRect at = pen;
        HtmlDrawText(g_, shown, at, font, 0, background_);
    }
    TRect measured = pen;
    HtmlDrawText(g_, run, measured, font, kHtmlMeasure, clNone);
    pen_.Right = measured.Right;
    if (inAnchor_ && r_.AnchorCount - 1 == o_.FocusLink)
        r_.FocusAnchor = link_;
    if (error_)
        WavyLine();
    const int w = pen_.Right - pen_.Left;
    out_->Width += w;
    pen_ = {pen_.Right, line_.Top, line_.Right, line_.Bottom};
}

void Renderer::WavyLine() {
    const Gdiplus::Pen red(Gdiplus::Color(255, 255, 0, 0), 1.0f);
    int x = (pen_.Left / 2) * 2;
    int phase = x % 4 == 0 ? 2 : 0;
    const auto segment = [&] {
        phase = 2 - phase;
        g_.DrawLine(red, static_cast<float>(x), static_cast<float>(line_.Bottom - 4 + phase),
                    static_cast<float>(x + 2), static_cast<float>(line_.Bottom - 2 - phase));
    };
    while (x < pen_.Right) {
        segment();
        x += 2;
    }
    segment();
}

void Renderer::Tag(const std::string& tag, Pass pass) {
    const std::string upper = Upper(tag);
    if (upper.size() >= 3 && upper[1] == '/')
        CloseTag(upper, pass);
    else
        OpenTag(tag, upper, pass);
}

void Renderer::OpenTag(const std::string& tag, const std::string& upper, Pass pass) {
    const bool draw = Drawing(pass);
    TFont& font = fonts_->Current;
    switch (upper[1]) {
    case 'A': {
        ++r_.AnchorCount;
        const bool thisOne = !o_.AnchorHover || o_.HoverLink == r_.AnchorCount;
        if (thisOne && draw) {
            SetStyle(fsUnderline, true);
            if (o_.HoverColor != clNone) {
                anchorBackground_ = background_;
                background_ = o_.HoverColor;
            }
            if (o_.HoverFontColor != clNone) {
                anchorText_ = font.Color();
                font.SetColor(o_.HoverFontColor);
            }
        }
        if (!o_.KeepColours &&
            (o_.HoverFontColor == clNone || o_.HoverLink != r_.AnchorCount || !o_.AnchorHover))
            font.SetColor(o_.URLColor);
        link_ = QuotedAfter(tag, 0);
        inAnchor_ = true;
        anchorStart_ = {line_.Left + out_->Width, line_.Top};
        anchorLine_ = lineNo_;
        break;
    }
    case 'B':
        if (upper[2] == '>') {
            SetStyle(fsBold, true);
        } else if (StartsWith(upper, "<BLINK")) {
            if (!o_.BlinkOn)
                font.SetColor(clWhite);
        } else if (StartsWith(upper, "<BODY")) {
            if (draw && !o_.KeepColours) {
                const std::string value = Attribute(upper, "BGCOLOR").value_or("");
                background_ = value.empty() ? clNone : ColourValue(value);
                if (Attribute(upper, "BGCOLORTO"))
                    background_ = clNone;
                fontSlot_ = background_;
            }
        } else if (StartsWith(upper, "<BR")) {
            lineBreak_ = true;
            if (pass == Pass::Measure)
                r_.PlainText += '\r';
        }
        break;
    case 'E':
        if (draw)
            error_ = true;
        break;
    case 'F':
        if (StartsWith(upper, "<FONT")) {
            if (auto face = Attribute(upper, "FACE"); face && !face->empty())
                font.SetName(*face);
            if (auto colour = Attribute(upper, " COLOR"); colour && !colour->empty() && !o_.KeepColours)
                font.SetColor(ColourValue(*colour));
            if (auto colour = Attribute(upper, "BGCOLOR"); colour && draw && !o_.KeepColours) {
                fontSlot_ = background_;
                if (!colour->empty())
                    background_ = ColourValue(*colour);
            }
            if (const std::size_t at = upper.find("SIZE"); at != std::string::npos) {
                const std::size_t eq = upper.find('=', at);
                if (eq != std::string::npos) {
                    const std::size_t quote = upper.find('"', eq);
                    const std::string rest =
                        quote == std::string::npos ? upper.substr(eq + 1) : upper.substr(quote + 1);
                    if (auto n = LeadingInt(rest)) {
                        static constexpr int kSizes[] = {8, 10, 12, 14, 16};
                        const int points = *n >= 1 && *n <= 5 ? kSizes[*n - 1] : *n;
                        font.SetSize(std::clamp(points, 1, kMaxPoints));
                    }
                }
            }
        }
        break;
    case 'H':
        if (StartsWith(upper, "<HI")) {
            if (draw) {
                hiText_ = font.Color();
                hiBackground_ = background_;
                background_ = clHighlight;
                font.SetColor(clHighlightText);
            }
        } else if (StartsWith(upper, "<HR")) {
            lineBreak_ = true;
            if (draw) {
                const Gdiplus::Pen black(Gdiplus::Color(255, 0, 0, 0), 1.0f);
                const float y = static_cast<float>(line_.Bottom + 1);
                g_.DrawLine(black, static_cast<float>(line_.Left), y, static_cast<float>(line_.Right), y);
            }
        }
        break;
    case 'I':
        if (upper[2] == '>') {
            SetStyle(fsItalic, true);
        } else if (StartsWith(upper, "<IND")) {
            if (auto x = XValue(tag); x && *x > out_->Width) {
                out_->Width = *x;
                pen_.Left = line_.Left + *x;
            }
        } else if (StartsWith(upper, "<IMG")) {
            Image(tag, upper, pass);
        }
        break;
    case 'L':
        if (StartsWith(upper, "<LI"))
            ListItem(upper, pass);
        break;
    case 'O':
        if (StartsWith(upper, "<OF")) {
            offset_ = std::clamp(XValue(tag).value_or(0), 0, kMaxNumber);
            out_->Width = offset_;
            pen_.Left = line_.Left + offset_;
        }
        break;
    case 'P':
        if (upper[2] == '>' || upper[2] == ' ') {
            if (auto a = Attribute(upper, "ALIGN")) {
                const std::size_t right = a->rfind("RIGHT"), left = a->rfind("LEFT"),
                                  centre = a->rfind("CENTER");
                std::size_t best = std::string::npos;
                for (const auto& [at, value] :
                     {std::pair{right, Align::Right}, {left, Align::Left}, {centre, Align::Center}})
                    if (at != std::string::npos && (best == std::string::npos || at > best)) {
                        best = at;
                        align_ = value;
                    }
            }
            if (auto i = Attribute(upper, "INDENT"))
                indent_ = std::clamp(LeadingInt(*i).value_or(0), -kMaxNumber, kMaxNumber);
            if (draw && Attribute(upper, "BGCOLOR") && Attribute(upper, "BGCOLORTO"))
                background_ = clNone;
        }
        break;
    case 'S':
        if (upper[2] == '>')
            SetStyle(fsStrikeOut, true);
        else if (StartsWith(upper, "<SH"))
            shadow_ = true;
        else if (StartsWith(upper, "<SUB>"))
            sub_ = true;
        else if (StartsWith(upper, "<SUP>"))
            sup_ = true;
        break;
    case 'U':
        if (upper[2] == '>') {
            SetStyle(fsUnderline, true);
        } else {
            listLevel_ = std::min(listLevel_ + 1, 64);
            lineBreak_ = true;
        }
        break;
    case 'Z':
        hidden_ = true;
        break;
    default:
        break;
    }
}

void Renderer::CloseTag(const std::string& upper, Pass pass) {
    const bool draw = Drawing(pass);
    TFont& font = fonts_->Current;
    const auto restore = [this](TColor saved) { background_ = saved; };
    switch (upper[2]) {
    case 'A':
        if (!o_.AnchorHover || o_.HoverLink == r_.AnchorCount) {
            if (draw) {
                SetStyle(fsUnderline, false);
                if (o_.HoverColor != clNone)
                    restore(anchorBackground_);
                if (o_.HoverFontColor != clNone)
                    font.SetColor(anchorText_);
            }
        }
        if (!o_.KeepColours)
            font.SetColor(fonts_->Base.Color());
        inAnchor_ = false;
        if (hoverPending_) {
            TRect rect{anchorStart_.X, anchorStart_.Y, line_.Left + out_->Width, line_.Bottom};
            if (anchorLine_ != lineNo_) {
                rect.Left = line_.Left;
                rect.Top = line_.Top;
            }
            r_.HoverRect = rect;
            r_.HoverAnchor = r_.AnchorCount;
            hoverPending_ = false;
        }
        break;
    case 'B':
        if (upper[3] == '>')
            SetStyle(fsBold, false);
        else
            font.SetColor(fonts_->Base.Color());
        break;
    case 'E':
        if (draw)
            error_ = false;
        break;
    case 'F':
        font.SetName(fonts_->Base.Name());
        font.SetSize(fonts_->Base.Size());
        if (draw && !o_.KeepColours) {
            font.SetColor(fonts_->Base.Color());
            restore(fontSlot_);
        }
        break;
    case 'H':
        if (StartsWith(upper, "</HI") && draw) {
            font.SetColor(hiText_);
            restore(hiBackground_);
        }
        break;
    case 'I':
        SetStyle(fsItalic, false);
        break;
    case 'L':
        lineBreak_ = true;
        break;
    case 'O':
        offset_ = 0;
        break;
    case 'P':
        lineBreak_ = true;
        if (draw)
            background_ = clNone;
        break;
    case 'S':
        if (StartsWith(upper, "</SU")) {
            sub_ = sup_ = false;
        } else if (StartsWith(upper, "</SH")) {
            shadow_ = false;
        } else {
            SetStyle(fsStrikeOut, false);
        }
        break;
    case 'U':
        if (upper[3] == '>') {
            SetStyle(fsUnderline, false);
        } else {
            if (listLevel_ > 0)
                --listLevel_;
            if (listLevel_ == 0)
                SetStyle(fsUnderline, false);
        }
        break;
    case 'Z':
        hidden_ = false;
        break;
    default:
        break;
    }
}

void Renderer::Image(const std::string& tag, const std::string& upper, Pass pass) {
    ++imageNo_;
    const bool draw = Drawing(pass);
    const std::size_t srcAt = upper.find("SRC");
    std::string name = srcAt == std::string::npos ? std::string() : QuotedAfter(tag, srcAt + 3);
    if (auto alt = Attribute(upper, "ALT"); alt && imageNo_ == hoverImage_)
        name = *alt;
    int explicitW = std::clamp(LeadingInt(Attribute(upper, "WIDTH").value_or("")).value_or(0), 0, kMaxNumber);
    int explicitH =
        std::clamp(LeadingInt(Attribute(upper, "HEIGHT").value_or("")).value_or(0), 0, kMaxNumber);
    const bool sized = explicitW >= 1 && explicitH >= 1;
    int iw = 0, ih = 0;
    const std::string upperName = Upper(name);
    if (upperName.find("IDX:") != std::string::npos) {
        name = name.substr(std::min<std::size_t>(4, name.size()));
        const std::optional<int> index = LeadingInt(name);
        if (o_.Images && index && *index >= 0 && *index < o_.Images->Count()) {
            iw = o_.Images->Width();
            ih = o_.Images->Height();
            if (draw && !o_.Printing) {
                const Gdiplus::Image image(o_.Images->Image(*index));
                g_.DrawImage(image, static_cast<float>(pen_.Left), static_cast<float>(pen_.Top));
            }
        }
    }
    // The desktop's file and folder icons (see SystemIcons.h); what follows
    // the prefix is a path or an index into the list.
    const bool small = upperName.find("SSYS:") != std::string::npos;
    if (small || upperName.find("LSYS:") != std::string::npos) {
        name = name.substr(std::min<std::size_t>(5, name.size()));
        const bool large = !small;
        iw = ih = korvan::forms::SystemIconSize(large);
        if (draw) {
            const Gdiplus::Image image = korvan::forms::SystemIcon(name, large);
            if (image.IsValid()) {
                const float x = static_cast<float>(pen_.Left), y = static_cast<float>(pen_.Top);
                if (o_.Printing) {
                    const float side = static_cast<float>(iw * std::clamp(o_.ImageScale, 0.0, 64.0));
                    g_.DrawImage(image, Gdiplus::RectF{x, y, side, side});
                } else {
                    g_.DrawImage(image, x, y);
                }
            }
        }
    }
    if (name.find(':') == std::string::npos && o_.Pictures) {
        if (TAdvGDIPPicture* picture = o_.Pictures->FindPicture(name); picture && !picture->Empty()) {
            picture->GetImageSizes();
            iw = sized ? explicitW : picture->Width();
            ih = sized ? explicitH : picture->Height();
            if (draw)
                picture->GDIPDraw(g_, Bounds(pen_.Left, pen_.Top, iw, ih));
        }
    }
    if (inAnchor_) {
        const int x = o_.X - line_.Left;
        if (out_->Width < x && x < out_->Width + iw && pen_.Top < o_.Y && o_.Y < pen_.Top + ih) {
            out_->ImageHit = true;
            r_.Anchor = link_;
            hoverImage_ = imageNo_;
        }
    }
    const int lineWidth = line_.Right - line_.Left;
    if (pass == Pass::Measure && placedAny_ && lineWidth < out_->Width + iw && iw < lineWidth) {
        noRoom_ = true;
        return;
    }
    out_->Width += iw;
    pen_.Left += iw;
    out_->Height = std::max(out_->Height, ih);
    if (upper.find("ALIGN") != std::string::npos) {
        if (upper.find("\"TOP") != std::string::npos)
            out_->ImageShift = out_->Height - GhHeight();
        else if (upper.find("\"MIDDLE") != std::string::npos)
            out_->ImageShift = (out_->Height - GhHeight()) / 2;
    }
    if (upper.find("WRAP") != std::string::npos) {
        out_->Height = GhHeight();
        out_->ImageShift = 0;
    }
}

void Renderer::ListItem(const std::string& upper, Pass pass) {
    if (liMet_) {
        noRoom_ = true;
        return;
    }
    liMet_ = true;
    const std::string type = Attribute(upper, "TYPE").value_or("");
    const std::string colourText = Attribute(upper, "COLOR").value_or("");
    const TColor colour = colourText.empty() ? clNone : ColourValue(colourText);
    const std::string name = Attribute(upper, "NAME").value_or("");
    out_->Width += 12 * listLevel_;
    pen_.Left += 12 * listLevel_ - 12;
    if (Drawing(pass) && !hidden_) {
        const Gdiplus::RectF box{static_cast<float>(pen_.Left), static_cast<float>(pen_.Top + 2), 8, 8};
        const Gdiplus::SolidBrush mark(MakeARGBFromColor(255, colour));
        if (type == "SQUARE") {
            g_.FillRectangle(mark, box);
        } else if (type == "CIRCLE") {
            g_.FillEllipse(mark, box);
        } else if (type == "IMAGE") {
            if (TAdvGDIPPicture* picture =
                    o_.Pictures && !name.empty() ? o_.Pictures->FindPicture(name) : nullptr;
                picture && !picture->Empty()) {
                picture->GetImageSizes();
                picture->GDIPDraw(g_, Bounds(pen_.Left, pen_.Top + 2, picture->Width(), picture->Height()));
                if (picture->Width() > 12)
                    pen_.Left += picture->Width() - 12;
            }
        } else if (type.empty()) {
            TFont bullet;
            bullet.Assign(fonts_->Current);
            if (colour != clNone)
                bullet.SetColor(colour);
            TRect at = pen_;
            HtmlDrawText(g_, listLevel_ % 2 == 0 ? "o" : "\xE2\x80\xA2", at, bullet, 0, clNone);
        }
    }
    pen_.Left += 12;
}

} // namespace

bool DrawMiniHtml(Gdiplus::Graphics& graphics, const TFont& font, const std::string& text, const TRect& rect,
                  const MiniHtmlOptions& options, MiniHtmlResult& result) {
    Renderer renderer(graphics, font, options, result);
    return renderer.Run(text, rect);
}

} // namespace korvan::gdip
