// The value converter: one value loaded on the interval, date-time and
// price pages; edits on each page; out-of-range time fields; "Now" with an
// injected clock; and the "..." picker beside a field, confirmed and
// cancelled, with pictures of the three pages.

#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/EditorValueConverterForm.h"
#include "controls/plot/editor/EditorValueConverterPicker.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/DateTimePicker.h"
#include "platform/forms/FormText.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::Find;

class ValueConverter : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TiValueConverterEditForm>(nullptr);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    std::string Text(TiComponentEditorEdit* edit) const { return edit->AsString(); }
    std::unique_ptr<TiValueConverterEditForm> form;
};

TEST_F(ValueConverter, LoadingAValueFillsEveryPage) {
    struct Case {
        double value;
        std::string days, weeks, hours, minutes, priceInteger, price32nds, price256ths;
        double date, time;
    };
    const std::vector<Case> cases{
        {1.5, "1", "0", "12", "0", "1", "16", "0", 1, 0.5},
        {2.1015625, "2", "0", "2", "26", "2", "3", "2", 2, 0.1015625},
        {17.75, "17", "2", "18", "0", "17", "24", "0", 17, 0.75},
        // Beyond 1e14 days only the fraction is an interval or a date.
        {3e14 + 0.25, "0", "0", "6", "0", "300000000000000", "8", "0", 0, 0.25},
        {-3e14 - 0.25, "0", "0", "6", "0", "-300000000000000", "-8", "0", 0, -0.25},
        // Counts beyond the integer range are shown whole.
        {1e13 + 0.5, "10000000000000", "1428571428571", "12", "0", "10000000000000", "16", "0", 1e13, 0.5},
    };
    for (const Case& c : cases) {
        form->SetValue(c.value);
        EXPECT_EQ(Text(form->DaysEdit), c.days) << c.value;
        EXPECT_EQ(Text(form->WeeksEdit), c.weeks) << c.value;
        EXPECT_EQ(Text(form->HoursEdit), c.hours) << c.value;
        EXPECT_EQ(Text(form->MinutesEdit), c.minutes) << c.value;
        EXPECT_EQ(Text(form->PriceIntegerEdit), c.priceInteger) << c.value;
        EXPECT_EQ(Text(form->Price32ndsEdit), c.price32nds) << c.value;
        EXPECT_EQ(Text(form->Price256thsEdit), c.price256ths) << c.value;
        EXPECT_EQ(form->DatePicker()->DateTime(), c.date) << c.value;
        EXPECT_EQ(form->TimePicker()->DateTime(), c.time) << c.value;
        EXPECT_NEAR(form->Value(), c.value, 1) << c.value;
    }
}

TEST_F(ValueConverter, EachPageWritesTheValue) {
    form->SetValue(3.25);
    // Weeks replace the days and keep the time of day.
    form->WeeksEdit->SetStringWithEvent("10");
    EXPECT_EQ(form->Value(), 70.25);
    EXPECT_EQ(Text(form->DaysEdit), "70");
    form->HoursEdit->SetStringWithEvent("18");
    EXPECT_EQ(form->Value(), 70.75);
    EXPECT_EQ(form->TimePicker()->DateTime(), 0.75);

    form->DatePicker()->SetDateTime(45000);
    form->DateTimePickerChange(form->DatePicker());
    EXPECT_EQ(form->Value(), 45000.75);
    EXPECT_EQ(Text(form->WeeksEdit), "6428");

    // The price refreshes the value only.
    form->PriceIntegerEdit->SetStringWithEvent("2");
    form->Price32ndsEdit->SetStringWithEvent("3");
    form->Price256thsEdit->SetStringWithEvent("2");
    EXPECT_EQ(form->Value(), 2.1015625);
    EXPECT_EQ(Text(form->DaysEdit), "45000");
}

