#include "platform/forms/DateTimePicker.h"

#include "platform/forms/ExceptionGuard.h"
#include "platform/gfx/Fonts.h"
#include "platform/sys/FlagScope.h"
#include "platform/text/FormatSettings.h"

#include <QDateTimeEdit>

#include <cctype>
#include <cmath>

namespace {

using korvan::forms::ClassBuilder;

// The calendar the field can show.
const QDateTime kFirstShown(QDate(100, 1, 1), QTime(0, 0), Qt::UTC);
const QDateTime kLastShown(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC);

QDateTimeEdit* NativeOf(TDateTimePicker* picker) {
    return static_cast<QDateTimeEdit*>(picker->Widget());
}

// A framework date or time pattern as Qt writes it: months are "m" and
// minutes "n" in the framework, "M" and "m" in Qt.
QString QtPattern(const std::string& pattern, char dateSeparator, char timeSeparator) {
    QString out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = char(std::tolower(static_cast<unsigned char>(pattern[i])));
        if (pattern.compare(i, 4, "AMPM") == 0 || pattern.compare(i, 4, "ampm") == 0) {
            out += "AP";
            i += 3;
        } else if (c == 'm') {
            out += 'M';
        } else if (c == 'n') {
            out += 'm';
        } else if (c == 'd' || c == 'y' || c == 'h' || c == 's' || c == 'z') {
            out += c;
        } else if (c == '/' || c == ':') {
            out += QString("'%1'").arg(QChar(c == '/' ? dateSeparator : timeSeparator));
        } else if (c != '"' && c != '\'') {
            out += QString("'%1'").arg(QChar(pattern[i]));
        }
    }
    return out;
}

// The date-time with the date of `date` and the time of day of `time`
// (before 1899-12-30 the time of day counts back from the day number).
TDateTime Compose(TDateTime date, TDateTime time) {
    const double day = std::trunc(date);
    const double timeOfDay = std::fabs(time - std::trunc(time));
    return day >= 0 ? day + timeOfDay : day - timeOfDay;
}

} // namespace

const TClassInfo& TDateTimePicker::StaticClassInfo() {
    using C = TDateTimePicker;
    static const TClassInfo info =
        ClassBuilder<C>("TDateTimePicker", &TWinControl::StaticClassInfo())
            .Creator()
            .Enum("Kind", &C::Kind, &C::SetKind, {"dtkDate", "dtkTime"}, "TDateTimeKind")
            .Default(dtkDate)
            .Property("DateTime", &C::DateTime, &C::SetDateTime)
            .Build();
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TFieldControl(owner) {
    SetUpField(186, 21);
}

QWidget* TDateTimePicker::CreateWidget() {
    auto* edit = new QDateTimeEdit();
    // Times of day as written, never moved by a daylight-saving change.
    edit->setTimeSpec(Qt::UTC);
    edit->setDateTimeRange(kFirstShown, kLastShown);
    edit->setFont(korvan::gfx::MakeQFont(Font()));
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, [this](const QDateTime& shown) {
        if (syncing_)
            return;
        const QDate d = shown.date();
        const QTime t = shown.time();
        korvan::forms::Guarded([&] {
            UserEdited(EncodeDate(d.year(), d.month(), d.day()),
                       EncodeTime(t.hour(), t.minute(), t.second(), t.msec()));
        });
    });
    return edit;
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
    kind_ = kind;
    ShowValue();
}

void TDateTimePicker::SetDateTime(TDateTime value) {
    value_ = value;
    ShowValue();
}

void TDateTimePicker::ShowValue() {
    korvan::sys::FlagScope sync(syncing_);
    QDateTimeEdit* edit = NativeOf(this);
    const auto& fs = korvan::text::CurrentFormatSettings();
    const bool date = kind_ == dtkDate;
    edit->setDisplayFormat(
        QtPattern(date ? fs.ShortDateFormat : fs.LongTimeFormat, fs.DateSeparator, fs.TimeSeparator));
    edit->setCalendarPopup(date);
    const TDateTime first = EncodeDate(100, 1, 1);
    const TDateTime last = EncodeDate(9999, 12, 31);
    TDateTime shown = std::isfinite(value_) ? value_ : 0;
    if (shown < first)
        shown = Compose(first, shown);
    else if (shown >= last + 1)
        shown = Compose(last, shown);
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    DecodeDate(shown, year, month, day);
    DecodeTime(shown, hour, minute, second, msec);
    edit->setDateTime(QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC));
}

void TDateTimePicker::UserEdited(TDateTime shownDate, TDateTime shownTime) {
    value_ = kind_ == dtkDate ? Compose(shownDate, value_) : Compose(value_, shownTime);
    Change();
}

void TDateTimePicker::Change() {
    if (OnChange)
        OnChange(this);
}
