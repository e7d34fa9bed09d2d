// The single-instance guard over a fake GUI loop: the first claim holds the
// lock and hears later starts through the loop's descriptor watch; a later
// claim fails while the first lives and succeeds once it has gone.

#include "platform/sys/SingleInstance.h"
#include "platform/sys/FakeGuiLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>

using korvan::sys::FakeGuiLoop;
using korvan::sys::SingleInstance;

namespace {

// A folder of the test's own, `depth` characters below the output folder at
// least: a socket address holds about a hundred bytes, and a user's folder
// can be deeper than that.
struct GuardFolder {
    explicit GuardFolder(size_t depth) {
        path = std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) / ("guard-" + std::to_string(::getpid()));
        root = path;
        while (path.string().size() < root.string().size() + depth)
            path /= std::string(40, 'd');
        std::filesystem::create_directories(path);
    }
    ~GuardFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path root;
    std::filesystem::path path;
};

class SingleInstanceGuard : public ::testing::TestWithParam<size_t> {};

TEST_P(SingleInstanceGuard, ALaterStartAsksTheFirstThroughItsGuiLoop) {
    const GuardFolder scratch(GetParam());
    FakeGuiLoop gui;
    int activations = 0;
    auto first = std::make_unique<SingleInstance>("korvan test", scratch.Path());
    ASSERT_TRUE(first->Claim(gui, [&] { ++activations; }));
    EXPECT_EQ(gui.WatchCount(), 1u);
    EXPECT_TRUE(std::filesystem::exists(first->SocketPath()));

    SingleInstance later("korvan test", scratch.Path());
    EXPECT_FALSE(later.Claim(gui, [] {}));
    // The later start waits for the answer while the first's loop turns.
    std::atomic<int> answered{-1};
    std::thread asking([&] { answered = later.ActivateFirst() ? 1 : 0; });
    EXPECT_TRUE(gui.RunUntil([&] { return answered >= 0; }));
    asking.join();
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(activations, 1);

    // Once the first has gone the lock is free, and no socket is left.
    const auto socket = first->SocketPath();
    first.reset();
    EXPECT_EQ(gui.WatchCount(), 0u);
    EXPECT_FALSE(std::filesystem::exists(socket));
    EXPECT_FALSE(later.ActivateFirst(100));
    SingleInstance next("korvan test", scratch.Path());
    EXPECT_TRUE(next.Claim(gui, [] {}));
}

INSTANTIATE_TEST_SUITE_P(ShortAndDeepFolders, SingleInstanceGuard, ::testing::Values(0u, 200u));

} // namespace
