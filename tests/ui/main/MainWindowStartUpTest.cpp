// Start-up: the windows in order, the main window's fields, menu and texts,
// the first refresh from the built-in default preset, the single-instance
// claim, and the first scan 300 ms later.

#include "device/protocol/SharedConstants.h"
#include "platform/sys/SingleInstance.h"
#include "tests/ui/main/MainWindowFixture.h"

#include <QWidget>

using namespace korvan;
using namespace korvan::test;

namespace {

TEST_F(MainWindowTest, StartUpBuildsTheWindowsAndRefreshesFromTheDefaultPreset) {
    CreateWindows();
    ASSERT_NE(fmMain, nullptr);
    EXPECT_EQ(Application->MainForm(), fmMain);
    for (TCustomForm* form :
         std::initializer_list<TCustomForm*>{fmLockPassWord, fmNetwork, fmProcess, fmInformation, fmExit}) {
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->Visible());
    }

    EXPECT_EQ(fmMain->Caption(), "the Brivane KORVAN DSP Processor Editor V1.0");
    EXPECT_EQ(fmMain->Hint(), AppTitle);
    EXPECT_EQ(fmMain->Width(), 1118);
    EXPECT_EQ(fmMain->Height(), 720);
    EXPECT_EQ(fmMain->Connection().UnitId, 1);
    EXPECT_EQ(fmMain->lbShowIdNumber->Caption(), "ID : 1");
    EXPECT_EQ(fmMain->CurrentPage, 14);
    EXPECT_EQ(fmMain->SelectedCurveHandle, -1);
    EXPECT_EQ(fmMain->CompPageChannel, 4);
    EXPECT_EQ(fmMain->LimitPageChannel, 4);
    EXPECT_EQ(fmMain->GatePageChannel, 0);
    for (const auto& plot : fmMain->Plots) {
        ASSERT_NE(plot, nullptr);
        EXPECT_EQ(plot->PhaseMode, 0);
    }
    EXPECT_TRUE(fmMain->rzgParamGain->Visible());
    EXPECT_EQ(fmMain->rzgPreset->Top(), 626);
    // At the design size the preset strip is wholly inside the window.
    EXPECT_LE(fmMain->rzgPreset->Top() + fmMain->rzgPreset->Height(), fmMain->ClientHeight())
        << "client height " << fmMain->ClientHeight() << ", strip height " << fmMain->rzgPreset->Height();

    // English texts, off line.
    EXPECT_EQ(fmMain->Connection().Languages.Language, "English");
    EXPECT_TRUE(fmMain->English->Checked());
    EXPECT_FALSE(fmMain->ChineseSimplified->Checked());
    EXPECT_EQ(fmMain->File->Caption(), "File");
    EXPECT_EQ(fmMain->NetworkSetup->Caption(), "Setting ID/IP");
    EXPECT_EQ(fmMain->Connected->Caption(), "Connect");
    EXPECT_EQ(fmMain->rzbMenuLink->Caption(), "OffLine");
    EXPECT_FALSE(fmMain->rzbMenuLink->Down());

    // The first refresh shows the built-in default preset and sends nothing.
    EXPECT_EQ(fmMain->lbPstNum->Caption(), "F00");
    EXPECT_EQ(fmMain->lbPstName->Caption(), "Default Preset");
    EXPECT_FALSE(fmMain->Connection().Updating);
    EXPECT_EQ(fmMain->Initialising, 0);
    EXPECT_FALSE(fmMain->Connection().IsLinkOpen());

    // The socket is set to the unit's address but dials nothing yet.
    EXPECT_EQ(fmMain->Connection().ClientSocket.Address(), "127.0.0.1");
    EXPECT_EQ(fmMain->Connection().ClientSocket.Port(), UnitPortNumber());
    EXPECT_EQ(fmMain->Connection().IpAddress, 0x7F000001u);
    EXPECT_FALSE(fmMain->Connection().ClientSocket.IsActive());

