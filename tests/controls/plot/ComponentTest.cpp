// Pack controls: the off-screen paint and its error picture, the input
// hooks, the control timer, bounds, borders, painting onto another canvas,
// property paths, colour schemes and the OPC binding.

#include "controls/plot/core/MetaFile.h"
#include "controls/plot/core/OPCItemBinding.h"
#include "controls/plot/core/PropertyPath.h"
#include "platform/forms/Form.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Bitmap.h"
#include "platform/sys/SettingsStore.h"
#include "tests/controls/plot/ComponentTestSupport.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace {

using korvan::testing::Grab;
using korvan::testing::PlotPixel;
using korvan::testing::TTestComponent;

class Component : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        c = new TTestComponent(form.get());
        c->SetBounds(10, 10, 160, 90);
        c->SetParent(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<TForm> form;
    TTestComponent* c = nullptr;
};

TEST_F(Component, APaintThatRaisesShowsItsMessageInsideTheControl) {
    c->SetBackGroundColor(clYellow);
    c->paint = [](TCanvas& canvas) {
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(0, 0, 40, 40));
        throw Exception("Channel & axis data could not be drawn: the scale has no range");
    };
    ShowForm(form.get());
    const QImage image = Grab(c);
    korvan::testing::SavePng(image, "plot_component_paint_error");
    // Black everywhere the text is not, white text from the top-left
    // corner, nothing of what was drawn before the failure.
    EXPECT_EQ(PlotPixel(image, 159, 89), clBlack);
    EXPECT_EQ(PlotPixel(image, 30, 30), clBlack);
    int white = 0, whiteTop = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PlotPixel(image, x, y) == clWhite) {
                ++white;
                if (y < 16 && x < 40)
                    ++whiteTop;
            }
    EXPECT_GT(whiteTop, 0);
    EXPECT_GT(white, 100);
    // Word-wrapped: the text reaches below its first line.
    bool secondLine = false;
    for (int x = 0; x < image.width(); ++x)
        secondLine |= PlotPixel(image, x, 20) == clWhite || PlotPixel(image, x, 22) == clWhite;
    EXPECT_TRUE(secondLine);
    // Nothing reached the application's exception box.
    EXPECT_TRUE(dialogs->boxes.empty());
    // Once the paint works again, the control shows its picture.
    c->paint = nullptr;
    c->InvalidateChange();
    ProcessEvents();
    EXPECT_EQ(PlotPixel(Grab(c), 80, 45), clYellow);
}

TEST_F(Component, OnPaintDrawsAfterTheControlOnItsOffScreenBitmap) {
    c->SetBackGroundColor(clWhite);
    std::vector<std::string> order;
    c->paint = [&](TCanvas& canvas) {
        order.push_back("control");
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 20, 20));
    };
    c->OnPaint = [&](TObject* sender, TCanvas& canvas) {
        order.push_back("OnPaint");
        EXPECT_EQ(sender, c);
        EXPECT_NE(c->OffScreenBitmap(), nullptr);
        EXPECT_EQ(&canvas, &c->OffScreenBitmap()->Canvas());
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(10, 10, 30, 30));
    };
    ShowForm(form.get());
    const QImage image = Grab(c);
    EXPECT_EQ(order, (std::vector<std::string>{"control", "OnPaint"}));
    EXPECT_EQ(PlotPixel(image, 5, 5), clRed);
    EXPECT_EQ(PlotPixel(image, 15, 15), clBlue);
    EXPECT_EQ(PlotPixel(image, 100, 50), clWhite);
    EXPECT_EQ(c->OffScreenBitmap(), nullptr);
}

