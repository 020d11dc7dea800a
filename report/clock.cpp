// The clock's rules.
#include "clock.h"

#include <QRegularExpression>

#include "core/format.h"

namespace hx {

Moment EarliestPickerDate() {
    return EncodeDateTime(1904, 3, 20);
}

IntervalChange IntervalFromResolution(const QString& text, quint32 current) {
    IntervalChange c{current, std::nullopt};
    // A whole number: leading blanks, an optional sign, digits and nothing else.
    static const QRegularExpression whole(QStringLiteral("^ *([+-]?)([0-9]+)$"));
    const QRegularExpressionMatch m = whole.match(text);
    if (!m.hasMatch()) {
        c.error = QStringLiteral("''%1'' is not a valid integer value").arg(text);
        return c;
    }
    QString digits = m.captured(2);
    while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);
    if (m.captured(1) == u"-" && digits != u"0") {
        c.interval = 0;
        return c;
    }
    // Ten digits already exceed any interval a timer holds.
    const quint64 seconds = digits.size() > 10 ? ~quint64(0) : digits.toULongLong();
    c.interval = seconds > kLargestInterval / 1000 ? kLargestInterval : quint32(seconds * 1000);
    return c;
}

QString StatusTimeText(Moment now, quint32 interval, const QLocale& locale) {
    return FormatDateTime(interval >= 10000 ? QStringLiteral("t") : QStringLiteral("tt"), now,
                          locale);
}

Moment ReportMoment(Moment datePicker, Moment timePicker) {
    return DatePart(datePicker) + TimePart(timePicker);
}

std::optional<Moment> StepPickerDate(Moment datePicker, int days) {
    const Moment stepped = AddDays(datePicker, days);
    if (DatePart(stepped) < EarliestPickerDate() || !IsRepresentable(stepped)) return std::nullopt;
    return stepped;
}

bool ClockEnabledAfter(ClockEvent event, bool clockOnChecked) {
    switch (event) {
        case ClockEvent::StartUp:
        case ClockEvent::Switch:
        case ClockEvent::Done:
            return clockOnChecked;
        case ClockEvent::LocaleOpened:
        case ClockEvent::SiteMissing:
            return false;
    }
    return false;
}

}  // namespace hx
