#include "platform/sys/ProgramVersion.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::sys::ProgramVersion;
using korvan::sys::ProgramVersionData;
using korvan::sys::RunningProgramVersion;

TEST(ProgramVersionTest, AProgramThatDeclaresNoneHasNone) {
    EXPECT_FALSE(RunningProgramVersion().has_value());
}

TEST(ProgramVersionTest, TheNewestDeclarationAnswersUntilItEnds) {
    {
        const ProgramVersionData outer{{"Outer", "1.0.0.0", "Maker", "(c) Maker"}};
        ASSERT_TRUE(RunningProgramVersion().has_value());
        EXPECT_EQ(RunningProgramVersion()->ProductName, "Outer");
        EXPECT_EQ(RunningProgramVersion()->CompanyName, "Maker");
        {
            const ProgramVersionData inner{{"Inner", "2.1.0.7", "", ""}};
            EXPECT_EQ(RunningProgramVersion()->ProductName, "Inner");
            EXPECT_EQ(RunningProgramVersion()->FileVersion, "2.1.0.7");
            EXPECT_EQ(RunningProgramVersion()->LegalCopyright, "");
        }
        EXPECT_EQ(RunningProgramVersion()->ProductName, "Outer");
        EXPECT_EQ(RunningProgramVersion()->LegalCopyright, "(c) Maker");
    }
    EXPECT_FALSE(RunningProgramVersion().has_value());
}

TEST(ProgramVersionTest, ADeclarationEndingOutOfOrderLeavesTheOthers) {
    auto first = std::make_unique<ProgramVersionData>(ProgramVersion{"First", "1", "", ""});
    auto second = std::make_unique<ProgramVersionData>(ProgramVersion{"Second", "2", "", ""});
    first.reset();
    EXPECT_EQ(RunningProgramVersion()->ProductName, "Second");
    second.reset();
    EXPECT_FALSE(RunningProgramVersion().has_value());
}

} // namespace
