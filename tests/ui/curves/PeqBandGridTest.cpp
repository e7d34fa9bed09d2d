// The PEQ band grids on a form: construction, the main window's layout,
// whole-band writes, the highlight, typed entry through real keys, BYPASS
// clicks, language texts, and the two variants.

#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "tests/support/gui/GuiHarness.h"
#include "ui/curves/CurveDisplayClass.h"
#include "ui/curves/MyPEQ.h"
#include "ui/curves/MyPEQGain.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/curves/PeqGridText.h"

#include "device/protocol/SharedConstants.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/VirtualKeys.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::SavePng;

namespace {

std::vector<std::string> ItemsOf(TComboBox* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->Items()->Count(); ++i)
        items.push_back(list->Items()->Get(i));
    return items;
}

class PeqBandGrid : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 600, 340);
        grid = new TMyPEQType8(form.get());
        grid->SetParent(form.get());
        grid->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, grid);
            ++changes;
        };
    }
    // The main window's settings: a channel of `bands` bands.
    void AsChannel(int bands) {
        grid->SetBounds(-11, -14, 536, 270);
        grid->SetChannelNumber(bands);
        grid->SetLabelColor(clBackground);
        grid->SetEditBackColor(clWhite);
        grid->SetBypassBackColor(clSilver);
        grid->RePaint();
    }

    std::unique_ptr<TForm> form;
    TMyPEQType8* grid = nullptr;
    int changes = 0;
};