TEST_F(Component, BordersFrameTheBackground) {
    c->SetBackGroundColor(clWhite);
    struct Case {
        TiBevelStyle style;
        TColor topLeft, bottomRight, inside;
    };
    const Case cases[] = {
        {ibsNone, clWhite, clWhite, clWhite},
        {ibsRaised, cl3DLight, cl3DDkShadow, clWhite},
        {ibsLowered, clBtnShadow, clBtnHighlight, clWhite},
    };
    ShowForm(form.get());
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.style);
        c->SetBorderStyle(cs.style);
        ProcessEvents();
        const QImage image = Grab(c);
        korvan::testing::SavePng(image, "plot_component_border_" + std::to_string(cs.style));
        EXPECT_EQ(PlotPixel(image, 0, 0), ColorToRGB(cs.topLeft));
        EXPECT_EQ(PlotPixel(image, 159, 89), ColorToRGB(cs.bottomRight));
        EXPECT_EQ(PlotPixel(image, 80, 45), cs.inside);
    }
}

TEST_F(Component, AKeyReachesTheHooksOnceWithItsRealShiftState) {
    ShowForm(form.get());
    c->SetFocus();
    ProcessEvents();
    c->hooks.clear();
    c->userGenerated.clear();
    input.KeyDown(c, VK_LEFT, ssShift);
    input.KeyUp(c, VK_LEFT, ssShift);
    EXPECT_EQ(c->hooks, (std::vector<std::string>{"key down " + std::to_string(VK_LEFT) + " shift 1",
                                                  "key up " + std::to_string(VK_LEFT) + " shift 1"}));
    EXPECT_EQ(c->userGenerated, (std::vector<bool>{true, true}));
    EXPECT_FALSE(c->UserGenerated());
    // Tab, Enter, Escape and the arrows stay with the control.
    EXPECT_TRUE(c->GetDlgCode() & DLGC_WANTALLKEYS);
}

TEST_F(Component, LeavingTheFocusEndsAPressInProgress) {
    auto* other = new TTestComponent(form.get());
    other->SetBounds(200, 10, 50, 50);
    other->SetParent(form.get());
    ShowForm(form.get());
    c->SetFocus();
    ProcessEvents();
    EXPECT_TRUE(c->HasFocus());
    c->hooks.clear();
    other->SetFocus();
    ProcessEvents();
    EXPECT_FALSE(c->HasFocus());
    EXPECT_TRUE(other->HasFocus());
    EXPECT_EQ(c->hooks, std::vector<std::string>{"mouse up 0"});
    EXPECT_EQ(c->userGenerated, std::vector<bool>{true});
}

TEST_F(Component, ExceptionsOfInputHooksStayInsideTheControl) {
    ShowForm(form.get());
    c->SetFocus();
    ProcessEvents();
    c->throwFromHooks = true;
    int onKeyDown = 0;
    c->OnKeyDown = [&](TObject*, std::uint16_t&, TShiftState) { ++onKeyDown; };
    input.KeyDown(c, std::uint16_t(0x41), 0, "a");
    input.MouseDown(c, 5, 6);
    input.MouseUp(c, 5, 6);
    EXPECT_EQ(onKeyDown, 1);
    EXPECT_EQ(c->hooks.size(), 3u);
    EXPECT_TRUE(dialogs->boxes.empty());
    EXPECT_FALSE(c->UserGenerated());
}

TEST_F(Component, MouseHooksRunBeforeTheEventsAndTheWheelGoesToItsHook) {
    ShowForm(form.get());
    std::vector<std::string> order;
    c->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { order.push_back("OnMouseDown"); };
    int wheelEvents = 0;
    c->OnMouseWheel = [&](TObject*, TShiftState, int, int, int, bool&) { ++wheelEvents; };
    c->hooks.clear();
    input.MouseDown(c, 5, 6, mbRight);
    order.insert(order.begin(), c->hooks.back());
    input.MouseUp(c, 5, 6, mbRight);
    input.Wheel(c, 5, 6, 120);
    EXPECT_EQ(order, (std::vector<std::string>{"mouse down 1 5,6", "OnMouseDown"}));
    EXPECT_EQ(c->hooks.back(), "wheel 120");
    EXPECT_EQ(wheelEvents, 0);
}

