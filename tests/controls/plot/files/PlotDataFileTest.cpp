// The plot's data file in both layouts and the log's rows: bytes written,
// the readers' choices (separator, shared X or pairs, compact), their
// failures, and what they skip.

#include "controls/plot/files/PlotDataFile.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using korvan::plot::DataFileLayout;
using korvan::plot::DataFilePoint;

struct Channel {
    std::string title;
    std::vector<DataFilePoint> points;
};

class Source : public korvan::plot::DataFileSource {
public:
    explicit Source(std::vector<Channel> channels) : channels_(std::move(channels)) {}
    int Channels() const override { return int(channels_.size()); }
    std::string Title(int c) const override { return channels_[std::size_t(c)].title; }
    int Points(int c) const override { return int(channels_[std::size_t(c)].points.size()); }
    DataFilePoint Point(int c, int i) const override {
        return channels_[std::size_t(c)].points[std::size_t(i)];
    }

private:
    std::vector<Channel> channels_;
};

korvan::text::FormatSettings Settings(char decimal = '.') {
    korvan::text::FormatSettings s;
    s.DecimalSeparator = decimal;
    return s;
}

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

void PutFloat(std::vector<std::uint8_t>& out, float f) {
    std::uint8_t b[4];
    std::memcpy(b, &f, 4);
    out.insert(out.end(), b, b + 4);
}

// "channel:x:y" per point read, with "N"/"E" for null and empty points.
std::vector<std::string> Read(const std::vector<std::uint8_t>& bytes, int channels, char decimal = '.') {
    std::vector<std::string> out;
    korvan::plot::ReadDataFile(
        bytes, channels,
        [&](int c, const DataFilePoint& p) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%d:%g:%g%s", c, p.X, p.Y,
                          p.Null    ? "N"
                          : p.Empty ? "E"
                                    : "");
            out.push_back(buffer);
        },
        Settings(decimal));
    return out;
}

const Source kTwoChannels({{"a", {{1, 2.5}, {2, 0, true}, {3, 0, false, true}}}, {"b", {{1.5, -4}}}});

TEST(PlotDataFile, TextLayoutWritesHeaderPairsAndBlanksPastAChannelsEnd) {
    EXPECT_EQ(Text(korvan::plot::WriteDataFile(kTwoChannels, DataFileLayout::Text, '\t', Settings())),
              "a(X)\ta(Y)\tb(X)\tb(Y)\r\n"
              "1\t2.5\t1.5\t-4\r\n"
              "2\tNull\t\t\r\n"
              "3\tEmpty\t\t\r\n");
    // The settings' decimal separator; a comma column separator.
    EXPECT_EQ(Text(korvan::plot::WriteDataFile(kTwoChannels, DataFileLayout::Text, ',', Settings(','))),
              "a(X),a(Y),b(X),b(Y)\r\n1,2,5,1,5,-4\r\n2,Null,,\r\n3,Empty,,\r\n");
}

TEST(PlotDataFile, CompactLayoutCarriesXOnTheFirstTwoRowsOnly) {
    const Source source({{"a", {{1, 10}, {2, 20}, {3, 30}}}, {"b", {{5, 50}}}});
    std::vector<std::uint8_t> expected = Bytes("Compact Interval\r\n2\r\n");
    for (float f : {1.f, 10.f, 5.f, 50.f, 2.f, 20.f, 1e38f, 1e38f, 30.f, 1e38f, 2e38f})
        PutFloat(expected, f);
    const std::vector<std::uint8_t> written =
        korvan::plot::WriteDataFile(source, DataFileLayout::CompactInterval, '\t', Settings());
    EXPECT_EQ(written, expected);
    // Read back, the missing values are skipped and later rows get X = 0.
    EXPECT_EQ(Read(written, 2), (std::vector<std::string>{"0:1:10", "1:5:50", "0:2:20", "0:0:30"}));
    // Channels the plot lacks are skipped.
    EXPECT_EQ(Read(written, 1), (std::vector<std::string>{"0:1:10", "0:2:20", "0:0:30"}));
}

