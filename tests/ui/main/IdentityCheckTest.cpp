// The identity check of the connect sequence: which identity texts pass, and
// what a failed one does (release to device ID 255, the message, the link
// dropped 300 ms after the message box).

#include "tests/ui/main/ConnectionFixture.h"

using namespace korvan;
using namespace korvan::test;

namespace {

struct IdentityCase {
    const char* identity;
    const char* error; // nullptr: passes
    friend void PrintTo(const IdentityCase& c, std::ostream* os) { *os << '"' << c.identity << '"'; }
};

class IdentityCheck : public ConnectionTest, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(IdentityCheck, TextDecidesOnLineOrReleaseAndDrop) {
    const IdentityCase c = GetParam();
    unit.SetIdentity(c.identity);
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReceived(unit, 3));
    const auto requests = unit.Received();
    EXPECT_EQ(requests[0].code, MCS_CONNECT);
    EXPECT_EQ(requests[1].code, MCS_IDENTITY);
    EXPECT_TRUE(view.Has("ScanResult 1")); // the candidate has answered

    if (c.error == nullptr) {
        EXPECT_EQ(requests[2].code, MCS_LOCK_STATE);
        EXPECT_EQ(requests[2].destination, 1);
        EXPECT_TRUE(core->Online);
        EXPECT_FALSE(view.Has("HideScanDialog"));
        return;
    }
    EXPECT_EQ(requests[2].code, MCS_RELEASE);
    EXPECT_EQ(requests[2].destination, 255);
    EXPECT_TRUE(view.Has("HideScanDialog"));
    EXPECT_TRUE(view.Has(std::string("ShowInformation ") + c.error));
    EXPECT_FALSE(core->SessionOpen);
    EXPECT_FALSE(core->Online);
    EXPECT_TRUE(core->ComLink->Engine().IsPaused()); // no keep-alive to a wrong unit

    // The link goes 300 ms after the box was dismissed.
    Advance(299);
    EXPECT_TRUE(core->ComLink);
    Advance(1);
    EXPECT_FALSE(core->ComLink);
    EXPECT_TRUE(view.Has("ReportLinkBroken"));
    EXPECT_TRUE(view.Has("ShowOffLine Connect|OffLine|the Brivane KORVAN DSP Processor Editor V1.0"));
    EXPECT_EQ(unit.ReceivedCount(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Texts, IdentityCheck,
                         ::testing::Values(IdentityCase{"KORVAN V010", nullptr},
                                           IdentityCase{"KORVAN V010 anything", nullptr},
                                           IdentityCase{"KORVAN V011", "Unit's Version Error !!"},
                                           IdentityCase{"KORVAN", "Unit's Version Error !!"},
                                           IdentityCase{"KORVANV010", "Unit's Version Error !!"},
                                           IdentityCase{"KORVAX V010", "Unit's Type Error !!"},
                                           IdentityCase{"KORV", "Unit's Type Error !!"},
                                           IdentityCase{"", "Unit's Type Error !!"}));

} // namespace
