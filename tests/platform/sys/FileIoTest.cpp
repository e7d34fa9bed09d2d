// Whole-file reads and replacing writes.

#include "platform/sys/FileIo.h"
#include "tests/support/FifoWait.h"
#include "tests/support/ScratchFolder.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using korvan::sys::ReadFileBytes;
using korvan::sys::WriteFileReplacing;
using Bytes = std::vector<std::uint8_t>;

class FileIo : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::ptrdiff_t Entries() const {
        return std::distance(fs::directory_iterator(dir_), fs::directory_iterator{});
    }
    korvan::testing::ScratchFolder scratch_{"file-io"};
    const fs::path& dir_ = scratch_.Path();
};

} // namespace

TEST_F(FileIo, WritesReplacesAndReadsBack) {
    const std::string path = Path("a.prs");
    ASSERT_TRUE(WriteFileReplacing(path, Bytes{1, 2, 3}));
    const Bytes second(1450, 0x5A);
    ASSERT_TRUE(WriteFileReplacing(path, second));
    EXPECT_EQ(ReadFileBytes(path, 5000), second);
    EXPECT_EQ(ReadFileBytes(path, 10)->size(), 10u);
    EXPECT_EQ(Entries(), 1) << "no temporary left";
}

TEST_F(FileIo, FailedWriteLeavesNothingBehind) {
    EXPECT_FALSE(WriteFileReplacing(Path("missing/a.prs"), Bytes{1}));
    // A directory cannot be replaced by a file: the rename fails after the
    // data was written, and the temporary is removed.
    fs::create_directory(dir_ / "taken.prs");
    EXPECT_FALSE(WriteFileReplacing(Path("taken.prs"), Bytes{1, 2}));
    EXPECT_TRUE(fs::is_directory(dir_ / "taken.prs"));
    EXPECT_EQ(Entries(), 1);
}

TEST_F(FileIo, ReadingMissingFileOrDirectoryFails) {
    EXPECT_FALSE(ReadFileBytes(Path("none.prs"), 10));
    EXPECT_FALSE(ReadFileBytes(dir_.string(), 10));
}

TEST_F(FileIo, FifoOrDeviceIsRefusedWithoutWaitingForAWriter) {
    const std::string fifo = Path("pipe.prs");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/null"), std::string("/dev/zero")}) {
        std::optional<Bytes> read = Bytes{};
        EXPECT_TRUE(korvan::testing::ReturnsWithoutAWriter(fifo, [&] { read = ReadFileBytes(path, 10); }))
            << path;
        EXPECT_FALSE(read) << path;
    }
}
