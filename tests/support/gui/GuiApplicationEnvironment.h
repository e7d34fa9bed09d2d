#pragma once
// Gives a test program one GUI application object (fonts and text need it),
// created before the first test on Qt's offscreen platform. It is the
// harness's widget application, so tests of drawing and of controls can
// share one program.

#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace korvan::test {

class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { korvan::testing::EnsureGuiApplication(); }
};

// Registered once per program by including this header.
inline ::testing::Environment* const kGuiApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

} // namespace korvan::test