TEST_F(Component, TheControlTimerWaitsItsFirstDelayThenRepeats) {
    struct Case {
        const char* name;
        int firstDelay, interval;
        std::vector<korvan::sys::Millis> ticks; // within 800 ms
        bool active;
    };
    const Case cases[] = {
        {"a first delay, then the interval", 500, 100, {500, 600, 700, 800}, true},
        {"no first delay", 0, 100, {100, 200, 300, 400, 500, 600, 700, 800}, true},
        {"neither: nothing starts", 0, 0, {}, false},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.name);
        const korvan::sys::Millis start = clock.NowMs();
        std::vector<korvan::sys::Millis> ticks;
        c->OnInternalTimer = [&](TObject*) { ticks.push_back(clock.NowMs() - start); };
        c->TimerStart(cs.firstDelay, cs.interval);
        EXPECT_EQ(c->GetTimerActive(), cs.active);
        AdvanceTimers(800);
        EXPECT_EQ(ticks, cs.ticks);
        c->TimerStop();
        EXPECT_FALSE(c->GetTimerActive());
        AdvanceTimers(300);
        EXPECT_EQ(ticks, cs.ticks);
    }
}

TEST_F(Component, StartingARunningControlTimerChangesNothing) {
    std::vector<korvan::sys::Millis> ticks;
    c->OnInternalTimer = [&](TObject*) { ticks.push_back(clock.NowMs()); };
    c->TimerStart(0, 100);
    AdvanceTimers(150);
    c->TimerStart(0, 50);
    AdvanceTimers(160);
    EXPECT_EQ(ticks, (std::vector<korvan::sys::Millis>{100, 200, 300}));
}

TEST_F(Component, BoundsThatDoNotChangeAskForNoRepaint) {
    c->invalidations = 0;
    c->SetBounds(10, 10, 160, 90);
    EXPECT_EQ(c->invalidations, 0);
    c->SetBounds(10, 10, 170, 90);
    EXPECT_GT(c->invalidations, 0);
    EXPECT_TRUE(c->BackGroundChanged());
    ASSERT_TRUE(c->HasBackGroundBitmap());
    EXPECT_EQ(c->GetBackGroundBitmap()->Width(), 170);
    // Without cached drawing the background bitmap goes.
    c->SetCachedDrawing(false);
    EXPECT_FALSE(c->HasBackGroundBitmap());
}

TEST_F(Component, TheCentrePointTruncatesTowardZeroAndShifts) {
    struct Case {
        int width, height, offsetX, offsetY;
        TPoint centre;
    };
    const Case cases[] = {
        {160, 90, 0, 0, {80, 45}},
        {161, 91, 0, 0, {80, 45}},
        {160, 90, -5, 7, {75, 52}},
        {1, 1, 0, 0, {0, 0}},
    };
    for (const Case& cs : cases) {
        c->SetBounds(0, 0, cs.width, cs.height);
        c->SetOffsetX(cs.offsetX);
        c->SetOffsetY(cs.offsetY);
        EXPECT_EQ(c->GetCenterPoint(), cs.centre);
    }
}

TEST_F(Component, PaintingOntoAnotherCanvasTransparentlyKeepsWhatLiesBeneath) {
    c->SetBackGroundColor(clYellow);
    c->paint = [](TCanvas& canvas) {
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(10, 10, 20, 20));
    };
    TBitmap page(400, 300);
    page.Canvas().Brush().SetColor(clAqua);
    page.Canvas().FillRect(Rect(0, 0, 400, 300));
    c->iPaintToCanvas(page.Canvas(), 100, 50, true);
    EXPECT_EQ(PlotPixel(page.Image(), 105, 55), clAqua); // background left alone
    EXPECT_EQ(PlotPixel(page.Image(), 115, 65), clRed);  // the control's drawing, moved
    EXPECT_EQ(PlotPixel(page.Image(), 5, 5), clAqua);    // outside
    c->iPaintToCanvas(page.Canvas(), 100, 50, false);
    EXPECT_EQ(PlotPixel(page.Image(), 105, 55), clYellow); // background drawn
    EXPECT_EQ(PlotPixel(page.Image(), 265, 145), clAqua);  // clipped to the control
    EXPECT_TRUE(c->CachedDrawing());
    // A failing paint leaves the canvas as it was and raises nothing.
    c->paint = [](TCanvas&) { throw Exception("no"); };
    EXPECT_NO_THROW(c->iPaintToCanvas(page.Canvas(), 0, 0, false));
}

