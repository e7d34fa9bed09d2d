// The rounded edit's stored properties: every one that lives in the inner
// edit reaches it, from code and from a stored form; font and reading
// order follow the rounded edit; the image list and popup menus it refers
// to are forgotten when they go; item hints.

#include "PictureTestSupport.h"
#include "controls/gdip/CurvyControls.h"
#include "controls/gdip/GdipClasses.h"
#include "platform/forms/Application.h"
#include "platform/forms/FormText.h"
#include "platform/forms/HintWindow.h"
#include "platform/forms/ImageListComponent.h"
#include "platform/forms/Menus.h"
#include "tests/support/gui/GuiHarness.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CurvyEditPassThrough : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        korvan::gdip::RegisterGdipClasses();
    }
    TCurvyEdit* NewEdit(TForm& owner, const std::string& name) {
        auto* e = new TCurvyEdit(&owner);
        e->SetName(name);
        e->SetParent(&owner);
        e->SetBounds(10, 10, 70, 24);
        return e;
    }
};

// Values other than the defaults for every property that lives in the
// inner edit, set on the rounded edit, written to a stored form and read
// back: the inner edit of the edit read holds each of them.
TEST_F(CurvyEditPassThrough, AStoredFormSetsEveryInnerProperty) {
    TForm source(nullptr);
    source.SetName("Host");
    auto* menu = new TPopupMenu(&source);
    menu->SetName("pmEdit");
    TCurvyEdit* e = NewEdit(source, "cvdGainInA");
    e->SetAlignment(taCenter);
    e->SetAutoSelect(false);
    e->SetCharCase(ecUpperCase);
    e->SetEditDragCursor(crHandPoint);
    e->SetEditDragKind(dkDock);
    e->SetEditDragMode(dmAutomatic);
    e->SetEmptyText("none");
    e->SetEditEnabled(false);
    e->SetHideSelection(false);
    e->SetMaxLength(6);
    e->SetNumbersOnly(true);
    e->SetOEMConvert(true);
    e->SetPasswordChar('*');
    e->SetReadOnly(true);
    e->SetTextHint("8");
    e->SetImeMode(imDisable);
    e->SetImeName("ime");
    e->SetEditPopupMenu(menu);
    e->SetEditTabStop(true);
    e->SetBiDiMode(bdRightToLeft);
    e->SetText("gain");

    const std::string text = korvan::forms::WriteComponentText(&source);
    for (const char* line :
         {"CharCase = ecUpperCase", "DragKind = dkDock", "DragMode = dmAutomatic", "NumbersOnly = True",
          "OEMConvert = True", "TextHint = '8'", "ImeMode = imDisable", "PopupMenu = pmEdit",
          "BiDiMode = bdRightToLeft", "AutoSelect = False", "HideSelection = False", "TabStop = True",
          "Enabled = False"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;

    TForm target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    auto* read = korvan::testing::Find<TCurvyEdit>(&target, "cvdGainInA");
    ASSERT_NE(read, nullptr);
    const TEmptyEdit& inner = *read->Edit();
    EXPECT_EQ(inner.Text(), "GAIN");
    EXPECT_EQ(inner.Alignment(), taCenter);
    EXPECT_FALSE(inner.AutoSelect());
    EXPECT_EQ(inner.CharCase(), ecUpperCase);
    EXPECT_EQ(inner.DragCursor(), crHandPoint);
    EXPECT_EQ(inner.DragKind(), dkDock);
    EXPECT_EQ(inner.DragMode(), dmAutomatic);
    EXPECT_EQ(inner.EmptyText(), "none");
    EXPECT_FALSE(inner.Enabled());
    EXPECT_TRUE(read->Enabled()) << "the rounded body stays enabled";
    EXPECT_FALSE(inner.HideSelection());
    EXPECT_EQ(inner.MaxLength(), 6);
    EXPECT_TRUE(inner.NumbersOnly());
    EXPECT_TRUE(inner.OEMConvert());
    EXPECT_EQ(inner.PasswordChar(), '*');
    EXPECT_TRUE(inner.ReadOnly());
    EXPECT_EQ(inner.TextHint(), "8");
    EXPECT_EQ(inner.ImeMode(), imDisable);
    EXPECT_EQ(inner.ImeName(), "ime");
    EXPECT_EQ(inner.PopupMenu(), korvan::testing::Find<TPopupMenu>(&target, "pmEdit"));
    EXPECT_TRUE(inner.TabStop());
    EXPECT_FALSE(read->TabStop()) << "the rounded body takes no focus of its own";
    EXPECT_EQ(inner.BiDiMode(), bdRightToLeft);
    EXPECT_EQ(korvan::forms::WriteComponentText(&target), text);
}

TEST_F(CurvyEditPassThrough, FontAndReadingOrderFollowTheRoundedEdit) {
    TForm form(nullptr);
    TCurvyEdit* e = NewEdit(form, "cvdFreq");
    e->Font().SetName("Tahoma");
    e->Font().SetHeight(-11);
    e->Font().SetColor(clRed);
    EXPECT_TRUE(e->Edit()->Font().SameAs(e->Font()));
    // From the parent, too.
    TCurvyEdit* follower = NewEdit(form, "cvdQ");
    form.Font().SetSize(14);
    EXPECT_EQ(follower->Font().Size(), 14);
    EXPECT_TRUE(follower->Edit()->Font().SameAs(follower->Font()));
    EXPECT_EQ(e->Edit()->Font().Color(), clRed) << "an edit with a font of its own keeps it";
    form.SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(e->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(e->Edit()->BiDiMode(), bdRightToLeft);
    e->SetBiDiMode(bdLeftToRight);
    EXPECT_FALSE(e->ParentBiDiMode());
    EXPECT_EQ(e->Edit()->BiDiMode(), bdLeftToRight);
}

TEST_F(CurvyEditPassThrough, CharCaseNumbersOnlyAndPasswordActOnTheInnerEdit) {
    TForm form(nullptr);
    TCurvyEdit* e = NewEdit(form, "cvdName");
    ShowForm(&form);
    e->SetText("Out1");
    e->SetCharCase(ecLowerCase);
    EXPECT_EQ(e->Text(), "out1");
    e->SetFocus();
    ProcessEvents();
    e->Edit()->SetSelStart(4);
    input.Type(e->Edit(), "AB");
    EXPECT_EQ(e->Text(), "out1ab");

    e->SetCharCase(ecNormal);
    e->SetNumbersOnly(true);
    e->SetText("");
    input.Type(e->Edit(), "1x2-3");
    EXPECT_EQ(e->Text(), "123");
}

// The grey text of an empty edit: EmptyText, else TextHint; it is gone as
// soon as a character is typed.
TEST_F(CurvyEditPassThrough, EmptyTextShowsGreyWhileEmpty) {
    TForm form(nullptr);
    TCurvyEdit* e = NewEdit(form, "cvdName");
    auto& line = *qobject_cast<QLineEdit*>(e->Edit()->Widget());
    e->SetTextHint("8");
    EXPECT_EQ(line.placeholderText(), "8");
    e->SetEmptyText("name");
    EXPECT_EQ(line.placeholderText(), "name") << "EmptyText comes first";
    EXPECT_EQ(line.palette().color(QPalette::PlaceholderText), QColor(0x80, 0x80, 0x80));
    e->SetEmptyText("");
    EXPECT_EQ(line.placeholderText(), "8");
    ShowForm(&form);
    e->SetFocus();
    ProcessEvents();
    input.Type(e->Edit(), "a");
    EXPECT_EQ(e->Text(), "a");
    EXPECT_FALSE(line.displayText().isEmpty()) << "the text shows, not the hint";
}

// A removed image list leaves the panel without one (and its image size);
// a removed popup menu leaves the items that opened it.
TEST_F(CurvyEditPassThrough, RemovedImageListAndMenusAreForgotten) {
    TForm form(nullptr);
    auto* panel = new TCurvyControlPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 200, 24);
    auto list = std::make_unique<TImageListComponent>(nullptr);
    list->SetSize(12, 10);
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    TCurvyControl* item = panel->Controls()->Add();
    item->SetDropDown(true);
    item->SetPopupMenu(menu.get());
    panel->SetImages(list.get());
    EXPECT_EQ(panel->Controls()->ImageListImageWidth, 12);
    EXPECT_EQ(panel->ItemRect(0).Width(), 12 + 2 + 5);

    list.reset();
    EXPECT_EQ(panel->Images(), nullptr);
    EXPECT_EQ(panel->Controls()->ImageListImageWidth, 0);
    EXPECT_EQ(panel->ItemRect(0).Width(), 2 + 5);
    menu.reset();
    EXPECT_EQ(item->PopupMenu(), nullptr);
    // Pressing the drop-down item with no menu left opens nothing.
    ShowForm(&form);
    input.Click(panel, panel->ItemRect(0).Left + 2, 12);
    EXPECT_EQ(item->State(), csNormal);

    // The inner edit's menu is forgotten the same way.
    TCurvyEdit* e = NewEdit(form, "cvdDelay");
    auto editMenu = std::make_unique<TPopupMenu>(nullptr);
    e->SetEditPopupMenu(editMenu.get());
    editMenu.reset();
    EXPECT_EQ(e->EditPopupMenu(), nullptr);
}

// An image list on the form, referred to by name in the stored form.
TEST_F(CurvyEditPassThrough, TheImageListIsAComponentOfTheForm) {
    TForm source(nullptr);
    source.SetName("Host");
    auto* list = new TImageListComponent(&source);
    list->SetName("ilButtons");
    list->SetSize(8, 8);
    TBitmap picture;
    picture.SetSize(16, 8);
    picture.Canvas().Brush().SetColor(clRed);
    picture.Canvas().FillRect(Rect(0, 0, 16, 8));
    list->Add(picture);
    TCurvyEdit* e = NewEdit(source, "cvdMix");
    e->SetImages(list);
    e->Controls()->Add()->SetImageIndex(1);

    const std::string text = korvan::forms::WriteComponentText(&source);
    EXPECT_NE(text.find("object ilButtons: TImageList"), std::string::npos) << text;
    EXPECT_NE(text.find("Images = ilButtons"), std::string::npos) << text;
    TForm target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    auto* readList = korvan::testing::Find<TCustomImageList>(&target, "ilButtons");
    auto* read = korvan::testing::Find<TCurvyEdit>(&target, "cvdMix");
    ASSERT_TRUE(readList && read);
    EXPECT_EQ(readList->Count(), 2);
    EXPECT_EQ(readList->Width(), 8);
    EXPECT_EQ(read->Images(), readList);
    EXPECT_EQ(read->Controls()->Items(0)->ImageIndex(), 1);
}

TEST_F(CurvyEditPassThrough, TheHintOfTheItemUnderThePointerShows) {
    TForm form(nullptr);
    form.SetBounds(100, 100, 300, 100);
    auto* panel = new TCurvyControlPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 200, 24);
    panel->SetHint("panel");
    panel->SetShowHint(true);
    const auto png =
        korvan::gdip::testing::PngFile(korvan::gdip::testing::Swatch(16, 16, 0xFF0000FFu, 0xFF0000FFu));
    TCurvyControl* item = panel->Controls()->Add();
    item->Picture()->LoadFromStream(png);
    item->SetHint("open");
    ShowForm(&form);
    struct Case {
        int x;
        const char* shown;
    };
    const Case cases[] = {{panel->ItemRect(0).Left + 4, "open"}, {20, "panel"}};
    for (const Case& c : cases) {
        input.MoveOutside();
        input.MouseMove(panel, c.x, 12);
        AdvanceTimers(Application->HintPause());
        EXPECT_EQ(korvan::forms::Hints().ShownText(), c.shown) << c.x;
    }
    // With no hint of its own, the panel shows the item's hint only.
    panel->SetHint("");
    input.MoveOutside();
    input.MouseMove(panel, 20, 12);
    AdvanceTimers(Application->HintPause());
    EXPECT_FALSE(korvan::forms::Hints().Showing());
    input.MoveOutside();
    input.MouseMove(panel, panel->ItemRect(0).Left + 4, 12);
    AdvanceTimers(Application->HintPause());
    EXPECT_EQ(korvan::forms::Hints().ShownText(), "open");
    input.MoveOutside();
}

} // namespace
