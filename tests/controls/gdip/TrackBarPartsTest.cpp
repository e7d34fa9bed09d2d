// The fader's parts: defaults, which setters notify the owner, sizes that
// follow stored pictures, copying between parts, and streaming the parts
// as nested properties of the fader's form data.

#include "controls/gdip/GdipClasses.h"
#include "controls/gdip/TrackBar.h"
#include "platform/forms/FormText.h"
#include "platform/text/Exception.h"
#include "tests/controls/gdip/FaderFixture.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::GuiTest;
using korvan::testing::SetUpEditorFader;
using korvan::testing::ThumbPicture;

// Counts the notifications a part sends its owner.
template <class Part> struct Counted {
    Counted() {
        part.OnChange = [this](TObject*) { ++changes; };
    }
    Part part;
    int changes = 0;
};

TEST(TrackBarParts, DefaultsAreTheDocumentedOnes) {
    TTrackBarThumb thumb;
    EXPECT_EQ(thumb.BorderColor(), TColor(10317632));
    EXPECT_EQ(thumb.Color(), TColor(15653832));
    EXPECT_EQ(thumb.ColorMirrorDown(), TColor(946929));
    EXPECT_EQ(thumb.Gradient(), ggVertical);
    EXPECT_EQ(thumb.GradientMirror(), ggRadial);
    EXPECT_EQ(thumb.Size(), 15);
    EXPECT_EQ(thumb.Width(), 10);
    EXPECT_EQ(thumb.Shape(), tsPointer);
    EXPECT_EQ(thumb.ThumbPointer(), tpCenter);
    EXPECT_TRUE(thumb.ShowAtMinMax());
    EXPECT_EQ(thumb.Steps(), 64);
    TTrackBarSlider slider;
    EXPECT_EQ(slider.BorderColor(), TColor(12752500));
    EXPECT_EQ(slider.Color(), clWhite);
    EXPECT_EQ(slider.ColorTo(), clBlack);
    EXPECT_EQ(slider.ColorCompleted(), clNone);
    EXPECT_EQ(slider.Size(), 2);
    EXPECT_EQ(slider.Offset(), 10);
    EXPECT_TRUE(slider.Border3D());
    EXPECT_EQ(slider.Steps(), 20);
    TTrackBarTick tick;
    EXPECT_EQ(tick.Style(), tsAuto);
    EXPECT_EQ(tick.Position(), tmBottomRight);
    EXPECT_EQ(tick.Size(), 4);
    EXPECT_EQ(tick.Spacing(), 8);
    EXPECT_EQ(tick.Font()->Name(), "Tahoma");
    EXPECT_EQ(tick.Font()->Height(), -11);
    TTrackBarButtons buttons;
    EXPECT_FALSE(buttons.Visible());
    EXPECT_EQ(buttons.Size(), 20);
    EXPECT_EQ(buttons.InitRepeatPause(), 400);
    EXPECT_EQ(buttons.RepeatPause(), 100);
    EXPECT_EQ(buttons.BorderColor(), TColor(9262895));
    TTrackBarLabel label;
    EXPECT_FALSE(label.Visible());
    EXPECT_EQ(label.Format(), "Pos: %d");
    EXPECT_EQ(label.Position(), lpTopCenter);
    EXPECT_EQ(label.Spacing(), 4);
}

TEST(TrackBarParts, SettersNotifyOnlyOnAChangeAndTheSilentOnesNever) {
    Counted<TTrackBarThumb> thumb;
    thumb.part.SetColor(thumb.part.Color());
    thumb.part.SetColorHot(clRed);
    thumb.part.SetColorMirrorHot(clRed); // stored only
    EXPECT_EQ(thumb.part.ColorMirrorHot(), clRed);
    EXPECT_EQ(thumb.changes, 1);
    Counted<TTrackBarButtons> buttons;
    buttons.part.SetColorMirror(clRed);
    buttons.part.SetRepeatPause(50);
    buttons.part.SetStep(3);
    EXPECT_EQ(buttons.changes, 0);
    buttons.part.SetVisible(true);
    EXPECT_EQ(buttons.changes, 1);
    Counted<TTrackBarLabel> label;
    label.part.SetFormat("Pos: %d");
    EXPECT_EQ(label.changes, 0);
    label.part.SetFormat("%d dB");
    label.part.Font()->SetColor(clRed);
    EXPECT_EQ(label.changes, 2);
}

