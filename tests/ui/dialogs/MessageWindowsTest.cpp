// The message, progress and confirmation windows: the texts they take when
// shown, what their buttons start through the host, and their pictures.

#include "tests/support/gui/GuiHarness.h"
#include "tests/ui/dialogs/RecordingHost.h"
#include "ui/dialogs/FAbout.h"
#include "ui/dialogs/FExit.h"
#include "ui/dialogs/FFactory.h"
#include "ui/dialogs/FInformation.h"
#include "ui/dialogs/FPeqRst.h"
#include "ui/dialogs/FProcess.h"

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <functional>

using namespace korvan;
using namespace korvan::test;
using korvan::testing::Grab;
using korvan::testing::SavePng;

namespace {

class MessageWindowsTest : public korvan::testing::GuiTest {
protected:
    MessageWindowsTest() {
        host.UseEnglishTexts();
        host.SetOnLine(true);
    }
    RecordingHost host;
};

// The caption, the message and the button texts of a shown box.
struct Texts {
    std::string caption, message, ok, cancel;
};

Texts Shown(TfmInformation& f) {
    return {f.Caption(), f.lbMessage->Caption(), f.btnOK->Caption(), ""};
}
Texts Shown(TfmExit& f) {
    return {f.Caption(), f.lbExit->Caption(), f.btnOK->Caption(), f.btnCancel->Caption()};
}
Texts Shown(TfmFactory& f) {
    return {f.Caption(), f.lbMessage->Caption(), f.btnOK->Caption(), f.bnCancel->Caption()};
}
Texts Shown(TfmPeqRst& f) {
    return {f.Caption(), f.lbReset->Caption(), f.btnOK->Caption(), f.btnCancel->Caption()};
}

TEST_F(MessageWindowsTest, EveryBoxTakesItsTextsWhenShown) {
    TfmInformation information(nullptr, host);
    TfmExit exitBox(nullptr, host);
    TfmFactory factory(nullptr, host);
    TfmPeqRst peqReset(nullptr, host);
    struct Case {
        TCustomForm* form;
        std::function<Texts()> read;
        Texts expected;
    } cases[] = {
        {&information,
         [&] { return Shown(information); },
         {"Information", "You Must Connect First !!", "OK", ""}},
        {&exitBox, [&] { return Shown(exitBox); }, {"Information", "Are you sure to quit ?", "OK", "Cancel"}},
        {&factory,
         [&] { return Shown(factory); },
         {"Information", "Are you Sure to Return Factory Default?", "OK", "Cancel"}},
        {&peqReset,
         [&] { return Shown(peqReset); },
         {"Information", "Are you sure to RESET EQ ?", "OK", "Cancel"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form->Name());
        // Whatever caption the form holds, showing replaces it.
        c.form->SetCaption("Informaion");
        ShowForm(c.form);
        const Texts shown = c.read();
        EXPECT_EQ(shown.caption, c.expected.caption);
        EXPECT_EQ(shown.message, c.expected.message);
        EXPECT_EQ(shown.ok, c.expected.ok);
        EXPECT_EQ(shown.cancel, c.expected.cancel);
        c.form->Hide();
    }
}

TEST_F(MessageWindowsTest, FactoryOkStartsTheResetAndCancelDoesNot) {
    TfmFactory factory(nullptr, host);
    ShowForm(&factory);
    factory.bnCancel->Click();
    EXPECT_FALSE(factory.Visible());
    EXPECT_TRUE(host.calls.empty());
    ShowForm(&factory);
    factory.btnOK->Click();
    EXPECT_FALSE(factory.Visible());
    EXPECT_EQ(host.calls, std::vector<std::string>{"factory reset"});
}

TEST_F(MessageWindowsTest, EqResetPushesThePeqOrTheGraphicEqOfItsChannelHidden) {
    TfmPeqRst peqReset(nullptr, host);
    struct Case {
        int channel;
        std::string call;
    } cases[] = {{0, "peq 0"}, {11, "peq 11"}, {12, "geq 12"}, {15, "geq 15"}};
    bool shownDuringPush = true;
    host.onCall = [&] { shownDuringPush = peqReset.Visible(); };
    for (const Case& c : cases) {
        host.calls.clear();
        peqReset.SetResetChannel(c.channel);
        ShowForm(&peqReset);
        peqReset.btnOK->Click();
        EXPECT_EQ(host.calls, std::vector<std::string>{c.call});
        EXPECT_FALSE(shownDuringPush);
        EXPECT_FALSE(peqReset.Visible());
        // The channel stays for the next use.
        EXPECT_EQ(peqReset.GetResetChannel(), c.channel);
    }
    host.calls.clear();
    ShowForm(&peqReset);
    peqReset.btnCancel->Click();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(peqReset.Visible());
}

TEST_F(MessageWindowsTest, AboutShowsTheProgramAndVersionAndOnlyItsCaptionFollowsTheLanguage) {
    TfmAbout about(nullptr, host);
    ShowForm(&about);
    EXPECT_EQ(about.Caption(), "About");
    EXPECT_EQ(about.lbVersion->Caption(), "V1.0");
    EXPECT_FALSE(about.lbProgram->Caption().empty());
    SavePng(Grab(&about), "message_about");
    about.btnOK->Click();
    EXPECT_FALSE(about.Visible());
}

TEST_F(MessageWindowsTest, ProgressWindowMidTransfer) {
    TfmProcess process(nullptr, host);
    EXPECT_EQ(process.FormStyle(), fsStayOnTop);
    EXPECT_EQ(process.ClientWidth(), 454);
    EXPECT_EQ(process.ClientHeight(), 95);
    process.StatusBar->SetCaption(host.Translate("SID_UPLOAD_PRESET"));
    process.ProgressBar->SetMax(29);
    process.ProgressBar->SetPosition(12);
    ShowForm(&process);
    EXPECT_EQ(process.Caption(), "Process");
    EXPECT_EQ(process.StatusBar->Caption(), "Upload preset now , please wait...");
    SavePng(Grab(&process), "message_progress_mid_transfer");
}

// The bar's colour follows the share done: green to 70 %, yellow to 90 %,
// orange above.
TEST_F(MessageWindowsTest, ProgressBarColourFollowsTheLevels) {
    TfmProcess process(nullptr, host);
    EXPECT_EQ(process.ProgressBar->Position(), 0);
    process.ProgressBar->SetMax(29);
    ShowForm(&process);
    struct Case {
        int position;
        const char* level;
    } cases[] = {{12, "green"}, {22, "yellow"}, {28, "orange"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        process.ProgressBar->SetPosition(c.position);
        const QImage bar = Grab(process.ProgressBar);
        SavePng(bar, std::string("message_progress_") + c.level);
        // The first block, half way down the bar.
        const QColor p = bar.pixelColor(6, bar.height() / 2);
        const std::string seen = p.green() > p.red() + 20                               ? "green"
                                 : std::abs(p.red() - p.green()) < 20 && p.blue() < 180 ? "yellow"
                                 : p.red() > p.green() + 30 && p.green() > p.blue()     ? "orange"
                                                                                        : "other";
        EXPECT_EQ(seen, c.level) << p.red() << "," << p.green() << "," << p.blue();
    }
}

TEST_F(MessageWindowsTest, PicturesOfTheConfirmations) {
    TfmFactory factory(nullptr, host);
    ShowForm(&factory);
    SavePng(Grab(&factory), "message_factory_reset");
    TfmPeqRst peqReset(nullptr, host);
    ShowForm(&peqReset);
    SavePng(Grab(&peqReset), "message_eq_reset");
    TfmInformation information(nullptr, host);
    information.lbMessage->SetCaption(host.Translate("SID_INFO_NO_SAVE_EXIST"));
    ShowForm(&information);
    SavePng(Grab(&information), "message_information");
}

} // namespace
