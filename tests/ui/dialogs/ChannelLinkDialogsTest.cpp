// The link window's grid (its cascade, Set and Exit) and the channel copy,
// name and name-list windows, over the recording host.

#include "tests/ui/dialogs/DialogTest.h"
#include "ui/dialogs/FChNameList.h"
#include "ui/dialogs/FChannelName.h"
#include "ui/dialogs/FCopy.h"
#include "ui/dialogs/FLinkSel.h"

#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::test;
using korvan::testing::Find;

namespace {

class LinkSelTest : public DialogTest<TfmLinkSel> {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        host.UseEnglishTexts();
        Show();
        dialog->FormShow(nullptr);
    }
    TRzBmpButton* Button(const std::string& name) { return Find<TRzBmpButton>(dialog.get(), name); }
    // A click of the user's on a button of the grid.
    void Press(const std::string& name) {
        input.Click(Button(name));
        ProcessEvents();
    }
    // The grid shows the model's masks, as the main window's refresh does.
    void ShowModel() {
        for (int ch = 0; ch < 12; ++ch)
            dialog->ShowLinkMask(ch, host.model.GetLinkMask(ch));
    }
};

TEST_F(LinkSelTest, GridHoldsOneButtonPerChannelUpToItselfWithTheDiagonalDown) {
    int inputs = 0, outputs = 0;
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 12; ++column)
            if (TRzBmpButton* button = dialog->LinkButton(row, column)) {
                (row < 4 ? inputs : outputs) += 1;
                EXPECT_EQ(button->Down(), row == column) << row << " " << column;
            }
    EXPECT_EQ(inputs, 10);
    EXPECT_EQ(outputs, 36);
    EXPECT_EQ(Button("rzbCLinkInA")->Caption(), "InC");
    EXPECT_EQ(Button("rzb5LinkOut2")->Tag(), 1);
    EXPECT_EQ(dialog->Caption(), "Link Selection");
    EXPECT_EQ(dialog->bnSet->Caption(), "Set");

    // InA's and Out1's rows hold a single button that stays down.
    EXPECT_EQ(dialog->FindComponent("rzbALinkInB"), nullptr);
    EXPECT_EQ(dialog->FindComponent("rzb1LinkOut2"), nullptr);
    Press("rzbALinkInA");
    Press("rzb1LinkOut1");
    EXPECT_TRUE(Button("rzbALinkInA")->Down());
    EXPECT_TRUE(Button("rzb1LinkOut1")->Down());
    EXPECT_FALSE(dialog->HasChanges());
    korvan::testing::SavePng(korvan::testing::Grab(dialog.get()), "link-dialog-default");
}

TEST_F(LinkSelTest, AMemberCannotBeJoinedAndHandsBackTheRowsThatHadJoinedIt) {
    // InC and InD cannot join InB once InB is a member of InA's group.
    Press("rzbBLinkInA");
    EXPECT_TRUE(dialog->HasChanges());
    EXPECT_FALSE(Button("rzbCLinkInB")->Enabled());
    EXPECT_FALSE(Button("rzbDLinkInB")->Enabled());
    EXPECT_TRUE(Button("rzbCLinkInA")->Enabled());
    // InB heads again: the column is free once more.
    Press("rzbBLinkInB");
    EXPECT_TRUE(Button("rzbCLinkInB")->Enabled());

    // InC and InD had joined InB, then InB joins InA: both head their own
    // groups again, and InD may join InC once more.
    Press("rzbCLinkInB");
    EXPECT_FALSE(Button("rzbDLinkInC")->Enabled());
    Press("rzbDLinkInB");
    Press("rzbBLinkInA");
    for (const char* released : {"rzbCLinkInB", "rzbDLinkInB"}) {
        EXPECT_FALSE(Button(released)->Down()) << released;
        EXPECT_FALSE(Button(released)->Enabled()) << released;
    }
    EXPECT_TRUE(Button("rzbCLinkInC")->Down());
    EXPECT_TRUE(Button("rzbDLinkInD")->Down());
    EXPECT_TRUE(Button("rzbDLinkInC")->Enabled());
    korvan::testing::SavePng(korvan::testing::Grab(dialog.get()), "link-dialog-cascade");
}

TEST_F(LinkSelTest, SetCopiesTheHeadOnlyIntoTheChannelThatNewlyJoined) {
    // Stored: InC is a member of InB's group.
    host.model.SetLinkMask(1, 0x6);
    host.model.SetLinkMask(2, 0);
    ShowModel();
    ASSERT_TRUE(Button("rzbCLinkInB")->Down());
    Press("rzbBLinkInA");
    EXPECT_TRUE(Button("rzbCLinkInC")->Down());

    dialog->bnSetClick(nullptr);
    const std::vector<std::string> changes(host.calls.begin(), host.calls.begin() + 6);
    EXPECT_EQ(changes, (std::vector<std::string>{"caption 0 1", "copy 0 1", "link 0 3", "link 1 0",
                                                 "caption 2 2", "link 2 4"}));
    EXPECT_EQ(host.calls[6], "sync");
    // Heads and lone channels keep their overlay buttons; InB loses them.
    EXPECT_EQ(host.calls[7], "show 0 on");
    EXPECT_EQ(host.calls[9], "show 1 off");
    EXPECT_EQ(host.calls[10], "show 2 on");
    EXPECT_EQ(host.calls[host.calls.size() - 2], "gain page");
    EXPECT_EQ(host.calls.back(), "geq A");
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(host.model.GetLinkMask(0), 0x3);
    EXPECT_EQ(host.model.GetLinkMask(1), 0);
    EXPECT_EQ(host.model.GetLinkMask(2), 0x4);
}

