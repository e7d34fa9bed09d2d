// The connect sequence over each of the three links against the simulated
// unit: the requests in order, the reply time-out in force for each, the
// progress window, and the level poll that follows.

#include "device/protocol/CommandRecords.h"
#include "tests/ui/main/ConnectionFixture.h"

#include <initializer_list>
#include <memory>
#include <mutex>
#include <vector>

using namespace korvan;
using namespace korvan::test;

namespace {

struct ExpectedTimeouts {
    LinkKind kind;
    std::uint32_t connectMs;
    int connectRetries;
    std::uint32_t onLineMs; // from the lock-state request on
    friend void PrintTo(const ExpectedTimeouts& e, std::ostream* os) { *os << KindName(e.kind); }
};

class ConnectSequence : public ConnectionTest, public ::testing::WithParamInterface<ExpectedTimeouts> {
protected:
    std::uint32_t LinkTimeout() const {
        switch (GetParam().kind) {
        case LinkKind::Serial:
            return core->ComLink->GetTimeout();
        case LinkKind::Usb:
            return core->UsbLink->GetTimeout();
        case LinkKind::Net:
            return core->NetLink->GetTimeout();
        }
        return 0;
    }
    int LinkRetries() const {
        switch (GetParam().kind) {
        case LinkKind::Serial:
            return core->ComLink->GetRetries();
        case LinkKind::Usb:
            return core->UsbLink->GetRetries();
        case LinkKind::Net:
            return core->NetLink->GetRetries();
        }
        return 0;
    }
};

TEST_P(ConnectSequence, RequestsInOrderWithTheirTimeoutsThenTheLevelPoll) {
    const ExpectedTimeouts expected = GetParam();
    // The time-out in force when the unit gets each request (read on the
    // unit's thread before it answers, so the window cannot have moved on).
    // The unit's thread may still answer after this body has ended: the
    // record is shared with it and disarmed before the fixture frees the
    // link it reads.
    struct Record {
        std::mutex mutex;
        bool armed = false;
        std::vector<std::pair<std::uint8_t, std::uint32_t>> timeouts;
    };
    const auto record = std::make_shared<Record>();
    unit.SetObserver([this, record](const UnitRequest& r) {
        std::lock_guard lock(record->mutex);
        if (record->armed)
            record->timeouts.emplace_back(r.code, LinkTimeout());
    });
    struct Disarm {
        Record& record;
        ~Disarm() {
            std::lock_guard lock(record.mutex);
            record.armed = false;
        }
    } disarm{*record};

    ASSERT_TRUE(OpenTo(expected.kind));
    EXPECT_TRUE(core->Handshaking);
    EXPECT_EQ(LinkTimeout(), expected.connectMs);
    EXPECT_EQ(LinkRetries(), expected.connectRetries);
    {
        std::lock_guard lock(record->mutex);
        record->armed = true;
    }

    const auto order = ConnectReadRequests();
    ASSERT_TRUE(RunUntilReadEnded());
    EXPECT_EQ(RequestTexts(unit), order);
    EXPECT_FALSE(core->Handshaking);
    EXPECT_TRUE(core->SessionOpen);
    EXPECT_TRUE(core->Online);
    EXPECT_EQ(LinkRetries(), 1);
    {
        std::lock_guard lock(record->mutex);
        for (const auto& [code, ms] : record->timeouts) {
            if (code == MCS_CONNECT)
                continue; // may have been written before the observer was armed
            EXPECT_EQ(ms, code == MCS_IDENTITY ? 5000u : expected.onLineMs) << int(code);
        }
    }
    const std::string interfaceName = expected.kind == LinkKind::Serial ? "COM3"
                                      : expected.kind == LinkKind::Usb  ? "USB"
                                                                        : "NET";
    EXPECT_TRUE(view.Has("ShowOnLine OnLine|Disconnect|" + interfaceName));
    EXPECT_TRUE(view.Has("PrepareProgress Upload parameters now , please wait... 0/29"));
    EXPECT_TRUE(view.Has("RefreshFromModel"));
    // The bar stands at each page received and ends at 29.
    ASSERT_EQ(view.progressPositions.size(), 29u);
    for (int p = 0; p < 28; ++p)
        EXPECT_EQ(view.progressPositions[std::size_t(p)], p);
    EXPECT_EQ(view.progressPositions.back(), 29);

    // The read ended before the progress window's show timer: it never
    // comes up afterwards.
    Advance(100);
    EXPECT_FALSE(view.Has("ShowProgressModal"));

    // Then MCS_LEVELS every 300 ms (200 ms are gone already).
    const std::size_t before = unit.ReceivedCount();
    Advance(199);
    EXPECT_EQ(unit.ReceivedCount(), before);
    for (int poll = 1; poll <= 3; ++poll) {
        Advance(poll == 1 ? 1 : 300);
        ASSERT_TRUE(gui.RunUntil([&] { return view.levelReplies == poll; })) << poll;
        ASSERT_EQ(unit.ReceivedCount(), before + std::size_t(poll));
        EXPECT_EQ(unit.Received().back().code, MCS_LEVELS);
    }
}

INSTANTIATE_TEST_SUITE_P(Links, ConnectSequence,
                         ::testing::Values(ExpectedTimeouts{LinkKind::Serial, 100, 0, 1000},
                                           ExpectedTimeouts{LinkKind::Usb, 100, 3, 5000},
                                           ExpectedTimeouts{LinkKind::Net, 4000, 0, 1000}),
                         [](const auto& instance) { return std::string(KindName(instance.param.kind)); });

TEST_F(ConnectionTest, ProgressWindowShownWhileTheReadStillRuns) {
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    // Stop pumping in the middle of the names: the read waits for the GUI.
    ASSERT_TRUE(RunUntilReceived(unit, 10));
    Advance(100);
    EXPECT_TRUE(view.Has("ShowProgressModal"));
    ASSERT_TRUE(gui.RunUntil([&] { return view.Has("EnableConnectButton"); }));
    const auto shown = std::find(view.events.begin(), view.events.end(), "ShowProgressModal");
    EXPECT_NE(std::find(shown, view.events.end(), "CloseProgress"), view.events.end());
    EXPECT_EQ(view.Count("ShowProgressModal"), 1u);
}

TEST_F(ConnectionTest, NameReplyBeyondTheTwentySlotsWritesNoRowAndTheReadGoesOn) {
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReadEnded());
    const auto recallRows = view.recallRows;
    const auto storeRows = view.storeRows;
    const std::size_t before = unit.ReceivedCount();

