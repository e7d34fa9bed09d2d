// The combo box: defaults, the wheel, state colours, what the form data
// keeps, the frame controller, older stream properties, the list
// operations, the drop-down width and the paired values.

#include "controls/panels/PanelClasses.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Bitmap.h"
#include "tests/controls/panels/ComboBoxTestSupport.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::ComboTest;
using korvan::testing::SlopeItems;

class ComboBox : public ComboTest {
protected:
    // The combo box's own lines of the form data.
    std::string ComboText() {
        const std::string text = korvan::forms::WriteComponentText(form.get());
        const size_t from = text.find("object cbSlope");
        return text.substr(from, text.find("\n  end", from) - from);
    }
    // The wheel over the control: one notch down (true) or up.
    void Wheel(bool down) { input.Wheel(combo, 20, 10, down ? -120 : 120); }
};

TEST_F(ComboBox, StartsWithItsDefaults) {
    TRzComboBox fresh(nullptr);
    EXPECT_TRUE(fresh.AutoComplete());
    EXPECT_TRUE(fresh.AllowEdit());
    EXPECT_TRUE(fresh.BeepOnInvalidKey());
    EXPECT_FALSE(fresh.FlatButtons());
    EXPECT_EQ(fresh.FlatButtonColor(), clBtnFace);
    EXPECT_EQ(fresh.DisabledColor(), clBtnFace);
    EXPECT_EQ(fresh.ReadOnlyColor(), clInfoBk);
    EXPECT_FALSE(fresh.ReadOnlyColorOnFocus());
    EXPECT_EQ(fresh.FocusColor(), clWindow);
    EXPECT_EQ(fresh.Color(), clWindow);
    EXPECT_EQ(fresh.FrameColor(), clBtnShadow);
    EXPECT_EQ(fresh.FrameHotColor(), clBtnShadow);
    EXPECT_FALSE(fresh.FrameHotTrack());
    EXPECT_EQ(fresh.FrameHotStyle(), fsFlatBold);
    EXPECT_EQ(fresh.FrameSides(), sdAllSides);
    EXPECT_EQ(fresh.FrameStyle(), fsFlat);
    EXPECT_FALSE(fresh.FrameVisible());
    EXPECT_EQ(fresh.FramingPreference(), fpXPThemes);
    EXPECT_EQ(fresh.FrameControllerNotifications(), fccAll);
    EXPECT_FALSE(fresh.KeepSearchCase());
    EXPECT_EQ(fresh.DropDownWidth(), 0);
    EXPECT_FALSE(fresh.TabOnEnter());
    EXPECT_FALSE(fresh.ReadOnly());
    EXPECT_EQ(fresh.Style(), csDropDown);
    EXPECT_EQ(fresh.DropDownCount(), 8);
    EXPECT_EQ(fresh.ItemIndex(), -1);
    EXPECT_EQ(fresh.SearchString(), "");
    EXPECT_EQ(SearchResetInterval, 1500);
}

TEST_F(ComboBox, TheWheelStepsThroughTheItemsAndStopsAtBothEnds) {
    Focus(combo);
    // Past the last item: it stays, no events.
    Wheel(true);
    EXPECT_EQ(combo->ItemIndex(), 19);
    EXPECT_EQ(events.change + events.click, 0);
    Wheel(false);
    EXPECT_EQ(combo->ItemIndex(), 18);
    EXPECT_EQ(events.log, "ch");
    EXPECT_EQ(combo->Text(), "LK -36");
    combo->SetItemIndex(1);
    events = {};
    Wheel(false);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events.change, 1);
    // Before the first item: it stays, no events.
    Wheel(false);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events.change, 1);
    Wheel(true);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(events.change, 2);
    // From no selection: down takes the first item, up shows it quietly.
    combo->SetItemIndex(-1);
    Wheel(true);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events.change, 3);
    combo->SetItemIndex(-1);
    Wheel(false);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events.change, 3);
}

TEST_F(ComboBox, TheWheelDoesNothingWhenHandledOrReadOnly) {
    Focus(combo);
    combo->SetItemIndex(5);
    combo->OnMouseWheel = [](TObject*, TShiftState, int, int, int, bool& handled) { handled = true; };
    Wheel(true);
    EXPECT_EQ(combo->ItemIndex(), 5);
    combo->OnMouseWheel = nullptr;
    combo->SetReadOnly(true);
    Wheel(true);
    Wheel(false);
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(events.change, 0);
}

