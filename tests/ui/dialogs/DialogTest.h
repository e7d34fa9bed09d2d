#pragma once
// A dialog on a bare form over the recording host, on the driven clock.

#include "tests/support/gui/GuiHarness.h"
#include "tests/ui/dialogs/RecordingHost.h"

#include <memory>
#include <string>

namespace korvan::test {

template <class Dialog> class DialogTest : public testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        dialog = std::make_unique<Dialog>(nullptr, host);
    }
    void TearDown() override {
        dialog.reset();
        GuiTest::TearDown();
    }
    void Show() { ShowForm(dialog.get()); }
    // Shows the dialog with its English texts and writes its picture.
    void SavePicture(const std::string& name) {
        host.texts = {{"SID_SET_NETWORK", "Setting ID/IP"},
                      {"SID_INPUT_ID", " Input ID Number"},
                      {"SID_IP_ADDRESS", " Input IP Address"},
                      {"SID_NUMBER", "Number :"},
                      {"SID_SET", "Set"},
                      {"SID_EXIT", "Exit"},
                      {"SID_TEST_TITLE", "Input Signal Select"},
                      {"SID_ANALOG_IN", "Analog Input"},
                      {"SID_WHITE_IN", "White Noise"},
                      {"SID_PINK_IN", "Pink Noise"},
                      {"SID_SINE_IN", "Sine Wave"},
                      {"SID_LOCK_TITLE", "Lock Setting"},
                      {"SID_LOCK_PASSWORD", "Lock Password"},
                      {"SID_UNLOCK_TITLE", "UnLock Setting"},
                      {"SID_UNLOCK_PASSWORD", "UnLock Password"},
                      {"SID_EXIT_OK", "OK"},
                      {"SID_EXIT_CANCEL", "Cancel"}};
        dialog->FormShow(nullptr);
        Show();
        testing::SavePng(testing::Grab(dialog.get()), name);
    }

    RecordingHost host;
    std::unique_ptr<Dialog> dialog;
};

} // namespace korvan::test
