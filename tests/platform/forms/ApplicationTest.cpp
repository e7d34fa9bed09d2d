#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/GuiThread.h"
#include "platform/sys/Clock.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/GuiHarness.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

TEST(Application, RunReturnsAtTerminateAndProcessesQueuedCalls) {
    bool ran = false;
    korvan::forms::Gui().Post([&] {
        ran = true;
        Application->Terminate();
    });
    Application->Run();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(Application->Terminated());
    Application->Run(); // already terminated: returns at once
}

TEST(Application, TheMainFormIsShownWhereItsPositionSays) {
    TForm form(nullptr);
    ASSERT_EQ(Application->MainForm(), &form);
    form.SetPosition(poScreenCenter);
    form.SetBounds(0, 0, 400, 300);
    Application->ShowMainWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Left(), screen.left() + (screen.width() - 400) / 2);
    EXPECT_EQ(form.Top(), screen.top() + (screen.height() - 300) / 2);
}

TEST(Application, MessageBoxGoesThroughTheService) {
    auto fake = std::make_unique<korvan::testing::FakeDialogService>();
    fake->defaultAnswer = IDNO;
    const auto& shown = fake->boxes;
    korvan::forms::ScopedDialogService dialogs(std::move(fake));
    EXPECT_EQ(Application->MessageBox("Password Error!!", "Check", MB_YESNO), IDNO);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Password Error!!");
}

// Run by the test below as a second process: it plays a later start.
TEST(SingleInstance, SecondStartHelper) {
    const char* folder = std::getenv("KORVAN_SINGLE_INSTANCE_FOLDER");
    if (!folder)
        GTEST_SKIP() << "runs only as the second process of SecondStartRaisesTheFirstAndExitsZero";
    const bool first = Application->ClaimSingleInstance("korvan-test", folder);
    Application->Run(); // returns at once for a later start
    std::_Exit(!first && !Application->ShowMainForm() && Application->Terminated() ? 0 : 3);
}

TEST(SingleInstance, SecondStartRaisesTheFirstAndExitsZero) {
    const korvan::testing::ScratchFolder scratch("single-instance");
    const std::filesystem::path& folder = scratch.Path();

    QWidget window;
    window.setWindowTitle("the Brivane KORVAN DSP Processor Editor V1.0");
    Application->FormCreated(nullptr, &window);
    window.showMinimized();
    ASSERT_TRUE(Application->ClaimSingleInstance("korvan-test", folder));

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVAN_SINGLE_INSTANCE_FOLDER", QString::fromStdString(folder.string()));
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=SingleInstance.SecondStartHelper"});
    ASSERT_TRUE(second.waitForStarted(10000));
    // The second start ends once it has its answer; the raise it asked for
    // may come in a later turn of this loop, so both are waited for.
    const auto deadline = korvan::sys::SystemClock().NowMs() + 20000;
    while ((second.state() != QProcess::NotRunning || window.isMinimized()) &&
           korvan::sys::SystemClock().NowMs() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

} // namespace