TEST_F(ComboBox, AProgramSetItemIndexRaisesNoChange) {
    Focus(combo);
    combo->SetItemIndex(4);
    combo->SetItemIndex(-1);
    combo->SetItemIndex(25); // past the end: no selection
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(events.change + events.click, 0);
}

TEST_F(ComboBox, TheColourFollowsTheState) {
    combo->SetColor(clWindow);
    combo->SetFocusColor(clYellow);
    combo->SetReadOnlyColor(clAqua);
    combo->SetDisabledColor(clSilver);
    struct Case {
        const char* name;
        bool enabled, focused, readOnly, readOnlyOnFocus;
        TColor expected;
    };
    const Case cases[] = {
        {"normal", true, false, false, false, clWindow},
        {"focused", true, true, false, false, clYellow},
        {"read-only", true, false, true, false, clAqua},
        {"read-only and focused", true, true, true, false, clYellow},
        {"read-only colour on focus", true, true, true, true, clAqua},
        {"disabled", false, false, false, false, clSilver},
        {"disabled and read-only", false, false, true, false, clSilver},
    };
    ShowForm(form.get());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        combo->SetEnabled(c.enabled);
        combo->SetReadOnly(c.readOnly);
        combo->SetReadOnlyColorOnFocus(c.readOnlyOnFocus);
        (c.focused ? static_cast<TWinControl*>(combo) : other)->SetFocus();
        ProcessEvents();
        EXPECT_EQ(combo->IsFocused(), c.focused);
        EXPECT_EQ(combo->Color(), c.expected);
        other->SetFocus();
        combo->SetReadOnly(false);
        combo->SetEnabled(true);
    }
}

TEST_F(ComboBox, AColourFromOutsideIsTheNewNormalAndCarriesAnEqualFocusColour) {
    // The focus colour was the normal one: it follows.
    combo->SetColor(clWindow);
    combo->SetFocusColor(clWindow);
    combo->SetColor(clLime);
    EXPECT_EQ(combo->FocusColor(), clLime);
    // A focus colour of its own stays.
    combo->SetFocusColor(clYellow);
    combo->SetColor(clFuchsia);
    EXPECT_EQ(combo->FocusColor(), clYellow);
    combo->SetEnabled(false);
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), clFuchsia);
}

TEST_F(ComboBox, TheFormDataKeepsOnlyWhatIsItsOwn) {
    combo->SetFocusColor(TColor(16777183)); // the same as the colour: not kept
    std::string text = ComboText();
    EXPECT_NE(text.find("Color = 16777183"), std::string::npos) << text;
    EXPECT_NE(text.find("FlatButtons = True"), std::string::npos) << text;
    EXPECT_EQ(text.find("FocusColor"), std::string::npos) << text;
    combo->SetFocusColor(clYellow);
    text = ComboText();
    EXPECT_NE(text.find("FocusColor = clYellow"), std::string::npos) << text;
    // Disabled, the colour shown is the disabled one: not kept.
    combo->SetEnabled(false);
    text = ComboText();
    EXPECT_EQ(text.find(" Color = "), std::string::npos) << text;
    combo->SetEnabled(true);
    // What a frame controller sets is its own.
    auto* fc = new TRzFrameController(form.get());
    fc->SetName("fc");
    combo->SetFrameController(fc);
    text = ComboText();
    for (const char* name : {"FlatButtons", "FocusColor", " Color = ", "FrameVisible", "DisabledColor"})
        EXPECT_EQ(text.find(name), std::string::npos) << name << "\n" << text;
    // Unless the control leaves that property out of its notifications.
    combo->SetFrameControllerNotifications(fccAll & ~(1u << fcpFlatButtons));
    combo->SetFlatButtons(false);
    text = ComboText();
    EXPECT_EQ(text.find("FlatButtons"), std::string::npos) << text; // default False again
    combo->SetFlatButtons(true);
    text = ComboText();
    EXPECT_NE(text.find("FlatButtons = True"), std::string::npos) << text;
}

