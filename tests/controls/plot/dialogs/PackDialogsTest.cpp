// The pack's dialog components through the framework's dialog service:
// the save dialog's filter extension, multiple selection, cancelled
// dialogs, and owners that cannot show a dialog.

#include "controls/plot/dialogs/PackDialogs.h"
#include "controls/plot/plots/PlotClasses.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::FakeDialogService;

// Answers colour, font and multiple-file questions from the test.
class ScriptedDialogs : public FakeDialogService {
public:
    std::optional<int> color;
    std::optional<korvan::forms::FontChoice> font;
    std::optional<std::vector<std::string>> files;
    std::optional<int> PickColor(int) override { return color; }
    std::optional<korvan::forms::FontChoice> PickFont(const korvan::forms::FontChoice&) override {
        return font;
    }
    std::optional<std::vector<std::string>> OpenFiles(korvan::forms::FileDialogOptions& options) override {
        fileDialogs.push_back(options);
        return files;
    }
};

class PackDialogs : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        auto owned = std::make_unique<ScriptedDialogs>();
        script = owned.get();
        scope = std::make_unique<korvan::forms::ScopedDialogService>(std::move(owned));
    }
    void TearDown() override {
        scope.reset();
        GuiTest::TearDown();
    }
    ScriptedDialogs* script = nullptr;
    std::unique_ptr<korvan::forms::ScopedDialogService> scope;
    TForm form{nullptr};
};

TEST(PackDialogFilters, SavedNamesTakeTheChosenFilterExtension) {
    struct Case {
        const char* name;
        const char* filter;
        int index;
        const char* result;
        const char* returnExt;
    };
    const Case cases[] = {
        {"curve", "Text|*.txt|All|*.*", 1, "curve.txt", ".txt"},
        {"curve.dat", "Text|*.txt|All|*.*", 1, "curve.dat.txt", ".txt"},
        {"curve.TXT", "Text|*.txt|All|*.*", 1, "curve.TXT", ".txt"},
        {"curve", "Text|*.txt|All|*.*", 2, "curve", ".*"},
        {"curve.csv", "Text|*.txt|Data|*.csv", 2, "curve.csv", ".csv"},
        {"curve.txt", "Text|*.txt|Data|*.csv", 2, "curve.txt.csv", ".csv"},
        {"curve", "", 1, "curve", ""},
        {"curve", "Text|*.txt", 5, "curve", ""},
        {"dir.v2/curve", "Text|*.txt", 1, "dir.v2/curve.txt", ".txt"},
    };
    for (const Case& c : cases) {
        std::string ext = "stale";
        EXPECT_EQ(korvan::plot::WithFilterExtension(c.name, c.filter, c.index, ext), c.result) << c.name;
        EXPECT_EQ(ext, c.returnExt) << c.name;
    }
}

TEST_F(PackDialogs, SaveUsesTheFilterOfEachCall) {
    auto* save = new TiSaveDialog(&form);
    save->SetFileName("old");
    save->SetFilter("Text|*.txt|All|*.*");
    script->saveAnswers = {std::string("/tmp/a"), std::string("/tmp/b")};
    ASSERT_TRUE(save->Execute());
    EXPECT_EQ(save->FileName(), "/tmp/a.txt");
    EXPECT_EQ(script->fileDialogs.at(0).FileName, "old");
    EXPECT_EQ(script->fileDialogs.at(0).InitialDir, ".");
    EXPECT_TRUE(script->fileDialogs.at(0).OverwritePrompt);
    save->SetFilter("Data|*.csv");
    ASSERT_TRUE(save->Execute());
    EXPECT_EQ(save->FileName(), "/tmp/b.csv");
    EXPECT_FALSE(save->Execute()); // cancelled
    EXPECT_EQ(save->FileName(), "/tmp/b.csv");
    TiSaveDialog lonely(nullptr);
    EXPECT_FALSE(lonely.Execute());
    EXPECT_EQ(script->fileDialogs.size(), 3u);
}