TEST(TrackBarParts, AThumbPointerIsStoredOnlyWhenItsOwnerAcceptsIt) {
    Counted<TTrackBarThumb> orphan;
    orphan.part.SetThumbPointer(tpLeft);
    EXPECT_EQ(orphan.part.ThumbPointer(), tpCenter);
    EXPECT_EQ(orphan.changes, 0);
    korvan::testing::EnsureGuiApplication();
    TAdvTrackBar bar(nullptr);
    bar.Thumb()->SetThumbPointer(tpRight);
    EXPECT_EQ(bar.Thumb()->ThumbPointer(), tpRight);
}

class TrackBarPartsOnBar : public GuiTest {
protected:
    TGDIPPicture picture = ThumbPicture(clSilver);
};

TEST_F(TrackBarPartsOnBar, APictureDecidesTheThumbsSizeByOrientation) {
    TAdvTrackBar vertical(nullptr);
    vertical.SetOrientation(trVertical);
    vertical.Thumb()->SetPicture(&picture);
    EXPECT_EQ(vertical.Thumb()->Size(), 16);
    EXPECT_EQ(vertical.Thumb()->Width(), 29);
    // While the picture is held the size setters do nothing.
    vertical.Thumb()->SetSize(40);
    vertical.Thumb()->SetWidth(40);
    EXPECT_EQ(vertical.Thumb()->Size(), 16);
    EXPECT_EQ(vertical.Thumb()->Width(), 29);
    vertical.Thumb()->SetPicture(nullptr);
    vertical.Thumb()->SetSize(40);
    EXPECT_EQ(vertical.Thumb()->Size(), 40);

    TAdvTrackBar horizontal(nullptr);
    horizontal.Thumb()->SetPicture(&picture);
    EXPECT_EQ(horizontal.Thumb()->Size(), 29);
    EXPECT_EQ(horizontal.Thumb()->Width(), 16);
}

TEST_F(TrackBarPartsOnBar, AHotPictureAlsoReDerivesTheSizesAndEachCopyIsIndependent) {
    TAdvTrackBar bar(nullptr);
    bar.SetOrientation(trVertical);
    bar.Thumb()->SetPicture(&picture);
    bar.Thumb()->SetPictureHot(&picture);
    EXPECT_EQ(bar.Thumb()->Width(), 29);
    TGDIPPicture other = ThumbPicture(clRed);
    picture.Assign(static_cast<TPersistent*>(&other));
    EXPECT_NE(bar.Thumb()->Picture()->Bytes(), picture.Bytes()) << "the thumb keeps its own copy";
}

TEST_F(TrackBarPartsOnBar, AGroovePictureSetsTheThicknessAndDropsTheFrame) {
    TAdvTrackBar bar(nullptr);
    bar.SetOrientation(trVertical);
    bar.Slider()->SetPicture(&picture);
    EXPECT_EQ(bar.Slider()->Size(), 16);
    EXPECT_EQ(bar.Slider()->BorderColor(), clNone);
}

TEST_F(TrackBarPartsOnBar, ButtonPicturesDecideTheButtonSizeMinFirst) {
    TAdvTrackBar bar(nullptr);
    bar.SetOrientation(trVertical);
    TGDIPPicture small = ThumbPicture(clRed);
    bar.Buttons()->SetMaxPicture(&small);
    EXPECT_EQ(bar.Buttons()->Size(), 29);
    bar.Buttons()->SetSize(12);
    EXPECT_EQ(bar.Buttons()->Size(), 29);
}

TEST(TrackBarParts, CopyingAThumbLeavesShowAtMinMaxAndAnotherClassFails) {
    Counted<TTrackBarThumb> from, to;
    from.part.SetColor(clRed);
    from.part.SetColorMirrorDown(clLime);
    from.part.SetShape(tsRound);
    from.part.SetShowAtMinMax(false);
    to.part.Assign(&from.part);
    EXPECT_EQ(to.part.Color(), clRed);
    EXPECT_EQ(to.part.ColorMirrorDown(), clLime);
    EXPECT_EQ(to.part.Shape(), tsRound);
    EXPECT_TRUE(to.part.ShowAtMinMax());
    TTrackBarSlider slider;
    to.part.Assign(&slider); // ignored by the thumb
    EXPECT_EQ(to.part.Color(), clRed);
    EXPECT_THROW(slider.Assign(&to.part), EConvertError);
    TTrackBarLabel label;
    EXPECT_THROW(label.Assign(&slider), EConvertError);
}

