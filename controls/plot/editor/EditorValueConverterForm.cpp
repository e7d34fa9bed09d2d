#include "controls/plot/editor/EditorValueConverterForm.h"

#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "platform/forms/DateTimePicker.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/text/FloatText.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace {

// Beyond this many days a value is no interval or date: only its fraction
// is shown as one.
constexpr double kLargestInterval = 1e14;

// The whole number in a day, week or price-integer field, which may exceed
// the integer range; 0 when the text is no number.
double WholeNumberOf(const TiComponentEditorEdit* edit) {
    return std::trunc(edit->AsFloat());
}

// A whole number as integer text (in the float format when it is too large
// for 64 bits).
std::string WholeNumberText(double whole) {
    if (std::fabs(whole) < 9e18)
        return std::to_string(static_cast<std::int64_t>(whole));
    return FloatToStr(whole);
}

template <class C> C* Make(TComponent* owner, TWinControl* parent, const char* name, int left, int top) {
    auto* control = new C(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetLeft(left);
    control->SetTop(top);
    return control;
}

} // namespace

const TClassInfo& TiValueConverterEditForm::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TiValueConverterEditForm>(
                                       "TiValueConverterEditForm", &TiCustomEditorForm::StaticClassInfo())
                                       .Creator()
                                       .Build();
    return info;
}