    EXPECT_TRUE(fmMain->tmStartConnect->Enabled());
    EXPECT_EQ(fmMain->tmStartConnect->Interval(), 300u);
}

TEST_F(MainWindowTest, MenuShowsTheVisibleItemsAndHidesTheOthers) {
    CreateWindows();
    const std::vector<std::pair<TMenuItem*, bool>> items = {
        {fmMain->File, true},         {fmMain->Open, true},
        {fmMain->Save, true},         {fmMain->Upload, true},
        {fmMain->Download, true},     {fmMain->FactoryDefault, false},
        {fmMain->Exit, true},         {fmMain->Link, true},
        {fmMain->Copy, true},         {fmMain->Lock, true},
        {fmMain->SettingID, false},   {fmMain->NetworkSetup, true},
        {fmMain->TestTone, true},     {fmMain->ChNameList, true},
        {fmMain->LanguageSel, false}, {fmMain->ChineseTraditional, false},
        {fmMain->Help, true},         {fmMain->Rs232Code, true},
        {fmMain->MemoShow, false},    {fmMain->HidData, false},
        {fmMain->LockSetup, false},   {fmMain->BlockDiagram, false},
        {fmMain->Connect, false},     {fmMain->ConnectHelp, false},
        {fmMain->About, true},        {fmMain->N1, true},
        {fmMain->N3, true},           {fmMain->N2, false},
        {fmMain->N4, false},          {fmMain->N6, false},
    };
    for (const auto& [item, visible] : items)
        EXPECT_EQ(item->Visible(), visible) << item->Name();
}

TEST_F(MainWindowTest, ClaimsTheSingleInstanceWhateverOtherWindowsAreCalled) {
    // A foreign window whose title holds the editor's name stops nothing.
    QWidget foreign;
    foreign.setWindowTitle("the Brivane KORVAN DSP Processor Editor V1.0 - notes");
    foreign.show();
    Application->SetShowMainForm(true);
    const MainWindowOptions options = Options();
    CreateEditorWindows(nullptr, options);
    EXPECT_TRUE(Application->ShowMainForm());
    // The editor holds the claim: a later start would find it taken.
    sys::SingleInstance later(options.instanceKey, options.instanceFolder);
    EXPECT_FALSE(later.Claim(forms::Gui(), [] {}));
}

TEST_F(MainWindowTest, ScanWithNoCandidateSaysNoDeviceAndDemoLeavesOffLine) {
    CreateWindows();
    fmMain->AutoIp = 1; // no network target, and no serial port listed
    struct Seen {
        std::string scan, counter, caption, demo;
        bool buttonDisabled = false;
    };
    std::optional<Seen> seen;
    pump.reactions.push_back([&] {
        if (seen || !fmNetwork->Visible() || !fmNetwork->btnExit->Enabled())
            return;
        seen = Seen{fmNetwork->lblScan->Caption(), fmNetwork->lblDeviceID->Caption(), fmNetwork->Caption(),
                    fmNetwork->btnExit->Caption(), !fmMain->rzbMenuLink->Enabled()};
        fmNetwork->btnExit->Click();
    });
    ASSERT_TRUE(pump.RunUntil([&] { return seen && !fmNetwork->Visible(); }));
    EXPECT_EQ(seen->scan, "No Device found.");
    EXPECT_EQ(seen->counter, "");
    EXPECT_EQ(seen->caption, "Connect");
    EXPECT_EQ(seen->demo, "Demo");
    EXPECT_TRUE(seen->buttonDisabled);
    EXPECT_EQ(fmMain->Connection().IpAddress, 0u);
    EXPECT_FALSE(fmMain->Connection().ClientSocket.IsActive());
    EXPECT_TRUE(fmMain->rzbMenuLink->Enabled());
    EXPECT_TRUE(fmMain->Connect->Enabled());
    EXPECT_FALSE(fmMain->Connection().Online);
    EXPECT_FALSE(fmMain->Connection().IsLinkOpen());
}

} // namespace
