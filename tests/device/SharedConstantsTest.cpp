#include "device/SharedConstants.h"

#include <gtest/gtest.h>

#include <string>

TEST(SharedConstants, CaptionIsTitleBlankVersion) {
    EXPECT_EQ(std::string(AppTitle) + " " + AppVersion, "the Brivane KORVAN DSP Processor Editor V1.0");
}