TiValueConverterEditForm::TiValueConverterEditForm(TComponent* owner) : TiCustomEditorForm(owner) {
    SetCaption("Value Converter");
    SetClientWidth(269);
    SetClientHeight(264);

    auto label = [this](TWinControl* page, const char* name, const char* caption, int left, int top) {
        auto* l = Make<TLabel>(this, page, name, left, top);
        l->SetCaption(caption);
        return l;
    };
    auto field = [this](TWinControl* page, const char* name, int left, int top, int width,
                        void (TiValueConverterEditForm::*handler)(TObject*)) {
        auto* edit = Make<TiComponentEditorEdit>(this, page, name, left, top);
        edit->SetWidth(width);
        if (handler)
            edit->OnUpdate = [this, handler](TObject* sender) { (this->*handler)(sender); };
        return edit;
    };
    auto upDown = [this](const char* name, TiComponentEditorEdit* edit, int max, int increment) {
        auto* buttons = Make<TiUpDown>(this, edit->Parent(), name, 0, 0);
        buttons->SetAssociate(edit);
        buttons->SetMax(max);
        buttons->SetIncrement(increment);
        return buttons;
    };
    auto button = [this](TWinControl* parent, const char* name, const char* caption, TRect bounds) {
        auto* b = Make<TiComponentEditorButton>(this, parent, name, bounds.Left, bounds.Top);
        b->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        b->SetCaption(caption);
        return b;
    };

    Panel2 = Make<TPanel>(this, this, "Panel2", 0, 0);
    Panel2->SetAlign(alBottom);
    Panel2->SetHeight(39);
    OkButton = button(Panel2, "OkButton", "OK", Rect(104, 7, 179, 32));
    OkButton->SetModalResult(mrOk);
    CancelButton = button(Panel2, "CancelButton", "Cancel", Rect(186, 7, 261, 32));
    CancelButton->SetModalResult(mrCancel);

    PageControl = Make<TiComponentEditorPageControl>(this, this, "PageControl", 8, 8);
    PageControl->SetBounds(8, 8, 253, 182);
    auto page = [this](const char* name, const char* caption) {
        auto* sheet = new TTabSheet(this);
        sheet->SetName(name);
        sheet->SetPageControl(PageControl);
        sheet->SetCaption(caption);
        return sheet;
    };
    IntervalTabSheet = page("IntervalTabSheet", "Interval");
    Price32TabSheet = page("Price32TabSheet", "Price 32nds");

    // Interval: days and weeks on the left, the time of day on the right.
    constexpr int kRow = 28;
    HoursEdit = field(IntervalTabSheet, "HoursEdit", 178, 12, 42, &TiValueConverterEditForm::TimeChange);
    MinutesEdit =
        field(IntervalTabSheet, "MinutesEdit", 178, 12 + kRow, 42, &TiValueConverterEditForm::TimeChange);
    SecondsEdit =
        field(IntervalTabSheet, "SecondsEdit", 178, 12 + 2 * kRow, 42, &TiValueConverterEditForm::TimeChange);
    MilliSecondsEdit = field(IntervalTabSheet, "MilliSecondsEdit", 178, 12 + 3 * kRow, 42,
                             &TiValueConverterEditForm::TimeChange);
    DaysEdit = field(IntervalTabSheet, "DaysEdit", 48, 12, 60, &TiValueConverterEditForm::TimeChange);
    HoursUpDown = upDown("HoursUpDown", HoursEdit, 23, 1);
    MinutesUpDown = upDown("MinutesUpDown", MinutesEdit, 59, 1);
    SecondsUpDown = upDown("SecondsUpDown", SecondsEdit, 59, 1);
    MilliSecondsUpDown = upDown("MilliSecondsUpDown", MilliSecondsEdit, 999, 100);
    DaysUpDown = upDown("DaysUpDown", DaysEdit, 0, 1);
    Label1 = label(IntervalTabSheet, "Label1", "Hours", 132, 15);
    Label2 = label(IntervalTabSheet, "Label2", "Minutes", 132, 15 + kRow);
    Label3 = label(IntervalTabSheet, "Label3", "Seconds", 132, 15 + 2 * kRow);
    Label4 = label(IntervalTabSheet, "Label4", "mSec", 132, 15 + 3 * kRow);
    Label5 = label(IntervalTabSheet, "Label5", "Days", 8, 15);

    // Price: the integer, then the 32nds and 256ths of it.
    Price32ndsEdit =
        field(Price32TabSheet, "Price32ndsEdit", 56, 12 + kRow, 60, &TiValueConverterEditForm::Price32Change);
    Price256thsEdit = field(Price32TabSheet, "Price256thsEdit", 56, 12 + 2 * kRow, 60,
                            &TiValueConverterEditForm::Price32Change);
    PriceIntegerEdit =
        field(Price32TabSheet, "PriceIntegerEdit", 56, 12, 60, &TiValueConverterEditForm::Price32Change);
    iUpDown1 = upDown("iUpDown1", Price32ndsEdit, 31, 1);
    iUpDown2 = upDown("iUpDown2", Price256thsEdit, 7, 1);
    iUpDown3 = upDown("iUpDown3", PriceIntegerEdit, 10000, 1);
    Label6 = label(Price32TabSheet, "Label6", "32nds", 8, 15 + kRow);
    Label7 = label(Price32TabSheet, "Label7", "256ths", 8, 15 + 2 * kRow);
    Label8 = label(Price32TabSheet, "Label8", "Integer", 8, 15);

    ValueEdit = field(this, "ValueEdit", 8, 196, 253, nullptr);

    WeeksEdit =
        field(IntervalTabSheet, "WeeksEdit", 48, 12 + kRow, 60, &TiValueConverterEditForm::WeeksChange);
    iUpDown4 = upDown("iUpDown4", WeeksEdit, 0, 1);
    Label9 = label(IntervalTabSheet, "Label9", "Weeks", 8, 15 + kRow);

    DateTimeTabSheet = page("DateTimeTabSheet", "Date/Time");
    DatePickerLabel = label(DateTimeTabSheet, "DatePickerLabel", "Date", 8, 15);
    TimePickerLabel = label(DateTimeTabSheet, "TimePickerLabel", "Time", 8, 15 + kRow);
    // Equal widths line the two pickers up.
    for (TLabel* l : {DatePickerLabel, TimePickerLabel}) {
        l->SetAutoSize(false);
        l->SetWidth(30);
    }
    SetNowButton =
        button(DateTimeTabSheet, "SetNowButton", "Now", Rect(43, 12 + 2 * kRow, 118, 37 + 2 * kRow));
    SetNowButton->OnClick = [this](TObject* sender) { SetNowButtonClick(sender); };
    iComponentEditorButton1 = button(IntervalTabSheet, "iComponentEditorButton1", "Set All To 0",
                                     Rect(8, 12 + 4 * kRow, 108, 37 + 4 * kRow));
    iComponentEditorButton1->OnClick = [this](TObject* sender) { iComponentEditorButton1Click(sender); };

    // Tab walks each page top to bottom, the left column first.
    int order = 0;
    for (TWinControl* c :
         std::initializer_list<TWinControl*>{DaysEdit, WeeksEdit, HoursEdit, MinutesEdit, SecondsEdit,
                                             MilliSecondsEdit, iComponentEditorButton1})
        c->SetTabOrder(order++);
    order = 0;
    for (TWinControl* c : {PriceIntegerEdit, Price32ndsEdit, Price256thsEdit})
        c->SetTabOrder(order++);

    PageControl->SetActivePage(DateTimeTabSheet);
    FormCreate(this);
}

