#pragma once
// The document model of the rich edit and the subset of Rich Text Format it
// reads, parsed into paragraphs of styled runs (UTF-8):
//
//   groups { }, \rtf1, \ansi, \ansicpgN (936: GBK, else Windows-1252), \deffN
//   {\fonttbl {\fN \fcharsetN Name;} ...}     font N (charset 134: GBK text)
//   {\colortbl ;\redN\greenN\blueN; ...}       colour N (0: the default)
//   \par \line \tab \pard \plain
//   \ql \qr \qc \qj, \liN \fiN \sbN \saN (twips)
//   \fN \fsN (half points) \b \i \ul \ulnone \cfN (a 0 argument turns off)
//   \uN with \ucN fallback characters skipped (a surrogate pair of \u
//   gives one character); \'hh bytes in the code page
//   of the current font (or of the document)
//   \\ \{ \} literal; \~ space; \- and \* groups and unknown destinations
//   (stylesheet, info, pict, ...) are skipped; every other control word is
//   ignored.
//
// Any bytes are safe: nesting deeper than kMaxRtfDepth is read as skipped
// groups, numbers are cut to nine digits and clamped where used, control
// words longer than 32 letters end at the 32nd.

#include "platform/gfx/Color.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace korvan::forms {

inline constexpr int kMaxRtfDepth = 64;

struct RtfRun {
    std::string Text; // UTF-8; "\n" is a line break inside the paragraph
    int Font = 0;     // number in the font table
    int HalfPoints = 24;
    bool Bold = false, Italic = false, Underline = false;
    int Colour = 0; // index into the colour table; 0: the default colour
    bool operator==(const RtfRun&) const = default;
    bool SameStyle(const RtfRun& o) const {
        return Font == o.Font && HalfPoints == o.HalfPoints && Bold == o.Bold && Italic == o.Italic &&
               Underline == o.Underline && Colour == o.Colour;
    }
};

enum class RtfAlign { Left, Right, Center, Justify };

struct RtfParagraph {
    std::vector<RtfRun> Runs;
    RtfAlign Align = RtfAlign::Left;
    int LeftIndent = 0, FirstIndent = 0, SpaceBefore = 0, SpaceAfter = 0; // twips
    bool operator==(const RtfParagraph&) const = default;
};

struct RtfFont {
    std::string Name;
    int Charset = 0;
    bool operator==(const RtfFont&) const = default;
};

struct RtfDocument {
    std::map<int, RtfFont> Fonts;
    std::vector<TColor> Colours; // entry 0 is clNone when the table starts with ";"
    std::vector<RtfParagraph> Paragraphs;
    int CodePage = 1252;
    int DefaultFont = 0;
    // The text of every paragraph, paragraphs joined by "\n".
    std::string PlainText() const;
    bool operator==(const RtfDocument&) const = default;
};

RtfDocument ParseRtf(std::string_view bytes);

} // namespace korvan::forms
