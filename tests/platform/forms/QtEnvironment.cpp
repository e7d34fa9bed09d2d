// One QApplication on the offscreen platform for the whole test program.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance())
            return;
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "test_platform_forms";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
