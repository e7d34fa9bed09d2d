#pragma once

// Checks the #include lines of a source file against the layer table.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvan::architecture {

struct Include {
    int line = 0;
    bool angled = false; // <...> rather than "..."
    std::string path;
};

// Every #include of a file's text, in order.
std::vector<Include> ScanIncludes(std::string_view text);

class IncludeChecker {
public:
    // qtHeaders: the folder that holds QtCore/, QtGui/, ... (to tell the
    // module of <QPainter>).
    explicit IncludeChecker(std::filesystem::path qtHeaders);

    // The folder of the layer table that holds a file given relative to the
    // source root; empty when none does.
    std::string LayerOf(std::string_view file) const;
    // Where an include of a file leads: a layer, or an outside place
    // (std, posix, Qt/<module>, a library's name).
    std::string PlaceOf(std::string_view file, const Include& include) const;
    // One line per offending include: "<file>:<line>: ...".
    std::vector<std::string> Check(std::string_view file, std::string_view text) const;

private:
    std::string QtPlaceOf(std::string_view header) const;

    std::filesystem::path qtHeaders_;
};

} // namespace korvan::architecture