    for (std::uint8_t index : std::initializer_list<std::uint8_t>{20, 21, 255}) {
        Bytes payload(15, 'x');
        payload[0] = index;
        core->OnFrameReceived(UnitReply(1, MCS_READ_PRESET_NAME, payload));
        EXPECT_EQ(view.recallRows, recallRows) << int(index);
        EXPECT_EQ(view.storeRows, storeRows) << int(index);
    }
    // Each went on with the parameter pages instead of waiting; the unit
    // gets page 0 (the three requests coalesce or queue, never stall).
    ASSERT_TRUE(RunUntilReceived(unit, before + 1));
    EXPECT_EQ(RequestText(unit.Received()[before]), std::to_string(MCS_READ_STATE_PAGE) + ":0");
}

// A page reply carrying another page than the one asked for, or too many
// bytes, is never stored: the page is asked for again and the read goes on.
TEST_F(ConnectionTest, WrongPageRepliesAreAskedForAgainAndTheReadEnds) {
    SimFaults faults;
    faults.wrongPages = 2; // page 0 answered as page 1, twice
    unit.SetFaults(faults);
    const Bytes image = unit.Image();
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReadEnded(2));
    std::vector<std::string> pages;
    for (const auto& r : unit.Received())
        if (r.code == MCS_READ_STATE_PAGE)
            pages.push_back(RequestText(r));
    const std::string page0 = std::to_string(MCS_READ_STATE_PAGE) + ":0";
    ASSERT_GE(pages.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(pages.begin(), pages.begin() + 4),
              (std::vector<std::string>{page0, page0, page0, std::to_string(MCS_READ_STATE_PAGE) + ":1"}));
    EXPECT_EQ(pages.size(), 29u + 2u);
    const auto& read = core->UnitControl->GetImage().bytes;
    EXPECT_EQ(Bytes(read.begin() + 2, read.end()), Bytes(image.begin() + 2, image.end()));
}