TEST_F(PeqBandGrid, StartsWithItsConstructionValues) {
    EXPECT_EQ(grid->ChannelNumber(), 50);
    EXPECT_EQ(grid->TopBottomSpace(), 15);
    EXPECT_FALSE(grid->TitleVisable());
    EXPECT_FALSE(grid->UpdownVisable());
    EXPECT_EQ(grid->LabelColor(), TColor(0));
    EXPECT_EQ(grid->EditBackColor(), TColor(0));
    EXPECT_EQ(grid->BypassBackColor(), TColor(0));
    EXPECT_EQ(grid->Width(), 490);
    EXPECT_EQ(grid->Height(), 420);
    EXPECT_EQ(grid->GetNowIndex(), 0);
    EXPECT_EQ(grid->FrequencyEdit(7)->Text(), "7");
    EXPECT_EQ(grid->QEdit(7)->Text(), "1.26");
    EXPECT_EQ(grid->GainEdit(7)->Text(), "0dB");
    EXPECT_EQ(grid->RowLabel(0)->Font().Color(), TColor(0x0000FF));
    // Row colours repeat every 14 rows, also past the table's end.
    EXPECT_EQ(grid->RowLabel(47)->Font().Color(), grid->RowLabel(47 % 14)->Font().Color());
    EXPECT_EQ(ItemsOf(grid->TypeList(0)).size(), 9u);
    EXPECT_EQ(grid->GetTypeValue(0), 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(PeqBandGrid, LaysOutTheMainWindowsChannels) {
    struct Case {
        int bands;
        int rowStep;
    };
    for (const Case c : {Case{8, 29}, Case{9, 26}}) {
        AsChannel(c.bands);
        for (int b = 0; b < c.bands; ++b)
            EXPECT_EQ(grid->RowLabel(b)->Top(), 23 + c.rowStep * b) << c.bands << " bands, row " << b;
        EXPECT_EQ(grid->FrequencyEdit(0)->Left(), 40);
        EXPECT_EQ(grid->FrequencyEdit(0)->Width(), 93);
        EXPECT_EQ(grid->QEdit(0)->Left(), 141);
        EXPECT_EQ(grid->GainEdit(0)->Left(), 242);
        EXPECT_EQ(grid->TypeList(0)->Left(), 343);
        EXPECT_EQ(grid->TypeList(0)->Width(), 101);
        EXPECT_EQ(grid->BypassButton(0)->Left(), 450);
        EXPECT_EQ(grid->BypassButton(0)->Width(), 79);
        EXPECT_EQ(grid->FrequencyEdit(0)->Top(), grid->RowLabel(0)->Top() - 1);
        EXPECT_FALSE(grid->FrequencyEdit(c.bands)->Visible());
        EXPECT_EQ(grid->BypassButton(49)->Top(), 10000);
        EXPECT_TRUE(grid->BypassButton(c.bands - 1)->Visible());
        // The next layout needs a new size.
        grid->SetBounds(0, 0, 490, 420);
        grid->RePaint();
    }
}

// A channel's grid builds the rows of its bands only; a row looked at later
// past the bands is built hidden, and a band count raised later builds the
// new rows with the properties the others were given.
TEST_F(PeqBandGrid, BuildsOnlyTheRowsItUses) {
    EXPECT_EQ(grid->BuiltRows(), 0);
    EXPECT_EQ(grid->GetTypeValue(30), 1);
    EXPECT_EQ(grid->BuiltRows(), 0);
    AsChannel(8);
    EXPECT_EQ(grid->BuiltRows(), 8);
    EXPECT_EQ(grid->TypeList(7)->Color(), clWhite);
    EXPECT_EQ(grid->BypassButton(7)->Caption(), "Bypass");

    EXPECT_FALSE(grid->FrequencyEdit(10)->Visible());
    EXPECT_EQ(grid->BypassButton(10)->Top(), 10000);
    EXPECT_EQ(grid->BuiltRows(), 11);

    grid->SetChannelNumber(12);
    grid->SetEqParamValue(11, 1000, 20, -3.3, 2, true);
    EXPECT_EQ(grid->GetTypeValue(11), 2);
    EXPECT_EQ(grid->GainEdit(11)->Text(), "-3.3dB");
    EXPECT_EQ(grid->BypassButton(11)->Color(), TPeqBandGrid::kBypassedColor);
    EXPECT_EQ(grid->QEdit(11)->Color(), clWhite);
    grid->SetBounds(0, 0, 490, 420);
    grid->RePaint();
    EXPECT_TRUE(grid->BypassButton(11)->Visible());
    EXPECT_EQ(grid->BypassButton(10)->Caption(), "Bypass");
}

TEST_F(PeqBandGrid, UpDownsAndTitlesShapeTheLayout) {
    grid->SetTitleVisable(true);
    grid->SetUpdownVisable(true);
    AsChannel(8);
    EXPECT_TRUE(grid->TitleLabel(3)->Visible());
    EXPECT_EQ(grid->RowLabel(0)->Top(), 15 + 13 + 8);
    TEdit* edit = grid->FrequencyEdit(0);
    TUpDown* upDown = grid->FrequencyUpDown(0);
    EXPECT_EQ(edit->Width(), 93 - 20);
    EXPECT_TRUE(upDown->Visible());
    EXPECT_EQ(upDown->Left(), edit->Left() + edit->Width());
    EXPECT_EQ(upDown->Top(), edit->Top() + 1);
    EXPECT_EQ(upDown->Height(), edit->Height() - 2);
    EXPECT_EQ(grid->TitleLabel(1)->Caption(), "Frequency");
}

TEST_F(PeqBandGrid, WholeBandWritesStoreTheStepsAndFireOnce) {
    AsChannel(9);
    changes = 0;
    grid->SetEqParamValue(2, IndexToFreq(188), 28, -3.3, 4, true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid->FrequencyStep(2), 18);
    EXPECT_EQ(grid->FrequencyEdit(2)->Text(), "1.52KHz");
    EXPECT_EQ(grid->GainStep(2), -33);
    EXPECT_EQ(grid->GainEdit(2)->Text(), "-3.3dB");
    EXPECT_EQ(grid->QEdit(2)->Text(), "2.00");
    EXPECT_DOUBLE_EQ(grid->GetQValue(2), 2.0);
    EXPECT_EQ(grid->GetTypeValue(2), 4);
    EXPECT_TRUE(grid->GetBypassValue(2));
    // The change event paints each bypassed band's button light red.
    EXPECT_EQ(grid->BypassButton(2)->Color(), TPeqBandGrid::kBypassedColor);
    EXPECT_EQ(grid->BypassButton(1)->Color(), clSilver);

    grid->SetGainValue(2, double(-3.3f));
    EXPECT_EQ(grid->GainStep(2), -33);
    EXPECT_EQ(grid->GainEdit(2)->Text(), "-3.3dB");
    grid->SetFreqValue(2, 1250);
    EXPECT_EQ(grid->FrequencyStep(2), 10);
    EXPECT_EQ(changes, 3);
}

// Every value the unit holds, written through the whole-band setter: the
// grid stores its step, gives back exactly the unit's value, and the text it
// shows, typed back in, lands on the same step.
TEST_F(PeqBandGrid, EveryUnitValueGoesInAndComesBackExactly) {
    AsChannel(9);
    struct Scale {
        const char* name;
        int count;
        // Writes value i into band 0; the stored step, the value read back
        // and the unit's own value, and the step of the shown text typed.
        std::function<int(int)> write;
        std::function<int()> step;
        std::function<double()> read;
        std::function<double(int)> unit;
        std::function<std::optional<int>()> typedBack;
    };
    const Scale scales[] = {
        {"frequency index", 301,
         [&](int i) {
             grid->SetEqParamValue(0, IndexToFreq(i), 20, 0, 0, false);
             return i - 170;
         },
         [&] { return grid->FrequencyStep(0); }, [&] { return grid->GetFreqValue(0); },
         [](int i) { return IndexToFreq(i); },
         [&] { return korvan::curves::ParseTypedFreq(grid->FrequencyEdit(0)->Text()); }},
        {"Q index", 101,
         [&](int i) {
             grid->SetEqParamValue(0, 1000, i, 0, 0, false);
             return i;
         },
         [&] { return grid->QIndex(0); }, [&] { return grid->GetQValue(0); },
         [](int i) { return double(QTable[size_t(i)]); },
         [&] { return korvan::curves::ParseTypedQ(grid->QEdit(0)->Text()); }},
        {"gain step", 241,
         [&](int g) {
             grid->SetEqParamValue(0, 1000, 20, (g - 120) * 0.1, 0, false);
             return g - 120;
         },
         [&] { return grid->GainStep(0); }, [&] { return grid->GetGainValue(0); },
         [](int g) { return (g - 120) * 0.1; },
         [&] { return korvan::curves::ParseTypedGain(grid->GainEdit(0)->Text()); }},
    };
    for (const Scale& s : scales) {
        int wrong = 0;
        for (int i = 0; i < s.count && wrong < 3; ++i) {
            const int expected = s.write(i);
            const bool ok = s.step() == expected && s.read() == s.unit(i) && s.typedBack() == expected;
            EXPECT_TRUE(ok) << s.name << " " << i << ": step " << s.step() << ", read " << s.read()
                            << ", typed back " << s.typedBack().value_or(-999);
            wrong += ok ? 0 : 1;
        }
    }
}

TEST_F(PeqBandGrid, TheHighlightFollowsTheSelection) {
    AsChannel(8);
    const TColor normal = grid->FrequencyEdit(0)->Font().Color();
    grid->SetNowIndex(3);
    EXPECT_EQ(grid->QEdit(3)->Font().Color(), TPeqBandGrid::kHighlightColor);
    grid->SetNowIndex(5);
    EXPECT_EQ(grid->QEdit(3)->Font().Color(), normal);
    EXPECT_EQ(grid->GainEdit(5)->Font().Color(), TPeqBandGrid::kHighlightColor);
    // The main window clears the selection with 15 and then -1.
    grid->SetNowIndex(15);
    grid->SetNowIndex(-1);
    for (int b = 0; b < 8; ++b)
        EXPECT_EQ(grid->FrequencyEdit(b)->Font().Color(), normal) << b;
    EXPECT_EQ(grid->GetNowIndex(), 15);
}

TEST_F(PeqBandGrid, TypedValuesThroughTheKeys) {
    AsChannel(8);
    ShowForm(form.get());
    struct Case {
        TEdit* (TPeqBandGrid::*edit)(int) const;
        const char* typed;
        const char* shown;
    };
    for (const Case c : {Case{&TPeqBandGrid::FrequencyEdit, "1.5K", "1.52KHz"},
                         {&TPeqBandGrid::FrequencyEdit, "abc", "1.52KHz"},
                         {&TPeqBandGrid::FrequencyEdit, "0", "1.52KHz"},
                         {&TPeqBandGrid::QEdit, "0.0", "0.40"},
                         {&TPeqBandGrid::GainEdit, "15", "12dB"},
                         {&TPeqBandGrid::GainEdit, "-3.37dB", "-3.3dB"},
                         {&TPeqBandGrid::GainEdit, "3.", "-3.3dB"}}) {
        TEdit* edit = (grid->*c.edit)(4);
        edit->SetFocus();
        edit->SelectAll();
        input.Type(edit, c.typed);
        changes = 0;
        input.Key(edit, VK_RETURN);
        EXPECT_EQ(edit->Text(), c.shown) << c.typed;
        EXPECT_EQ(changes, 1) << c.typed;
        EXPECT_EQ(edit->SelStart(), int(edit->Text().size())) << c.typed;
        EXPECT_EQ(grid->GetNowIndex(), 4);
    }
    EXPECT_EQ(grid->FrequencyStep(4), 18);
    EXPECT_EQ(grid->GainStep(4), -33);
    EXPECT_EQ(grid->QIndex(4), 0);

    // Leaving an edit applies the shown value again and still fires.
    grid->GainEdit(5)->SetFocus();
    changes = 0;
    grid->QEdit(5)->SetFocus();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid->GetNowIndex(), 5);
}

TEST_F(PeqBandGrid, ATextTheConversionRejectsGoesToTheErrorBox) {
    AsChannel(8);
    ShowForm(form.get());
    // Enter in the edit, or Tab that takes the focus to the next control.
    const std::function<void(TEdit*)> leaves[] = {
        [this](TEdit* edit) { input.Key(edit, VK_RETURN); },
        [this](TEdit* edit) { input.Key(edit, VK_TAB); },
    };
    for (const auto& leave : leaves) {
        TEdit* edit = grid->FrequencyEdit(1);
        edit->SetFocus();
        edit->SelectAll();
        input.Type(edit, "1,5");
        changes = 0;
        dialogs->boxes.clear();
        leave(edit);
        ASSERT_EQ(dialogs->boxes.size(), 1u);
        EXPECT_NE(dialogs->boxes[0].text.find("1,5"), std::string::npos);
        EXPECT_EQ(edit->Text(), "1,5");
        EXPECT_EQ(grid->FrequencyStep(1), 0);
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(PeqBandGrid, BypassClicksToggleAndRecolour) {
    AsChannel(8);
    ShowForm(form.get());
    grid->OnChange = nullptr;
    grid->SetBypassValue(6, true); // stored, no recolouring without a handler
    input.Click(grid->BypassButton(2));
    EXPECT_TRUE(grid->GetBypassValue(2));
    EXPECT_EQ(grid->BypassButton(2)->Color(), TPeqBandGrid::kBypassedColor);
    EXPECT_EQ(grid->BypassButton(6)->Color(), clSilver);
    EXPECT_EQ(grid->GetNowIndex(), 2);

    changes = 0;
    grid->OnChange = [this](TObject*) { ++changes; };
    input.Click(grid->BypassButton(2));
    EXPECT_FALSE(grid->GetBypassValue(2));
    EXPECT_EQ(grid->BypassButton(2)->Color(), clSilver);
    EXPECT_EQ(grid->BypassButton(6)->Color(), TPeqBandGrid::kBypassedColor);
    EXPECT_EQ(changes, 1);
}

TEST_F(PeqBandGrid, AWheelHandlerThatHandlesKeepsTheType) {
    AsChannel(8);
    ShowForm(form.get());
    TObject* wheelSender = nullptr;
    grid->OnPeqTypeMouseWheel = [&](TObject* sender, TShiftState, int, int, int, bool& handled) {
        wheelSender = sender;
        handled = true;
    };
    changes = 0;
    input.Wheel(grid->TypeList(3), 5, 5, -120);
    EXPECT_EQ(wheelSender, grid->TypeList(3));
    EXPECT_EQ(grid->GetTypeValue(3), 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(PeqBandGrid, LanguageTextsReplaceTheBuiltInOnesAndKeepTheChoice) {
    // Texts given before the grid is first shown are kept.
    const char* english[9] = {"Peak",    "Low Shelf", "High Shelf", "LP -6dB", "LP -12dB",
                              "HP -6dB", "HP -12dB",  "Allpass1",   "Allpass2"};
    grid->SetEqParamValue(0, 1000, 20, 0, 6, false);
    for (int i = 0; i < 9; ++i)
        grid->SetEqTypeString(english[i], i);
    grid->SetBypassString("Bypass");
    AsChannel(8);
    grid->ChangeLanguage();
    EXPECT_EQ(ItemsOf(grid->TypeList(0)), std::vector<std::string>(english, english + 9));
    EXPECT_EQ(grid->GetTypeValue(0), 6);
    EXPECT_EQ(grid->TypeList(0)->Text(), "HP -12dB");
    EXPECT_EQ(grid->BypassButton(7)->Caption(), "Bypass");
}

TEST_F(PeqBandGrid, ChannelNumberChangesOnlyOnANewValue) {
    grid->SetChannelNumber(50);
    EXPECT_EQ(changes, 0);
    grid->SetChannelNumber(60);
    EXPECT_EQ(grid->ChannelNumber(), 50);
    EXPECT_EQ(changes, 0);
    grid->SetChannelNumber(0);
    EXPECT_EQ(grid->ChannelNumber(), 1);
    EXPECT_EQ(changes, 1);
    grid->SetTopBottomSpace(0x1234);
    EXPECT_EQ(grid->TopBottomSpace(), 0x34);
}

TEST_F(PeqBandGrid, PictureInBothLanguages) {
    AsChannel(9);
    for (int b = 0; b < 9; ++b)
        grid->SetEqParamValue(b, IndexToFreq(60 + 25 * b), 10 + 8 * b, -6 + 1.5 * b, b, b == 3);
    grid->SetNowIndex(2);
    ShowForm(form.get());
    SavePng(Grab(grid), "peq_grid_first_shown");
    const char* chinese[9] = {"\xE5\xB3\xB0\xE5\x80\xBC",
                              "\xE4\xBD\x8E\xE6\x90\x81",
                              "\xE9\xAB\x98\xE6\x90\x81",
                              "LP -6dB",
                              "LP -12dB",
                              "HP -6dB",
                              "HP -12dB",
                              "Allpass1",
                              "Allpass2"};
    for (int i = 0; i < 9; ++i)
        grid->SetEqTypeString(chinese[i], i);
    grid->SetBypassString("\xE6\x97\x81\xE8\xB7\xAF");
    grid->ChangeLanguage();
    ProcessEvents();
    SavePng(Grab(grid), "peq_grid_chinese");
    EXPECT_EQ(grid->GetTypeValue(1), 1);
}

TEST_F(PeqBandGrid, TheFormReaderMakesTheGridsByName) {
    korvan::curves::RegisterCurveClasses();
    for (const char* name : {"TMyPEQType8", "TMyPEQGain", "TMyPEQ"})
        EXPECT_NE(FindClass(name), nullptr) << name;
}

// ------------------------------------------------------------ variants

TEST_F(PeqBandGrid, TheGainVariantHasFiveFixedTypes) {
    TMyPEQGain gain(form.get());
    gain.SetParent(form.get());
    const std::vector<std::string> five = {" Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ",
                                           " High Cut   "};
    EXPECT_EQ(ItemsOf(gain.TypeList(0)), five);
    gain.SetTypeValue(0, 4);
    gain.ChangeLanguage();
    EXPECT_EQ(ItemsOf(gain.TypeList(0)), five);
    EXPECT_EQ(gain.GetTypeValue(0), 4);
    gain.SetEqParamValue(0, 1000, 20, 3.37, 2, false);
    EXPECT_EQ(gain.GainStep(0), 34);
}

TEST_F(PeqBandGrid, TheOlderGridUsesHalfDecibelsAndTickBoxes) {
    TMyPEQ old(form.get());
    old.SetParent(form.get());
    int fired = 0;
    old.OnChange = [&](TObject*) { ++fired; };
    EXPECT_EQ(old.FrequencyEdit(0)->Text(), "1.00KHz");
    EXPECT_EQ(old.QEdit(0)->Text(), "1.26");
    old.SetGainValue(0, -3.5f);
    EXPECT_EQ(old.HalfGainStep(0), -7);
    EXPECT_EQ(old.GainEdit(0)->Text(), "-3.5dB");
    EXPECT_EQ(fired, 1);
    old.SetQValue(0, 28);
    EXPECT_EQ(old.QEdit(0)->Text(), "2.00");
    EXPECT_EQ(fired, 1);
    old.SetBypassValue(0, true);
    EXPECT_EQ(fired, 3);
    old.SetBypassValue(0, true);
    EXPECT_EQ(fired, 4);
    old.SetFreqValue(0, float(IndexToFreq(188)));
    EXPECT_EQ(old.FrequencyStep(0), 18);
    old.SetChannelNumber(20);
    EXPECT_EQ(old.ChannelNumber(), 15);

    old.SetChannelNumber(4);
    old.SetTypeValue(2, 2);
    old.SetBounds(0, 0, 500, 260);
    ShowForm(form.get());
    old.Repaint();
    EXPECT_EQ(old.GetTypeValue(2), 2);
    EXPECT_FALSE(old.FrequencyEdit(4)->Visible());
    EXPECT_EQ(old.RowLabel(0)->Height(), 18);

    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case c : {Case{"3.7", "3.5dB"}, {"-3.2dB", "-3dB"}, {"x", "-3dB"}}) {
        TEdit* edit = old.GainEdit(1);
        edit->SetFocus();
        edit->SelectAll();
        input.Type(edit, c.typed);
        input.Key(edit, VK_RETURN);
        EXPECT_EQ(edit->Text(), c.shown) << c.typed;
    }
}

} // namespace
