// The real window connecting over TCP on 127.0.0.1 to the simulated unit:
// the start-up scan finds it, the connect sequence runs in order and the
// window ends on line with the level poll; a unit of the wrong type or
// version is released, reported and dropped.

#include "platform/text/AnsiText.h"
#include "tests/ui/main/ConnectionFixture.h"
#include "tests/ui/main/MainWindowFixture.h"

#include <algorithm>
#include <ostream>

using namespace korvan;
using namespace korvan::test;

namespace {

// A preset name of the unit that the built-in default does not have.
void NameUnitPreset(SimUnit& unit, const std::string& name) {
    Bytes image = unit.Image();
    std::fill_n(image.begin() + sim_image::PresetName, sim_image::NameLength, 0);
    std::copy(name.begin(), name.end(), image.begin() + sim_image::PresetName);
    unit.SetImage(image);
}

TEST_F(MainWindowTest, ConnectsOverTheNetworkAndEndsOnLineWithTheLevelPoll) {
    NameUnitPreset(unit, "Club Mains");
    unit.SetCurrentPreset(3);
    ASSERT_TRUE(ConnectToUnit(3));

    // The sequence in order, then only the level poll.
    const std::vector<std::string> sent = RequestTexts(unit);
    const std::vector<std::string> read = ConnectReadRequests();
    ASSERT_GE(sent.size(), read.size());
    EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + std::ptrdiff_t(read.size())), read);
    EXPECT_TRUE(std::all_of(sent.begin() + std::ptrdiff_t(read.size()), sent.end(),
                            [](const std::string& s) { return s == std::to_string(MCS_LEVELS); }));
    EXPECT_EQ(tcp->Connections(), 1u);

    EXPECT_TRUE(fmMain->Connection().Online);
    EXPECT_TRUE(fmMain->Connection().SessionOpen);
    EXPECT_FALSE(fmMain->Connection().Handshaking);
    EXPECT_EQ(fmMain->rzbMenuLink->Caption(), "OnLine");
    EXPECT_TRUE(fmMain->rzbMenuLink->Down());
    EXPECT_TRUE(fmMain->rzbMenuLink->Enabled());
    EXPECT_EQ(fmMain->Connect->Caption(), "Disconnect");
    EXPECT_EQ(fmMain->lbConInterface->Caption(), "NET");
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_EQ(fmNetwork->lblScan->Caption(), "Connecting IP:127.0.0.1");
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_EQ(fmProcess->ProgressBar->Max(), 29);
    EXPECT_EQ(fmProcess->ProgressBar->Position(), 29);
    EXPECT_EQ(fmProcess->StatusBar->Caption(), "Upload parameters now , please wait...");

    // The refresh at the end of the read shows the unit's preset.
    EXPECT_EQ(fmMain->Connection().CurrentPreset, 3);
    EXPECT_EQ(fmMain->lbPstNum->Caption(), "U03");
    EXPECT_EQ(fmMain->lbPstName->Caption(), "Club Mains");

    const std::string path = korvan::testing::SavePng(korvan::testing::Grab(fmMain), "main-window-online");
    SCOPED_TRACE(path);
}

// The name bytes of the unit are 8-bit text of the system code page: GBK
// double bytes under a Chinese locale.
// A status posted by a link that has been closed since says nothing about
// the link open now: the window stays on line and the level poll goes on.
TEST_F(MainWindowTest, StatusOfALinkNoLongerOpenIsIgnored) {
    ASSERT_TRUE(ConnectToUnit());
    TfmMainConnection& core = fmMain->Connection();
    ASSERT_TRUE(core.NetLink);
    const LinkId open = core.NetLink->GetLinkId();
    for (LinkStatus code : {LinkTimeout, LinkCommError, LinkWaitFailed})
        core.OnLinkStatus(LinkStatusMessage{open + 1000, code, 0});
    const std::size_t polls = CountOf(MCS_LEVELS);
    ASSERT_TRUE(pump.RunUntil([&] { return CountOf(MCS_LEVELS) >= polls + 2; }));
    EXPECT_TRUE(core.Online);
    EXPECT_TRUE(core.IsLinkOpen());
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_EQ(fmMain->rzbMenuLink->Caption(), "OnLine");
}

TEST_F(MainWindowTest, UnitPresetNameIsShownThroughTheSystemCodePage) {
    text::ScopedAnsiCodePage chinese(text::AnsiCodePage::Gbk);
    NameUnitPreset(unit, "\xD6\xF7\xD2\xF4\xCF\xE4 A");
    ASSERT_TRUE(ConnectToUnit(1));
    EXPECT_EQ(fmMain->lbPstName->Caption(), "\u4e3b\u97f3\u7bb1 A");
}

struct IdentityCase {
    const char* identity;
    const char* message;
};

// Names the case by its identity text in the test list.
void PrintTo(const IdentityCase& c, std::ostream* os) {
    *os << '"' << c.identity << '"';
}

class MainWindowIdentityTest : public MainWindowTest, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(MainWindowIdentityTest, WrongUnitIsReleasedReportedAndDropped) {
    unit.SetIdentity(GetParam().identity);
    StartUnit();
    CreateWindows();
    std::optional<std::string> shown;
    pump.reactions.push_back([&] {
        if (!shown && fmInformation->Visible()) {
            shown = fmInformation->lbMessage->Caption();
            fmInformation->btnOK->Click();
        }
    });
    ASSERT_TRUE(pump.RunUntil([&] {
        return shown && !fmMain->Connection().IsLinkOpen() && fmNetwork->lblScan->Caption() == "Link Broken";
    }));
    EXPECT_EQ(*shown, GetParam().message);

    // The release goes to device ID 255, and nothing follows it.
    const auto received = unit.Received();
    ASSERT_GE(received.size(), 3u);
    EXPECT_EQ(received[1].code, MCS_IDENTITY);
    EXPECT_EQ(received[2].code, MCS_RELEASE);
    EXPECT_EQ(received[2].destination, 255);
    EXPECT_EQ(CountOf(MCS_LOCK_STATE), 0u);

    EXPECT_FALSE(fmMain->Connection().Online);
    EXPECT_FALSE(fmMain->Connection().SessionOpen);
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_EQ(fmMain->rzbMenuLink->Caption(), "OffLine");
    EXPECT_FALSE(fmMain->rzbMenuLink->Down());
    EXPECT_TRUE(fmMain->rzbMenuLink->Enabled());
    EXPECT_EQ(fmMain->lbConInterface->Caption(), "");
}

INSTANTIATE_TEST_SUITE_P(Identities, MainWindowIdentityTest,
                         ::testing::Values(IdentityCase{"BRAND V010", "Unit's Type Error !!"},
                                           IdentityCase{"", "Unit's Type Error !!"},
                                           IdentityCase{"KORVAN V020", "Unit's Version Error !!"}),
                         [](const auto& instance) { return std::to_string(instance.index); });

} // namespace
