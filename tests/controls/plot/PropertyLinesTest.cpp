// Property lines: every kind of published property written and read back,
// the decimal separator exchange, sections, skip lists and defaults, long
// values, failures, and the property files of a control.

#include "controls/plot/core/PropertyLines.h"
#include "controls/plot/core/PropertyFiles.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"
#include "platform/text/FormatSettings.h"
#include "tests/controls/plot/PlotTestThing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using korvan::plot::ExtractNamedValue;
using korvan::plot::ReadPropertyLines;
using korvan::plot::SplitAtSeparator;
using korvan::plot::StripSectionPrefix;
using korvan::plot::WritePropertyLines;
using korvan::plot::testing::TPlotTestThing;
using korvan::plot::testing::tsLong;
using korvan::plot::testing::tsRound;

// Sets the decimal separator for one test and restores it.
class SeparatorScope {
public:
    explicit SeparatorScope(char separator) : saved_(korvan::text::CurrentFormatSettings().DecimalSeparator) {
        korvan::text::CurrentFormatSettings().DecimalSeparator = separator;
    }
    ~SeparatorScope() { korvan::text::CurrentFormatSettings().DecimalSeparator = saved_; }

private:
    char saved_;
};

std::vector<std::string> Lines(const TStrings& list) {
    return list.ToVector();
}

void SetLines(TStringList& list, std::initializer_list<const char*> lines) {
    list.Clear();
    for (const char* line : lines)
        list.Add(line);
}

void FillEveryKind(TPlotTestThing& t) {
    t.SetCount(-42);
    t.SetColor(clRed);
    t.SetBorderStyle(ibsLowered);
    t.SetShapes(tsRound | tsLong);
    t.SetActive(true);
    t.SetLetter('Z');
    t.SetSpan(1.5);
    t.SetCaption("A\r\nB");
    t.TitleFont()->SetColor(clBlue);
    t.TitleFont()->SetStyle(fsBold | fsItalic);
    t.TitleFont()->SetName("Courier New");
    t.TitleFont()->SetHeight(-13);
}

TEST(PropertyLines, WritesEveryKindAsItsNumberOrText) {
    TPlotTestThing buddy;
    TPlotTestThing t;
    FillEveryKind(t);
    t.SetBuddy(&buddy);
    t.SetBig(1234567890123);
    TStringList lines;
    WritePropertyLines(&t, "", lines, false, nullptr);
    // Ordinals as decimals (Boolean 1, clRed 255, ibsLowered 2, the set's
    // bits), the float in the point separator, CR LF escaped, the font nested
    // by its path. The linked component, the read-only value and the 64-bit
    // value are left out.
    const std::vector<std::string> expected{"Tag = 0",
                                            "Count = -42",
                                            "Color = 255",
                                            "BorderStyle = 2",
                                            "Shapes = 5",
                                            "Active = 1",
                                            "Letter = 90",
                                            "Span = 1.5",
                                            "Caption = A#13#10B",
                                            "TitleFont.Charset = 1",
                                            "TitleFont.Color = 16711680",
                                            "TitleFont.Height = -13",
                                            "TitleFont.Name = Courier New",
                                            "TitleFont.Style = 3"};
    EXPECT_EQ(Lines(lines), expected);
}

TEST(PropertyLines, RoundTripRestoresEveryKind) {
    TPlotTestThing source;
    FillEveryKind(source);
    TStringList lines;
    WritePropertyLines(&source, "", lines, true, nullptr);

    TPlotTestThing copy;
    ReadPropertyLines(&copy, "", lines);
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(copy.Count(), -42);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.BorderStyle(), ibsLowered);
    EXPECT_EQ(copy.Shapes(), unsigned(tsRound | tsLong));
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.Letter(), 'Z');
    EXPECT_DOUBLE_EQ(copy.Span(), 1.5);
    EXPECT_EQ(copy.Caption(), "A\r\nB");
    EXPECT_EQ(copy.TitleFont()->Color(), clBlue);
    EXPECT_EQ(copy.TitleFont()->Style(), unsigned(fsBold | fsItalic));
    EXPECT_EQ(copy.TitleFont()->Name(), "Courier New");
    EXPECT_EQ(copy.TitleFont()->Height(), -13);
}

TEST(PropertyLines, CharactersAreWrittenAsTheirByte) {
    TPlotTestThing t;
    t.SetLetter(char(0xC8));
    TStringList lines;
    WritePropertyLines(&t, "", lines, true, nullptr);
    EXPECT_NE(lines.IndexOf("Letter = 200"), -1);
    t.SetLetter('a');
    ReadPropertyLines(&t, "", lines);
    EXPECT_EQ(t.Letter(), char(0xC8));
}

