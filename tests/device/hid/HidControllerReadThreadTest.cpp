// The read thread of a checked-out device and the report I/O around it, on
// the fake backend's socket pairs.

#include "tests/device/hid/HidControllerFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

using namespace korvan::test;
using namespace std::chrono_literals;

namespace {

class DataLog {
public:
    std::vector<std::vector<std::uint8_t>> reports; // report ID, then the data
    std::vector<std::uint32_t> errors;
    std::vector<std::thread::id> threads;
    std::function<void(TJvHidDevice*)> after;

    void Data(TJvHidDevice* d, std::uint8_t id, const std::uint8_t* data, std::uint16_t size) {
        std::vector<std::uint8_t> r{id};
        r.insert(r.end(), data, data + size);
        reports.push_back(std::move(r));
        threads.push_back(std::this_thread::get_id());
        if (after)
            after(d);
    }
    void Error(TJvHidDevice*, std::uint32_t error) { errors.push_back(error); }
};

std::vector<std::uint8_t> Report(std::size_t length, std::uint8_t first) {
    std::vector<std::uint8_t> r(length);
    for (std::size_t i = 0; i < length; ++i)
        r[i] = std::uint8_t(first + i);
    r[0] = 0; // report ID
    return r;
}

class HidReadThread : public HidControllerTest {
protected:
    void SetUp() override {
        unit.emplace(backend.Plug(KorvanUnitInfo()));
        Create();
        controller->SetOnDeviceData({&data, &DataLog::Data});
        Pump();
        log.Take();
    }
    void TearDown() override {
        if (held && controller)
            controller->CheckIn(held);
        HidControllerTest::TearDown();
    }

    void TakeUnit() {
        ASSERT_TRUE(controller->CheckOutByID(held, 0x0168, 0x0821));
        ASSERT_TRUE(unit->WaitForReaders(1, 5s));
    }

    std::optional<FakeHidUnit> unit;
    DataLog data;
    TJvHidDevice* held = nullptr;
};

TEST_F(HidReadThread, EachReportArrivesOnceOnTheGuiThread) {
    TakeUnit();
    EXPECT_TRUE(held->ThreadRunning());
    for (std::uint8_t i = 0; i < 3; ++i)
        ASSERT_EQ(unit->SendInputReport(Report(65, std::uint8_t(10 * i))), 1u);
    ASSERT_TRUE(gui.RunUntil([&] { return data.reports.size() == 3; }));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(data.reports[i], Report(65, std::uint8_t(10 * i)));
        EXPECT_EQ(data.threads[i], std::this_thread::get_id());
    }
    // A report longer than the input report is read only up to its length.
    ASSERT_EQ(unit->SendInputReport(Report(80, 1)), 1u);
    ASSERT_TRUE(gui.RunUntil([&] { return data.reports.size() == 4; }));
    EXPECT_EQ(data.reports[3].size(), 65u);
    EXPECT_EQ(data.reports[3], Report(65, 1));

    controller->CheckIn(held);
    EXPECT_EQ(unit->OpenHandles(), 0u);
    gui.RunPending();
    EXPECT_EQ(data.reports.size(), 4u);
}

// The read handle is open once the check-out returns: a reply to a request
// written at once is not lost before the thread's first read.
TEST_F(HidReadThread, AReportSentRightAfterTheCheckOutArrives) {
    ASSERT_TRUE(controller->CheckOutByID(held, 0x0168, 0x0821));
    EXPECT_EQ(unit->OpenReaders(), 1u);
    ASSERT_EQ(unit->SendInputReport(Report(65, 7)), 1u);
    ASSERT_TRUE(gui.RunUntil([&] { return data.reports.size() == 1; }));
    EXPECT_EQ(data.reports[0], Report(65, 7));
}

TEST_F(HidReadThread, ADeviceWithoutReadWriteAccessGetsNoThread) {
    FakeHidDeviceInfo keyboard = FakeDeviceInfo(0x046D, 0xC31C);
    keyboard.readWriteAccess = false;
    auto kb = backend.Plug(keyboard);
    Pump();
    ASSERT_TRUE(controller->CheckOutByID(held, 0x046D, 0xC31C));
    EXPECT_FALSE(held->HasReadWriteAccess());
    EXPECT_EQ(held->Attributes().ProductID, 0xC31C);
    EXPECT_FALSE(held->ThreadRunning());
    EXPECT_EQ(kb.OpenReaders(), 0u);
}

TEST_F(HidReadThread, CheckInStopsAThreadWaitingOnALongRead) {
    controller->SetDevThreadSleepTime(10000);
    TakeUnit();
    controller->CheckIn(held);
    EXPECT_EQ(unit->OpenReaders(), 0u);
    // Taken and given back again, it still reads.
    TakeUnit();
    ASSERT_EQ(unit->SendInputReport(Report(65, 5)), 1u);
    ASSERT_TRUE(gui.RunUntil([&] { return data.reports.size() == 1; }));
}

