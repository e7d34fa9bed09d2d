// The image-control base: repaints at once, held back while loading or
// inside update brackets, the unbalanced EndUpdate, and the change
// notices raised after the layer's own handling.

#include "controls/panels/ImageControl.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/Screen.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <QCursor>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;

// Counts its paints and shows its colour.
class CountingControl : public TVrCustomImageControl {
public:
    using TVrCustomImageControl::TVrCustomImageControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        ClearBitmap();
        TVrCustomImageControl::Paint();
    }
};

class ImageControl : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    CountingControl* Add() {
        auto* c = new CountingControl(form.get());
        c->SetBounds(10, 10, 40, 20);
        c->SetParent(form.get());
        return c;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(ImageControl, ChangesRepaintAtOnceUnlessAnUpdateIsOpen) {
    CountingControl* c = Add();
    c->SetColor(clTeal);
    ShowForm(form.get());
    EXPECT_EQ(PixelAt(Grab(c), 5, 5), clTeal);
    const int before = c->paints;
    c->ControlChanged();
    EXPECT_EQ(c->paints, before + 1);

    c->BeginUpdate();
    c->BeginUpdate();
    c->ControlChanged();
    c->EndUpdate();
    c->ControlChanged();
    EXPECT_EQ(c->paints, before + 1);
    c->EndUpdate();
    EXPECT_EQ(c->paints, before + 2);

    // Unbalanced: the counter stays at 0 and repaints go on.
    c->EndUpdate();
    EXPECT_EQ(c->UpdateCount(), 0);
    EXPECT_EQ(c->paints, before + 3);
    c->ControlChanged();
    EXPECT_EQ(c->paints, before + 4);
}

TEST_F(ImageControl, NothingRepaintsWhileLoading) {
    ShowForm(form.get());
    korvan::forms::LoadScope scope(form.get());
    auto* c = scope.Place<CountingControl>(form.get(), "Image1", 0, 0, 30, 30);
    ProcessEvents();
    const int before = c->paints;
    c->ControlChanged();
    EXPECT_EQ(c->paints, before);
    scope.Finish();
    c->ControlChanged();
    EXPECT_EQ(c->paints, before + 1);
}

TEST_F(ImageControl, FontAndTextNoticesFollowTheLayersHandling) {
    CountingControl* c = Add();
    std::vector<std::string> log;
    c->OnFontChanged = [&](TObject* sender) {
        EXPECT_EQ(sender, c);
        log.push_back("font");
    };
    c->OnTextChanged = [&](TObject*) { log.push_back("text " + c->Caption()); };
    c->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    c->Font().SetColor(clRed);
    c->SetCaption("A");
    ShowForm(form.get());
    input.MouseMove(c, 5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"font", "text A", "enter"}));
}

TEST_F(ImageControl, TheOffScreenBitmapHasTheControlsSizeAndColour) {
    CountingControl* c = Add();
    c->SetColor(clMaroon);
    ShowForm(form.get());
    c->SetBounds(10, 10, 33, 17);
    ProcessEvents();
    Grab(c);
    EXPECT_EQ(c->BitmapImage().Width(), 33);
    EXPECT_EQ(c->BitmapImage().Height(), 17);
    TBitmap shown(c->BitmapImage());
    EXPECT_EQ(shown.Canvas().Pixel(32, 16), clMaroon);
}

TEST(VrCursors, TheHandPointerIsRegistered) {
    korvan::testing::EnsureGuiApplication();
    korvan::panels::RegisterVrCursors();
    EXPECT_EQ(Screen->Cursors(crVrHandPoint).shape(), Qt::PointingHandCursor);
}

} // namespace