TEST(PropertyLines, LineBreakEscapes) {
    struct Case {
        const char* line;
        const char* text;
    };
    for (const Case& c : {Case{"Caption = a#13b", "a\rb"}, Case{"Caption = #10#13", "\n\r"},
                          Case{"Caption = #1#3 #", "#1#3 #"}, Case{"Caption = x#130", "x\r0"},
                          Case{"Caption =   padded  ", "padded"}, Case{"Caption =", ""}}) {
        TPlotTestThing t;
        TStringList lines;
        SetLines(lines, {c.line});
        ReadPropertyLines(&t, "", lines);
        EXPECT_EQ(t.Caption(), c.text) << c.line;
    }
}

TEST(PropertyLines, FloatsExchangeTheDecimalSeparator) {
    TPlotTestThing t;
    t.SetSpan(1.5);
    TStringList lines;
    {
        SeparatorScope comma(',');
        WritePropertyLines(&t, "", lines, true, nullptr);
    }
    EXPECT_NE(lines.IndexOf("Span = 1,5"), -1);
    t.SetSpan(0);
    {
        SeparatorScope point('.');
        ReadPropertyLines(&t, "", lines);
    }
    EXPECT_DOUBLE_EQ(t.Span(), 1.5);

    // A point-written value reads under a comma separator too, and a large
    // value keeps its exponent.
    for (const char* text : {"Span = 2.25", "Span = 2,25"}) {
        SeparatorScope comma(',');
        SetLines(lines, {text});
        ReadPropertyLines(&t, "", lines);
        EXPECT_DOUBLE_EQ(t.Span(), 2.25) << text;
    }
    t.SetSpan(1e300);
    lines.Clear();
    WritePropertyLines(&t, "", lines, true, nullptr);
    t.SetSpan(0);
    ReadPropertyLines(&t, "", lines);
    EXPECT_DOUBLE_EQ(t.Span(), 1e300);
}

TEST(PropertyLines, SectionStopsAtTheFirstForeignLine) {
    TPlotTestThing t;
    TStringList lines;
    SetLines(lines, {"Channel.Color = 255", "Channel.TitleFont.Color = 65280", "Legend.Visible = 0",
                     "Channel.Count = 3"});
    ReadPropertyLines(&t, "Channel", lines);
    EXPECT_EQ(t.Color(), clRed);
    EXPECT_EQ(t.TitleFont()->Color(), 65280);
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(Lines(lines), (std::vector<std::string>{"Legend.Visible = 0", "Channel.Count = 3"}));

    // The section name must be written exactly as asked.
    SetLines(lines, {"channel.Count = 3"});
    ReadPropertyLines(&t, "Channel", lines);
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(lines.Count(), 1);
}

TEST(PropertyLines, UnknownPathsAreConsumedAndChangeNothing) {
    TPlotTestThing t;
    TStringList lines;
    SetLines(lines, {"Font.Color = 255", "Nothing = 1", "Buddy.Count = 5", "Big = 99",
                     "TitleFont.Nothing.Deep = 1", "no separator", "", "Count = 8"});
    ReadPropertyLines(&t, "", lines);
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(t.Count(), 8);
    EXPECT_EQ(t.Color(), clBlack);
    EXPECT_EQ(t.Big(), 0);
}

TEST(PropertyLines, SkipDefaultsAndSkipList) {
    TPlotTestThing t;
    t.SetCount(3);
    TStringList skip;
    skip.Add("PLOT.titlefont.color");
    skip.Add("plot.CAPTION");
    TStringList lines;
    WritePropertyLines(&t, "Plot", lines, true, &skip);
    // Ordinals at their default are left out, floats are always written.
    const std::vector<std::string> expected{"Plot.Count = 3", "Plot.Letter = 97", "Plot.Span = 0",
                                            "Plot.TitleFont.Height = -11",
                                            "Plot.TitleFont.Name = MS Sans Serif"};
    EXPECT_EQ(Lines(lines), expected);
}

TEST(PropertyLines, LongValuesKeepTheirLength) {
    TPlotTestThing t;
    const std::string text(1000, 'x');
    t.SetCaption(text);
    TStringList lines;
    WritePropertyLines(&t, "", lines, true, nullptr);
    ASSERT_NE(lines.IndexOf("Caption = " + text), -1);
    t.SetCaption("");
    ReadPropertyLines(&t, "", lines);
    EXPECT_EQ(t.Caption(), text);
}