TEST_F(ValueConverter, ATypedTimeFieldOutOfRangeRaisesAndKeepsTheValue) {
    const std::vector<std::pair<TiComponentEditorEdit*, std::string>> cases{{form->HoursEdit, "24"},
                                                                            {form->MinutesEdit, "60"},
                                                                            {form->SecondsEdit, "60"},
                                                                            {form->MilliSecondsEdit, "1000"},
                                                                            {form->HoursEdit, "-1"}};
    for (const auto& [edit, text] : cases) {
        form->SetValue(1.5);
        EXPECT_THROW(edit->SetStringWithEvent(text), EConvertError) << edit->Name() << " " << text;
        EXPECT_EQ(form->Value(), 1.5);
        EXPECT_EQ(Text(form->DaysEdit), "1");
        EXPECT_EQ(form->TimePicker()->DateTime(), 0.5);
    }
}

TEST_F(ValueConverter, NowReadsTheInjectedClockAndSetAllToZeroClears) {
    const TDateTime now = EncodeDate(2026, 12, 11) + EncodeTime(8, 30, 15, 250);
    form->NowSource = [now] { return now; };
    form->SetNowButtonClick(form->SetNowButton);
    EXPECT_NEAR(form->Value(), now, 1e-9);
    EXPECT_EQ(form->DatePicker()->DateTime(), EncodeDate(2026, 12, 11));
    EXPECT_EQ(Text(form->HoursEdit) + ":" + Text(form->MinutesEdit) + ":" + Text(form->SecondsEdit) + "." +
                  Text(form->MilliSecondsEdit),
              "8:30:15.250");

    form->iComponentEditorButton1Click(form->iComponentEditorButton1);
    EXPECT_EQ(form->Value(), 0);
    for (auto* edit :
         {form->DaysEdit, form->WeeksEdit, form->HoursEdit, form->MilliSecondsEdit, form->PriceIntegerEdit})
        EXPECT_EQ(Text(edit), "0") << edit->Name();
    EXPECT_EQ(form->DatePicker()->DateTime(), 0);
}

TEST_F(ValueConverter, PicturesOfTheThreePages) {
    form->SetValue(EncodeDate(2026, 12, 11) + EncodeTime(8, 30, 15, 250));
    ShowForm(form.get());
    EXPECT_EQ(form->ClientWidth(), 269);
    EXPECT_EQ(form->ClientHeight(), 264);
    EXPECT_EQ(form->Caption(), "Value Converter");
    EXPECT_EQ(form->PageControl->ActivePage(), form->DateTimeTabSheet);
    const std::vector<std::pair<TiValueConverterPageType, std::string>> pages{
        {ivcptInterval, "interval"}, {ivcptDateTime, "date_time"}, {ivcptPrice32nd, "price"}};
    for (const auto& [page, name] : pages) {
        form->ShowPage(page);
        ProcessEvents();
        korvan::testing::SavePng(korvan::testing::Grab(form.get()), "value_converter_" + name);
    }
    // Tab goes down the left column of the interval page, then the right.
    form->ShowPage(ivcptInterval);
    form->WeeksEdit->SetFocus();
    input.Key(form->WeeksEdit, VK_TAB, 0, "\t");
    EXPECT_EQ(form->ActiveControl(), form->HoursEdit)
        << (form->ActiveControl() ? form->ActiveControl()->Name() : "none");
}

