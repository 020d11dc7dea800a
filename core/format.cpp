// Pattern formatting of moments.
#include "format.h"

#include <array>

#include <QRegularExpression>

namespace hx {

namespace {

// Lower case for the ASCII letters the tokens are made of; other characters stay as they are
// (none of them lowers to a token letter).
char16_t AsciiLower(QChar c) {
    const char16_t u = c.unicode();
    return u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u;
}

int CountRun(QStringView p, int i, char16_t c) {
    int n = 0;
    while (i + n < p.size() && AsciiLower(p[i + n]) == c) ++n;
    return n;
}

// Two digits with a leading zero, written in place (the fields are 0 to 99).
void AppendPad2(QString& out, int v) {
    if (v < 0 || v > 99) {
        out += QString::number(v).rightJustified(2, '0');
        return;
    }
    out += QChar(u'0' + v / 10);
    out += QChar(u'0' + v % 10);
}

void AppendNumber(QString& out, int v, bool pad) {
    if (pad)
        AppendPad2(out, v);
    else if (v >= 0 && v <= 9)
        out += QChar(u'0' + v);
    else
        out += QString::number(v);
}

}  // namespace

QString ShortDateFormatWideYear(const QLocale& locale) {
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    QString out;
    bool quoted = false;
    for (int i = 0; i < f.size();) {
        const QChar c = f[i];
        if (c == '\'') quoted = !quoted;
        if (quoted || c != 'y') {
            out += c;
            ++i;
            continue;
        }
        int n = 0;
        while (i + n < f.size() && f[i + n] == 'y') ++n;
        out += n < 4 ? QStringLiteral("yyyy") : f.mid(i, n);
        i += n;
    }
    return out;
}

namespace {

// The format `Make` gives for the last locale asked for: the report asks on every tick, and
// working a locale's format out again each time costs more than the formatting itself.
template <QString (*Make)(const QLocale&)>
const QString& FormatOfLastLocale(const QLocale& locale) {
    static QLocale last(QLocale::C);
    static QString format;
    if (format.isEmpty() || !(locale == last)) {
        last = locale;
        format = Make(locale);
    }
    return format;
}

// Whether the locale's clock is the 12-hour one: its short time format has an AM/PM part
// outside quotes. Cached for the last locale, as the report asks on every tick.
bool TwelveHourClock(const QLocale& locale) {
    static QLocale last(QLocale::C);
    static bool known = false, twelve = true;
    if (!known || !(locale == last)) {
        const QString f = locale.timeFormat(QLocale::ShortFormat);
        bool quoted = false;
        twelve = false;
        for (const QChar c : f) {
            if (c == '\'') quoted = !quoted;
            if (!quoted && (c == 'a' || c == 'A')) twelve = true;
        }
        last = locale;
        known = true;
    }
    return twelve;
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

QString FormatDateTime(const QString& pattern, Moment m, const QLocale& locale, HourClock clock) {
    const QStringView p(pattern);
    const DateTimeFields f = DecodeDateTime(m);
    const QDate date(f.year, f.month, f.day);
    const QTime time(f.hour, f.minute, f.second, f.msec);
    // "ampm" follows the locale's clock, as its own time formats do: the 12-hour clock with
    // the designator where the locale has one, else the 24-hour clock and no designator.
    const bool twentyFour = clock == HourClock::TwentyFour;
    const bool localeTwelve = !twentyFour && TwelveHourClock(locale);
    const bool twelveHour = localeTwelve && p.contains(u"ampm", Qt::CaseInsensitive);
    int hour12 = f.hour % 12;
    if (hour12 == 0) hour12 = 12;
    const int hour = twelveHour ? hour12 : f.hour;

    QString out;
    out.reserve(p.size() + 24);
    for (int i = 0; i < p.size();) {
        const QChar c = p[i];
        const char16_t lc = AsciiLower(c);
        if (c == '"' || c == '\'') {
            const int end = int(p.indexOf(c, i + 1));
            const int stop = end < 0 ? int(p.size()) : end;
            out += p.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lc == 'a' && p.mid(i, 4).compare(u"ampm", Qt::CaseInsensitive) == 0) {
            if (localeTwelve)
                out += f.hour < 12 ? locale.amText() : locale.pmText();
            else
                while (!out.isEmpty() && out.back() == ' ') out.chop(1);
            i += 4;
            continue;
        }
        const int n = CountRun(p, i, lc);
        if (lc == 'd') {
            if (n >= 6)
                out += locale.toString(date, QLocale::LongFormat);
            else if (n == 5)
                out += locale.toString(date, FormatOfLastLocale<ShortDateFormatWideYear>(locale));
            else if (n == 4)
                out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (n == 3)
                out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else
                AppendNumber(out, f.day, n == 2);
            i += std::min(n, 6);
        } else if (lc == 'm') {
            if (n >= 4)
                out += locale.monthName(f.month, QLocale::LongFormat);
            else if (n == 3)
                out += locale.monthName(f.month, QLocale::ShortFormat);
            else
                AppendNumber(out, f.month, n == 2);
            i += std::min(n, 4);
        } else if (lc == 'y') {
            if (n >= 3)
                out += QString::number(f.year).rightJustified(4, '0');
            else
                AppendPad2(out, f.year % 100);
            i += n >= 3 ? std::min(n, 4) : n;
        } else if (lc == 'h') {
            AppendNumber(out, hour, n >= 2);
            i += std::min(n, 2);
        } else if (lc == 'n') {
            AppendNumber(out, f.minute, n >= 2);
            i += std::min(n, 2);
        } else if (lc == 's') {
            AppendNumber(out, f.second, n >= 2);
            i += std::min(n, 2);
        } else if (lc == 't') {
            if (twentyFour)
                out += time.toString(n >= 2 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
            else if (n >= 2)
                out += locale.toString(time, FormatOfLastLocale<LongTimeFormatWithoutZone>(locale));
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

QString TimesOnTwentyFourHourClock(const QString& text, const QLocale& locale) {
    const QString am = locale.amText(), pm = locale.pmText();
    if (am.isEmpty() || pm.isEmpty()) return text;
    const QRegularExpression re(
        QStringLiteral("\\b(\\d{1,2}):(\\d{2})(:\\d{2})?\\s?(%1|%2)(?![\\w])")
            .arg(QRegularExpression::escape(am), QRegularExpression::escape(pm)));
    QString out;
    qsizetype last = 0;
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int h = m.captured(1).toInt();
        if (h < 1 || h > 12) continue;
        const bool afternoon = m.captured(4) == pm;
        const int h24 = h % 12 + (afternoon ? 12 : 0);
        out += text.mid(last, m.capturedStart() - last);
        out += QString::number(h24).rightJustified(2, u'0') + ':' + m.captured(2) + m.captured(3);
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

QString FormatDateTimeKept(const QString& pattern, Moment m, const QLocale& locale,
                           HourClock clock) {
    struct Kept {
        bool used = false;
        HourClock clock = HourClock::Locale;
        Moment m = 0;
        QString pattern;
        QLocale locale{QLocale::C};
        QString text;
    };
    static std::array<Kept, 24> kept;
    static size_t next = 0;
    for (const Kept& k : kept)
        if (k.used && k.m == m && k.clock == clock && k.pattern == pattern && k.locale == locale)
            return k.text;
    Kept& k = kept[next];
    next = (next + 1) % kept.size();
    k = {true, clock, m, pattern, locale, FormatDateTime(pattern, m, locale, clock)};
    return k.text;
}

}  // namespace hx
