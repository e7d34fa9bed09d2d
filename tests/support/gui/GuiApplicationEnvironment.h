#pragma once
// Gives a test program one GUI application object (fonts and text need it),
// created before the first test on Qt's offscreen platform.

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace korvan::test {

class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance())
            return;
        qputenv("QT_QPA_PLATFORM",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// Registered once per program by including this header.
inline ::testing::Environment* const kGuiApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

} // namespace korvan::test
