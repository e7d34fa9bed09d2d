#include "controls/plot/core/ColorSchemes.h"

#include "controls/plot/core/PropertyLines.h"
#include "controls/plot/core/SchemeStreams.h"
#include "platform/sys/FileIo.h"
#include "platform/text/AnsiText.h"
#include "platform/text/Exception.h"
#include "platform/text/Format.h"
#include "platform/text/StrUtils.h"

#include <filesystem>

namespace korvan::plot {

namespace {

// Larger scheme files are not colour schemes.
constexpr std::size_t kMaxSchemeFileBytes = 16u << 20;

[[noreturn]] void Malformed() {
    throw Exception("Error Loading Scheme. XML File Malformed");
}

void Expect(TiXMLMemoryStream& stream, std::string_view piece) {
    if (stream.GetNextPiece() != piece)
        Malformed();
}

std::string Text(const std::string& bytes) {
    return korvan::text::FromAnsi(bytes, korvan::text::SystemAnsiCodePage());
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

[[noreturn]] void IndexError(int index) {
    throw EListError(Format("List index out of bounds (%d)", {index}));
}

void LoadFile(TiColorSchemes& schemes, const std::string& path, bool isUser) {
    if (!std::filesystem::is_regular_file(path))
        return;
    const auto bytes = korvan::sys::ReadFileBytes(path, kMaxSchemeFileBytes);
    if (!bytes)
        Malformed();
    TiXMLMemoryStream stream(*bytes);
    schemes.LoadSchemeXML(stream, isUser);
}

} // namespace

TThemeFolders ReadThemePaths(IThemeFolderSettings& settings) {
    TThemeFolders folders;
    folders.Pack = Trim(settings.ReadThemeFolder(false, "Tashel Defined Theme Path"));
    folders.User = Trim(settings.ReadThemeFolder(false, "User Defined Theme Path"));
    if (std::string pack = Trim(settings.ReadThemeFolder(true, "Tashel Defined Theme Path")); !pack.empty())
        folders.Pack = pack;
    if (std::string user = Trim(settings.ReadThemeFolder(true, "User Defined Theme Path")); !user.empty())
        folders.User = user;
    folders.Pack = WithSlash(folders.Pack);
    folders.User = WithSlash(folders.User);
    return folders;
}

void SplitSchemeLine(const std::string& line, std::string& path, std::string& value) {
    const std::size_t at = line.find('=');
    if (at == std::string::npos) {
        path.clear();
        value.clear();
        return;
    }
    path = Trim(std::string_view(line).substr(0, at));
    value = at + 2 <= line.size() ? line.substr(at + 2) : std::string();
}

void TiColorSchemes::LoadThemes(const std::string& className, const TThemeFolders& folders) {
    Clear();
    if (!folders.Pack.empty())
        LoadFile(*this, folders.Pack + className + ".xml", false);
    if (!folders.User.empty())
        LoadFile(*this, folders.User + className + "User.xml", true);
}

void TiColorSchemes::LoadSchemeXML(TiXMLMemoryStream& stream, bool isUser) {
    stream.GotoElementStart("SchemeTypes");
    while (stream.PeekNextPiece() == "SchemeType") {
        stream.GotoElementStart("SchemeType");
        TiThemeCategory& category = FindOrAddThemeCategory(Text(stream.GetElement("Name")));
        while (stream.PeekNextPiece() == "Scheme") {
            stream.GotoElementStart("Scheme");
            TiColorScheme scheme;
            scheme.Name = Text(stream.GetElement("Name"));
            scheme.IsUser = isUser;
            // Stored at once: what is read stays when the file breaks later.
            category.Schemes.push_back(std::move(scheme));
            std::vector<std::string>& lines = category.Schemes.back().Lines;
            stream.GotoElementStart("Properties");
            for (std::string tag = stream.PeekNextPiece(); tag != "/Properties";
                 tag = stream.PeekNextPiece()) {
                const std::string value = stream.GetElement(tag);
                if (!tag.empty())
                    lines.push_back(Text(tag) + " = " + Text(value));
            }
            Expect(stream, "/Properties");
            Expect(stream, "/Scheme");
        }
        Expect(stream, "/SchemeType");
    }
    Expect(stream, "/SchemeTypes");
}

const TiThemeCategory& TiColorSchemes::Category(int index) const {
    if (index < 0 || index >= int(categories_.size()))
        IndexError(index);
    return categories_[std::size_t(index)];
}

TiThemeCategory& TiColorSchemes::FindOrAddThemeCategory(const std::string& name) {
    for (TiThemeCategory& c : categories_)
        if (SameText(c.Name, name))
            return c;
    categories_.push_back({name, {}});
    return categories_.back();
}

const std::string& TiColorSchemes::GetThemeCategoryName(int categoryIndex) const {
    return Category(categoryIndex).Name;
}

int TiColorSchemes::GetThemeCategorySchemeCount(int categoryIndex) const {
    return int(Category(categoryIndex).Schemes.size());
}

const TiColorScheme& TiColorSchemes::Scheme(int categoryIndex, int schemeIndex) const {
    const TiThemeCategory& c = Category(categoryIndex);
    if (schemeIndex < 0 || schemeIndex >= int(c.Schemes.size()))
        IndexError(schemeIndex);
    return c.Schemes[std::size_t(schemeIndex)];
}

const std::string& TiColorSchemes::GetThemeCategorySchemeName(int categoryIndex, int schemeIndex) const {
    return Scheme(categoryIndex, schemeIndex).Name;
}

bool TiColorSchemes::GetThemeCategorySchemeIsUser(int categoryIndex, int schemeIndex) const {
    return Scheme(categoryIndex, schemeIndex).IsUser;
}

void TiColorSchemes::ApplyScheme(int categoryIndex, int schemeIndex, const ObjectRef& target) const {
    std::string path, value;
    for (const std::string& line : Scheme(categoryIndex, schemeIndex).Lines) {
        SplitSchemeLine(line, path, value);
        if (!path.empty())
            SetPropertyValueByPath(target, "", value, path);
    }
}

} // namespace korvan::plot
