// The frame controller: registration, the update bracket, property-name
// updates, the panel's framing, and settings kept in INI files and in the
// settings store.

#include "controls/panels/FrameController.h"
#include "controls/panels/Panel.h"
#include "controls/panels/PanelClasses.h"
#include "controls/panels/RegIniFile.h"
#include "platform/forms/FormText.h"
#include "platform/forms/StdCtrls.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;
using korvan::testing::GuiTest;

// A control that counts how often the controller reaches it.
class FramedControl : public TCustomControl, public IFramingNotification {
public:
    using TCustomControl::TCustomControl;
    void FramingChanged() override { ++calls; }
    int calls = 0;
};

class FrameController : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        korvan::panels::StorageEnvironment env;
        env.SpecialFolder = [this](TRzSpecialFolder) { return (folder / "special").string(); };
        env.ExecutablePath = [this] { return (folder / "bin" / "editor").string(); };
        env.ApplicationTitle = [] { return std::string("Korvan Test"); };
        korvan::panels::SetStorageEnvironment(env);
    }
    void TearDown() override {
        owner.reset();
        korvan::panels::ResetStorageEnvironment();
        GuiTest::TearDown();
    }
    korvan::testing::ScratchFolder scratch{"frame-controller"};
    const fs::path& folder = scratch.Path();
    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>(nullptr);
};

TEST_F(FrameController, RegisteringAppliesAtOnceAndTwiceDoesNothing) {
    auto* fc = new TRzFrameController(owner.get());
    auto* c = new FramedControl(owner.get());
    fc->AddControl(c);
    EXPECT_EQ(c->calls, 1);
    fc->AddControl(c);
    EXPECT_EQ(c->calls, 1);
    EXPECT_EQ(fc->ControlCount(), 1);
    delete c; // leaves the list
    EXPECT_EQ(fc->ControlCount(), 0);
    fc->SetFrameColor(clRed);
}

TEST_F(FrameController, ChangesInsideTheBracketReachEachControlOnce) {
    auto* fc = new TRzFrameController(owner.get());
    auto* a = new FramedControl(owner.get());
    auto* b = new FramedControl(owner.get());
    fc->AddControl(a);
    fc->AddControl(b);
    fc->BeginUpdate();
    fc->BeginUpdate();
    for (int i = 0; i < 20; ++i)
        fc->SetFrameColor(TColor(i + 1));
    fc->EndUpdate();
    EXPECT_EQ(a->calls, 1);
    fc->EndUpdate();
    EXPECT_EQ(a->calls, 2);
    EXPECT_EQ(b->calls, 2);
    fc->SetFrameStyle(fsGroove); // outside: at once
    EXPECT_EQ(a->calls, 3);
}

TEST_F(FrameController, PropertiesOfTheSameNameAreSetByCode) {
    auto* fc = new TRzFrameController(owner.get());
    auto* edit = new TEdit(owner.get());
    edit->SetColor(clYellow);
    fc->SetColor(clAqua);
    EXPECT_EQ(fc->FocusColor(), clAqua); // it equalled the old colour
    fc->SetFocusColor(clLime);
    fc->SetColor(clRed);
    EXPECT_EQ(fc->FocusColor(), clLime);
    fc->SetParentColor(true);
    fc->AddControl(edit);
    EXPECT_TRUE(edit->ParentColor());
    EXPECT_EQ(edit->Color(), clYellow); // left alone while ParentColor
    fc->SetParentColor(false);
    EXPECT_EQ(edit->Color(), clRed);
}

TEST_F(FrameController, APanelTakesTheFrameWhenTheControllerShowsIt) {
    auto* fc = new TRzFrameController(owner.get());
    auto* p = new TRzPanel(owner.get());
    p->SetFrameController(fc);
    EXPECT_EQ(p->BorderOuter(), fsRaised); // FrameVisible is off
    fc->BeginUpdate();
    fc->SetFrameVisible(true);
    fc->SetFrameStyle(fsFlatBold);
    fc->SetFrameSides(sdTop | sdBottom);
    fc->SetFrameColor(clNavy);
    fc->SetColor(clWhite);
    fc->EndUpdate();
    EXPECT_EQ(p->BorderOuter(), fsFlatBold);
    EXPECT_EQ(p->BorderSides(), sdTop | sdBottom);
    EXPECT_EQ(p->FlatColor(), clNavy);
    EXPECT_EQ(p->FlatColorAdjustment(), 0);
    EXPECT_EQ(p->Color(), clWhite);
    delete fc;
    EXPECT_EQ(p->FrameController(), nullptr);
}

