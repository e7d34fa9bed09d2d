#pragma once
// Line breaking of GDI+ strings, shared by measuring and drawing so that a
// string is drawn on exactly the lines it was measured on.

#include <QFont>
#include <QString>
#include <vector>

namespace korvan::gfx {

struct StringLine {
    QString Text;     // the characters drawn, blanks at a wrap included
    double Width = 0; // advance width, trailing blanks left out unless they are measured
};

struct StringLayout {
    std::vector<StringLine> Lines;
    double LineHeight = 0;
    double Width() const; // widest line
    double Height() const { return LineHeight * static_cast<double>(Lines.size()); }
};

// Lines end at line feeds (CR, LF or CR LF) and, with maxWidth > 0, before a
// word that would cross maxWidth: breaks come after blanks and hyphens, the
// blanks at a break hang past the edge, and a word longer than a whole line
// is broken between characters (at least one character per line).
StringLayout LayOutString(const QString& text, const QFont& font, double maxWidth,
                          bool measureTrailingBlanks);

} // namespace korvan::gfx
