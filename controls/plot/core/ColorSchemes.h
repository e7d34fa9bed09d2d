#pragma once
// Colour schemes ("themes"): named sets of property values in categories,
// read from two XML files per control class (the pack's <Class>.xml and
// the user's <Class>User.xml) and applied to a control's published
// properties by dotted path.

#include "platform/forms/TypeInfo.h"

#include <string>
#include <vector>

class TiXMLMemoryStream;

namespace korvan::plot {

struct TiColorScheme {
    std::string Name;
    bool IsUser = false; // read from the user's file
    // "Path = Value" lines in file order.
    std::vector<std::string> Lines;
};

struct TiThemeCategory {
    std::string Name;
    std::vector<TiColorScheme> Schemes;
};

// Where the scheme files lie: the value of a theme folder setting ("Tashel
// Defined Theme Path" for the pack's files, "User Defined Theme Path" for
// the user's) for the whole machine or the current user, "" when missing.
class IThemeFolderSettings {
public:
    virtual ~IThemeFolderSettings() = default;
    virtual std::string ReadThemeFolder(bool currentUser, const std::string& valueName) = 0;
};

struct TThemeFolders {
    std::string Pack;
    std::string User;
};
// The machine's folders, each replaced by the user's when that is not
// empty; a non-empty folder ends with "/".
TThemeFolders ReadThemePaths(IThemeFolderSettings& settings);

// At the first "=": the trimmed path before it, and the value from the
// second character after it (the one right after "=" is dropped). Both
// empty without "=".
void SplitSchemeLine(const std::string& line, std::string& path, std::string& value);

class TiColorSchemes {
public:
    void Clear() { categories_.clear(); }
    // Clears, then reads <pack>/<className>.xml and <user>/<className>User.xml
    // where they exist (a missing file is no error).
    void LoadThemes(const std::string& className, const TThemeFolders& folders);
    // Adds the categories and schemes of one file; an existing category
    // (letter case ignored) receives more schemes. A file that breaks the
    // layout raises "Error Loading Scheme. XML File Malformed" (or a stream
    // error); what was read before stays.
    void LoadSchemeXML(TiXMLMemoryStream& stream, bool isUser);

    // Indices from 0; outside the lists raise EListError.
    int GetThemeCategoryCount() const { return int(categories_.size()); }
    const std::string& GetThemeCategoryName(int categoryIndex) const;
    int GetThemeCategorySchemeCount(int categoryIndex) const;
    const std::string& GetThemeCategorySchemeName(int categoryIndex, int schemeIndex) const;
    bool GetThemeCategorySchemeIsUser(int categoryIndex, int schemeIndex) const;
    const TiColorScheme& Scheme(int categoryIndex, int schemeIndex) const;

    // Sets the scheme's values on target's published properties in line
    // order; a value that does not convert raises EConvertError, the values
    // set before stay.
    void ApplyScheme(int categoryIndex, int schemeIndex, const ObjectRef& target) const;

private:
    const TiThemeCategory& Category(int index) const;
    TiThemeCategory& FindOrAddThemeCategory(const std::string& name);

    std::vector<TiThemeCategory> categories_;
};

} // namespace korvan::plot