TEST_F(PackDialogs, OpenFillsFilesFromOneOrSeveralChoices) {
    auto* open = new TiOpenDialog(&form);
    open->SetDefaultDir("/data");
    open->SetFileMustExist(true);
    script->openAnswers = {std::string("/data/one.csv")};
    ASSERT_TRUE(open->Execute());
    EXPECT_EQ(open->FileName(), "/data/one.csv");
    EXPECT_EQ(open->Files()->Count(), 1);
    EXPECT_TRUE(script->fileDialogs.at(0).FileMustExist);
    EXPECT_EQ(script->fileDialogs.at(0).InitialDir, "/data");
    open->SetAllowMultiSelect(true);
    script->files = std::vector<std::string>{"/data/a.csv", "/data/b.csv"};
    ASSERT_TRUE(open->Execute());
    ASSERT_EQ(open->Files()->Count(), 2);
    EXPECT_EQ(open->Files()->Get(1), "/data/b.csv");
    EXPECT_EQ(open->FileName(), "/data/a.csv");
    script->files.reset();
    EXPECT_FALSE(open->Execute());
    EXPECT_EQ(open->Files()->Count(), 0);
}

TEST_F(PackDialogs, ColourAndFontTakeConfirmedChoicesOnly) {
    auto* color = new TiColorDialog(&form);
    color->SetColor(clRed);
    EXPECT_FALSE(color->Execute());
    EXPECT_EQ(color->Color(), clRed);
    script->color = int(clBlue);
    EXPECT_TRUE(color->Execute());
    EXPECT_EQ(color->Color(), clBlue);

    auto* font = new TiFontDialog(&form);
    korvan::forms::FontChoice choice;
    choice.Name = "Arial";
    choice.Size = 12;
    choice.Bold = true;
    choice.Color = int(clGreen);
    script->font = choice;
    EXPECT_TRUE(font->Execute());
    EXPECT_EQ(font->Font()->Name(), "Arial");
    EXPECT_EQ(font->Font()->Size(), 12);
    EXPECT_EQ(font->Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(font->Font()->Color(), clGreen);

    TComponent plain(nullptr);
    TiColorDialog unowned(&plain);
    EXPECT_THROW(unowned.Execute(), Exception);
}

TEST_F(PackDialogs, AStoredFormReadsBackTheDialogsItOwns) {
    korvan::plot::RegisterPlotClasses();
    form.SetName("Form");
    auto* color = new TiColorDialog(&form);
    color->SetName("iColorDialog");
    color->SetColor(clTeal);
    auto* font = new TiFontDialog(&form);
    font->SetName("iFontDialog");
    font->Font()->SetName("Courier New");
    font->Font()->SetSize(14);
    font->Font()->SetStyle(TFontStyles(fsBold));
    auto* open = new TiOpenDialog(&form);
    open->SetName("iOpenDialog");
    open->SetFilter("Presets|*.prs|All files|*.*");
    open->SetDefaultDir("/tmp/presets");
    open->SetFileMustExist(true);
    auto* save = new TiSaveDialog(&form);
    save->SetName("iSaveDialog");
    save->SetFileName("curve");
    save->SetDefaultExt("csv");
    save->SetFilterIndex(2);
    const std::string text = korvan::forms::WriteComponentText(&form);

    TForm back(nullptr);
    ASSERT_NO_THROW(korvan::forms::ReadComponentText(text, &back)) << text;
    auto* readColor = korvan::testing::Find<TiColorDialog>(&back, "iColorDialog");
    auto* readFont = korvan::testing::Find<TiFontDialog>(&back, "iFontDialog");
    auto* readOpen = korvan::testing::Find<TiOpenDialog>(&back, "iOpenDialog");
    auto* readSave = korvan::testing::Find<TiSaveDialog>(&back, "iSaveDialog");
    ASSERT_TRUE(readColor && readFont && readOpen && readSave) << text;
    EXPECT_EQ(readColor->Color(), clTeal);
    EXPECT_EQ(readFont->Font()->Name(), "Courier New");
    EXPECT_EQ(readFont->Font()->Size(), 14);
    EXPECT_EQ(readFont->Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(readOpen->Filter(), "Presets|*.prs|All files|*.*");
    EXPECT_EQ(readOpen->DefaultDir(), "/tmp/presets");
    EXPECT_TRUE(readOpen->FileMustExist());
    EXPECT_EQ(readSave->FileName(), "curve");
    EXPECT_EQ(readSave->DefaultExt(), "csv");
    EXPECT_EQ(readSave->FilterIndex(), 2);
    EXPECT_EQ(korvan::forms::WriteComponentText(&back), text);
}

} // namespace
