// The test signal dialog: every choice sends one work-mode record with the
// combo box's frequency, a frequency choice selects the sine source, and
// nothing is sent under the update guard.

#include "tests/ui/dialogs/DialogTest.h"
#include "ui/dialogs/FTest.h"

#include "device/protocol/CommandCodes.h"

using namespace korvan;
using namespace korvan::test;

namespace {

class TestSignalTest : public DialogTest<TfmTest> {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        host.unitId = 5;
        Show();
    }
    void SelectFrequency(int index) {
        dialog->cbSineFreq->SetItemIndex(index);
        dialog->cbSineFreq->OnSelect(dialog->cbSineFreq);
    }
    static RecordingHost::Sent WorkMode(std::uint8_t source, std::uint8_t sine) {
        return {5, MCS_WORK_MODE, {source, sine}, true};
    }
};

TEST_F(TestSignalTest, EachSourceGoesOutWithTheSelectedFrequency) {
    struct Case {
        const char* button;
        std::uint8_t source;
    };
    const Case cases[] = {{"rbPinkNoise", 1}, {"rbWhiteNoise", 2}, {"rbSineWave", 3}, {"rbAnalogIn", 0}};
    dialog->cbSineFreq->SetItemIndex(17);
    for (const Case& c : cases) {
        host.sent.clear();
        input.Click(korvan::testing::Find<TRadioButton>(dialog.get(), c.button));
        EXPECT_EQ(host.sent, (std::vector<RecordingHost::Sent>{WorkMode(c.source, 17)})) << c.button;
        EXPECT_EQ(host.model.GetWorkMode(), c.source);
        EXPECT_EQ(host.model.GetSineFreqIndex(), 17);
    }
}

TEST_F(TestSignalTest, AFrequencySelectsTheSineSource) {
    dialog->rbWhiteNoise->SetChecked(true);
    host.sent.clear();
    SelectFrequency(17);
    EXPECT_TRUE(dialog->rbSineWave->Checked());
    // The sine button's own click sends the same record once more.
    EXPECT_EQ(host.sent, (std::vector<RecordingHost::Sent>{WorkMode(3, 17), WorkMode(3, 17)}));
    host.sent.clear();
    SelectFrequency(4);
    EXPECT_EQ(host.sent, (std::vector<RecordingHost::Sent>{WorkMode(3, 4)}));
}

TEST_F(TestSignalTest, EveryFrequencyIndexIsSent) {
    ASSERT_EQ(dialog->cbSineFreq->Items()->Count(), 31);
    EXPECT_EQ(dialog->cbSineFreq->Items()->Get(0), "20Hz");
    EXPECT_EQ(dialog->cbSineFreq->Items()->Get(17), "1KHz");
    EXPECT_EQ(dialog->cbSineFreq->Items()->Get(30), "20KHz");
    dialog->rbSineWave->SetChecked(true);
    for (int i = 0; i < 31; ++i) {
        host.sent.clear();
        SelectFrequency(i);
        EXPECT_EQ(host.sent, (std::vector<RecordingHost::Sent>{WorkMode(3, std::uint8_t(i))})) << i;
    }
}

TEST_F(TestSignalTest, NothingIsSentUnderTheUpdateGuard) {
    host.updating = true;
    input.Click(dialog->rbPinkNoise);
    SelectFrequency(9);
    dialog->ShowSource(2, 0);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(dialog->rbWhiteNoise->Checked());
    // The frequency follows the model only for the sine source.
    EXPECT_EQ(dialog->cbSineFreq->ItemIndex(), 9);
    dialog->ShowSource(3, 22);
    EXPECT_TRUE(dialog->rbSineWave->Checked());
    EXPECT_EQ(dialog->cbSineFreq->ItemIndex(), 22);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(TestSignalTest, Picture) {
    dialog->cbSineFreq->SetItemIndex(17);
    dialog->rbSineWave->SetChecked(true);
    SavePicture("test-signal-dialog");
}

} // namespace