TEST(PlotDataFile, CompactReadsEndAtTheMarkerTheFileEndOrNoChannels) {
    std::vector<std::uint8_t> noChannels = Bytes("compact interval\r\n0\r\n");
    PutFloat(noChannels, 1);
    EXPECT_TRUE(Read(noChannels, 3).empty());
    std::vector<std::uint8_t> cut = Bytes("Compact Interval\r\n1\r\n");
    PutFloat(cut, 1);
    PutFloat(cut, 2);
    EXPECT_EQ(Read(cut, 1), (std::vector<std::string>{"0:1:2"}));
    cut.push_back(0);
    cut.push_back(0);
    try {
        Read(cut, 1);
        FAIL() << "a float cut short must fail";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid Data");
    }
}

TEST(PlotDataFile, TextReadersChooseSeparatorAndLayoutFromTheHeader) {
    struct Case {
        const char* name;
        std::string file;
        int channels;
        std::vector<std::string> points;
    };
    const Case cases[] = {
        {"pairs with tabs",
         "a(X)\ta(Y)\tb(X)\tb(Y)\r\n1\t2\t3\t4\r\n2\tnull\t\t\r\n3\tEMPTY\r\n",
         2,
         {"0:1:2", "1:3:4", "0:2:0N", "0:3:0E"}},
        {"no tab in the header: commas, whatever else the line holds", "a(X);a(Y)\r\n1,2\r\n", 1, {"0:1:2"}},
        {"shared X",
         "(X)\ta(Y)\tb(Y)\r\n1\t2\t3\r\n\t5\t6\r\n2\t\tnull\r\n",
         2,
         {"0:1:2", "1:1:3", "1:2:0N"}},
        {"a first channel without title still reads as pairs",
         "(X)\t(Y)\tb(X)\tb(Y)\r\n1\t2\t3\t4\r\n",
         2,
         {"0:1:2", "1:3:4"}},
        {"cells beyond the plot's channels are ignored",
         "a(X)\ta(Y)\tb(X)\tb(Y)\r\n1\t2\t3\t4\r\n",
         1,
         {"0:1:2"}},
        {"a pair with an empty X or Y is skipped", "a(X)\ta(Y)\r\n\t2\r\n1\t \r\n", 1, {}},
        {"header only", "a(X)\ta(Y)", 1, {}},
        {"nothing", "", 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Read(Bytes(c.file), c.channels), c.points);
    }
    // The other decimal separator is taken in X and Y cells.
    EXPECT_EQ(Read(Bytes("a(X)\ta(Y)\r\n1,5\t2.25\r\n"), 1, ','), (std::vector<std::string>{"0:1.5:2.25"}));
}

TEST(PlotDataFile, ACellThatIsNoNumberFailsTheReadAfterWhatWasRead) {
    std::vector<std::string> got;
    try {
        korvan::plot::ReadDataFile(
            Bytes("a(X)\ta(Y)\r\n1\t2\r\n2\tabc\r\n3\t4\r\n"), 1,
            [&](int, const DataFilePoint& p) { got.push_back(std::to_string(int(p.X))); }, Settings());
        FAIL() << "junk must fail";
    } catch (const EConvertError&) {
    }
    EXPECT_EQ(got, (std::vector<std::string>{"1"}));
}

TEST(PlotDataFile, LogRowsLeaveCellsEmptyForChannelsWithoutThePoint) {
    EXPECT_EQ(Text(korvan::plot::DataLogHeader(kTwoChannels, DataFileLayout::Text, ',')),
              "(X),a(Y),b(Y)\r\n");
    EXPECT_EQ(Text(korvan::plot::DataLogRow(kTwoChannels, 0, DataFileLayout::Text, ',', Settings())),
              "1,2.5,-4\r\n");
    EXPECT_EQ(Text(korvan::plot::DataLogRow(kTwoChannels, 1, DataFileLayout::Text, ',', Settings())),
              "2,Null,\r\n");
    EXPECT_EQ(Text(korvan::plot::DataLogHeader(kTwoChannels, DataFileLayout::CompactInterval, ',')),
              "Compact Interval\r\n2\r\n");
    std::vector<std::uint8_t> row2;
    for (float f : {0.f, 1e38f})
        PutFloat(row2, f);
    EXPECT_EQ(korvan::plot::DataLogRow(kTwoChannels, 2, DataFileLayout::CompactInterval, ',', Settings()),
              row2);
}

} // namespace