// A unit that keeps answering a page wrongly ends the session as a broken
// link: the progress window goes, the link closes, the scan comes back.
TEST_F(ConnectionTest, AUnitThatKeepsAnsweringPagesWronglyEndsAsABrokenLink) {
    SimFaults faults;
    faults.pageExtraBytes = 1;
    unit.SetFaults(faults);
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(gui.RunUntil([&] { return view.Has("CloseProgress") && !LinkBusy(); }));
    std::size_t pageRequests = 0;
    for (const auto& r : unit.Received())
        pageRequests += r.code == MCS_READ_STATE_PAGE;
    EXPECT_EQ(pageRequests, 4u); // asked once, then three times again
    EXPECT_TRUE(core->IsLinkOpen());
    Advance(300);
    EXPECT_FALSE(core->IsLinkOpen());
    EXPECT_TRUE(view.Has("ReportLinkBroken"));
    EXPECT_TRUE(view.Has("ShowScanDialogModal"));
    EXPECT_FALSE(view.Has("EnableConnectButton"));
}

TEST_F(ConnectionTest, ShortSocketReadsArePushedIntoTheLinkAndNothingIsSentAgain) {
    view.monitorVisible = true;
    core->SetMonitorShown(true);
    ASSERT_TRUE(OpenTo(LinkKind::Net));
    ASSERT_TRUE(RunUntilReadEnded());
    const std::size_t before = unit.ReceivedCount();
    const int levels = view.levelReplies;

    // A level reply, three bytes per socket read.
    const Bytes reply = UnitReply(1, MCS_LEVELS, Bytes(SimUnit::LevelsSize, 0));
    for (std::size_t done = 0; done < reply.size(); done += 3) {
        const std::size_t lines = view.monitorLines.size();
        behind->Tcp()->WriteRaw(Bytes(reply.begin() + std::ptrdiff_t(done),
                                      reply.begin() + std::ptrdiff_t(std::min(done + 3, reply.size()))));
        ASSERT_TRUE(gui.RunUntil([&] { return view.monitorLines.size() > lines; }));
        EXPECT_EQ(view.monitorLines.back().rfind("NET R ", 0), 0u) << view.monitorLines.back();
    }
    ASSERT_TRUE(gui.RunUntil([&] { return view.levelReplies == levels + 1; }));
    gui.RunPending();
    EXPECT_EQ(unit.ReceivedCount(), before);
    for (const auto& line : view.monitorLines)
        EXPECT_EQ(line.rfind("NET RW", 0), std::string::npos) << line;
}

// Frame-monitor lines are made only while the core is told the monitor is
// shown, and shown only while the view still has it visible.
TEST_F(ConnectionTest, MonitorLinesAreMadeOnlyWhileTheMonitorIsShown) {
    view.monitorVisible = true;
    ASSERT_TRUE(OpenTo(LinkKind::Net));
    ASSERT_TRUE(RunUntilReadEnded());
    EXPECT_TRUE(view.monitorLines.empty());

    core->SetMonitorShown(true);
    const std::size_t before = unit.ReceivedCount();
    core->SendCmd(CM_MCS_CMD(1, MCS_ALIVE), true);
    ASSERT_TRUE(gui.RunUntil([&] { return unit.ReceivedCount() > before && !LinkBusy(); }));
    gui.RunPending();
    ASSERT_FALSE(view.monitorLines.empty());
    EXPECT_EQ(view.monitorLines.front().rfind("NET W ", 0), 0u) << view.monitorLines.front();

    // Shown to the core but no longer visible: nothing reaches the view.
    view.monitorVisible = false;
    const std::size_t lines = view.monitorLines.size();
    core->SendCmd(CM_MCS_CMD(1, MCS_ALIVE), true);
    ASSERT_TRUE(gui.RunUntil([&] { return unit.ReceivedCount() > before + 1 && !LinkBusy(); }));
    gui.RunPending();
    EXPECT_EQ(view.monitorLines.size(), lines);
}

} // namespace
