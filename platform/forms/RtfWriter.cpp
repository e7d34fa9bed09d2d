// The rich-text writer: a header with the font and colour tables, then one
// \pard group of paragraph settings per paragraph and a full set of
// character settings before every run.

#include "platform/forms/RtfWriter.h"

#include <cstdint>

namespace korvan::forms {

namespace {

// The next code point of UTF-8 text; a malformed sequence is one U+FFFD.
std::uint32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i++);
    if (c < 0x80)
        return c;
    const int extra = c >= 0xF0 && c < 0xF5 ? 3 : c >= 0xE0 && c < 0xF0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : -1;
    if (extra < 0)
        return 0xFFFD;
    std::uint32_t cp = c & (0x3F >> extra);
    // A sequence cut short is one U+FFFD, the bytes it had included.
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= s.size() || (byte(i) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    const std::uint32_t least = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    return cp;
}

void Unicode(std::string& out, std::uint32_t unit) {
    // \u takes a signed 16-bit number; '?' is the one fallback character.
    const int n = unit > 0x7FFF ? int(unit) - 0x10000 : int(unit);
    out += "\\u" + std::to_string(n) + "?";
}

// Text with the RTF specials escaped; a line break inside the paragraph is
// \line. In the font table a ';' would end the name, so it is left out.
void Escaped(std::string& out, const std::string& text, bool fontName) {
    for (std::size_t i = 0; i < text.size();) {
        const std::uint32_t cp = NextCodePoint(text, i);
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += char(cp);
        } else if (cp == ';' && fontName) {
            continue;
        } else if (cp == '\n' && !fontName) {
            out += "\\line ";
        } else if (cp >= 0x20 && cp < 0x7F) {
            out += char(cp);
        } else if (cp > 0xFFFF) {
            Unicode(out, 0xD800 + ((cp - 0x10000) >> 10));
            Unicode(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            Unicode(out, cp);
        }
    }
}

void Word(std::string& out, const char* word, int value) {
    out += '\\';
    out += word;
    out += std::to_string(value);
}

} // namespace

std::string WriteRtf(const RtfDocument& doc) {
    std::string out = "{\\rtf1\\ansi";
    Word(out, "ansicpg", doc.CodePage);
    Word(out, "deff", doc.DefaultFont);
    out += "\\uc1";
    if (!doc.Fonts.empty()) {
        out += "{\\fonttbl";
        for (const auto& [number, font] : doc.Fonts) {
            out += '{';
            Word(out, "f", number);
            Word(out, "fcharset", font.Charset);
            out += ' ';
            Escaped(out, font.Name, true);
            out += ";}";
        }
        out += '}';
    }
    if (!doc.Colours.empty()) {
        out += "{\\colortbl";
        for (const TColor colour : doc.Colours) {
            if (colour != clNone) {
                const auto rgb = static_cast<std::uint32_t>(colour);
                Word(out, "red", int(rgb & 0xFF));
                Word(out, "green", int((rgb >> 8) & 0xFF));
                Word(out, "blue", int((rgb >> 16) & 0xFF));
            }
            out += ';';
        }
        out += '}';
    }
    out += '\n';
    for (const RtfParagraph& para : doc.Paragraphs) {
        out += "\\pard";
        switch (para.Align) {
        case RtfAlign::Left:
            break;
        case RtfAlign::Right:
            out += "\\qr";
            break;
        case RtfAlign::Center:
            out += "\\qc";
            break;
        case RtfAlign::Justify:
            out += "\\qj";
            break;
        }
        const std::pair<const char*, int> spacing[] = {{"li", para.LeftIndent},
                                                       {"fi", para.FirstIndent},
                                                       {"sb", para.SpaceBefore},
                                                       {"sa", para.SpaceAfter}};
        for (const auto& [word, value] : spacing)
            if (value != 0)
                Word(out, word, value);
        for (const RtfRun& run : para.Runs) {
            out += "\\plain";
            Word(out, "f", run.Font);
            Word(out, "fs", run.HalfPoints);
            if (run.Bold)
                out += "\\b";
            if (run.Italic)
                out += "\\i";
            if (run.Underline)
                out += "\\ul";
            if (run.Colour != 0)
                Word(out, "cf", run.Colour);
            out += ' ';
            Escaped(out, run.Text, false);
        }
        out += "\\par\n";
    }
    out += "}";
    return out;
}

} // namespace korvan::forms