TEST_F(Component, ATransparentControlShowsWhatLiesBeneathIt) {
    form->SetColor(clYellow);
    c->SetBackGroundColor(clBlue);
    c->paint = [](TCanvas& canvas) {
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 10, 10));
    };
    c->SetTransparent(true);
    EXPECT_TRUE(c->TransparentCapturePending());
    ShowForm(form.get());
    QImage image = Grab(c);
    korvan::testing::SavePng(image, "plot_component_transparent");
    EXPECT_EQ(PlotPixel(image, 80, 45), clYellow);
    EXPECT_EQ(PlotPixel(image, 5, 5), clRed);
    EXPECT_FALSE(c->TransparentCapturePending());
    // A move asks for a new capture.
    c->SetLeft(20);
    EXPECT_TRUE(c->TransparentCapturePending());
    c->SetTransparent(false);
    ProcessEvents();
    EXPECT_EQ(PlotPixel(Grab(c), 80, 45), clBlue);
}

TEST_F(Component, PropertyKindsAndValuesByDottedPath) {
    struct KindCase {
        const char* path;
        TTypeKind kind;
    };
    const KindCase kinds[] = {
        {"UpdateFrameRate", tkInteger}, {"autoframerate", tkEnumeration}, {"Font.Name", tkLString},
        {"FONT.COLOR", tkInteger},      {"Font.Bogus", tkUnknown},        {"Bogus", tkUnknown},
        {"PopupMenu", tkUnknown},
    };
    for (const KindCase& k : kinds) {
        SCOPED_TRACE(k.path);
        EXPECT_EQ(c->GetPropertyKind(k.path), k.kind);
    }
    struct SetCase {
        const char* path;
        TiOPCValue value;
        std::function<bool()> holds;
    };
    const SetCase sets[] = {
        {"Enabled", std::string("false"), [&] { return !c->Enabled(); }},
        {"Enabled", std::string("true"), [&] { return c->Enabled(); }},
        {"enabled", std::string("0"), [&] { return !c->Enabled(); }},
        {"Enabled", std::string("7"), [&] { return c->Enabled(); }},
        {"UpdateFrameRate", std::int64_t(25), [&] { return c->UpdateFrameRate() == 25; }},
        {"Hint", std::string("from OPC"), [&] { return c->Hint() == "from OPC"; }},
        {"Font.Height", -15.0, [&] { return c->Font().Height() == -15; }},
        {"Font.Name", std::string("Arial"), [&] { return c->Font().Name() == "Arial"; }},
        {"AutoFrameRate", true, [&] { return c->AutoFrameRate(); }},
    };
    for (const SetCase& s : sets) {
        SCOPED_TRACE(s.path);
        korvan::plot::SetPropertyValueByPath(ObjectRefOf(c), {}, s.value, s.path);
        EXPECT_TRUE(s.holds());
    }
    EXPECT_THROW(
        korvan::plot::SetPropertyValueByPath(ObjectRefOf(c), {}, std::string("many"), "UpdateFrameRate"),
        EConvertError);
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(Component, PropertiesSaveToAFileOfLinesAndLoadBack) {
    korvan::testing::ScratchFolder folder("plot-component");
    const std::string file = (folder.Path() / "props.txt").string();
    c->SetUpdateFrameRate(25);
    c->SetAutoFrameRate(true);
    c->SavePropertiesToFile(file);
    const std::string text = ReadText(file);
    EXPECT_EQ(text.rfind("File Type = TTestComponent", 0), 0u) << text;
    EXPECT_NE(text.find("UpdateFrameRate = 25"), std::string::npos) << text;
    for (const char* skipped : {"Left =", "Top =", "Width =", "Height =", "Name ="})
        EXPECT_EQ(text.find(std::string("\n") + skipped), std::string::npos) << skipped;

    auto* other = new TTestComponent(form.get());
    other->LoadPropertiesFromFile(file);
    EXPECT_EQ(other->UpdateFrameRate(), 25);
    EXPECT_TRUE(other->AutoFrameRate());
    EXPECT_FALSE(other->UpdateActive());

    c->SetOptionSaveAllProperties(true);
    c->SavePropertiesToFile(file);
    EXPECT_NE(ReadText(file).find("Width = 160"), std::string::npos);
}

TEST_F(Component, AFailedLoadEndsTheUpdateBlockBeforeTheErrorGoesOn) {
    korvan::testing::ScratchFolder folder("plot-component");
    const std::string file = (folder.Path() / "bad.txt").string();
    std::ofstream(file) << "File Type = TTestComponent\nUpdateFrameRate = many\n";
    c->invalidations = 0;
    try {
        c->LoadPropertiesFromFile(file);
        ADD_FAILURE() << "nothing raised";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.Message()).rfind("Error Loading Properties - ", 0), 0u) << e.Message();
        EXPECT_FALSE(c->UpdateActive());
    }
    // The control repaints again at once.
    c->SetOffsetX(4);
    EXPECT_GT(c->invalidations, 0);
}

