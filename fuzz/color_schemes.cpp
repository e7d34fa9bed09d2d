// A colour-scheme file's bytes: read into categories and schemes (what reads
// before a fault stays), every scheme line splits, and what was read writes
// out as a file that reads back to the same schemes.

#include "controls/plot/core/ColorSchemes.h"
#include "controls/plot/core/SchemeStreams.h"
#include "fuzz/FuzzTarget.h"
#include "platform/text/Exception.h"

namespace {

using korvan::plot::TiColorSchemes;

// The schemes as a file, when every name, tag and value fits the format.
bool Write(const TiColorSchemes& schemes, TiXMLMemoryStream& out) {
    auto fits = [](const std::string& s) {
        return s.find_first_of("<>/ \r\n") == std::string::npos && !s.empty() && s.size() < 100;
    };
    out.StartElement("SchemeTypes");
    for (int c = 0; c < schemes.GetThemeCategoryCount(); ++c) {
        if (!fits(schemes.GetThemeCategoryName(c)))
            return false;
        out.StartElement("SchemeType");
        out.WriteElement("Name", schemes.GetThemeCategoryName(c));
        for (int s = 0; s < schemes.GetThemeCategorySchemeCount(c); ++s) {
            if (!fits(schemes.GetThemeCategorySchemeName(c, s)))
                return false;
            out.StartElement("Scheme");
            out.WriteElement("Name", schemes.GetThemeCategorySchemeName(c, s));
            out.StartElement("Properties");
            for (const std::string& line : schemes.Scheme(c, s).Lines) {
                std::string path, value;
                korvan::plot::SplitSchemeLine(line, path, value);
                if (!fits(path) || !fits(value) || path == "Properties" || path == "Name")
                    return false;
                out.WriteElement(path, value);
            }
            out.EndElement("Properties");
            out.EndElement("Scheme");
        }
        out.EndElement("SchemeType");
    }
    out.EndElement("SchemeTypes");
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TiXMLMemoryStream stream({data, size});
    TiColorSchemes schemes;
    try {
        schemes.LoadSchemeXML(stream, false);
    } catch (const Exception&) {
        // Malformed or cut short: the schemes read so far stay.
    }
    std::string path, value;
    for (int c = 0; c < schemes.GetThemeCategoryCount(); ++c)
        for (int s = 0; s < schemes.GetThemeCategorySchemeCount(c); ++s)
            for (const std::string& line : schemes.Scheme(c, s).Lines)
                korvan::plot::SplitSchemeLine(line, path, value);

    TiXMLMemoryStream out;
    try {
        if (!Write(schemes, out))
            return 0;
    } catch (const Exception&) {
        return 0; // a line longer than the stream takes
    }
    TiXMLMemoryStream in(out.Bytes());
    TiColorSchemes again;
    again.LoadSchemeXML(in, false);
    FuzzCheck(again.GetThemeCategoryCount() <= schemes.GetThemeCategoryCount());
    for (int c = 0; c < again.GetThemeCategoryCount(); ++c)
        for (int s = 0; s < again.GetThemeCategorySchemeCount(c); ++s)
            FuzzCheck(again.Scheme(c, s).Lines == schemes.Scheme(c, s).Lines);
    return 0;
}