TEST_F(ComboBox, TheFormReaderBuildsItAndReadsOlderFrameProperties) {
    korvan::panels::RegisterPanelClasses();
    const std::string text = "object Form1: TForm\r\n"
                             "  object cbType: TRzComboBox\r\n"
                             "    Left = 4\r\n"
                             "    Top = 4\r\n"
                             "    Width = 90\r\n"
                             "    Height = 21\r\n"
                             "    FlatButtons = True\r\n"
                             "    FrameFlat = True\r\n"
                             "    FrameFocusStyle = fsButtonDown\r\n"
                             "    FrameFlatStyle = fsGroove\r\n"
                             "    DropDownWidth = 120\r\n"
                             "  end\r\n"
                             "end\r\n";
    auto read = std::make_unique<TForm>(nullptr);
    read->SetName("Form1");
    korvan::forms::ReadComponentText(text, read.get());
    auto* c = korvan::testing::Find<TRzComboBox>(read.get(), "cbType");
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->FlatButtons());
    EXPECT_TRUE(c->FrameHotTrack());
    EXPECT_TRUE(c->FrameVisible());
    EXPECT_EQ(c->FrameStyle(), fsStatus);
    EXPECT_EQ(c->FrameHotStyle(), fsButtonDown); // read after FrameFlat
    EXPECT_EQ(c->DropDownWidth(), 120);
    // The older names are never written.
    const std::string back = korvan::forms::WriteComponentText(read.get());
    EXPECT_EQ(back.find("FrameFlat"), std::string::npos) << back;
    EXPECT_EQ(back.find("FrameFocusStyle"), std::string::npos) << back;
}

TEST_F(ComboBox, AFrameControllerSetsItsFramingAndLetsGoWhenFreed) {
    auto* fc = new TRzFrameController(form.get());
    fc->SetFrameVisible(true);
    fc->SetFrameStyle(fsGroove);
    fc->SetFlatButtons(false);
    fc->SetFocusColor(clYellow);
    combo->SetFrameControllerNotifications(fccAll & ~(1u << fcpColor));
    combo->SetFrameController(fc);
    EXPECT_TRUE(combo->FrameVisible());
    EXPECT_EQ(combo->FrameStyle(), fsGroove);
    EXPECT_FALSE(combo->FlatButtons());
    EXPECT_EQ(combo->FocusColor(), clYellow);
    EXPECT_EQ(combo->Color(), TColor(16777183)); // left out
    fc->SetFrameHotTrack(true);
    EXPECT_TRUE(combo->FrameHotTrack());
    delete fc;
    EXPECT_EQ(combo->FrameController(), nullptr);
}

TEST_F(ComboBox, FrameHotTrackShowsTheFrameOnAllSides) {
    combo->SetFrameSides(sdTop);
    combo->SetFrameHotTrack(true);
    EXPECT_TRUE(combo->FrameVisible());
    EXPECT_EQ(combo->FrameSides(), sdAllSides);
}