TEST_F(Component, TheImageSavesAsABitmapFileOfTheControlsSize) {
    korvan::testing::ScratchFolder folder("plot-component");
    const std::string file = (folder.Path() / "image.bmp").string();
    c->SetBackGroundColor(clLime);
    c->SaveImageToBitmap(file);
    TBitmap read;
    read.LoadFromFile(file);
    EXPECT_EQ(read.Width(), 160);
    EXPECT_EQ(read.Height(), 90);
    EXPECT_EQ(PlotPixel(read.Image(), 80, 45), clLime);
}

TEST_F(Component, PicturesOfTheControlAreExportedAtItsSize) {
    // Kept beside the other exports, to be opened with the image tools.
    const std::filesystem::path folder = std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) / "plot-export";
    std::filesystem::create_directories(folder);
    c->SetBackGroundColor(clLime);
    c->SetBorderStyle(ibsRaised);
    c->paint = [](TCanvas& canvas) {
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(20, 20, 60, 60));
    };
    const std::string png = (folder / "control.png").string();
    c->SaveImageToPNG(png, 9);
    QImage read(QString::fromStdString(png));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), QSize(160, 90));
    EXPECT_EQ(PlotPixel(read, 40, 40), clRed);
    EXPECT_EQ(PlotPixel(read, 100, 50), clLime);
    korvan::testing::SavePng(read, "plot_component_exported");

    const std::vector<std::uint8_t> jpeg = c->GetBytesJPEG(80, false);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    const std::string emf = (folder / "control.emf").string();
    c->SaveImageToMetaFile(emf);
    std::ifstream in(emf, std::ios::binary);
    const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    const auto metaFile = korvan::plot::ReadMetaFile(bytes);
    ASSERT_TRUE(metaFile);
    EXPECT_EQ(metaFile->Description, std::vector<std::string>{"Tashel"});
    EXPECT_EQ(metaFile->Picture, read.convertToFormat(metaFile->Picture.format()));
    EXPECT_THROW(c->SaveImageToPNG(png, 10), Exception);
}

// Points the settings store at a folder of its own for one test.
class SettingsFolderScope {
public:
    explicit SettingsFolderScope(const std::filesystem::path& folder) {
        korvan::sys::SettingsStore::SetDefaultFolder(folder);
    }
    ~SettingsFolderScope() {
        korvan::sys::SettingsStore::SetDefaultFolder(korvan::sys::SettingsStore::DefaultFolder());
    }
    SettingsFolderScope(const SettingsFolderScope&) = delete;
    SettingsFolderScope& operator=(const SettingsFolderScope&) = delete;
};

