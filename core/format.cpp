// Pattern formatting of moments.
#include "format.h"

namespace hx {

namespace {

int CountRun(const QString& p, int i, QChar c) {
    int n = 0;
    while (i + n < p.size() && p[i + n].toLower() == c) ++n;
    return n;
}

QString Pad2(int v) {
    return QString::number(v).rightJustified(2, '0');
}

}  // namespace

QString LongTimeFormatWithoutZone(const QLocale& locale) {
    const QString f = locale.timeFormat(QLocale::LongFormat);
    // Drop the zone tokens ("t" runs) outside quotes, with the blanks before them.
    QString out;
    bool quoted = false;
    for (int i = 0; i < f.size(); ++i) {
        const QChar c = f[i];
        if (c == '\'') quoted = !quoted;
        if (!quoted && c == 't') {
            while (!out.isEmpty() && out.back().isSpace()) out.chop(1);
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

QString FormatDateTime(const QString& p, Moment m, const QLocale& locale) {
    const DateTimeFields f = DecodeDateTime(m);
    const QDate date(f.year, f.month, f.day);
    const QTime time(f.hour, f.minute, f.second, f.msec);
    const bool twelveHour = p.contains(QLatin1String("ampm"), Qt::CaseInsensitive);
    int hour12 = f.hour % 12;
    if (hour12 == 0) hour12 = 12;
    const int hour = twelveHour ? hour12 : f.hour;

    QString out;
    for (int i = 0; i < p.size();) {
        const QChar c = p[i];
        const QChar lc = c.toLower();
        if (c == '"' || c == '\'') {
            const int end = p.indexOf(c, i + 1);
            const int stop = end < 0 ? p.size() : end;
            out += p.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (p.mid(i, 4).compare(QLatin1String("ampm"), Qt::CaseInsensitive) == 0) {
            out += f.hour < 12 ? locale.amText() : locale.pmText();
            i += 4;
            continue;
        }
        const int n = CountRun(p, i, lc);
        if (lc == 'd') {
            if (n >= 6)
                out += locale.toString(date, QLocale::LongFormat);
            else if (n == 5)
                out += locale.toString(date, QLocale::ShortFormat);
            else if (n == 4)
                out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (n == 3)
                out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else if (n == 2)
                out += Pad2(f.day);
            else
                out += QString::number(f.day);
            i += std::min(n, 6);
        } else if (lc == 'm') {
            if (n >= 4)
                out += locale.monthName(f.month, QLocale::LongFormat);
            else if (n == 3)
                out += locale.monthName(f.month, QLocale::ShortFormat);
            else if (n == 2)
                out += Pad2(f.month);
            else
                out += QString::number(f.month);
            i += std::min(n, 4);
        } else if (lc == 'y') {
            out += n >= 3 ? QString::number(f.year).rightJustified(4, '0') : Pad2(f.year % 100);
            i += n >= 3 ? std::min(n, 4) : n;
        } else if (lc == 'h') {
            out += n >= 2 ? Pad2(hour) : QString::number(hour);
            i += std::min(n, 2);
        } else if (lc == 'n') {
            out += n >= 2 ? Pad2(f.minute) : QString::number(f.minute);
            i += std::min(n, 2);
        } else if (lc == 's') {
            out += n >= 2 ? Pad2(f.second) : QString::number(f.second);
            i += std::min(n, 2);
        } else if (lc == 't') {
            if (n >= 2)
                out += locale.toString(time, LongTimeFormatWithoutZone(locale));
            else
                out += locale.toString(time, QLocale::ShortFormat);
            i += std::min(n, 2);
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace hx