TEST(PropertyLines, BadNumbersFailAndKeepTheFailingLine) {
    for (const char* bad : {"Count = twelve", "Count = 99999999999", "BorderStyle = 3", "BorderStyle = -1",
                            "Active = 2", "Shapes = 8", "Letter = 256", "Span = 1.2.3", "Span = x"}) {
        TPlotTestThing t;
        TStringList lines;
        SetLines(lines, {"Color = 255", bad, "Count = 1"});
        EXPECT_THROW(ReadPropertyLines(&t, "", lines), EConvertError) << bad;
        EXPECT_EQ(t.Color(), clRed) << bad;
        EXPECT_EQ(lines.Count(), 2) << bad;
        EXPECT_EQ(lines[0], bad);
    }
}

TEST(PropertyLines, SplitStripAndExtract) {
    std::string left, right;
    SplitAtSeparator("  A.B  =  x = y ", '=', left, right);
    EXPECT_EQ(left, "A.B");
    EXPECT_EQ(right, "x = y");
    SplitAtSeparator("no separator", '=', left, right);
    EXPECT_EQ(left, "");
    EXPECT_EQ(right, "");

    struct Case {
        const char* section;
        const char* path;
        const char* found;
        const char* rest;
    };
    for (const Case& c :
         {Case{"Channel", "Channel.Color", "Channel", "Color"},
          Case{"Channel", "CHANNEL.A.B", "CHANNEL", "A.B"},
          Case{"Channel", "Channels.Color", "", "Channels.Color"},
          Case{"", "Channel.Color", "", "Channel.Color"}, Case{"Channel", "Channel", "Channel", ""},
          Case{"Channel", " Channel .X", "Channel", "X"}}) {
        std::string path = c.path, found = "stale";
        StripSectionPrefix(c.section, path, found);
        EXPECT_EQ(found, c.found) << c.path;
        EXPECT_EQ(path, c.rest) << c.path;
    }

    TStringList lines;
    SetLines(lines, {"no separator", "Other = 1", " file type =  Plot Config ", "File Type = second"});
    std::string value;
    ASSERT_TRUE(ExtractNamedValue("File Type", value, lines));
    EXPECT_EQ(value, "Plot Config");
    EXPECT_EQ(Lines(lines), (std::vector<std::string>{"no separator", "Other = 1", "File Type = second"}));
    EXPECT_FALSE(ExtractNamedValue("Missing", value, lines));
    EXPECT_EQ(lines.Count(), 3);
}

class CountingBlock : public korvan::plot::IUpdateBlock {
public:
    void BeginUpdate() override { ++begun; }
    void EndUpdate() override { ++ended; }
    int begun = 0;
    int ended = 0;
};

class PropertyFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("korvan-plot-props-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::filesystem::path dir;
};

TEST_F(PropertyFiles, SaveThenLoadRoundTrips) {
    TPlotTestThing source;
    FillEveryKind(source);
    source.SetName("Plot1");
    source.SetTag(9);
    korvan::plot::SavePropertiesToFile(source, Path("a.txt"), false);

    TStringList lines;
    lines.LoadFromFile(Path("a.txt"));
    EXPECT_EQ(lines[0], "File Type = TPlotTestThing");
    EXPECT_EQ(lines.IndexOfName("Name"), -1);
    EXPECT_EQ(lines.IndexOfName("Tag"), -1);

    TPlotTestThing copy;
    CountingBlock block;
    korvan::plot::LoadPropertiesFromFile(copy, Path("a.txt"), block);
    EXPECT_EQ(copy.Caption(), "A\r\nB");
    EXPECT_EQ(copy.TitleFont()->Color(), clBlue);
    EXPECT_EQ(copy.Tag(), 0);
    EXPECT_EQ(block.begun, 1);
    EXPECT_EQ(block.ended, 1);

    korvan::plot::SavePropertiesToFile(source, Path("all.txt"), true);
    lines.LoadFromFile(Path("all.txt"));
    EXPECT_NE(lines.IndexOf("Tag = 9"), -1);
    EXPECT_EQ(lines.IndexOfName("Name"), -1);
}

TEST_F(PropertyFiles, AFailingLoadEndsTheUpdateBlockFirst) {
    {
        std::ofstream out(Path("bad.txt"), std::ios::binary);
        out << "File Type = TPlotTestThing\r\nCount = 4\r\nColor = red\r\n";
    }
    TPlotTestThing t;
    CountingBlock block;
    try {
        korvan::plot::LoadPropertiesFromFile(t, Path("bad.txt"), block);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("Error Loading Properties - ", 0), 0u) << e.Message();
        EXPECT_EQ(block.ended, block.begun);
    }
    EXPECT_EQ(block.begun, 1);
    EXPECT_EQ(t.Count(), 4);

    EXPECT_THROW(korvan::plot::LoadPropertiesFromFile(t, Path("missing.txt"), block), Exception);
    EXPECT_EQ(block.ended, block.begun);
    EXPECT_THROW(korvan::plot::SavePropertiesToFile(t, Path("no/such/dir/x.txt"), false), Exception);
}

} // namespace
