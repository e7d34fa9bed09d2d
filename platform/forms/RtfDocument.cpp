// The rich-text reader: a tokenizer over the bytes and a stack of group
// states (character and paragraph formatting, destination, fallback count).

#include "platform/forms/RtfDocument.h"

#include "platform/text/AnsiText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace korvan::forms {

namespace {

enum class Destination { Text, FontTable, ColourTable, Skip };

struct GroupState {
    RtfRun Style;
    RtfAlign Align = RtfAlign::Left;
    int LeftIndent = 0, FirstIndent = 0, SpaceBefore = 0, SpaceAfter = 0;
    Destination Dest = Destination::Text;
    int FallbackCount = 1; // \uc
};

bool IsSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 22> kSkipped{
        "stylesheet",   "info",      "pict",
        "header",       "footer",    "headerl",
        "headerr",      "footerl",   "footerr",
        "object",       "themedata", "colorschememapping",
        "latentstyles", "listtable", "listoverridetable",
        "rsidtbl",      "generator", "xmlnstbl",
        "datastore",    "fldinst",   "footnote",
        "bkmkstart"};
    return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF)
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) { stack_.push_back({}); }
    RtfDocument Read();

private:
    GroupState& State() { return stack_.back(); }
    void Control();
    void Word(const std::string& word, std::optional<int> arg);
    void Text(std::string_view utf8);
    void Byte(char byte);
    void FlushBytes();
    void EndParagraph();
    void CloseGroup();
    // A high surrogate not followed by its low half stands for U+FFFD.
    void DropHighSurrogate();
    void Unicode(int code);
    korvan::text::AnsiCodePage PageOfFont() const;

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    int excessDepth_ = 0; // groups opened past the depth limit
    RtfDocument doc_;
    RtfParagraph paragraph_;
    std::string pendingBytes_;
    int skipFallback_ = 0;            // characters still to skip after \u
    std::uint32_t highSurrogate_ = 0; // waiting for the low half of a pair
    bool newGroup_ = false;           // the last token opened a group (for \*)
    int fontEntry_ = 0;
    std::string fontName_;
    bool fontNameTaking_ = false; // the last byte offered joined the name
    std::array<int, 3> colour_{0, 0, 0};
    bool colourSet_ = false;
};

korvan::text::AnsiCodePage Reader::PageOfFont() const {
    const auto font = doc_.Fonts.find(stack_.back().Style.Font);
    if (font != doc_.Fonts.end() && font->second.Charset == 134)
        return korvan::text::AnsiCodePage::Gbk;
    if (font != doc_.Fonts.end() && font->second.Charset != 0 && font->second.Charset != 1)
        return korvan::text::AnsiCodePage::Windows1252;
    return doc_.CodePage == 936 ? korvan::text::AnsiCodePage::Gbk : korvan::text::AnsiCodePage::Windows1252;
}

void Reader::FlushBytes() {
    if (pendingBytes_.empty())
        return;
    const std::string bytes = std::move(pendingBytes_);
    pendingBytes_.clear();
    Text(korvan::text::FromAnsi(bytes, PageOfFont()));
}

void Reader::DropHighSurrogate() {
    if (highSurrogate_ == 0)
        return;
    highSurrogate_ = 0;
    Text("\xEF\xBF\xBD");
}

void Reader::Unicode(int n) {
    const int code = n < 0 ? n + 65536 : n;
    if (code < 0 || code > 0xFFFF) {
        DropHighSurrogate();
        Text("\xEF\xBF\xBD");
        return;
    }
    const auto unit = std::uint32_t(code);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        DropHighSurrogate();
        highSurrogate_ = unit;
        return;
    }
    std::uint32_t cp = unit;
    if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
        cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
        highSurrogate_ = 0;
    }
    DropHighSurrogate();
    std::string utf8;
    AppendUtf8(utf8, cp);
    Text(utf8);
}

