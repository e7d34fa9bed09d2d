#pragma once
// The value converter: one plot value shown as an interval (days, weeks and
// the time of day), as a date and time, and as a price in 32nds and 256ths.
// The value is a framework date-time: whole days and the time of day as the
// fraction. An edit on one page writes the value, which refreshes every
// page (the price page refreshes only the value).

#include "controls/plot/editor/EditorForm.h"
#include "platform/text/DateTime.h"

#include <functional>

class TDateTimePicker;
class TLabel;
class TPanel;
class TTabSheet;
class TiComponentEditorButton;
class TiComponentEditorEdit;
class TiComponentEditorPageControl;
class TiUpDown;

// The page the converter opens on.
enum TiValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };

class TiValueConverterEditForm : public TiCustomEditorForm {
    KORVAN_CLASS(TiValueConverterEditForm)
public:
    explicit TiValueConverterEditForm(TComponent* owner);

    double Value() const;
    // Loads every page, silently. The interval and date-time pages show
    // only the fraction of a value beyond 1e14 days.
    void SetValue(double value);
    void ShowPage(TiValueConverterPageType page);
    // Where "Now" reads the date and time.
    std::function<TDateTime()> NowSource = [] { return Now(); };

    // The handlers of the pages. The time ones raise EConvertError for a
    // time field out of range and leave the value as it was.
    void FormCreate(TObject* sender);
    void TimeChange(TObject* sender);
    void WeeksChange(TObject* sender);
    void Price32Change(TObject* sender);
    void DateTimePickerChange(TObject* sender);
    void SetNowButtonClick(TObject* sender);
    void iComponentEditorButton1Click(TObject* sender);

    TPanel* Panel2;
    TiComponentEditorButton* OkButton;
    TiComponentEditorButton* CancelButton;
    TiComponentEditorPageControl* PageControl;
    TTabSheet* IntervalTabSheet;
    TTabSheet* Price32TabSheet;
    TiUpDown *HoursUpDown, *MinutesUpDown, *SecondsUpDown, *MilliSecondsUpDown, *DaysUpDown;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    TiComponentEditorEdit *HoursEdit, *MinutesEdit, *SecondsEdit, *MilliSecondsEdit, *DaysEdit;
    TiUpDown *iUpDown1, *iUpDown2, *iUpDown3;
    TLabel *Label6, *Label7, *Label8;
    TiComponentEditorEdit *Price32ndsEdit, *Price256thsEdit, *PriceIntegerEdit;
    TiComponentEditorEdit* ValueEdit;
    TiUpDown* iUpDown4;
    TLabel* Label9;
    TiComponentEditorEdit* WeeksEdit;
    TTabSheet* DateTimeTabSheet;
    TLabel *DatePickerLabel, *TimePickerLabel;
    TiComponentEditorButton* SetNowButton;
    TiComponentEditorButton* iComponentEditorButton1;

    TDateTimePicker* DatePicker() const { return FDatePicker; }
    TDateTimePicker* TimePicker() const { return FTimePicker; }

private:
    // The time of day the four time fields give.
    TDateTime EncodedTime() const;
    // The value field takes `value`; then every page loads from it.
    void ApplyValue(double value);

    TDateTimePicker* FDatePicker = nullptr;
    TDateTimePicker* FTimePicker = nullptr;
};
