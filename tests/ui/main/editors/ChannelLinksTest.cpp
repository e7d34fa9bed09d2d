// Links, copies and names through the main window's menu and labels: the
// masks stored and sent, the copies made by the model off line and by the
// unit on line (then read back), the page captions and overlay buttons of
// members, and the names on the labels and on the wire.

#include "controls/panels/BmpButton.h"
#include "controls/panels/PowerButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/dialogs/FChNameList.h"
#include "ui/dialogs/FChannelName.h"
#include "ui/dialogs/FCopy.h"
#include "ui/dialogs/FLinkSel.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InB = 1, Out1 = 4, Out2 = 5, Out3 = 6, Out4 = 7;
constexpr std::uint16_t Loud = 330;

class ChannelLinksTest : public EditorsTest {
protected:
    LUnitControl& Model() { return fmMain->Model(); }
    // Opens the window from `item`, runs `script` once it is up, and
    // returns when its modal show has ended.
    void UseDialog(TMenuItem* item, TCustomForm* dialog, const std::function<void()>& script) {
        bool ran = false;
        pump.reactions.push_back([&] {
            if (ran || !dialog->Visible())
                return;
            ran = true;
            script();
        });
        pump.Start();
        item->Click();
        pump.reactions.pop_back();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(dialog->Visible());
    }
    // Presses grid buttons as the user does, then Set.
    void LinkAndSet(std::initializer_list<const char*> buttons) {
        UseDialog(fmMain->Link, fmLinkSel, [&] {
            for (const char* name : buttons) {
                auto* button = korvan::testing::Find<TRzBmpButton>(fmLinkSel, name);
                button->SetDown(true);
                button->Click();
            }
            fmLinkSel->bnSet->Click();
        });
    }
    std::string Caption(const std::string& name) { return Control<TControl>(name)->Caption(); }
    bool Visible(const std::string& name) { return Control<TControl>(name)->Visible(); }
    // The unit has read everything again and the level poll runs once more.
    bool RereadEnded() {
        return pump.RunUntil([&] {
            return LinkIdle() && fmMain->Connection().JobState == JobIdle && CountOf(MCS_LEVELS) >= 1;
        });
    }
};

TEST_F(ChannelLinksTest, OffLineLinksCopyInTheModelAndMarkTheMembersButtons) {
    CreateWindows();
    Model().SetGain(Out1, Loud);
    Model().SetGain(InA, Loud);
    Control<TVrPowerButton>("vrbShow2Out1")->SetActive(true);

    LinkAndSet({"rzbBLinkInA", "rzb2LinkOut1"});
    EXPECT_EQ(Model().GetLinkMask(InA), 0x03);
    EXPECT_EQ(Model().GetLinkMask(InB), 0);
    EXPECT_EQ(Model().GetLinkMask(Out1), 0x03);
    EXPECT_EQ(Model().GetLinkMask(Out2), 0);
    EXPECT_EQ(Model().GetGain(Out2), Loud);
    EXPECT_EQ(Model().GetGain(InB), Loud);
    // The controls show the model again: Out2's fader has Out1's gain.
    EXPECT_EQ(Control<TControl>("cvdGainOut2")->Text(), "+5.0dB");
    EXPECT_EQ(Caption("rzbMenuOut1"), "Out1");
    EXPECT_EQ(Caption("rzbMenuOut2"), "2=1");
    EXPECT_EQ(Caption("rzbMenuInB"), "B=A");
    EXPECT_EQ(Caption("rzbGeqSelInB"), "B=A");
    EXPECT_EQ(Caption("rzbGeqSelInA"), "InA");
    // A member is overlaid nowhere; its head still is.
    for (const char* hidden : {"vrbShow2Gain", "vrbShow2Out1", "vrbShow2Out8", "vrbShowBGain", "vrbShowBInD"})
        EXPECT_FALSE(Visible(hidden)) << hidden;
    EXPECT_FALSE(Control<TVrPowerButton>("vrbShow2Out1")->Active());
    for (const char* shown : {"vrbShow1Gain", "vrbShow1Out2", "vrbShow3Out1", "vrbShowAInB"})
        EXPECT_TRUE(Visible(shown)) << shown;
    EXPECT_EQ(fmMain->CurrentPage, TfmMain::GainPage);
    EXPECT_TRUE(Control<TRzBmpButton>("rzbGeqSelInA")->Down());

    // Every later refresh marks the grouping again.
    fmMain->RefreshFromModel();
    EXPECT_EQ(Caption("rzbMenuOut2"), "2=1");
    EXPECT_FALSE(Visible("vrbShow2Gain"));
    korvan::testing::SavePng(korvan::testing::Grab(fmMain), "links-gain-page");

    // Out2 heads its own group again.
    LinkAndSet({"rzb2LinkOut2"});
    EXPECT_EQ(Model().GetLinkMask(Out1), 0x01);
    EXPECT_EQ(Model().GetLinkMask(Out2), 0x02);
    EXPECT_EQ(Caption("rzbMenuOut2"), "Out2");
    EXPECT_TRUE(Visible("vrbShow2Out1"));
}