TEST_F(TrackBarPartsOnBar, APartChangeRepaintsTheOwner) {
    korvan::gdip::RegisterGdipClasses();
    TForm form(nullptr);
    auto* bar = new TAdvTrackBar(&form);
    bar->SetParent(&form);
    ShowForm(&form);
    bar->Repaint();
    EXPECT_FALSE(bar->NeedsPaint());
    bar->Slider()->SetColor(clRed);
    EXPECT_TRUE(bar->NeedsPaint());
}

TEST_F(TrackBarPartsOnBar, TheFormDataRoundTripsNestedPartsAndPictures) {
    korvan::gdip::RegisterGdipClasses();
    TForm source(nullptr);
    source.SetName("fmSource");
    auto* bar = new TAdvTrackBar(&source);
    bar->SetName("isEqGainInA");
    bar->SetParent(&source);
    TGDIPPicture hot = ThumbPicture(clWhite);
    SetUpEditorFader(bar, 0, 240, 6, &picture, &hot);
    bar->SetBounds(10, 20, 27, 193);
    bar->SetPosition(120);
    bar->SetTag(3);
    bar->Thumb()->SetShape(tsRound);
    bar->Slider()->SetColorCompleted(clLime);
    bar->TrackLabel()->SetFormat("%d dB");
    const std::string text = korvan::forms::WriteComponentText(&source);
    EXPECT_NE(text.find("Thumb.Picture.Data = {"), std::string::npos) << text;
    EXPECT_NE(text.find("Thumb.Shape = tsRound"), std::string::npos) << text;
    EXPECT_NE(text.find("Slider.Size = 3"), std::string::npos) << text;
    EXPECT_NE(text.find("TickMark.Style = tsNone"), std::string::npos) << text;
    EXPECT_EQ(text.find("ShowAtMinMax"), std::string::npos) << "defaults are not written: " << text;

    TForm target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    auto* read = korvan::testing::Find<TAdvTrackBar>(&target, "isEqGainInA");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Orientation(), trVertical);
    EXPECT_EQ(read->BoundsRect(), Bounds(10, 20, 27, 193));
    EXPECT_EQ(read->Max(), 240);
    EXPECT_EQ(read->Position(), 120);
    EXPECT_EQ(read->PageSize(), 6);
    EXPECT_EQ(read->Tag(), 3);
    EXPECT_TRUE(read->ShowFocus());
    EXPECT_EQ(read->Thumb()->Shape(), tsRound);
    EXPECT_EQ(read->Thumb()->Picture()->Bytes(), picture.Bytes());
    EXPECT_EQ(read->Thumb()->PictureHot()->Bytes(), hot.Bytes());
    EXPECT_TRUE(read->Thumb()->PictureDown()->Empty());
    // Loaded measured the stored picture, whatever order the values came in.
    EXPECT_EQ(read->Thumb()->Size(), 16);
    EXPECT_EQ(read->Thumb()->Width(), 29);
    EXPECT_EQ(read->Slider()->Size(), 3);
    EXPECT_EQ(read->Slider()->BorderColor(), clMedGray);
    EXPECT_EQ(read->Slider()->ColorCompleted(), clLime);
    EXPECT_EQ(read->TickMark()->Style(), tsNone);
    EXPECT_EQ(read->TrackLabel()->Format(), "%d dB");
    EXPECT_EQ(korvan::forms::WriteComponentText(&target).size(), text.size());
}

TEST_F(TrackBarPartsOnBar, StoredSizesAfterAPictureAreOverruledByThePicture) {
    korvan::gdip::RegisterGdipClasses();
    TForm source(nullptr);
    auto* bar = new TAdvTrackBar(&source);
    bar->SetName("fader");
    bar->SetParent(&source);
    bar->SetOrientation(trVertical);
    bar->Thumb()->SetPicture(&picture);
    std::string text = korvan::forms::WriteComponentText(&source);
    // A stored form that also lists sizes of its own.
    const std::size_t end = text.rfind("  end");
    text.insert(end, "    Thumb.Size = 40\n    Thumb.Width = 7\n");
    TForm target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    auto* read = korvan::testing::Find<TAdvTrackBar>(&target, "fader");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Thumb()->Size(), 16);
    EXPECT_EQ(read->Thumb()->Width(), 29);
}

} // namespace