std::string SchemeFile(const std::string& scheme, const std::string& properties) {
    return "<SchemeTypes>\r\n<SchemeType>\r\n<Name>Look</Name>\r\n<Scheme>\r\n<Name>" + scheme +
           "</Name>\r\n<Properties>\r\n" + properties +
           "</Properties>\r\n</Scheme>\r\n</SchemeType>\r\n</SchemeTypes>\r\n";
}

TEST_F(Component, ColourSchemesComeFromTheFoldersTheSettingsNameAndApplyToTheControl) {
    korvan::testing::ScratchFolder folder("plot-component-schemes");
    SettingsFolderScope settings(folder.Path() / "registry");
    // No folders named: no schemes.
    c->LoadThemes();
    EXPECT_EQ(c->GetThemeCategoryCount(), 0);

    auto& store = korvan::sys::SettingsStore::Default();
    using korvan::sys::RootKey;
    const char* key = "SOFTWARE\\Tashel\\Themes";
    store.WriteString(RootKey::LocalMachine, key, "Tashel Defined Theme Path",
                      (folder.Path() / "pack").string());
    store.WriteString(RootKey::LocalMachine, key, "User Defined Theme Path",
                      (folder.Path() / "nowhere").string());
    store.WriteString(RootKey::CurrentUser, key, "User Defined Theme Path",
                      (folder.Path() / "user").string());
    std::filesystem::create_directories(folder.Path() / "pack");
    std::filesystem::create_directories(folder.Path() / "user");
    // The files are named for the control's class.
    std::ofstream(folder.Path() / "pack" / "TTestComponent.xml", std::ios::binary)
        << SchemeFile("Calm", "<UpdateFrameRate>30</UpdateFrameRate>\r\n<Hint>calm</Hint>\r\n");
    std::ofstream(folder.Path() / "user" / "TTestComponentUser.xml", std::ios::binary)
        << SchemeFile("Mine", "<AutoFrameRate>True</AutoFrameRate>\r\n");

    c->LoadThemes();
    ASSERT_EQ(c->GetThemeCategoryCount(), 1);
    EXPECT_EQ(c->GetThemeCategoryName(0), "Look");
    ASSERT_EQ(c->GetThemeCategorySchemeCount(0), 2);
    EXPECT_EQ(c->GetThemeCategorySchemeName(0, 0), "Calm");
    EXPECT_FALSE(c->GetThemeCategorySchemeIsUser(0, 0));
    EXPECT_EQ(c->GetThemeCategorySchemeName(0, 1), "Mine");
    EXPECT_TRUE(c->GetThemeCategorySchemeIsUser(0, 1));
    EXPECT_THROW(c->GetThemeCategorySchemeName(0, 2), EListError);

    c->ApplyScheme(0, 0);
    EXPECT_EQ(c->UpdateFrameRate(), 30);
    EXPECT_EQ(c->Hint(), "calm");
    EXPECT_FALSE(c->AutoFrameRate());
    c->ApplyScheme(0, 1);
    EXPECT_TRUE(c->AutoFrameRate());
}

// An item and an item list as the OPC binding would supply them.
class FakeOPCItem : public IiOPCItem {
public:
    std::string property;
    bool active = true;
    TiOPCValue data;
    bool good = true;
    std::vector<TiOPCValue> sent;

    std::string ComputerName() const override { return "Local"; }
    void SetComputerName(const std::string&) override {}
    std::string ServerName() const override { return {}; }
    void SetServerName(const std::string&) override {}
    std::string ItemName() const override { return {}; }
    void SetItemName(const std::string&) override {}
    std::string PropertyName() const override { return property; }
    void SetPropertyName(const std::string& value) override { property = value; }
    bool AutoConnect() const override { return true; }
    void SetAutoConnect(bool) override {}
    int UpdateRate() const override { return 500; }
    void SetUpdateRate(int) override {}
    TiOPCValue Data() const override { return data; }
    void SetData(const TiOPCValue& value) override { sent.push_back(value); }
    std::uint16_t Quality() const override { return good ? 0xC0 : 0; }
    bool QualityGood() const override { return good; }
    double TimeStamp() const override { return 0; }
    bool Active() const override { return active; }
    void Activate() override { active = true; }
    void Deactivate() override { active = false; }
    void UpdateResume() override {}
    void UpdateSuspend() override {}
    void Loaded() override {}
};