TEST_F(ChannelLinksTest, OffLineCopyReachesEveryChannelOfTheTargetsGroup) {
    CreateWindows();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(Out3, 0b1100);
        Model().SetLinkMask(Out4, 0);
    }
    Model().SetGain(Out1, Loud);
    fmMain->CopyChannel(Out2, Out2, true);
    EXPECT_NE(Model().GetGain(Out2), Loud);

    UseDialog(fmMain->Copy, fmCopy, [] {
        fmCopy->cbOutSource->SetItemIndex(0);
        fmCopy->cbOutDestination->SetItemIndex(2);
        fmCopy->bnOutChCopy->Click();
        fmCopy->bnExit->Click();
    });
    EXPECT_EQ(Model().GetGain(Out3), Loud);
    EXPECT_EQ(Model().GetGain(Out4), Loud);
    EXPECT_NE(Model().GetGain(Out2), Loud);
    EXPECT_EQ(Control<TControl>("cvdGainOut4")->Text(), "+5.0dB");
    EXPECT_EQ(std::memcmp(Model().GetChannelNameChars(Out3), "Out3", 4), 0);
}

TEST_F(ChannelLinksTest, OnLineLinkSendsCopyThenMasksThenSyncAndReadsTheUnitAgain) {
    GoOnline();
    Model().SetGain(Out1, Loud);
    ASSERT_TRUE(Delivered(MCS_GAIN, 1));
    unit.ClearReceived();

    LinkAndSet({"rzb2LinkOut1"});
    ASSERT_TRUE(RereadEnded());
    const auto requests = JobRequests();
    ASSERT_GE(requests.size(), 5u);
    EXPECT_EQ(requests[0].code, MCS_COPY_CHANNEL);
    EXPECT_EQ(requests[0].payload, (Bytes{Out1, Out2}));
    EXPECT_EQ(requests[1].code, MCS_LINK);
    EXPECT_EQ(requests[1].payload, (Bytes{Out1, 0x03}));
    EXPECT_EQ(requests[2].code, MCS_LINK);
    EXPECT_EQ(requests[2].payload, (Bytes{Out2, 0}));
    EXPECT_EQ(requests[3].code, MCS_ALIVE);
    EXPECT_EQ(requests[4].code, MCS_PRESET_FLAGS);
    // The model holds what the unit did.
    EXPECT_EQ(Model().GetGain(Out2), Loud);
    EXPECT_EQ(Model().GetLinkMask(Out1), 0x03);
    EXPECT_EQ(Caption("rzbMenuOut2"), "2=1");
}

TEST_F(ChannelLinksTest, OnLineCopyIsTheUnitsAndIsReadBack) {
    GoOnline();
    Model().SetGain(Out1, Loud);
    ASSERT_TRUE(Delivered(MCS_GAIN, 1));
    unit.ClearReceived();
    UseDialog(fmMain->Copy, fmCopy, [] {
        fmCopy->cbOutDestination->SetItemIndex(2);
        fmCopy->bnOutChCopy->Click();
        fmCopy->bnExit->Click();
    });
    ASSERT_TRUE(RereadEnded());
    const auto requests = JobRequests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests[0].code, MCS_COPY_CHANNEL);
    EXPECT_EQ(requests[0].payload, (Bytes{Out1, Out3}));
    EXPECT_EQ(requests[1].code, MCS_PRESET_FLAGS);
    EXPECT_EQ(Model().GetGain(Out3), Loud);
}

TEST_F(ChannelLinksTest, NamesShowOnTheLabelsAndOnlyChangedOnesAreSent) {
    GoOnline();
    // A click on a name label opens the name window for its channel.
    auto* label = Control<TControl>("lbMatrixChNameInC");
    bool ran = false;
    pump.reactions.push_back([&] {
        if (ran || !fmChannelName->Visible())
            return;
        ran = true;
        EXPECT_EQ(fmChannelName->lbChannel->Caption(), "InC :");
        EXPECT_EQ(fmChannelName->edName->Text(), "InC");
        fmChannelName->edName->SetText("Vox%");
        fmChannelName->btnOK->Click();
    });
    label->Click();
    pump.reactions.pop_back();
    ASSERT_TRUE(ran);
    EXPECT_EQ(label->Caption(), "Vox%");
    EXPECT_EQ(Control<TControl>("rzbMenuInC")->Hint(), "Vox%");
    EXPECT_EQ(std::memcmp(Model().GetChannelNameChars(2), "Vox%\0\0\0\0", 8), 0);

    UseDialog(fmMain->ChNameList, fmChNameList, [] {
        fmChNameList->edMatrixChName[11]->SetText("Sub");
        fmChNameList->edMatrixChName[1]->SetText("Keys");
        fmChNameList->btnOK->Click();
    });
    ASSERT_TRUE(Delivered(MCS_CHANNEL_NAME, 3));
    const auto names = FramesOf(MCS_CHANNEL_NAME);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0].payload, (Bytes{2, 'V', 'o', 'x', '%', 0, 0, 0, 0}));
    EXPECT_EQ(names[1].payload, (Bytes{1, 'K', 'e', 'y', 's', 0, 0, 0, 0}));
    EXPECT_EQ(names[2].payload, (Bytes{11, 'S', 'u', 'b', 0, 0, 0, 0, 0}));
    EXPECT_EQ(Caption("lbMatrixChNameOut8"), "Sub");
}

} // namespace
