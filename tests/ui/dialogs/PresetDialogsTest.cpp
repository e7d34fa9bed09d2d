// The store and recall lists and the preset-name window: rows, picking a
// row, the name typed and cut, and the jobs they start through the host.

#include "tests/support/gui/GuiHarness.h"
#include "tests/ui/dialogs/RecordingHost.h"
#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FStoreName.h"
#include "ui/dialogs/FStorePreset.h"

#include <memory>

using namespace korvan;
using namespace korvan::test;
using korvan::testing::Grab;
using korvan::testing::SavePng;

namespace {

const std::string DefaultRow = "Default Preset";

class PresetDialogsTest : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        host.UseEnglishTexts();
        host.SetOnLine(true);
        fmStorePreset = new TfmStorePreset(nullptr, host);
        fmRecallPreset = new TfmRecallPreset(nullptr, host);
        fmStoreName = new TfmStoreName(nullptr, host);
    }
    void TearDown() override {
        delete fmStoreName;
        delete fmRecallPreset;
        delete fmStorePreset;
        fmStoreName = nullptr;
        fmRecallPreset = nullptr;
        fmStorePreset = nullptr;
        GuiTest::TearDown();
    }
    PresetListForm* List(bool recall) {
        return recall ? static_cast<PresetListForm*>(fmRecallPreset)
                      : static_cast<PresetListForm*>(fmStorePreset);
    }
    // Shows the list and clicks data row `row` (1-based) of it.
    void Pick(PresetListForm* list, int row) {
        ShowForm(list);
        input.Click(list->vledPresetName, 100,
                    row * PresetNameList::RowHeight + PresetNameList::RowHeight / 2);
        ProcessEvents();
    }

    RecordingHost host;
};

TEST_F(PresetDialogsTest, ListsHoldTheirRowsAndTakeTheirTextsWhenShown) {
    struct Case {
        bool recall;
        int rows;
        std::string firstRow, lastRow, title;
    } cases[] = {
        {false, 20, "     U01=  Default Preset\r\n", "     U20=  Default Preset\r\n", "Store Preset"},
        {true, 21, "     F00=  Default Preset\r\n", "     U20=  Default Preset\r\n", "Recall Preset"},
    };
    for (const Case& c : cases) {
        PresetListForm* list = List(c.recall);
        const std::string text = list->vledPresetName->Text();
        ASSERT_EQ(text.size(), std::size_t(27 * c.rows));
        EXPECT_EQ(text.substr(0, 27), c.firstRow);
        EXPECT_EQ(text.substr(text.size() - 27), c.lastRow);
        EXPECT_EQ(list->Caption(), "Preset Select");
        ShowForm(list);
        EXPECT_EQ(list->Caption(), c.title);
        EXPECT_EQ(list->lPresetSelect->Caption(), c.title);
        EXPECT_EQ(list->bnCancel->Caption(), "Cancel");
        EXPECT_EQ(list->vledPresetName->KeyTitle(), "Number");
        EXPECT_EQ(list->vledPresetName->ValueTitle(), "Name");
        EXPECT_FALSE(list->vledPresetName->TabStop());
        list->bnCancel->Click();
        EXPECT_FALSE(list->Visible());
    }
}

TEST_F(PresetDialogsTest, SetPresetRowChangesOnlyThatRow) {
    const std::string before = fmStorePreset->vledPresetName->Text();
    fmStorePreset->SetPresetRow(19, "Last Row Name ");
    const std::string after = fmStorePreset->vledPresetName->Text();
    EXPECT_EQ(after.substr(0, 27 * 19), before.substr(0, 27 * 19));
    EXPECT_EQ(after.substr(27 * 19), "     U20=  Last Row Name \r\n");

    fmRecallPreset->SetPresetRow(0, "Factory       ");
    EXPECT_EQ(fmRecallPreset->RowName(0), "Factory       ");
    EXPECT_EQ(fmRecallPreset->RowName(1), DefaultRow);

    // A name shown with characters of more than one byte keeps the later rows.
    fmRecallPreset->SetPresetRow(1, "Größe         ");
    fmRecallPreset->SetPresetRow(2, "Next          ");
    EXPECT_EQ(fmRecallPreset->RowName(1), "Größe         ");
    EXPECT_EQ(fmRecallPreset->RowName(2), "Next          ");
    EXPECT_EQ(fmRecallPreset->RowName(3), DefaultRow);
    EXPECT_EQ(fmRecallPreset->vledPresetName->DataRowCount(), 21);
}

