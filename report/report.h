// The main report as a function of the moment, the site, the options and the event list.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "core/format.h"
#include "core/moon_phase.h"
#include "core/planetary_hours.h"
#include "core/sky_events.h"
#include "menu/options_model.h"

namespace hx {

struct ReportResult {
    bool siteMissing = false;  // no site: nothing below was computed
    QString error;             // a site out of range or a date beyond the ephemeris: the only
                               // line, nothing else computed
    QStringList headerLines;   // also the content of td.txt
    QStringList lines;         // the whole text view, header first
    QString trayText;          // header lines each followed by CR LF, plus the hour suffix
    QString toolTip;           // the first line and «Hour of Jupiter until 3:45 PM»
    MoonPhase moonPhase;
    bool hoursShown = false;  // PlanetaryHours1 was checked
    TrayChoice tray;          // Unchanged unless the hours section chose an icon
    bool eventsRecomputed = false;
    QStringList logLines;  // «Event >> …» lines of a recomputation
};

// How the window shows the report: the clock of its times (td.txt and the Log keep the
// locale's), and mute, which the tooltip says.
struct ReportStyle {
    HourClock clock = HourClock::Locale;
    bool muted = false;
};

// Composes the report for the instant qUtc, shown on the site's clock with the offset in
// force then (looked up once). Recomputes the event list when the calendar day of q's reading
// differs from that of events.LastEventMoment; the instant presentUtc decides which events
// are logged.
// headerLines (td.txt) are on the locale's clock whatever style.clock is; lines, trayText and
// toolTip follow it.
ReportResult BuildReport(Moment qUtc, const Observer& obs, const OptionsModel& options,
                         SkyEventState& events, Moment presentUtc,
                         const QLocale& locale = QLocale::system(), const ReportStyle& style = {});

// The tray icon's tooltip: the report's first non-empty line and, when the day or night has
// hours, the current one with its end on the site's clock, as in «Hour of Jupiter until 3:45 PM»;
// muted, a last line "muted".
QString TrayToolTip(const QStringList& lines, const PlanetaryHoursSection& hours,
                    const Observer& site, const QLocale& locale = QLocale::system(),
                    const ReportStyle& style = {});

// The clock a site's times are read on: its zone id, else its offset as «UTC-6», «UTC+5:30».
QString SiteClockName(const Observer& site);
// The tray tooltip with the site on a first line of its own, so a time in it is never taken
// for the computer's: «Chicago, Illinois · times in America/Chicago», then tip.
QString ToolTipNamingSite(const QString& placeName, const Observer& site, const QString& tip);
// The Log's line before a site's event list: «Events at Chicago, Illinois (times in
// America/Chicago)», so the lists of several sites looked up in turn are told apart.
QString EventListHeading(const QString& placeName, const Observer& site);

// Latin weekday name, with its trailing blank, for 1 = Sunday ... 7 = Saturday.
QString LatinWeekday(int dayOfWeek);

// Removes one blank of each pair in one left-to-right pass (2 -> 1, 3 -> 2, 4 -> 2).
QString ThinSpaces(const QString& text);

}  // namespace hx
