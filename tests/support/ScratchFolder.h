#pragma once
// A fresh, empty folder for the running test below the test output folder,
// named for the group and the test; it goes, with all the test wrote into
// it, when the test ends.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace korvan::testing {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& group)
        : path_(std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) / Name(group)) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    // One level below the output folder, so that nothing of it is left.
    static std::string Name(const std::string& group) {
        std::string name = group + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        return name;
    }
    std::filesystem::path path_;
};

} // namespace korvan::testing