void Reader::Text(std::string_view utf8) {
    if (excessDepth_ > 0)
        return;
    DropHighSurrogate();
    GroupState& s = State();
    switch (s.Dest) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        for (const char ch : utf8) {
            if (ch == ';') {
                doc_.Fonts[fontEntry_].Name = fontName_;
                fontName_.clear();
            } else if (fontName_.size() < 64 ||
                       (fontNameTaking_ && (static_cast<unsigned char>(ch) & 0xC0) == 0x80)) {
                // Names end at 64 bytes, never inside a character.
                fontName_ += ch;
                fontNameTaking_ = true;
            } else {
                fontNameTaking_ = false;
            }
        }
        return;
    case Destination::ColourTable:
        for (const char ch : utf8) {
            if (ch != ';' || doc_.Colours.size() >= 1024)
                continue;
            doc_.Colours.push_back(colourSet_ ? TColor(colour_[0] | (colour_[1] << 8) | (colour_[2] << 16))
                                              : clNone);
            colour_ = {0, 0, 0};
            colourSet_ = false;
        }
        return;
    case Destination::Text:
        break;
    }
    if (utf8.empty())
        return;
    std::vector<RtfRun>& runs = paragraph_.Runs;
    if (runs.empty() || !runs.back().SameStyle(s.Style)) {
        runs.push_back(s.Style);
        runs.back().Text.clear();
    }
    runs.back().Text += utf8;
}

void Reader::Byte(char byte) {
    if (skipFallback_ > 0) {
        --skipFallback_;
        return;
    }
    if (pendingBytes_.size() >= 4096)
        FlushBytes();
    pendingBytes_ += byte;
}

void Reader::EndParagraph() {
    FlushBytes();
    DropHighSurrogate();
    GroupState& s = State();
    if (excessDepth_ > 0 || s.Dest != Destination::Text)
        return;
    paragraph_.Align = s.Align;
    paragraph_.LeftIndent = s.LeftIndent;
    paragraph_.FirstIndent = s.FirstIndent;
    paragraph_.SpaceBefore = s.SpaceBefore;
    paragraph_.SpaceAfter = s.SpaceAfter;
    doc_.Paragraphs.push_back(std::move(paragraph_));
    paragraph_ = {};
}

void Reader::CloseGroup() {
    FlushBytes();
    DropHighSurrogate();
    if (excessDepth_ > 0) {
        --excessDepth_;
        return;
    }
    if (stack_.size() <= 1)
        return; // an unmatched "}" is ignored
    if (State().Dest == Destination::FontTable && !fontName_.empty()) {
        doc_.Fonts[fontEntry_].Name = fontName_;
        fontName_.clear();
    }
    stack_.pop_back();
}

void Reader::Word(const std::string& word, std::optional<int> arg) {
    if (excessDepth_ > 0)
        return;
    GroupState& s = State();
    const int n = arg.value_or(1);
    const bool opened = newGroup_;
    newGroup_ = false;
    if (word == "fonttbl") {
        s.Dest = Destination::FontTable;
    } else if (word == "colortbl") {
        s.Dest = Destination::ColourTable;
    } else if (opened && IsSkippedDestination(word)) {
        s.Dest = Destination::Skip;
    } else if (word == "ansicpg") {
        doc_.CodePage = n;
    } else if (word == "deff") {
        doc_.DefaultFont = n;
        s.Style.Font = n;
    } else if (word == "f") {
        if (s.Dest == Destination::FontTable) {
            fontEntry_ = n;
            doc_.Fonts[n];
        } else {
            s.Style.Font = n;
        }
    } else if (word == "fcharset") {
        if (s.Dest == Destination::FontTable)
            doc_.Fonts[fontEntry_].Charset = n;
    } else if (word == "red" || word == "green" || word == "blue") {
        colour_[word == "red" ? 0 : word == "green" ? 1 : 2] = std::clamp(n, 0, 255);
        colourSet_ = true;
    } else if (word == "fs") {
        s.Style.HalfPoints = std::clamp(n, 2, 400);
    } else if (word == "b") {
        s.Style.Bold = n != 0;
    } else if (word == "i") {
        s.Style.Italic = n != 0;
    } else if (word == "ul") {
        s.Style.Underline = n != 0;
    } else if (word == "ulnone") {
        s.Style.Underline = false;
    } else if (word == "cf") {
        s.Style.Colour = std::clamp(n, 0, 1023);
    } else if (word == "plain") {
        const int font = s.Style.Font;
        s.Style = {};
        s.Style.Font = font;
    } else if (word == "pard") {
        s.Align = RtfAlign::Left;
        s.LeftIndent = s.FirstIndent = s.SpaceBefore = s.SpaceAfter = 0;
    } else if (word == "ql" || word == "qr" || word == "qc" || word == "qj") {
        s.Align = word == "qr"   ? RtfAlign::Right
                  : word == "qc" ? RtfAlign::Center
                  : word == "qj" ? RtfAlign::Justify
                                 : RtfAlign::Left;
    } else if (word == "li") {
        s.LeftIndent = std::clamp(n, -31680, 31680);
    } else if (word == "fi") {
        s.FirstIndent = std::clamp(n, -31680, 31680);
    } else if (word == "sb") {
        s.SpaceBefore = std::clamp(n, 0, 31680);
    } else if (word == "sa") {
        s.SpaceAfter = std::clamp(n, 0, 31680);
    } else if (word == "par") {
        EndParagraph();
    } else if (word == "line") {
        FlushBytes();
        Text("\n");
    } else if (word == "tab") {
        FlushBytes();
        Text("    ");
    } else if (word == "uc") {
        s.FallbackCount = std::clamp(n, 0, 10);
    } else if (word == "u") {
        FlushBytes();
        Unicode(n);
        skipFallback_ = s.FallbackCount;
    } else if (word == "emdash" || word == "endash") {
        Text(word == "emdash" ? "\xE2\x80\x94" : "\xE2\x80\x93");
    } else if (word == "bullet") {
        Text("\xE2\x80\xA2");
    }
    // Every other control word is ignored.
}