TEST_F(LinkSelTest, SetWithNothingChangedOnlyClosesAndSelectsTheFirstGraphicEq) {
    Press("rzb3LinkOut1");
    Press("rzb3LinkOut3");
    dialog->bnSetClick(nullptr);
    EXPECT_EQ(host.calls, std::vector<std::string>{"geq A"});
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(LinkSelTest, ExitAfterAClickPutsTheModelsGroupingBack) {
    Press("rzb8LinkOut1");
    EXPECT_TRUE(Button("rzb8LinkOut1")->Down());
    dialog->bnExit->Click();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(Button("rzb8LinkOut8")->Down());
    EXPECT_FALSE(Button("rzb8LinkOut1")->Down());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.model.GetLinkMask(4), 0x1);
}

class CopyTest : public DialogTest<TfmCopy> {};

TEST_F(CopyTest, CopiesWithinAKindAndStaysOpen) {
    host.UseEnglishTexts();
    Show();
    dialog->FormShow(nullptr);
    EXPECT_EQ(dialog->Caption(), "Channel Copy");
    EXPECT_EQ(dialog->cbInDestination->ItemIndex(), 1);
    EXPECT_EQ(dialog->cbOutSource->Items()->Get(7), "Out8");

    dialog->cbInSource->SetItemIndex(0);
    dialog->cbInDestination->SetItemIndex(0);
    dialog->bnInChCopy->Click();
    EXPECT_TRUE(host.calls.empty());

    dialog->cbOutSource->SetItemIndex(0);
    dialog->cbOutDestination->SetItemIndex(2);
    dialog->bnOutChCopy->Click();
    EXPECT_EQ(host.calls, std::vector<std::string>{"copy 4 6 refresh"});
    EXPECT_TRUE(dialog->Visible());
    dialog->bnExit->Click();
    EXPECT_FALSE(dialog->Visible());
    korvan::testing::SavePng(korvan::testing::Grab(dialog.get()), "copy-dialog");
}

class ChannelNameTest : public DialogTest<TfmChannelName> {};

TEST_F(ChannelNameTest, StoresTheTypedNameAsEightBytesAndSendsItEvenUnchanged) {
    struct Case {
        int ch;
        std::string shown, typed, title, stored;
    } cases[] = {
        {2, "InC  \r", "50%Mix", "InC :", std::string("50%Mix\0\0", 8)},
        {5, "Out2", "", "Out2 :", std::string(8, '\0')},
        {11, "Sub-Left", "Sub-Left", "Out8 :", "Sub-Left"},
        {0, "x", "Subwoofer1", "InA :", "Subwoofe"},
    };
    for (const Case& c : cases) {
        host.calls.clear();
        dialog->SetChannel(c.ch);
        dialog->SetNameText(c.shown);
        EXPECT_EQ(dialog->lbChannel->Caption(), c.title);
        EXPECT_EQ(dialog->edName->Text(), c.shown.substr(0, c.shown.find_first_of(" \r")));
        Show();
        dialog->edName->SetText(c.typed);
        std::uint16_t enter = 13;
        dialog->edNameKeyDown(dialog->edName, enter, 0);
        EXPECT_FALSE(dialog->Visible());
        EXPECT_EQ(host.calls,
                  std::vector<std::string>{"name " + std::to_string(c.ch) + " [" + c.stored + "]"});
        EXPECT_EQ(std::string(host.model.GetChannelNameChars(c.ch), 8), c.stored);
    }
}

class ChNameListTest : public DialogTest<TfmChNameList> {};

TEST_F(ChNameListTest, SendsOnlyTheChangedNamesInChannelOrder) {
    host.model.SetChName(3, "Sub-Left");
    host.model.SetChName(6, "Mid\0\0\0\0\0");
    host.UseEnglishTexts();
    Show();
    dialog->FormShow(nullptr);
    EXPECT_EQ(dialog->edMatrixChName[3]->Text(), "Sub-Left");
    EXPECT_EQ(dialog->edMatrixChName[6]->Text(), "Mid");
    EXPECT_EQ(dialog->btnOK->Caption(), "Set");
    korvan::testing::SavePng(korvan::testing::Grab(dialog.get()), "channel-name-list");

    dialog->edMatrixChName[9]->SetText("Top%");
    dialog->edMatrixChName[1]->SetText("Vox");
    dialog->btnOKClick(nullptr);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"name 1 [" + std::string("Vox\0\0\0\0\0", 8) + "]",
                                                    "name 9 [" + std::string("Top%\0\0\0\0", 8) + "]"}));
    EXPECT_FALSE(dialog->Visible());
}

} // namespace
