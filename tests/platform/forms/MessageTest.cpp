#include "platform/forms/Application.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/Messages.h"
#include "platform/sys/Clock.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace korvan::forms;

// Turns the GUI thread's event loop until `done` or a generous bound.
template <class Pred> bool PumpUntil(Pred done) {
    const auto deadline = korvan::sys::SystemClock().NowMs() + 10000;
    while (!done() && korvan::sys::SystemClock().NowMs() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

TEST(Messages, SendFromAnotherThreadWaitsForTheGuiThread) {
    std::vector<unsigned> handled;
    QThread* handlerThread = nullptr;
    MessageWindow window([&](TMessage& m) {
        handled.push_back(m.Msg);
        handlerThread = QThread::currentThread();
        m.Result = std::intptr_t(m.WParam + 1);
    });
    std::atomic<bool> finished{false};
    std::intptr_t result = 0;
    std::thread io([&] {
        result = SendMessage(window.Handle(), 0x550, 41, 0);
        finished = true;
    });
    ASSERT_TRUE(PumpUntil([&] { return finished.load(); }));
    io.join();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(handled, (std::vector<unsigned>{0x550}));
    EXPECT_EQ(handlerThread, QCoreApplication::instance()->thread());
    // On the GUI thread a send runs directly.
    EXPECT_EQ(SendMessage(window.Handle(), 0x551, 1, 0), 2);
}

TEST(Messages, PostsArriveInOrderAndNotAfterTheWindowIsGone) {
    std::vector<std::intptr_t> got;
    auto window = std::make_unique<MessageWindow>([&](TMessage& m) { got.push_back(m.LParam); });
    const WindowHandle h = window->Handle();
    std::thread poster([h] {
        for (int i = 0; i < 3; ++i)
            PostMessage(h, 0x551, 0, i);
    });
    poster.join();
    ASSERT_TRUE(PumpUntil([&] { return got.size() == 3; }));
    EXPECT_EQ(got, (std::vector<std::intptr_t>{0, 1, 2}));
    PostMessage(h, 0x551, 0, 9);
    window.reset();
    ProcessPendingCalls();
    EXPECT_EQ(got.size(), 3u);
    EXPECT_FALSE(PostMessage(h, 0x551, 0, 10));
    EXPECT_EQ(SendMessage(h, 0x550, 0, 0), 0);
}

TEST(Messages, AnExceptionInAHandlerReachesTheExceptionBox) {
    auto fake = std::make_unique<korvan::testing::FakeDialogService>();
    const auto& shown = fake->boxes;
    ScopedDialogService dialogs(std::move(fake));
    Application->SetTitle("Title");
    MessageWindow window([](TMessage&) { throw EConvertError("'x' is not a valid integer value"); });
    std::atomic<bool> finished{false};
    std::thread io([&] {
        SendMessage(window.Handle(), 0x550, 0, 0);
        finished = true;
    });
    ASSERT_TRUE(PumpUntil([&] { return finished.load(); }));
    io.join();
    Gui().Post([] { throw std::runtime_error("plain failure"); });
    Gui().Post([] { throw EAbort("silent"); });
    ProcessPendingCalls();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "'x' is not a valid integer value."); // ends in a quote: a period is added
    EXPECT_EQ(shown[0].caption, "Title");
    EXPECT_EQ(shown[1].text, "plain failure.");
}

} // namespace
