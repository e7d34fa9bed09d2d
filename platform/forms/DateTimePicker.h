#pragma once
// A field that picks a date (with a drop-down calendar) or a time of day.
// Its value is a framework date-time (days since 1899-12-30, the time of
// day as the fraction): the date kind changes only the date of it, the time
// kind only the time. A program-set value raises no event; a change the
// user makes fires OnChange. A value whose date lies outside the calendar
// (years 100..9999) is kept as it is and shown at the nearest end.

#include "platform/forms/StdCtrls.h"
#include "platform/text/DateTime.h"

enum TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public korvan::forms::TFieldControl {
    KORVAN_CLASS(TDateTimePicker)
public:
    explicit TDateTimePicker(TComponent* owner);
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind kind);
    TDateTime DateTime() const { return value_; }
    // Silent.
    void SetDateTime(TDateTime value);
    TNotifyEvent OnChange;
    unsigned GetDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

protected:
    QWidget* CreateWidget() override;
    virtual void Change();

private:
    void ShowValue();
    void UserEdited(TDateTime shownDate, TDateTime shownTime);
    TDateTimeKind kind_ = dtkDate;
    TDateTime value_ = 0;
    bool syncing_ = false;
};