class FakeOPCItems : public IiOPCItemList {
public:
    std::vector<std::unique_ptr<FakeOPCItem>> items;
    int Count() const override { return int(items.size()); }
    FakeOPCItem& Item(int index) override { return *items.at(std::size_t(index)); }
    int Add() override {
        items.push_back(std::make_unique<FakeOPCItem>());
        return Count() - 1;
    }
    void Delete(int index) override { items.erase(items.begin() + index); }
    void Clear() override { items.clear(); }
    bool DoWriteToStream() const override { return !items.empty(); }
    void WriteToStream(TWriter&) override {}
    void ReadFromStream(TReader&) override {}
};

TEST_F(Component, IncomingOPCValuesSetPropertiesAndAreNotEchoedBack) {
    FakeOPCItems* items = nullptr;
    korvan::plot::OPCItemListHost host;
    korvan::plot::SetOPCItemListFactory([&](const korvan::plot::OPCItemListHost& h) {
        host = h;
        auto list = std::make_unique<FakeOPCItems>();
        items = list.get();
        return list;
    });
    auto* bound = new TTestComponent(form.get());
    korvan::plot::SetOPCItemListFactory(nullptr);
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(host.owner, bound);
    EXPECT_EQ(host.getType("UpdateFrameRate"), tkInteger);

    const int index = bound->OPCAddItem();
    FakeOPCItem& item = items->Item(index);
    bound->OPCItem(index).SetPropertyName("Enabled");
    item.data = std::string("False");
    std::vector<std::string> events;
    bound->OnBeforeNewOPCData = [&](int i, TiOPCValue& data) {
        events.push_back("before " + std::to_string(i) + " " + korvan::plot::OPCValueText(data));
    };
    bound->OnNewOPCData = [&](int i) { events.push_back("after " + std::to_string(i)); };
    host.newData(index);
    EXPECT_FALSE(bound->Enabled());
    EXPECT_EQ(events, (std::vector<std::string>{"before 0 False", "after 0"}));

    // The setter's own report of the incoming value is not sent back; a
    // change of the program's is, to every active item of that property.
    EXPECT_EQ(bound->enabledPassedOn, std::vector<bool>{false});
    EXPECT_TRUE(item.sent.empty());
    bound->SetEnabled(true);
    EXPECT_EQ(bound->enabledPassedOn, (std::vector<bool>{false, true}));
    ASSERT_EQ(item.sent.size(), 1u);
    EXPECT_EQ(korvan::plot::OPCValueText(item.sent[0]), "True");
    bound->OPCItem(index).Deactivate();
    EXPECT_FALSE(bound->OPCPropertyChanged("Enabled", true));
    bound->SetEnabled(false);

    // A value of bad quality is not applied, but still reported.
    item.good = false;
    item.data = std::string("True");
    events.clear();
    host.newData(index);
    EXPECT_FALSE(bound->Enabled());
    EXPECT_EQ(events, (std::vector<std::string>{"before 0 True", "after 0"}));
    EXPECT_EQ(bound->OPCItemCount(), 1);
    bound->OPCRemoveAllItems();
    EXPECT_EQ(bound->OPCItemCount(), 0);
    // Without the binding a control has no items.
    EXPECT_EQ(c->OPCItemCount(), 0);
    EXPECT_EQ(c->OPCItems(), nullptr);
    EXPECT_THROW(c->OPCAddItem(), Exception);
    EXPECT_THROW(c->OPCItem(0), Exception);
}

} // namespace