TEST_F(HidReadThread, TheDataHandlerMayCheckTheDeviceIn) {
    TakeUnit();
    data.after = [&](TJvHidDevice*) { controller->CheckIn(held); };
    ASSERT_EQ(unit->SendInputReport(Report(65, 1)), 1u);
    ASSERT_TRUE(gui.RunUntil([&] { return data.reports.size() == 1; }));
    EXPECT_EQ(held, nullptr);
    EXPECT_FALSE(controller->Devices()[0]->ThreadRunning());
    EXPECT_EQ(Counts(), "1/0/0");
}

// After the unit is pulled the read cannot start; each failure is handed
// over once and the thread waits its sleep time before the next try.
TEST_F(HidReadThread, AReadThatCannotStartWaitsTheSleepTimeBeforeRetrying) {
    controller->SetOnDeviceDataError({&data, &DataLog::Error});
    TakeUnit();
    backend.Unplug(*unit);
    ASSERT_TRUE(gui.RunUntil([&] { return data.errors.size() == 1; }));
    EXPECT_EQ(log.Take(), (Events{"unplug #1", "removal #1", "change"}));
    EXPECT_TRUE(data.errors[0] == EIO || data.errors[0] == ENODEV) << data.errors[0];

    ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + 100));
    gui.RunPending();
    EXPECT_EQ(data.errors.size(), 1u);
    clock.Advance(100);
    ASSERT_TRUE(gui.RunUntil([&] { return data.errors.size() == 2; }));

    controller->CheckIn(held); // frees the unplugged device at once
    EXPECT_EQ(Counts(), "0/0/0");
    EXPECT_TRUE(controller->Devices().empty());
}

TEST_F(HidReadThread, DestroyingTheControllerStopsReadThreadsBeforeUnplugging) {
    TakeUnit();
    controller.reset();
    EXPECT_EQ(held->Controller(), nullptr);
    EXPECT_FALSE(held->IsPluggedIn());
    EXPECT_FALSE(held->ThreadRunning());
    EXPECT_EQ(unit->OpenHandles(), 0u);
    EXPECT_EQ(unit->SendInputReport(Report(65, 1)), 0u);
    gui.RunPending();
    EXPECT_TRUE(data.reports.empty());
    EXPECT_TRUE(log.events.empty()); // the holder's unplug handler did not run
    delete held;                     // the holder frees what it kept
    held = nullptr;
}

TEST_F(HidReadThread, OutputReportsLongerThanTheDeviceTakesAreRefused) {
    TakeUnit();
    EXPECT_EQ(held->Caps().OutputReportByteLength, 65);
    const std::vector<std::uint8_t> tooLong(66, 0x55);
    std::uint32_t written = 1;
    EXPECT_FALSE(held->WriteFile(tooLong.data(), 66, written));
    EXPECT_EQ(errno, EMSGSIZE);
    EXPECT_EQ(written, 0u);
    EXPECT_FALSE(held->WriteFileEx(tooLong.data(), 66, nullptr));
    EXPECT_FALSE(held->SetOutputReport(tooLong.data(), 66));

    std::vector<std::uint8_t> report(65, 0);
    report[1] = 0x10;
    ASSERT_TRUE(held->WriteFile(report.data(), 65, written));
    EXPECT_EQ(written, 65u);
    EXPECT_EQ(unit->WaitOutputReport(5s), report);

    std::uint32_t error = 1, bytes = 0;
    ASSERT_TRUE(held->WriteFileEx(report.data(), 65, [&](std::uint32_t e, std::uint32_t n) {
        error = e;
        bytes = n;
    }));
    EXPECT_EQ(error, 0u);
    EXPECT_EQ(bytes, 65u);
    EXPECT_EQ(held->HidOverlappedWriteResult(), 65u);
    EXPECT_EQ(unit->WaitOutputReport(5s), report);
}

// Writes come from another thread while reports arrive.
TEST_F(HidReadThread, WritesFromAnIoThreadRunBesideTheReadThread) {
    TakeUnit();
    held->GetCaps(); // cached on the GUI thread, as at check-out
    std::thread writer([&] {
        std::vector<std::uint8_t> report(65, 0);
        for (std::uint8_t i = 0; i < 20; ++i) {
            report[1] = i;
            std::uint32_t n = 0;
            EXPECT_TRUE(held->WriteFile(report.data(), 65, n));
        }
    });
    for (std::uint8_t i = 0; i < 20; ++i) {
        const auto out = unit->WaitOutputReport(5s);
        ASSERT_TRUE(out);
        EXPECT_EQ((*out)[1], i);
        unit->SendInputReport(Report(65, i));
    }
    writer.join();
    ASSERT_TRUE(gui.RunUntil([&] { return data.reports.size() == 20; }));
}

} // namespace