// The picker beside a field on an editor page, as the editor's pages place it.
class ValueConverterPicker : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        owner = std::make_unique<TiCustomEditorForm>(nullptr);
        owner->SetBounds(0, 0, 300, 200);
        auto* pages = new TiComponentEditorPageControl(owner.get());
        pages->SetParent(owner.get());
        pages->SetBounds(8, 8, 280, 150);
        auto* sheet = new TTabSheet(owner.get());
        sheet->SetPageControl(pages);
        sheet->SetCaption("General");
        edit = new TiComponentEditorEdit(owner.get());
        edit->SetParent(sheet);
        edit->SetBounds(10, 10, 80, 21);
        edit->OnUpdate = [this](TObject*) { events.push_back("update"); };
        picker = new TiComponentEditorValueConverterPicker(owner.get());
        picker->SetParent(sheet);
        picker->SetAssociate(edit);
        picker->SetDefaultPage(ivcptPrice32nd);
        picker->OnChange = [this](TObject*) { events.push_back("change"); };
        picker->TranslationMethod = [this](TCustomForm* f) {
            events.push_back("translate");
            f->SetCaption("Umrechner");
        };
    }
    void TearDown() override {
        owner.reset();
        GuiTest::TearDown();
    }
    // Clicks the picker; `script` runs inside the converter's modal loop.
    void Pick(std::function<void(TiValueConverterEditForm&)> script) {
        korvan::forms::Gui().Post([this, script = std::move(script)] {
            auto* form = dynamic_cast<TiValueConverterEditForm*>(
                Find<TiComponentEditorEdit>(picker, "ValueEdit")->Owner());
            ASSERT_NE(form, nullptr);
            script(*form);
        });
        input.Click(picker);
    }
    std::unique_ptr<TiCustomEditorForm> owner;
    TiComponentEditorEdit* edit = nullptr;
    TiComponentEditorValueConverterPicker* picker = nullptr;
    std::vector<std::string> events;
};

TEST_F(ValueConverterPicker, ConfirmedValueReachesTheFieldCancelledChangesNothing) {
    ShowForm(owner.get());
    EXPECT_EQ(picker->Left(), edit->Left() + edit->Width());
    EXPECT_EQ(picker->Caption(), "...");
    edit->SetAsString("1.5");
    for (const bool confirm : {false, true}) {
        events.clear();
        Pick([&](TiValueConverterEditForm& form) {
            EXPECT_EQ(form.PageControl->ActivePage(), form.Price32TabSheet);
            EXPECT_EQ(form.Caption(), "Umrechner");
            EXPECT_EQ(form.PriceIntegerEdit->AsString(), "1");
            EXPECT_EQ(form.Price32ndsEdit->AsString(), "16");
            form.PriceIntegerEdit->SetStringWithEvent("4");
            (confirm ? form.OkButton : form.CancelButton)->Click();
        });
        if (confirm) {
            EXPECT_EQ(edit->AsFloat(), 4.5);
            EXPECT_EQ(picker->DateTime(), 4.5);
            EXPECT_EQ(events, (std::vector<std::string>{"translate", "update", "change"}));
        } else {
            EXPECT_EQ(edit->AsString(), "1.5");
            EXPECT_EQ(picker->DateTime(), 0);
            EXPECT_EQ(events, std::vector<std::string>{"translate"});
        }
    }
    // The converter is freed in every case.
    EXPECT_EQ(picker->ComponentCount(), 0);
}

TEST_F(ValueConverterPicker, WithoutItsFieldThePickerConvertsItsOwnValue) {
    ShowForm(owner.get());
    delete edit;
    EXPECT_EQ(picker->Associate(), nullptr);
    picker->SetDateTime(2.25);
    Pick([](TiValueConverterEditForm& form) {
        EXPECT_EQ(form.Value(), 2.25);
        form.WeeksEdit->SetStringWithEvent("1");
        form.OkButton->Click();
    });
    EXPECT_EQ(picker->DateTime(), 7.25);
    EXPECT_EQ(events, (std::vector<std::string>{"translate", "change"}));
}

} // namespace

namespace {

TEST(ValueConverterPickerStream, StoredSettingsReadBack) {
    TiComponentEditorValueConverterPicker stored(nullptr);
    stored.SetName("Picker");
    stored.SetDefaultPage(ivcptPrice32nd);
    stored.SetDateTime(2.5);
    const std::string text = korvan::forms::WriteComponentText(&stored);
    EXPECT_NE(text.find("DefaultPage = ivcptPrice32nd"), std::string::npos) << text;
    TiComponentEditorValueConverterPicker read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    EXPECT_EQ(read.DefaultPage(), ivcptPrice32nd);
    EXPECT_EQ(read.DateTime(), 2.5);
    EXPECT_EQ(read.Caption(), "...");
}

} // namespace
