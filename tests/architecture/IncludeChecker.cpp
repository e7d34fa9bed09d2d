#include "tests/architecture/IncludeChecker.h"

#include "tests/architecture/LayerRules.h"

#include <algorithm>
#include <regex>
#include <sstream>

namespace korvan::architecture {
namespace {

// "a" holds "a" and every place under it ("a/b").
bool Holds(std::string_view outer, std::string_view place) {
    return place == outer ||
           (place.size() > outer.size() && place.starts_with(outer) && place[outer.size()] == '/');
}

const LayerRule* RuleOf(std::string_view layer) {
    for (const LayerRule& rule : kLayerRules) {
        if (rule.folder == layer)
            return &rule;
    }
    return nullptr;
}

bool Allows(const LayerRule& rule, std::string_view place) {
    std::istringstream entries{std::string(rule.mayInclude)};
    std::string entry;
    while (entries >> entry) {
        if (entry == "*" || Holds(entry, place))
            return true;
    }
    return false;
}

bool MayIncludeQt(std::string_view file) {
    if (!file.starts_with("platform/forms/") || !file.ends_with(".h"))
        return true;
    return std::find(std::begin(kFormsHeadersWithQt), std::end(kFormsHeadersWithQt), file) !=
           std::end(kFormsHeadersWithQt);
}

} // namespace

std::vector<Include> ScanIncludes(std::string_view text) {
    static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> includes;
    std::istringstream lines{std::string(text)};
    std::string line;
    std::smatch match;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (std::regex_search(line, match, kInclude))
            includes.push_back({number, match[1] == "<", match[2]});
    }
    return includes;
}

IncludeChecker::IncludeChecker(std::filesystem::path qtHeaders) : qtHeaders_(std::move(qtHeaders)) {}

std::string IncludeChecker::LayerOf(std::string_view file) const {
    std::string_view best;
    for (const LayerRule& rule : kLayerRules) {
        if (Holds(rule.folder, file) && rule.folder.size() > best.size())
            best = rule.folder;
    }
    return std::string(best);
}

std::string IncludeChecker::QtPlaceOf(std::string_view header) const {
    if (const auto slash = header.find('/'); slash != std::string_view::npos)
        return "Qt/" + std::string(header.substr(2, slash - 2)); // <QtGui/QPainter>
    std::error_code error;
    for (const auto& module : std::filesystem::directory_iterator(qtHeaders_, error)) {
        if (std::filesystem::exists(module.path() / header))
            return "Qt/" + module.path().filename().string().substr(2);
    }
    return "Qt/unknown";
}

std::string IncludeChecker::PlaceOf(std::string_view file, const Include& include) const {
    const std::string_view header = include.path;
    if (!include.angled) {
        // Our includes name the path from the source root; anything else is
        // taken from the including file's folder.
        if (std::string layer = LayerOf(header); !layer.empty())
            return layer;
        const auto path = (std::filesystem::path(file).parent_path() / header).lexically_normal();
        return LayerOf(path.generic_string());
    }
    if (header.starts_with("gtest/") || header.starts_with("gmock/"))
        return "gtest";
    if (header == "libudev.h")
        return "libudev";
    if (header == "zlib.h")
        return "zlib";
    if (header == "jpeglib.h" || header == "jerror.h")
        return "jpeg";
    if (header == "png.h")
        return "png";
    if (header.starts_with('Q'))
        return QtPlaceOf(header);
    return header.find('.') == std::string_view::npos ? "std" : "posix";
}

std::vector<std::string> IncludeChecker::Check(std::string_view file, std::string_view text) const {
    std::vector<std::string> findings;
    const std::string layer = LayerOf(file);
    const LayerRule* rule = RuleOf(layer);
    if (!rule) {
        findings.push_back(std::string(file) + ": belongs to no folder of the layer table");
        return findings;
    }
    for (const Include& include : ScanIncludes(text)) {
        const std::string place = PlaceOf(file, include);
        const std::string where = std::string(file) + ":" + std::to_string(include.line) + ": includes " +
                                  (include.angled ? "<" + include.path + ">" : "\"" + include.path + "\"");
        if (place.empty())
            findings.push_back(where + ", which belongs to no folder of the layer table");
        else if (!Allows(*rule, place))
            findings.push_back(where + " (" + place + "), which " + layer + " may not include");
        else if (place.starts_with("Qt") && !MayIncludeQt(file))
            findings.push_back(where + ": the public headers of platform/forms include no Qt header");
    }
    return findings;
}

} // namespace korvan::architecture