void TiValueConverterEditForm::FormCreate(TObject*) {
    if (FDatePicker)
        return;
    auto picker = [this](TLabel* beside, TDateTimeKind kind) {
        auto* p = new TDateTimePicker(this);
        p->SetParent(DateTimeTabSheet);
        p->SetBounds(beside->Left() + beside->Width() + 5, beside->Top() - 3, 137, p->Height());
        p->SetKind(kind);
        p->OnChange = [this](TObject* sender) { DateTimePickerChange(sender); };
        return p;
    };
    FDatePicker = picker(DatePickerLabel, dtkDate);
    FTimePicker = picker(TimePickerLabel, dtkTime);
}

double TiValueConverterEditForm::Value() const {
    return ValueEdit->AsFloat();
}

void TiValueConverterEditForm::SetValue(double value) {
    // Not a number or infinite: nothing to show but the value itself.
    const double v = std::isfinite(value) ? value : 0;
    const double t = std::fabs(v) <= kLargestInterval ? v : v - std::trunc(v);
    ValueEdit->SetAsFloat(value);

    const double days = std::trunc(t);
    FDatePicker->SetDateTime(days);
    FTimePicker->SetDateTime(t - days);
    DaysEdit->SetAsString(WholeNumberText(days));
    WeeksEdit->SetAsString(WholeNumberText(double(static_cast<std::int64_t>(days) / 7)));
    int hour = 0, minute = 0, second = 0, msec = 0;
    DecodeTime(t, hour, minute, second, msec);
    HoursEdit->SetAsInteger(hour);
    MinutesEdit->SetAsInteger(minute);
    SecondsEdit->SetAsInteger(second);
    MilliSecondsEdit->SetAsInteger(msec);

    const double whole = std::trunc(v);
    const double fraction = v - whole;
    PriceIntegerEdit->SetAsString(WholeNumberText(whole));
    Price32ndsEdit->SetAsInteger(int(std::trunc(fraction * 32)));
    Price256thsEdit->SetAsInteger(int(std::trunc((fraction - Price32ndsEdit->AsInteger() / 32.0) * 256)));
}

void TiValueConverterEditForm::ShowPage(TiValueConverterPageType page) {
    switch (page) {
    case ivcptInterval:
        PageControl->SetActivePage(IntervalTabSheet);
        break;
    case ivcptDateTime:
        PageControl->SetActivePage(DateTimeTabSheet);
        break;
    case ivcptPrice32nd:
        PageControl->SetActivePage(Price32TabSheet);
        break;
    }
}

TDateTime TiValueConverterEditForm::EncodedTime() const {
    return EncodeTime(HoursEdit->AsInteger(), MinutesEdit->AsInteger(), SecondsEdit->AsInteger(),
                      MilliSecondsEdit->AsInteger());
}

void TiValueConverterEditForm::ApplyValue(double value) {
    ValueEdit->SetAsFloat(value);
    SetValue(ValueEdit->AsFloat());
}

void TiValueConverterEditForm::TimeChange(TObject*) {
    ApplyValue(WholeNumberOf(DaysEdit) + EncodedTime());
}

void TiValueConverterEditForm::WeeksChange(TObject*) {
    // The days beyond whole weeks are dropped.
    ApplyValue(WholeNumberOf(WeeksEdit) * 7 + EncodedTime());
}

void TiValueConverterEditForm::DateTimePickerChange(TObject*) {
    const TDateTime time = FTimePicker->DateTime();
    ApplyValue(std::trunc(FDatePicker->DateTime()) + time - std::trunc(time));
}

void TiValueConverterEditForm::Price32Change(TObject*) {
    ValueEdit->SetAsFloat(WholeNumberOf(PriceIntegerEdit) + Price32ndsEdit->AsInteger() / 32.0 +
                          Price256thsEdit->AsInteger() / 256.0);
}

void TiValueConverterEditForm::SetNowButtonClick(TObject*) {
    ApplyValue(NowSource());
}

void TiValueConverterEditForm::iComponentEditorButton1Click(TObject*) {
    ApplyValue(0);
}
