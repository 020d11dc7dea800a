// Composition of the main report.
#include "report.h"

#include <array>
#include <cmath>

#include "core/error.h"
#include "core/format.h"
#include "core/names.h"
#include "core/roman.h"
#include "core/thelemic.h"
#include "core/zone.h"

namespace hx {

QString LatinWeekday(int dayOfWeek) {
    static const std::array<const char*, 7> names = {
        "Dies Solis ", "Dies Lun\u00e6 ", "Dies Martis ",  "Dies Mercurii ",
        "Dies Jovis ", "Dies Veneris ",   "Dies Saturnii "};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(names[dayOfWeek - 1]) : QString();
}

QString ThinSpaces(const QString& text) {
    // One pass that never looks back: of each pair of blanks met, the first is removed.
    QString out = text;
    const qsizetype passes = text.size() - 1;
    qsizetype i = 0;
    for (qsizetype step = 0; step < passes; ++step) {
        if (i + 1 < out.size() && out[i] == ' ' && out[i + 1] == ' ') out.remove(i, 1);
        ++i;
    }
    return out;
}

namespace {

// The e.v. date and time part chosen by the Date and Time groups. The date is formatted from
// the day's 00:00, whose text is kept from tick to tick.
QString EvPart(Moment q, const OptionsModel& o, const QLocale& locale, HourClock clock) {
    QString e;
    const DateTimeFields f = DecodeDateTime(q);
    const Moment day = EncodeDateTime(f.year, f.month, f.day);
    if (o.Checked(Option::ShortDate))
        e += FormatDateTimeKept(QStringLiteral("ddddd \"e.v. \""), day, locale);
    else if (o.Checked(Option::LongDate))
        e += FormatDateTimeKept(QStringLiteral("dddddd \"e.v. \""), day, locale);
    else if (o.Checked(Option::RomanDate))
        e += ToRoman(f.year % 100) + ' ';
    if (o.Checked(Option::ShortTime))
        e += FormatDateTime(QStringLiteral("t"), q, locale, clock);
    else if (o.Checked(Option::LongTime))
        e += FormatDateTime(QStringLiteral("tt"), q, locale, clock);
    return e;
}

QStringList HeaderLines(const QString& t, const QString& w, const QString& e,
                        const OptionsModel& o) {
    if (o.Checked(Option::OneLine)) return {t + w + e};
    if (o.Checked(Option::TwoLines)) return {t + w, e};
    if (o.Checked(Option::ThreeLines)) return {t, w, e};
    return {};
}

}  // namespace

QString TrayToolTip(const QStringList& lines, const PlanetaryHoursSection& hours,
                    const Observer& site, const QLocale& locale, const ReportStyle& style) {
    QStringList tip;
    for (const QString& l : lines)
        if (!l.isEmpty()) {
            tip << l;
            break;
        }
    if (hours.valid)
        tip << QStringLiteral("Hour of %1 until %2")
                   .arg(
                       hours.currentRuler.trimmed(),
                       FormatDateTimeKept(QStringLiteral("t"), ReadingOfUtc(site, hours.currentEnd),
                                          locale, style.clock));
    if (tip.isEmpty()) tip << QStringLiteral("Heliodex");
    if (style.muted) tip << QStringLiteral("muted");
    return tip.join(u'\n');
}

QString SiteClockName(const Observer& site) {
    if (!site.Zone.isEmpty()) return site.Zone;
    const int minutes = static_cast<int>(std::lround(site.ClockOffsetHours() * 60));
    QString s = QStringLiteral("UTC");
    if (minutes == 0) return s;
    s += minutes < 0 ? u'-' : u'+';
    s += QString::number(std::abs(minutes) / 60);
    if (std::abs(minutes) % 60)
        s += u':' + QStringLiteral("%1").arg(std::abs(minutes) % 60, 2, 10, QChar(u'0'));
    return s;
}

QString ToolTipNamingSite(const QString& placeName, const Observer& site, const QString& tip) {
    return placeName.trimmed() + QStringLiteral(" \u00b7 times in ") + SiteClockName(site) + u'\n' +
           tip;
}

QString EventListHeading(const QString& placeName, const Observer& site) {
    return QStringLiteral("Events at %1 (times in %2)")
        .arg(placeName.trimmed(), SiteClockName(site));
}

namespace {

ReportResult Compose(Moment qUtc, const Observer& obs, const OptionsModel& options,
                     SkyEventState& events, Moment presentUtc, const QLocale& locale,
                     const ReportStyle& style) {
    ReportResult r;
    // The moment's offset once: the moment's own conversions go through the fixed site.
    const Observer at = FixedAtInstant(obs, qUtc);
    // Whole milliseconds, so that the reading shows the instant's second.
    const Moment q =
        FromQDateTime(ToQDateTime(qUtc).addSecs(std::llround(at.ClockOffsetHours() * 3600)));
    const QString t = ThinSpaces(ThelemicDateText(q, at, ThelemicStyleOf(options)));
    const QString w = ThinSpaces(LatinWeekday(DayOfWeek(q)));
    const QString e = ThinSpaces(EvPart(q, options, locale, HourClock::Locale));
    r.headerLines = HeaderLines(t, w, e, options);
    // td.txt keeps the locale's clock; what the window shows follows the chosen one.
    r.lines = style.clock == HourClock::Locale
                  ? r.headerLines
                  : HeaderLines(t, w, ThinSpaces(EvPart(q, options, locale, style.clock)), options);
    for (const QString& l : r.lines) r.trayText += l + QStringLiteral("\r\n");

    r.moonPhase = ComputeMoonPhase(q, at);
    r.eventsRecomputed = CollectSkyEvents(events, q, obs, presentUtc, &r.logLines);

    if (options.Checked(Option::SolarEvents)) {
        r.lines << QString() << QStringLiteral("Impending Solar Events");
        int count = 0;
        for (const SkyEvent& ev : events.events) {
            if (ev.Body != 0 || !(ev.Time > qUtc)) continue;
            if (++count > 4) break;
            r.lines << QStringLiteral("Sun ") + QLatin1String(EventName(ev.Kind)) +
                           FormatDateTimeKept(QStringLiteral(" hh:nn ampm"),
                                              ReadingOfUtc(obs, ev.Time), locale, style.clock);
        }
    }

    // The hours are worked out for the tray's tooltip even when the report leaves them out.
    const bool hours = options.Checked(Option::PlanetaryHours);
    const PlanetaryHoursSection section = PlanetaryHours(qUtc, events, locale, hours, style.clock);
    r.toolTip = TrayToolTip(r.lines, section, obs, locale, style);
    if (hours) {
        r.hoursShown = true;
        r.lines << section.lines;
        r.tray =
            ChooseTray(section, options.Checked(Option::TrayPlanetaryHours),
                       options.Checked(Option::TrayMoonPhase), r.moonPhase.index, obs.Latitude < 0);
        r.trayText += r.tray.trayTextSuffix;
    }
    return r;
}

}  // namespace

ReportResult BuildReport(Moment qUtc, const Observer& obs, const OptionsModel& options,
                         SkyEventState& events, Moment presentUtc, const QLocale& locale,
                         const ReportStyle& style) {
    ReportResult r;
    if (!obs.HasSite()) {
        r.siteMissing = true;
        return r;
    }
    if (const std::optional<QString> bad = SiteRangeError(obs)) {
        r.error = *bad;
    } else {
        try {
            return Compose(qUtc, obs, options, events, presentUtc, locale, style);
        } catch (const Error& e) {
            r.error = e.message();
        }
    }
    r.lines = QStringList{r.error};
    return r;
}

}  // namespace hx