TEST_F(PresetDialogsTest, PickingARowOpensTheNameWindowForIt) {
    fmStorePreset->SetPresetRow(6, "Stage   \r     ");
    struct Case {
        bool recall;
        int row;
        std::string title, name;
        int number, mode;
    } cases[] = {
        {false, 7, "U07 : ", "Stage", 6, 1},
        {false, 1, "U01 : ", DefaultRow, 0, 1},
        {true, 1, "F00 : ", DefaultRow, 0, 0},
        {true, 21, "U20 : ", DefaultRow, 20, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        PresetListForm* list = List(c.recall);
        Pick(list, c.row);
        ASSERT_TRUE(fmStoreName->Visible());
        EXPECT_FALSE(fmStoreName->Modal());
        EXPECT_TRUE(list->Visible()); // the list stays open behind it
        EXPECT_EQ(fmStoreName->lTitle->Caption(), c.title);
        EXPECT_EQ(fmStoreName->edName->Text(), c.name);
        EXPECT_EQ(fmStoreName->GetPresetNumber(), c.number);
        EXPECT_EQ(fmStoreName->GetStoreMode(), c.mode);
        fmStoreName->FormActivate(fmStoreName);
        EXPECT_EQ(fmStoreName->edName->Enabled(), c.mode == 1);
        EXPECT_EQ(fmStoreName->Caption(), "Name");
        EXPECT_EQ(fmStoreName->btnOK->Caption(), "OK");
        EXPECT_EQ(fmStoreName->bnCancel->Caption(), "Cancel");
        // Cancel closes only the name window.
        fmStoreName->bnCancel->Click();
        EXPECT_FALSE(fmStoreName->Visible());
        EXPECT_TRUE(list->Visible());
        list->bnCancel->Click();
    }
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(PresetDialogsTest, TypingReplacesTheSelectedName) {
    Pick(fmStorePreset, 3);
    ShowForm(fmStoreName);
    fmStoreName->FormActivate(fmStoreName);
    input.Type(fmStoreName->edName, "ab");
    EXPECT_EQ(fmStoreName->edName->Text(), "ab");
    // Enter confirms.
    input.Key(fmStoreName->edName, 13);
    EXPECT_EQ(host.calls, std::vector<std::string>{"store 2 [ab            ]"});
}

TEST_F(PresetDialogsTest, OkStoresTheNameCutAndPaddedAndWritesBothLists) {
    struct Case {
        std::string typed, stored;
    } cases[] = {
        {"ab", "ab            "},
        {"50% level", "50% level     "},
        {"  lead blanks", "  lead blanks "},
        {"", "              "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        host.calls.clear();
        Pick(fmStorePreset, 3);
        fmStoreName->edName->SetText(c.typed);
        fmStoreName->btnOK->Click();
        EXPECT_EQ(host.calls, std::vector<std::string>{"store 2 [" + c.stored + "]"});
        EXPECT_EQ(fmStoreName->edName->Text(), c.stored);
        EXPECT_EQ(fmStorePreset->RowName(2), c.stored);
        EXPECT_EQ(fmRecallPreset->RowName(3), c.stored);
        EXPECT_FALSE(fmStoreName->Visible());
        EXPECT_FALSE(fmStorePreset->Visible());
    }
    // The edit holds 14 characters at most; a longer name set in code is cut.
    EXPECT_EQ(fmStoreName->edName->MaxLength(), 14);
    host.calls.clear();
    Pick(fmStorePreset, 20);
    fmStoreName->edName->SetText("ABCDEFGHIJKLMNOPQ");
    fmStoreName->btnOK->Click();
    EXPECT_EQ(host.calls, std::vector<std::string>{"store 19 [ABCDEFGHIJKLMN]"});
    EXPECT_EQ(fmStorePreset->RowName(19), "ABCDEFGHIJKLMN");
}

TEST_F(PresetDialogsTest, TheListLeavesTheScreenBeforeTheJobStartsOnLine) {
    struct Case {
        bool recall, online, listShownDuringJob;
        std::string call;
    } cases[] = {
        {false, true, false, "store 4 [Default Preset]"},
        {true, true, false, "recall 4"},
        {true, false, false, "recall 4"},
    };
    for (const Case& c : cases) {
        host.SetOnLine(c.online);
        host.calls.clear();
        PresetListForm* list = List(c.recall);
        bool shown = true;
        host.onCall = [&] { shown = list->Visible() || fmStoreName->Visible(); };
        Pick(list, 5);
        fmStoreName->btnOK->Click();
        EXPECT_EQ(host.calls, std::vector<std::string>{c.call});
        EXPECT_EQ(shown, c.listShownDuringJob);
        EXPECT_FALSE(list->Visible());
    }
}

TEST_F(PresetDialogsTest, PicturesOfTheListsAndTheNameWindow) {
    fmStorePreset->SetPresetRow(2, "Live Stage    ");
    fmRecallPreset->SetPresetRow(3, "Live Stage    ");
    ShowForm(fmStorePreset);
    SavePng(Grab(fmStorePreset), "preset_store_list");
    ShowForm(fmRecallPreset);
    SavePng(Grab(fmRecallPreset), "preset_recall_list");
    Pick(fmStorePreset, 3);
    ShowForm(fmStoreName);
    fmStoreName->FormActivate(fmStoreName);
    SavePng(Grab(fmStoreName), "preset_name_window");
}

} // namespace
