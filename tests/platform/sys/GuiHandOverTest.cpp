#include "platform/sys/EventSet.h"
#include "platform/sys/FakeGuiLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using korvan::sys::EventSet;
using korvan::sys::FakeGuiLoop;
using korvan::sys::HandOver;
using korvan::sys::HandOverResult;

namespace {

constexpr int Abort = 0;
constexpr int Done = 1;

struct HandOverFixture : ::testing::Test {
    FakeGuiLoop gui;
    std::shared_ptr<EventSet> events = std::make_shared<EventSet>(2);
    std::atomic<int> result{-1};

    std::thread Worker(std::function<void()> task) {
        return std::thread([this, task = std::move(task)] {
            result = static_cast<int>(HandOver(gui, task, events, Abort, Done));
        });
    }
};

TEST_F(HandOverFixture, WorkerWaitsUntilTheGuiThreadHasRunTheTask) {
    std::thread::id ranOn;
    auto worker = Worker([&] { ranOn = std::this_thread::get_id(); });
    ASSERT_TRUE(gui.RunUntil([&] { return result >= 0; }));
    worker.join();
    EXPECT_EQ(result, static_cast<int>(HandOverResult::Handled));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(HandOverFixture, AbortBeforeTheTaskRanSkipsIt) {
    bool ran = false;
    auto worker = Worker([&] { ran = true; });
    ASSERT_TRUE(gui.AwaitPending(1));
    events->Signal(Abort);
    worker.join();
    EXPECT_EQ(result, static_cast<int>(HandOverResult::Abandoned));
    gui.RunPending();
    EXPECT_FALSE(ran);
}

TEST_F(HandOverFixture, AbortWhileTheTaskRunsFreesTheWorkerAtOnce) {
    // The task itself aborts, as a close inside the handler does, and then
    // waits for the worker: without the way out this would deadlock.
    auto data = std::make_shared<std::vector<int>>(3, 7);
    std::thread worker;
    worker = Worker([this, data] {
        events->Signal(Abort);
        while (result < 0)
            std::this_thread::yield();
        EXPECT_EQ((*data)[2], 7); // still owned by the task
    });
    data.reset();
    ASSERT_TRUE(gui.RunUntil([&] { return result >= 0; }));
    worker.join();
    EXPECT_EQ(result, static_cast<int>(HandOverResult::Abandoned));
}

TEST_F(HandOverFixture, OnTheGuiThreadTheTaskRunsDirectly) {
    bool ran = false;
    EXPECT_EQ(HandOver(
                  gui, [&] { ran = true; }, events, Abort, Done),
              HandOverResult::Handled);
    EXPECT_TRUE(ran);
}

} // namespace