TEST_F(ComboBox, ClearItemsEmptiesTheListOnly) {
    combo->Values()->Add("v0");
    combo->SetItemIndex(3);
    combo->SetStyle(csDropDownList);
    Focus(combo);
    TypeKeys(combo, "b");
    combo->ClearItems();
    EXPECT_EQ(combo->Count(), 0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(combo->Values()->Count(), 1);
    EXPECT_EQ(combo->SearchString(), "b");
    // Refilled, as the editor's grid does.
    combo->Add("LR -24");
    combo->SetItemIndex(0);
    EXPECT_EQ(combo->Text(), "LR -24");
    EXPECT_EQ(events.change, 1); // only the typed search
}

TEST_F(ComboBox, DeletingAnItemWithAnObjectAnnouncesIt) {
    TComponent marker(nullptr);
    std::vector<TObject*> deleted;
    combo->OnDeleteItem = [&](TObject*, TObject* item) { deleted.push_back(item); };
    combo->AddObject("with object", &marker);
    combo->Delete(0); // no object
    EXPECT_TRUE(deleted.empty());
    combo->Delete(combo->Count() - 1);
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(deleted[0], &marker);
    combo->InsertObject(2, "again", &marker);
    combo->ClearItems();
    EXPECT_EQ(deleted.size(), 2u);
    combo->Delete(5); // out of range: nothing
}

TEST_F(ComboBox, FindingItems) {
    EXPECT_EQ(combo->FindClosest("lk"), 16);
    EXPECT_EQ(combo->FindClosest("Lk -2"), 17);
    EXPECT_EQ(combo->FindClosest("q"), -1);
    EXPECT_EQ(combo->FindClosest("BW -60"), -1);
    EXPECT_FALSE(combo->FindItem("BL -1"));
    EXPECT_EQ(combo->ItemIndex(), 19);
    EXPECT_TRUE(combo->FindItem("BL -18"));
    EXPECT_EQ(combo->ItemIndex(), 10);
    EXPECT_TRUE(combo->FindClosestItem("bw -4"));
    EXPECT_EQ(combo->ItemIndex(), 6);
    EXPECT_EQ(combo->IndexOf("LK -24"), 17);
    EXPECT_EQ(events.change, 0);
}

TEST_F(ComboBox, TheDropDownWidthIsMeasuredInTheControlsFont) {
    combo->SetWidth(40);
    combo->SetDropDownCount(30); // no scroll bar
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(combo->Font());
    int widest = 0;
    for (const std::string& s : SlopeItems())
        widest = std::max(widest, scratch.Canvas().TextWidth(s));
    EXPECT_EQ(combo->MeasureDropDownWidth(), widest + 8);
    // A larger font: a wider list.
    combo->Font().SetHeight(-24);
    scratch.Canvas().Font().Assign(combo->Font());
    const int large = scratch.Canvas().TextWidth("BW -12");
    EXPECT_GE(combo->MeasureDropDownWidth(), large + 8);
    EXPECT_GT(combo->MeasureDropDownWidth(), widest + 8);
    // With more items than the list shows: room for the scroll bar.
    const int without = combo->MeasureDropDownWidth();
    combo->SetDropDownCount(8);
    EXPECT_EQ(combo->MeasureDropDownWidth(), without + TRzCustomComboBox::ButtonWidth);
    // Never narrower than the control; a set width wins.
    combo->SetWidth(400);
    EXPECT_EQ(combo->MeasureDropDownWidth(), 400);
    combo->SetDropDownWidth(77);
    EXPECT_EQ(combo->MeasureDropDownWidth(), 77);
}

TEST_F(ComboBox, OpeningAndClosingTheListWithoutAChoiceIsACancel) {
    int dropped = 0;
    combo->OnDropDown = [&](TObject*) { ++dropped; };
    Focus(combo);
    combo->SetDroppedDown(true);
    EXPECT_EQ(dropped, 1);
    EXPECT_EQ(combo->ActualDropDownWidth(), combo->MeasureDropDownWidth());
    combo->SetDroppedDown(false);
    ProcessEvents();
    EXPECT_EQ(events.selEndCancel, 1);
    EXPECT_EQ(events.selEndOk, 0);
    EXPECT_EQ(events.closeUp, 1);
    EXPECT_EQ(events.change, 0);
    // A read-only list does not open.
    combo->SetReadOnly(true);
    combo->SetDroppedDown(true);
    EXPECT_EQ(dropped, 1);
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBox, ValuesPairWithTheItems) {
    combo->ClearItemsValues();
    combo->AddItemValue("Butterworth", "BW");
    combo->AddItemValue("Bessel", "");
    combo->AddItemValue("Linkwitz", "LK");
    combo->InsertItemValue(0, "None", "0");
    EXPECT_EQ(combo->GetItemValue(0), "0");
    EXPECT_EQ(combo->GetItemValue(2), "Bessel"); // an empty value: the text
    EXPECT_EQ(combo->GetItemValue(7), "");
    combo->SetItemIndex(3);
    EXPECT_EQ(combo->Value(), "LK");
    combo->SetValue("BW");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(events.change, 0);
    // A value no item carries: no selection, but kept.
    combo->SetValue("XX");
    EXPECT_EQ(combo->ItemIndex(), -1);
    // The same value again does nothing.
    combo->SetItemIndex(2);
    combo->SetValue("XX");
    EXPECT_EQ(combo->ItemIndex(), 2);
    // The user's choice sets the value.
    Focus(combo);
    input.Wheel(combo, 20, 10, -120);
    EXPECT_EQ(combo->ItemIndex(), 3);
    combo->SetValue("LK"); // already the value: nothing
    combo->SetItemIndex(0);
    combo->SetValue("LK");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->DeleteItemValue(0);
    EXPECT_EQ(combo->Values()->Count(), 3);
    EXPECT_EQ(combo->GetItemValue(0), "BW");
}

TEST_F(ComboBox, ForcedValuesFollowChangesOfTheValueList) {
    combo->ClearItemsValues();
    combo->AddItemValue("One", "1");
    combo->AddItemValue("Two", "2");
    combo->SetForceSetValue(true);
    combo->SetValue("2");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->Values()->Put(0, "2"); // now the first item carries it
    EXPECT_EQ(combo->ItemIndex(), 0);
}

} // namespace
