// Translations: the newest pair wins, letter case counts, the file and the
// form stream give back the same list in the same order, bad lines stop a
// load with its message, and clearing ends whatever the notices do.

#include "controls/plot/objects/TranslationManager.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/objects/TranslationFile.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Strings.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

using korvan::testing::RaisedMessage;
using korvan::testing::ScratchDir;
using Pairs = std::vector<std::pair<std::string, std::string>>;

class TranslationTest : public ::testing::Test {
protected:
    TComponent plot{nullptr};
    std::unique_ptr<TiPlotMasterManager> master = std::make_unique<TiPlotMasterManager>(&plot);
    TiPlotTranslationManager& translations = *master->TranslationManager();
    ScratchDir dir;

    Pairs List() const {
        Pairs pairs;
        for (int i = 0; i < translations.Count(); ++i)
            pairs.emplace_back(translations.Items(i)->OriginalString(),
                               translations.Items(i)->ReplacementString());
        return pairs;
    }
    std::string WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(dir.Path(name), std::ios::binary) << bytes;
        return dir.Path(name);
    }
    std::string ReadFile(const std::string& name) {
        std::ifstream in(dir.Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(TranslationTest, NewestPairWinsAndLetterCaseCounts) {
    EXPECT_EQ(translations.Add(), 0);
    EXPECT_EQ(List(), (Pairs{{"Unknown", "Unknown"}}));
    translations.Add("Zoom", "R1");
    translations.Add("Zoom", "R2");
    EXPECT_EQ(translations.FindReplacement("Zoom"), "R2");
    EXPECT_EQ(translations.FindReplacement("zoom"), "zoom");
    EXPECT_EQ(translations.FindReplacement("Pan"), "Pan");
    translations.Delete(0);
    EXPECT_EQ(translations.FindReplacement("Zoom"), "R1");
}

TEST_F(TranslationTest, FileIsWrittenOldestFirstAndLoadsBackToTheSameList) {
    translations.Add("Zoom", "R1");
    translations.Add("Pan", "Schwenken");
    translations.Add("Zoom", "R2");
    const Pairs before = List();
    translations.SaveToFile(dir.Path("t.txt"));
    EXPECT_EQ(ReadFile("t.txt"), "Zoom\tR1\r\nPan\tSchwenken\r\nZoom\tR2\r\n");
    translations.Add("Extra", "x");
    translations.LoadFromFile(dir.Path("t.txt"));
    EXPECT_EQ(List(), before);
    EXPECT_EQ(translations.FindReplacement("Zoom"), "R2");
}

TEST_F(TranslationTest, LinesSplitAtTheFirstTab) {
    translations.LoadFromFile(WriteFile("t.txt", "P1\tA\r\nends\t\n\tstarts\na\tb\tc\n"));
    EXPECT_EQ(List(), (Pairs{{"a", "b\tc"}, {"", "starts"}, {"ends", ""}, {"P1", "A"}}));
}

TEST_F(TranslationTest, ABadLineStopsTheLoadKeepingThePairsBeforeIt) {
    translations.Add("old", "gone");
    const std::string path = WriteFile("t.txt", "P1\tA\r\n\r\nP2\tB\r\n");
    EXPECT_EQ(RaisedMessage([&] { translations.LoadFromFile(path); }),
              "Error Loading Data - Invalid Format - Tab Deliminator Missing");
    EXPECT_EQ(List(), (Pairs{{"P1", "A"}}));
    EXPECT_EQ(RaisedMessage([&] {
                  translations.LoadFromFile(dir.Path("missing.txt"));
              }).rfind("Error Loading Data - ", 0),
              0u);
    EXPECT_EQ(List(), (Pairs{{"P1", "A"}}));
    EXPECT_EQ(RaisedMessage([&] {
                  translations.SaveToFile(dir.Path("no/such/dir/t.txt"));
              }).rfind("Error Saving Translation Data - ", 0),
              0u);
}

TEST_F(TranslationTest, FormStreamGivesBackTheSameOrder) {
    translations.Add("Zoom", "R1");
    translations.Add("Zoom", "R2");
    const Pairs before = List();
    korvan::forms::FormTokens tokens;
    TWriter writer(tokens);
    translations.WriteToStream(writer);
    translations.Clear();
    TReader reader(tokens);
    translations.ReadFromStream(reader);
    EXPECT_EQ(List(), before);
}

TEST(TranslationManager, NeedsBothCallbacksAndClearsWithoutNotices) {
    const TNotifyEvent none;
    const TNotifyEvent ignore = [](TObject*) {};
    EXPECT_EQ(RaisedMessage([&] { TiPlotTranslationManager m(none, ignore); }),
              "OnInsert event handler can not be null");
    EXPECT_EQ(RaisedMessage([&] { TiPlotTranslationManager m(ignore, none); }),
              "OnRemove event handler can not be null");
    // Notices that reach no list: the manager keeps its pairs itself and
    // still ends up empty.
    TiPlotTranslationManager alone(ignore, ignore);
    alone.Add("a", "b");
    alone.Add("c", "d");
    EXPECT_EQ(alone.Count(), 2);
    alone.Clear();
    EXPECT_EQ(alone.Count(), 0);
}

} // namespace
