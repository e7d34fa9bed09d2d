// The combo box's drawing over the native look, in each state: plain,
// flat, hot (focused), hot with a coloured button, open, disabled,
// read-only and the list style. Writes combo_states.png for a person to
// look at and checks the pixels that tell the states apart.

#include "tests/controls/panels/ComboBoxTestSupport.h"
#include "tests/controls/panels/PanelTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <gtest/gtest.h>

namespace {

using korvan::testing::ComboTest;
using korvan::testing::Grab;
using korvan::testing::PixelAt;

class ComboPicture : public ComboTest {
protected:
    TRzComboBox* Place(int row, int column, const std::string& name) {
        auto* c = new TRzComboBox(form.get());
        c->SetName(name);
        c->SetParent(form.get());
        c->SetBounds(10 + column * 150, 10 + row * 34, 130, 21);
        c->Font().SetName("Arial");
        c->Font().SetHeight(-11);
        for (const std::string& s : korvan::testing::SlopeItems())
            c->Items()->Add(s);
        c->SetItemIndex(row * 2 + column);
        return c;
    }
    // The button's face, clear of the arrow in its middle.
    static TColor ButtonFace(const QImage& image, int width) { return PixelAt(image, width - 5, 4); }
};

TEST_F(ComboPicture, EachStateDrawsItsFrameAndButton) {
    form->SetBounds(0, 0, 320, 190);
    combo->SetVisible(false);
    other->SetVisible(false);
    TRzComboBox* plain = Place(0, 0, "plain");
    TRzComboBox* flat = Place(0, 1, "flat");
    flat->SetFlatButtons(true);
    flat->SetFrameVisible(true);
    TRzComboBox* hot = Place(1, 0, "hot");
    hot->SetFlatButtons(true);
    hot->SetFrameHotTrack(true);
    hot->SetFrameHotColor(clNavy);
    hot->SetFocusColor(TColor(16777183));
    TRzComboBox* coloured = Place(1, 1, "coloured");
    coloured->SetFlatButtons(true);
    coloured->SetFlatButtonColor(RGB(255, 200, 120));
    coloured->SetFrameVisible(true);
    coloured->SetFrameStyle(fsGroove);
    TRzComboBox* disabled = Place(2, 0, "disabled");
    disabled->SetFlatButtons(true);
    disabled->SetFrameVisible(true);
    disabled->SetEnabled(false);
    TRzComboBox* readOnly = Place(2, 1, "readOnly");
    readOnly->SetFlatButtons(true);
    readOnly->SetFrameVisible(true);
    readOnly->SetReadOnly(true);
    TRzComboBox* list = Place(3, 0, "list");
    list->SetStyle(csDropDownList);
    list->SetFlatButtons(true);
    list->SetFrameVisible(true);
    list->SetColor(TColor(16777183));
    TRzComboBox* dropped = Place(3, 1, "dropped");
    dropped->SetFlatButtons(true);
    dropped->SetFrameVisible(true);
    dropped->SetFrameStyle(fsLowered);
    input.MoveOutside(); // wherever an earlier test left the pointer
    ShowForm(form.get());
    hot->SetFocus();
    input.MouseMove(coloured, 120, 10); // hot by the mouse
    ProcessEvents();

    const QImage whole = Grab(form.get());
    korvan::testing::SavePng(whole, "combo_states");

    // Plain: no drawing of its own on the button.
    const QImage plainImage = Grab(plain);
    EXPECT_NE(ButtonFace(plainImage, 130), clWindow);
    // Flat, not hot: the button is the background, the frame one ring.
    const QImage flatImage = Grab(flat);
    EXPECT_EQ(ButtonFace(flatImage, 130), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(flatImage, 0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(flatImage, 1, 10), ColorToRGB(clWindow));
    // Hot by the focus: the bold hot frame, the raised button face.
    const QImage hotImage = Grab(hot);
    EXPECT_EQ(PixelAt(hotImage, 0, 10), clNavy);
    EXPECT_EQ(PixelAt(hotImage, 1, 10), clNavy);
    EXPECT_EQ(ButtonFace(hotImage, 130), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(hotImage, 130 - 2 - TRzCustomComboBox::ButtonWidth, 4),
              ColorToRGB(clBtnHighlight)); // the raised ring
    EXPECT_EQ(hot->Color(), TColor(16777183));
    const QImage colouredImage = Grab(coloured);
    EXPECT_EQ(ButtonFace(colouredImage, 130), RGB(255, 200, 120));
    // Read-only: no button, the read-only colour.
    const QImage readOnlyImage = Grab(readOnly);
    EXPECT_EQ(ButtonFace(readOnlyImage, 130), ColorToRGB(clInfoBk));
    EXPECT_EQ(PixelAt(readOnlyImage, 130 - 11, 10), ColorToRGB(clInfoBk)); // no arrow either
    // Disabled: the disabled colour behind a greyed arrow.
    const QImage disabledImage = Grab(disabled);
    EXPECT_EQ(ButtonFace(disabledImage, 130), ColorToRGB(clBtnFace));
    bool greyArrow = false;
    for (int x = 130 - 19; x < 130 - 2; ++x)
        for (int y = 4; y < 17; ++y)
            greyArrow |= PixelAt(disabledImage, x, y) == ColorToRGB(clBtnShadow);
    EXPECT_TRUE(greyArrow);

    // A list without an edit field: its face plain in the control's colour
    // and its item in the control's font, as tall as an edit field's text.
    const QImage listImage = Grab(list);
    EXPECT_EQ(PixelAt(listImage, 90, 4), TColor(16777183));
    const auto inkRows = [](const QImage& image) {
        int rows = 0;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 3; x < 60; ++x)
                ink |= qGray(image.pixel(x, y)) < 100;
            rows += ink;
        }
        return rows;
    };
    EXPECT_EQ(inkRows(listImage), inkRows(flatImage));

    // Open: the hot button sinks.
    dropped->SetFocus();
    ProcessEvents();
    dropped->SetDroppedDown(true);
    ProcessEvents();
    const QImage droppedImage = Grab(dropped);
    korvan::testing::SavePng(droppedImage, "combo_dropped");
    EXPECT_EQ(PixelAt(droppedImage, 130 - 2 - TRzCustomComboBox::ButtonWidth, 4),
              ColorToRGB(clBtnShadow)); // the sunk ring
    korvan::testing::SavePng(Grab(form.get()), "combo_states_dropped");
    // The open list itself, as wide as its widest item needs.
    QWidget* popup = qobject_cast<QComboBox*>(dropped->Widget())->view()->window();
    korvan::testing::SavePng(popup->grab().toImage(), "combo_list_open");
    EXPECT_GE(popup->width(), dropped->ActualDropDownWidth());
    dropped->SetDroppedDown(false);
    ProcessEvents();
}

TEST_F(ComboPicture, TheMouseMakesTheFlatButtonHot) {
    combo->SetFlatButtons(true);
    input.MoveOutside(); // wherever an earlier test left the pointer
    ShowForm(form.get());
    other->SetFocus();
    ProcessEvents();
    const int w = combo->Width();
    EXPECT_EQ(ButtonFace(Grab(combo), w), ColorToRGB(combo->Color()));
    input.MouseMove(combo, w - 8, 10);
    ProcessEvents();
    EXPECT_EQ(ButtonFace(Grab(combo), w), ColorToRGB(clBtnFace));
    input.MoveOutside();
    ProcessEvents();
    EXPECT_EQ(ButtonFace(Grab(combo), w), ColorToRGB(combo->Color()));
}

} // namespace