TEST_F(FrameController, AStoredFormKeepsItsControllerAndThePanelsLink) {
    korvan::panels::RegisterPanelClasses();
    TForm form(nullptr);
    form.SetName("fmFramed");
    auto* p = new TRzPanel(&form);
    p->SetName("pnlFramed");
    p->SetParent(&form);
    auto* fc = new TRzFrameController(&form);
    fc->SetName("fcMain");
    p->SetFrameController(fc);
    fc->BeginUpdate();
    fc->SetFrameVisible(true);
    fc->SetFrameStyle(fsFlatBold);
    fc->SetFrameColor(clNavy);
    fc->EndUpdate();
    const std::string text = korvan::forms::WriteComponentText(&form);
    EXPECT_NE(text.find("object fcMain: TRzFrameController"), std::string::npos) << text;

    TForm copy(nullptr);
    korvan::forms::ReadComponentText(text, &copy);
    auto* fc2 = korvan::testing::Find<TRzFrameController>(&copy, "fcMain");
    auto* p2 = korvan::testing::Find<TRzPanel>(&copy, "pnlFramed");
    ASSERT_TRUE(fc2 && p2);
    EXPECT_NE(fc2, fc);
    EXPECT_EQ(p2->FrameController(), fc2);
    EXPECT_TRUE(fc2->FrameVisible());
    EXPECT_EQ(p2->BorderOuter(), fsFlatBold);
    EXPECT_EQ(p2->FlatColor(), clNavy);
}

TEST_F(FrameController, LoadAndSaveNeedAStorageComponent) {
    TRzFrameController fc(nullptr);
    try {
        fc.Load("Framing");
        FAIL();
    } catch (const ENoRegIniFile& e) {
        EXPECT_EQ(e.Message(), "Cannot load Custom Framing settings--No TRzRegIniFile component specified");
    }
    EXPECT_THROW(fc.Save("Framing"), ENoRegIniFile);
}

TEST_F(FrameController, SettingsMakeARoundTripThroughAnIniFile) {
    auto* ini = new TRzRegIniFile(owner.get());
    ini->SetPath((folder / "framing.ini").string());
    auto* fc = new TRzFrameController(owner.get());
    fc->SetRegIniFile(ini);
    fc->SetColor(RGB(1, 2, 3));
    fc->SetFrameSides(sdLeft | sdBottom);
    fc->SetFrameStyle(fsGroove);
    fc->SetFrameVisible(true);
    fc->SetDisabledColor(clGray);
    fc->Save("Framing");
    ASSERT_TRUE(fs::exists(folder / "framing.ini"));

    auto* loaded = new TRzFrameController(owner.get());
    auto* framed = new FramedControl(owner.get());
    loaded->AddControl(framed);
    loaded->SetRegIniFile(ini);
    loaded->Load("Framing");
    EXPECT_EQ(framed->calls, 2); // one update for the whole load
    EXPECT_EQ(loaded->Color(), RGB(1, 2, 3));
    EXPECT_EQ(loaded->FrameSides(), sdLeft | sdBottom);
    EXPECT_EQ(loaded->FrameStyle(), fsGroove);
    EXPECT_TRUE(loaded->FrameVisible());
    EXPECT_EQ(loaded->DisabledColor(), clGray);

    // Missing values: sides count as present, the disabled colour is the
    // property's default.
    ini->EraseSection("Framing");
    ini->WriteBool("Framing", "FrameSides_Top", false);
    loaded->Load("Framing");
    EXPECT_EQ(loaded->FrameSides(), sdLeft | sdRight | sdBottom);
    EXPECT_EQ(loaded->DisabledColor(), clBtnFace);
    EXPECT_EQ(loaded->FrameStyle(), fsFlat);
}

TEST_F(FrameController, StoragePathsFollowTheExecutableAndTitle) {
    TRzRegIniFile ini(nullptr);
    ini.WriteString("S", "K", "v");
    EXPECT_EQ(ini.Path(), (folder / "bin" / "editor.ini").string());
    TRzRegIniFile named(nullptr);
    named.SetPath("settings");
    EXPECT_EQ(named.ReadString("S", "K", "none"), "none");
    EXPECT_EQ(named.Path(), (folder / "bin" / "settings.ini").string());
    TRzRegIniFile special(nullptr);
    special.SetSpecialFolder(sfUserAppDataRoaming);
    special.SetPath("korvan/conf.txt");
    special.WriteInteger("S", "K", 5);
    EXPECT_EQ(special.Path(), (folder / "special" / "korvan" / "conf.ini").string());
    EXPECT_EQ(special.ReadInteger("S", "K", 0), 5);
}

TEST_F(FrameController, RegistryStorageKeepsSectionsUnderTheTitle) {
    korvan::sys::SettingsStore::SetDefaultFolder(folder / "registry");
    TRzRegIniFile reg(nullptr);
    reg.SetPathType(ptRegistry);
    reg.WriteInteger("Framing", "Color", 7);
    reg.WriteString("Framing", "Name", "panel");
    reg.WriteBinaryStream("Framing", "Bytes", {0x0A, 0xFF});
    EXPECT_EQ(reg.Path(), "\\Software\\Temp\\Korvan Test");
    EXPECT_TRUE(reg.SectionExists("Framing"));
    EXPECT_EQ(reg.ReadInteger("Framing", "Color", 0), 7);
    TStringList values;
    reg.ReadSectionValues("Framing", &values);
    ASSERT_EQ(values.Count(), 3);
    EXPECT_EQ(values.Get(0), "Bytes=0A FF ");
    EXPECT_EQ(values.Get(1), "Color=7");
    EXPECT_EQ(values.Get(2), "Name=panel");
    reg.EraseSection("Framing");
    EXPECT_FALSE(reg.SectionExists("Framing"));
}

} // namespace