void Reader::Control() {
    // At a backslash.
    ++pos_;
    if (pos_ >= in_.size())
        return;
    const char c = in_[pos_];
    if (std::isalpha(static_cast<unsigned char>(c))) {
        std::string word;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) {
            if (word.size() < 32)
                word += in_[pos_];
            ++pos_;
        }
        std::optional<int> arg;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        if (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            long v = 0;
            int digits = 0;
            while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
                if (digits++ < 9)
                    v = v * 10 + (in_[pos_] - '0');
                ++pos_;
            }
            arg = int(negative ? -v : v);
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_; // the delimiting space belongs to the word
        if (word != "u")
            FlushBytes();
        if (word != "u" && skipFallback_ > 0) {
            --skipFallback_; // a control word stands for one fallback character
            return;
        }
        Word(word, arg);
        return;
    }
    ++pos_;
    switch (c) {
    case '\'': {
        const auto hex = [](char h) -> int {
            if (h >= '0' && h <= '9')
                return h - '0';
            h = char(std::tolower(static_cast<unsigned char>(h)));
            return h >= 'a' && h <= 'f' ? h - 'a' + 10 : -1;
        };
        int value = 0, got = 0;
        while (got < 2 && pos_ < in_.size() && hex(in_[pos_]) >= 0) {
            value = value * 16 + hex(in_[pos_++]);
            ++got;
        }
        if (got > 0)
            Byte(char(value));
        break;
    }
    case '*':
        if (newGroup_)
            State().Dest = Destination::Skip;
        break;
    case '\\':
    case '{':
    case '}':
        FlushBytes();
        Text(std::string(1, c));
        break;
    case '~':
        FlushBytes();
        Text(" ");
        break;
    case '_':
        FlushBytes();
        Text("-");
        break;
    case '\r':
    case '\n':
        EndParagraph();
        break;
    default: // \- and unknown symbols
        break;
    }
    newGroup_ = false;
}

RtfDocument Reader::Read() {
    while (pos_ < in_.size()) {
        const char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            FlushBytes();
            newGroup_ = false;
            if (excessDepth_ > 0 || int(stack_.size()) >= kMaxRtfDepth) {
                ++excessDepth_; // read, but its content is dropped
                continue;
            }
            stack_.push_back(State());
            newGroup_ = true;
        } else if (c == '}') {
            ++pos_;
            CloseGroup();
            newGroup_ = false;
        } else if (c == '\\') {
            Control();
        } else {
            ++pos_;
            newGroup_ = false;
            if (c == '\r' || c == '\n')
                continue;
            if (static_cast<unsigned char>(c) >= 0x80 || !pendingBytes_.empty()) {
                Byte(c); // raw 8-bit text in the code page
                continue;
            }
            if (skipFallback_ > 0) {
                --skipFallback_;
                continue;
            }
            Text(std::string_view(&in_[pos_ - 1], 1));
        }
    }
    FlushBytes();
    DropHighSurrogate();
    if (!paragraph_.Runs.empty())
        EndParagraph();
    return std::move(doc_);
}

} // namespace

std::string RtfDocument::PlainText() const {
    std::string out;
    for (std::size_t i = 0; i < Paragraphs.size(); ++i) {
        if (i > 0)
            out += '\n';
        for (const RtfRun& run : Paragraphs[i].Runs)
            out += run.Text;
    }
    return out;
}

RtfDocument ParseRtf(std::string_view bytes) {
    return Reader(bytes).Read();
}

} // namespace korvan::forms
