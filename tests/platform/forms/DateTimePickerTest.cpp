// The date and time picker: a program-set value raises nothing, the user's
// change of the date keeps the time of day and the other way round, and a
// value beyond the calendar is kept.

#include "platform/forms/DateTimePicker.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DateTimePickers : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 120);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TDateTimePicker* Add(TDateTimeKind kind, int top) {
        auto* picker = new TDateTimePicker(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(10, top, 150, 21);
        picker->SetKind(kind);
        picker->OnChange = [this](TObject*) { ++changes; };
        return picker;
    }
    std::unique_ptr<TForm> form;
    int changes = 0;
};

TEST_F(DateTimePickers, TheUserChangesOnlyThePartOfTheValueThePickerShows) {
    const TDateTime start = EncodeDate(2026, 1, 15) + EncodeTime(12, 30, 0, 0);
    auto* date = Add(dtkDate, 10);
    auto* time = Add(dtkTime, 40);
    ShowForm(form.get());
    date->SetDateTime(start);
    time->SetDateTime(start);
    EXPECT_EQ(changes, 0);

    // The first field of each is stepped: the month of the date, the hour
    // of the time.
    date->SetFocus();
    input.Key(date, VK_UP);
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(date->DateTime(), EncodeDate(2026, 2, 15) + EncodeTime(12, 30, 0, 0));
    time->SetFocus();
    input.Key(time, VK_UP);
    EXPECT_EQ(changes, 2);
    EXPECT_DOUBLE_EQ(time->DateTime(), EncodeDate(2026, 1, 15) + EncodeTime(13, 30, 0, 0));
}

TEST_F(DateTimePickers, AValueBeyondTheCalendarIsKeptAndItsTimeStillChanges) {
    auto* time = Add(dtkTime, 10);
    ShowForm(form.get());
    for (const double value : {1e13 + 0.25, -1e9 - 0.25}) {
        time->SetDateTime(value);
        EXPECT_EQ(time->DateTime(), value);
        time->SetFocus();
        input.Key(time, VK_UP);
        EXPECT_DOUBLE_EQ(time->DateTime(), value + (value > 0 ? 1.0 : -1.0) / 24) << value;
    }
    EXPECT_EQ(changes, 2);
}

} // namespace
