// Colour schemes: the XML layout read into categories and schemes, the pack
// and user files and their folders, the streams' limits, and schemes set on
// a component's published properties by path.

#include "controls/plot/core/ColorSchemes.h"
#include "controls/plot/core/PropertyLines.h"
#include "controls/plot/core/SchemeStreams.h"
#include "platform/text/Exception.h"
#include "tests/controls/plot/PlotTestThing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

using namespace korvan::plot;
using korvan::plot::testing::TPlotTestThing;

TiXMLMemoryStream StreamOf(const std::string& text) {
    return TiXMLMemoryStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

template <class F> std::string MessageOf(F f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}

const char* const kPackFile = "<SchemeTypes>\r\n"
                              "<SchemeType>\r\n"
                              "<Name>Classic</Name>\r\n"
                              "<Scheme>\r\n"
                              "<Name>Red Title</Name>\r\n"
                              "<Properties>\r\n"
                              "<TitleFont.Color>255</TitleFont.Color>\r\n"
                              "<Active>True</Active>\r\n"
                              "<Caption>Hot  </Caption>\r\n"
                              "</Properties>\r\n"
                              "</Scheme>\r\n"
                              "<Scheme>\r\n"
                              "<Name>Empty</Name>\r\n"
                              "<Properties>\r\n"
                              "</Properties>\r\n"
                              "</Scheme>\r\n"
                              "</SchemeType>\r\n"
                              "</SchemeTypes>\r\n";

TEST(ColorSchemes, ReadsCategoriesSchemesAndLines) {
    TiColorSchemes schemes;
    auto stream = StreamOf(kPackFile);
    schemes.LoadSchemeXML(stream, false);
    ASSERT_EQ(schemes.GetThemeCategoryCount(), 1);
    EXPECT_EQ(schemes.GetThemeCategoryName(0), "Classic");
    ASSERT_EQ(schemes.GetThemeCategorySchemeCount(0), 2);
    EXPECT_EQ(schemes.GetThemeCategorySchemeName(0, 0), "Red Title");
    EXPECT_EQ(schemes.GetThemeCategorySchemeName(0, 1), "Empty");
    EXPECT_FALSE(schemes.GetThemeCategorySchemeIsUser(0, 0));
    EXPECT_EQ(schemes.Scheme(0, 0).Lines,
              (std::vector<std::string>{"TitleFont.Color = 255", "Active = True", "Caption = Hot  "}));
    EXPECT_TRUE(schemes.Scheme(0, 1).Lines.empty());

    TPlotTestThing thing;
    schemes.ApplyScheme(0, 0, ObjectRefOf(&thing));
    EXPECT_EQ(thing.TitleFont()->Color(), clRed);
    EXPECT_TRUE(thing.Active());
    EXPECT_EQ(thing.Caption(), "Hot  ");

    for (auto bad : {std::pair{1, 0}, std::pair{0, 2}, std::pair{-1, 0}, std::pair{0, -1}})
        EXPECT_THROW(schemes.GetThemeCategorySchemeName(bad.first, bad.second), EListError);
    EXPECT_THROW(schemes.GetThemeCategoryName(1), EListError);
}

TEST(ColorSchemes, MalformedFilesFailAndKeepWhatWasRead) {
    struct Case {
        const char* what;
        std::string text;
        const char* message;
    };
    const std::string good = kPackFile;
    std::string indented = good;
    indented.replace(indented.find("<SchemeType>"), 0, "  ");
    std::string noEnd = good.substr(0, good.size() - 2); // nothing after the last element
    std::string badClose = good;
    badClose.replace(badClose.find("</Scheme>\r\n<Scheme>"), 9, "</Schema>");
    for (const Case& c :
         {Case{"indented", indented, "Error Loading Scheme. XML File Malformed"},
          Case{"ends at its last byte", noEnd, "EOF"}, Case{"empty", "", "EOF"},
          Case{"no scheme types", "<Other>\r\n</Other>\r\n", "EOF"},
          Case{"wrong closing tag", badClose, "Error Loading Scheme. XML File Malformed"},
          Case{"value without its end", "<SchemeTypes>\r\n<SchemeType>\r\n<Name>A<B></B>\r\n",
               "XML Parsing Error - \"/\" not Found"},
          Case{"text between closing tags", "<SchemeTypes>\r\n<SchemeType>\r\n<Name>A</Other> x</Name>\r\n",
               "XML Parsing Error - \"<\" not Found"}}) {
        TiColorSchemes schemes;
        auto stream = StreamOf(c.text);
        EXPECT_EQ(MessageOf([&] { schemes.LoadSchemeXML(stream, false); }), c.message) << c.what;
    }
    // The first scheme stays loaded when the second breaks.
    TiColorSchemes schemes;
    auto stream = StreamOf(badClose);
    EXPECT_THROW(schemes.LoadSchemeXML(stream, false), Exception);
    ASSERT_EQ(schemes.GetThemeCategoryCount(), 1);
    EXPECT_EQ(schemes.GetThemeCategorySchemeName(0, 0), "Red Title");
}

TEST(ColorSchemes, WrittenFileReadsBack) {
    TiXMLMemoryStream out;
    out.StartElement("SchemeTypes");
    for (const char* category : {"Dark", "dark"}) {
        out.StartElement("SchemeType");
        out.WriteElement("Name", category);
        out.StartElement("Scheme");
        out.WriteElement("Name", std::string("Night ") + category);
        out.StartElement("Properties");
        out.WriteElement("Color", "0");
        out.WriteElement("Span", "2.5");
        out.EndElement("Properties");
        out.EndElement("Scheme");
        out.EndElement("SchemeType");
    }
    out.EndElement("SchemeTypes");

    TiXMLMemoryStream in(out.Bytes());
    TiColorSchemes schemes;
    schemes.LoadSchemeXML(in, true);
    // One category, named as first written, holding both schemes.
    ASSERT_EQ(schemes.GetThemeCategoryCount(), 1);
    EXPECT_EQ(schemes.GetThemeCategoryName(0), "Dark");
    ASSERT_EQ(schemes.GetThemeCategorySchemeCount(0), 2);
    EXPECT_EQ(schemes.GetThemeCategorySchemeName(0, 1), "Night dark");
    EXPECT_TRUE(schemes.GetThemeCategorySchemeIsUser(0, 1));
    EXPECT_EQ(schemes.Scheme(0, 1).Lines, (std::vector<std::string>{"Color = 0", "Span = 2.5"}));
}

TEST(SchemeStreams, StringLimitAndEndOfStream) {
    TiMemoryStream s;
    s.WriteString(std::string(255, 'a'));
    EXPECT_EQ(s.Size(), 255u);
    EXPECT_EQ(MessageOf([&] { s.WriteString(std::string(256, 'b')); }), "String Exceeds 255 Characters");
    EXPECT_EQ(s.Size(), 255u);
    s.WriteStringCRLF("x");
    EXPECT_EQ(s.Size(), 258u);

    TiMemoryStream two(std::vector<std::uint8_t>{'a', 'b'});
    EXPECT_EQ(two.ReadChar(), 'a');
    EXPECT_EQ(MessageOf([&] { two.ReadChar(); }), "EOF"); // the last byte
    EXPECT_EQ(MessageOf([&] { two.ReadChar(); }), "EOF"); // past it

    auto xml = StreamOf("\r\n<a x='1'>v</a>\r\n<b>w</b>\r\n");
    EXPECT_EQ(xml.PeekNextPiece(), "a x='1'");
    EXPECT_EQ(xml.GetNameElementStart(), "a");
    EXPECT_EQ(xml.GetElementValue(), "v");
    EXPECT_EQ(xml.GetNameElementStop(), "a");
    EXPECT_EQ(xml.GetNextPiece(), "b");
    EXPECT_EQ(xml.GetNextPiece(), "w");
    EXPECT_EQ(xml.GetNextPiece(), "/b");
}

TEST(ColorSchemes, SplitSchemeLine) {
    struct Case {
        const char* line;
        const char* path;
        const char* value;
    };
    for (const Case& c : {Case{"TitleFont.Color = 255", "TitleFont.Color", "255"},
                          Case{" A =  two ", "A", " two "}, Case{"A=1", "A", ""}, Case{"A =", "A", ""},
                          Case{"no separator", "", ""}, Case{"A = x = y", "A", "x = y"}}) {
        std::string path = "stale", value = "stale";
        SplitSchemeLine(c.line, path, value);
        EXPECT_EQ(path, c.path) << c.line;
        EXPECT_EQ(value, c.value) << c.line;
    }
}

TEST(ColorSchemes, ValuesByPath) {
    struct Case {
        const char* path;
        const char* value;
        std::function<bool(const TPlotTestThing&)> check;
    };
    for (const Case& c :
         {Case{"Active", "TRUE", [](const TPlotTestThing& t) { return t.Active(); }},
          Case{"Active", "yes", [](const TPlotTestThing& t) { return t.Active(); }},
          Case{"Active", "false", [](const TPlotTestThing& t) { return !t.Active(); }},
          Case{"BorderStyle", "2", [](const TPlotTestThing& t) { return t.BorderStyle() == ibsLowered; }},
          Case{"titlefont.COLOR", "255",
               [](const TPlotTestThing& t) { return t.TitleFont()->Color() == clRed; }},
          Case{"Span", "2.5", [](const TPlotTestThing& t) { return t.Span() == 2.5; }},
          Case{"Shapes", "6", [](const TPlotTestThing& t) { return t.Shapes() == 6; }},
          Case{"Caption", " as is ", [](const TPlotTestThing& t) { return t.Caption() == " as is "; }},
          Case{"Buddy.Count", "4", [](const TPlotTestThing& t) { return t.Count() == 0; }},
          Case{"Nothing", "4", [](const TPlotTestThing& t) { return t.Count() == 0; }}}) {
        TPlotTestThing thing;
        SetPropertyValueByPath(ObjectRefOf(&thing), "", c.value, c.path);
        EXPECT_TRUE(c.check(thing)) << c.path << " = " << c.value;
    }
    TPlotTestThing thing;
    for (auto bad : {std::pair{"Count", "x"}, std::pair{"BorderStyle", "abc"}, std::pair{"BorderStyle", "5"},
                     std::pair{"Span", "1,5"}})
        EXPECT_THROW(SetPropertyValueByPath(ObjectRefOf(&thing), "", bad.second, bad.first), EConvertError)
            << bad.first << " = " << bad.second;
}

class FakeFolderSettings : public IThemeFolderSettings {
public:
    std::string ReadThemeFolder(bool currentUser, const std::string& valueName) override {
        const auto it = values.find({currentUser, valueName});
        return it == values.end() ? std::string() : it->second;
    }
    std::map<std::pair<bool, std::string>, std::string> values;
};

TEST(ColorSchemes, FoldersAndFiles) {
    FakeFolderSettings settings;
    EXPECT_EQ(ReadThemePaths(settings).Pack, "");
    TiColorSchemes schemes;
    schemes.LoadThemes("TPlotTestThing", ReadThemePaths(settings));
    EXPECT_EQ(schemes.GetThemeCategoryCount(), 0);

    const auto root =
        std::filesystem::temp_directory_path() /
        ("korvan-plot-schemes-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(root / "pack");
    std::filesystem::create_directories(root / "user");
    settings.values[{false, "Tashel Defined Theme Path"}] = " " + (root / "machine").string() + " ";
    settings.values[{true, "Tashel Defined Theme Path"}] = (root / "pack").string();
    settings.values[{false, "User Defined Theme Path"}] = (root / "user").string() + "/";
    settings.values[{true, "User Defined Theme Path"}] = "   ";
    const TThemeFolders folders = ReadThemePaths(settings);
    EXPECT_EQ(folders.Pack, (root / "pack").string() + "/");
    EXPECT_EQ(folders.User, (root / "user").string() + "/");

    std::ofstream(root / "pack" / "TPlotTestThing.xml", std::ios::binary) << kPackFile;
    std::string user = kPackFile;
    user.replace(user.find("Red Title"), 9, "Mine");
    std::ofstream(root / "user" / "TPlotTestThingUser.xml", std::ios::binary) << user;
    schemes.LoadThemes("TPlotTestThing", folders);
    ASSERT_EQ(schemes.GetThemeCategoryCount(), 1);
    ASSERT_EQ(schemes.GetThemeCategorySchemeCount(0), 4);
    EXPECT_EQ(schemes.GetThemeCategorySchemeName(0, 2), "Mine");
    EXPECT_FALSE(schemes.GetThemeCategorySchemeIsUser(0, 1));
    EXPECT_TRUE(schemes.GetThemeCategorySchemeIsUser(0, 2));
    // Loading again starts afresh.
    schemes.LoadThemes("TPlotTestThing", folders);
    EXPECT_EQ(schemes.GetThemeCategorySchemeCount(0), 4);
    std::filesystem::remove_all(root);
}

} // namespace
