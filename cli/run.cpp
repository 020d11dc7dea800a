// heliodex-cli's commands.
#include "run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSysInfo>
#include <QTimeZone>

#include <cerrno>
#include <cmath>

#include <signal.h>

#include "alarms/alarm_plan.h"
#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"
#include "cli/document.h"
#include "cli/formats.h"
#include "cli/reverse_command.h"
#include "cli/sky_command.h"
#include "core/ephemeris.h"
#include "core/error.h"
#include "core/moon_phase.h"
#include "core/names.h"
#include "core/planetary_hours.h"
#include "core/sky_events.h"
#include "core/thelemic.h"
#include "core/zone.h"
#include "locale/place_search.h"
#include "locale/saved_places.h"
#include "locale/site_fields.h"
#include "report/report.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"

namespace hx::cli {

namespace {

// A saved place's altitude text as metres, when it is a number.
std::optional<double> ToAltitude(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// The "Menu" check marks into the options and the "Locale" fields into a site, as the window
// restores them at start-up. A [Site] Zone that is no zone id is said in `badZone`.
Observer ReadIni(const QString& path, OptionsModel& options, QString& badZone) {
    const TExtIniF store(path);
    auto menu = MenuComponents(options);
    std::vector<FieldComponent> fields = LocaleFields();
    std::vector<PersistentComponent*> visit;
    for (auto& f : fields) visit.push_back(&f);
    for (auto& m : menu) visit.push_back(m.get());
    RestoreWindowComponents(store, visit);
    auto field = [&](SiteField role) -> const FieldComponent& { return fields[size_t(role)]; };
    auto text = [&](SiteField role) { return field(role).text(); };
    auto box = [&](SiteField role) { return field(role).checked(); };
    SiteFields s;
    s.latDegrees = text(SiteField::LatitudeDegrees);
    s.latMinutes = text(SiteField::LatitudeMinutes);
    s.north = box(SiteField::North);
    s.lonDegrees = text(SiteField::LongitudeDegrees);
    s.lonMinutes = text(SiteField::LongitudeMinutes);
    s.west = box(SiteField::West);
    s.timeZone = text(SiteField::TimeZone);
    s.daylight = box(SiteField::DaylightTime);
    s.pressure = text(SiteField::Pressure);
    s.temperatureF = text(SiteField::Temperature);
    s.altitude = text(SiteField::Altitude);
    s.zone = store.ReadString(StoredName(Section::Site), StoredName(Key::Zone), {});
    if (!s.zone.isEmpty() && !IsKnownZone(s.zone)) badZone = s.zone;
    return ReadSite(s);
}

}  // namespace

std::variant<Context, Error> ResolveContext(const Request& r, Moment nowUtc) {
    Context c;
    std::optional<Observer> fromIni;
    QString badZone;
    if (r.ini) fromIni = ReadIni(*r.ini, c.options, badZone);
    if (!badZone.isEmpty() && !r.zone && !r.tz && !r.dst)
        return Error{
            QStringLiteral("unknown time zone in [Site] Zone of --ini: \"%1\"").arg(badZone)};
    // A saved place stands in for the file's site.
    if (r.site) {
        const std::optional<SavedPlace> saved = LoadSavedPlaces().Find(*r.site);
        if (!saved)
            return Error{QStringLiteral("no saved place is named \"%1\" (the window's Options, "
                                        "Places saves them)")
                             .arg(r.site->trimmed())};
        Observer s = fromIni.value_or(Observer());
        s.Latitude = saved->latitude;
        s.Longitude = saved->longitude;
        s.Zone = saved->zoneId;
        s.TimeZone = saved->timeZone;
        s.DaylightTime = saved->daylight ? 1 : 0;
        if (const std::optional<double> alt = ToAltitude(saved->altitude)) s.Altitude = *alt;
        fromIni = s;
        if (!r.lat && !r.lon) c.siteName = saved->name;
    }
    Observer& o = c.observer;
    const Observer base = fromIni.value_or(Observer());
    o.Latitude = r.lat.value_or(base.Latitude);
    o.Longitude = r.lon.value_or(base.Longitude);
    o.Altitude = r.alt.value_or(base.Altitude);
    // The air as the window has it: what was given, else the standard atmosphere at the
    // altitude and 10 degrees Celsius.
    o.PressureGiven = r.pressure || (fromIni && base.PressureGiven);
    o.Pressure =
        r.pressure ? *r.pressure : (o.PressureGiven ? base.Pressure : StandardPressure(o.Altitude));
    o.TemperatureGiven = r.tempF || (fromIni && base.TemperatureGiven);
    o.Temperature = r.tempF ? (*r.tempF - 32) * 5 / 9
                            : (o.TemperatureGiven ? base.Temperature : kStandardTemperature);
    // The site's clock: --zone, else --tz/--dst over the file's fields, else the file's zone,
    // else the system's.
    if (r.zone) {
        o.Zone = *r.zone;
    } else if (r.tz || r.dst || fromIni) {
        o.TimeZone = r.tz.value_or(base.TimeZone);
        o.DaylightTime = r.dst.value_or(base.DaylightTime);
        if (!r.tz && !r.dst) o.Zone = base.Zone;
    } else {
        o.Zone = QString::fromLatin1(QTimeZone::systemTimeZoneId());
    }
    // --at is a reading: its instant by the offset in force at it (a reading in a gap or a fold
    // takes the offset before the change); the present is an instant.
    // A skipped reading becomes the one its instant has.
    c.momentUtc = r.at ? UtcOfReading(o, *ParseMoment(*r.at)) : nowUtc;
    c.moment = ReadingOfUtc(o, c.momentUtc);
    o = AtInstant(o, c.momentUtc);
    c.at = FixedAtInstant(o, c.momentUtc);
    for (const auto& [name, state] : r.options) c.options.SetChecked(name, state);
    return c;
}

namespace {

// The command's days (null without --days) beside its data.
QJsonObject WithDays(QJsonObject o, const Request& r) {
    o["days"] = r.days ? QJsonValue(*r.days) : QJsonValue();
    return o;
}

// The era year of a moment before March 1904 would be a number without a meaning.
std::optional<Outcome> BeforeEra(const Context& c) {
    if (!BeforeThelemicEra(c.moment, c.at)) return std::nullopt;
    return Outcome{2,
                   {},
                   QStringLiteral("heliodex-cli: %1 is before the Thelemic era (1904-03-20)\n")
                       .arg(ToQDateTime(c.moment).toString(u"yyyy-MM-dd HH:mm"))};
}

Outcome Thelemic(const Request& r, const Context& c) {
    if (auto before = BeforeEra(c)) return *before;
    const QString line = ThelemicDateText(c.moment, c.at, ThelemicStyleOf(c.options));
    if (r.format == Format::Json) return {0, Document("thelemic", {{"line", line}}, &c), {}};
    return {0, line + '\n', {}};
}

Outcome Positions(const Request& r, const Context& c) {
    const double jd = MomentToJulianDay(c.moment, c.at);
    eph::SetTopo(c.observer);
    QJsonObject o;
    o["jd_ut"] = QString::number(jd, 'f', 6).toDouble();
    o["sun_lon"] = QString::number(eph::EclipticLongitude(jd, 0), 'f', 6).toDouble();
    o["moon_lon"] = QString::number(eph::EclipticLongitude(jd, 1), 'f', 6).toDouble();
    const MoonPhase phase = ComputeMoonPhase(c.moment, c.at);
    o["moon_fraction"] = QString::number(phase.fraction, 'f', 6).toDouble();
    o["moon_fraction_next"] = QString::number(phase.fractionNext, 'f', 6).toDouble();
    o["moon_phase_index"] = phase.index;
    if (r.format == Format::Json) return {0, Document("positions", o, &c), {}};
    // As text, a "name value" line each, the moment first.
    QString out = QStringLiteral("moment ") + IsoTimeAt(c.observer, c.momentUtc) + '\n';
    for (const char* key : {"jd_ut", "sun_lon", "moon_lon", "moon_fraction", "moon_fraction_next"})
        out += QLatin1String(key) + ' ' +
               QString::number(o[QLatin1String(key)].toDouble(), 'f', 6) + '\n';
    out += QStringLiteral("moon_phase_index %1\n").arg(phase.index);
    return {0, out, {}};
}

Outcome NoSite() {
    return {1, {}, QStringLiteral("heliodex-cli: no site: give --lat and --lon\n")};
}

Outcome Calendar(const EventList& events, const cal::HourList& hours, const Request& r,
                 const Context& c, Moment nowUtc, const QString& note = {}) {
    const auto leads = CalendarAlarmsOf(r);
    if (const QString* e = std::get_if<QString>(&leads)) return {2, {}, *e};
    const QDateTime stamp = ToQDateTime(nowUtc);  // the present instant, in UTC
    const cal::CalendarSite site{c.siteName, ThelemicStyleOf(c.options)};
    return {0,
            QString::fromUtf8(cal::WriteICalendar(events, hours, c.observer, stamp, site, {},
                                                  std::get<cal::CalendarAlarms>(leads))),
            note};
}

// Without --days the moment's list as the window has it (40 events, "-" for an event
// without a time); with it every event of those calendar days.
Outcome Events(const Request& r, const Context& c, Moment nowUtc) {
    if (!c.observer.HasSite()) return NoSite();
    const EventList events =
        r.days ? cal::ComputeDays(c.moment, *r.days, c.observer, true, false).events
               : ComputeSkyEvents(c.moment, c.at);
    if (r.format == Format::Ics) return Calendar(events, {}, r, c, nowUtc);
    if (r.format == Format::Json) {
        QJsonObject o = WithDays({}, r);
        o["events"] = EventsJson(events, c.observer);
        return {0, Document("events", o, &c), {}};
    }
    return {0, EventsText(events, c.observer), {}};
}

// Why a range has no planetary hours: "polar day" when the Sun stays up, "polar night" when it
// stays down. The Sun's height at its upper culmination on the moment's day decides, from its
// declination (on the ecliptic: sin d = sin e sin l).
QString PolarReason(const Context& c) {
    const double jd = MomentToJulianDay(c.moment, c.at);
    constexpr double kDeg = 3.14159265358979323846 / 180;
    const double decl =
        std::asin(std::sin(23.44 * kDeg) * std::sin(eph::EclipticLongitude(jd, 0) * kDeg)) / kDeg;
    const double noonHeight = 90 - std::abs(c.observer.Latitude - decl);
    return noonHeight > 0 ? QStringLiteral("polar day") : QStringLiteral("polar night");
}

// Without --days the current day's or night's hours as the report shows them; with it the
// day and night hours of those calendar days. No hours at all (a polar day or night) is said
// on standard error and, in JSON, by a "reason".
Outcome Hours(const Request& r, const Context& c, Moment nowUtc) {
    if (!c.observer.HasSite()) return NoSite();
    EventList dayList;
    if (!r.days) dayList = ComputeSkyEvents(c.moment, c.at);
    if (r.format == Format::Text && !r.days)
        return {0, PlanetaryHours(c.momentUtc, dayList, c.observer).lines.join('\n') + '\n', {}};
    const cal::HourList hours =
        r.days ? cal::ComputeDays(c.moment, *r.days, c.observer, false, true).hours
               : cal::HoursAround(c.momentUtc, dayList, c.observer);
    const QString reason = hours.empty() ? PolarReason(c) : QString();
    const QString note =
        reason.isEmpty()
            ? QString()
            : QStringLiteral("heliodex-cli: no planetary hours in these days: %1 (the Sun %2)\n")
                  .arg(reason, reason == u"polar day" ? QStringLiteral("does not set")
                                                      : QStringLiteral("does not rise"));
    if (r.format == Format::Ics) return Calendar({}, hours, r, c, nowUtc, note);
    if (r.format == Format::Json) {
        QJsonObject o = WithDays({}, r);
        o["hours"] = HoursJson(hours, c.observer, c.momentUtc);
        if (!reason.isEmpty()) o["reason"] = reason;
        return {0, Document("hours", o, &c), note};
    }
    return {0, HoursText(hours, c.observer), note};
}

Outcome Report(const Request& r, const Context& c, Moment nowUtc) {
    if (!c.observer.HasSite()) return NoSite();
    if (auto before = BeforeEra(c)) return *before;
    SkyEventState events;
    const ReportResult rep = BuildReport(c.momentUtc, c.observer, c.options, events, nowUtc);
    if (!rep.error.isEmpty()) return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(rep.error)};
    if (r.format == Format::Json)
        return {0, Document("report", {{"lines", QJsonArray::fromStringList(rep.lines)}}, &c), {}};
    QString out;
    for (const QString& l : rep.lines) out += l + '\n';
    return {0, out, {}};
}

// Whether a Heliodex runs in the directory: its lock file names a live process of this machine.
bool WindowRunsIn(const QString& dir) {
    const QLockFile lock(QDir(dir).filePath(QStringLiteral("heliodex.lock")));
    qint64 pid = 0;
    QString host, app;
    if (!lock.getLockInfo(&pid, &host, &app) || pid <= 0) return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Why a directory gives no alarm plan, with the status to end with; nullopt when it does.
std::optional<Outcome> AlarmDirProblem(const QString& dir) {
    const QFileInfo fi(dir);
    auto fail = [](int status, const QString& message) {
        return Outcome{status, {}, QStringLiteral("heliodex-cli: %1\n").arg(message)};
    };
    if (!fi.exists()) return fail(2, QStringLiteral("no such directory: \"%1\"").arg(dir));
    if (!fi.isDir()) return fail(2, QStringLiteral("not a directory: \"%1\"").arg(dir));
    for (const char* name :
         {alarms::kAlarmListFile, alarms::kAlarmSoundsFile, alarms::kAlarmOffsetsFile,
          alarms::kHourAlarmsFile, alarms::kHourSoundsFile, alarms::kSkyAlarmsFile})
        if (QFileInfo::exists(QDir(dir).filePath(QLatin1String(name)))) return std::nullopt;
    QString m = QStringLiteral("\"%1\" holds no alarm files (%2, %3)")
                    .arg(dir, QLatin1String(alarms::kAlarmListFile),
                         QLatin1String(alarms::kAlarmSoundsFile));
    // The window keeps its tables in memory and writes the files when it exits.
    if (WindowRunsIn(dir)) m += QStringLiteral("; the Heliodex running there writes them at Exit");
    return fail(1, m);
}

// The alarm plan of the alarm files in --dir (default: the program directory), for --days
// days (default 1) from the --at day on, as text lines or a JSON array.
Outcome Alarms(const Request& r, Context c, Moment nowUtc) {
    const int days = r.days.value_or(1);
    const QString dir = r.own.contains("dir") ? r.own.value("dir") : files::ProgramDirectory();
    if (auto problem = AlarmDirProblem(dir)) return *problem;
    const bool dirHasIni = QFileInfo::exists(QDir(dir).filePath(QStringLiteral("heliodex.ini")));
    const QString oldDir = files::ProgramDirectory();
    files::SetProgramDirectory(dir);
    alarms::AlarmTables tables;
    alarms::LoadAlarmTables(tables);
    // The site of the directory's settings unless given otherwise.
    if (!r.ini && !r.site && !r.lat &&
        QFileInfo::exists(files::ProgramFile(StoredName(StateFile::Settings)))) {
        Request withIni = r;
        withIni.ini = files::ProgramFile(StoredName(StateFile::Settings));
        const auto resolved = ResolveContext(withIni, nowUtc);
        if (const Error* e = std::get_if<Error>(&resolved)) {
            files::SetProgramDirectory(oldDir);
            return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e->message)};
        }
        c = std::get<Context>(resolved);
    }
    files::SetProgramDirectory(oldDir);
    if (!c.observer.HasSite() && !dirHasIni)
        return {1,
                {},
                QStringLiteral("heliodex-cli: no site: give --lat and --lon (\"%1\" holds no "
                               "heliodex.ini)\n")
                    .arg(dir)};
    if (!c.observer.HasSite()) return NoSite();
    QString out;
    QJsonArray list;
    for (const alarms::PlannedFiring& f : alarms::AlarmPlan(c.moment, days, c.observer, tables)) {
        const QString when = ReadingDateTime(c.observer, f.at).toString(u"yyyy-MM-dd HH:mm");
        out += QStringLiteral("%1  %2  %3  %4\n").arg(when, f.what).arg(f.offset).arg(f.sound);
        list.append(QJsonObject{{"time", IsoTimeAt(c.observer, f.at)},
                                {"what", f.what},
                                {"offset", f.offset},
                                {"sound", f.sound}});
    }
    if (r.format == Format::Json) {
        QJsonObject o{{"days", days}, {"dir", dir}, {"alarms", list}};
        out = Document("alarms", o, &c);
    }
    return {0, out, {}};
}

// The gazetteer's matches of the query, best first, as text lines or a JSON array.
Outcome Places(const Request& r) {
    const places::PlaceSearch search = places::FindPlace(r.operand);
    if (!search.found())
        return {1,
                {},
                QStringLiteral("heliodex-cli: no place named \"%1\" is known (try a city name)\n")
                    .arg(r.operand.trimmed())};
    QString out;
    QJsonArray list;
    for (const places::Place& p : search.matches) {
        out += QStringLiteral("%1  %2 %3  %4  %5\n")
                   .arg(places::MatchedDisplayName(p), QString::number(p.latitude, 'f', 4),
                        QString::number(p.longitude, 'f', 4), p.zoneId)
                   .arg(p.population);
        QJsonObject place{{"name", p.name},         {"region", p.region},
                          {"country", p.country},   {"country_code", p.countryCode},
                          {"latitude", p.latitude}, {"longitude", p.longitude},
                          {"zone", p.zoneId},       {"population", qint64(p.population)}};
        if (!p.matchedName.isEmpty()) place["matched_name"] = p.matchedName;
        list.append(place);
    }
    if (r.format == Format::Json)
        out = Document("places", {{"query", r.operand.trimmed()}, {"places", list}}, nullptr);
    return {0, out, {}};
}

// Why a --ini file cannot be read; empty when it can.
QString IniProblem(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.exists()) return QStringLiteral("no such file");
    if (fi.isDir()) return QStringLiteral("a directory");
    if (!fi.isFile()) return QStringLiteral("not a regular file");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return f.errorString();
    return {};
}

// Runs one command; `nowUtc` is the present instant as a UTC reading.
Outcome Dispatch(const QStringList& args, Moment nowUtc) {
    const auto parsed = ParseArgs(args);
    if (const Error* e = std::get_if<Error>(&parsed))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e->message)};
    const Request& r = std::get<Request>(parsed);
    if (r.help) return {0, UsageText(r.command), {}};
    if (r.version) return {0, QStringLiteral("heliodex-cli " HELIODEX_VERSION "\n"), {}};
    if (r.command == u"places") return Places(r);  // needs no site
    if (r.ini) {
        const QString problem = IniProblem(*r.ini);
        if (!problem.isEmpty())
            return {2,
                    {},
                    QStringLiteral("heliodex-cli: cannot read --ini \"%1\": %2\n")
                        .arg(*r.ini, problem)};
    }
    const auto c = ResolveContext(r, nowUtc);
    if (const Error* e = std::get_if<Error>(&c))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e->message)};
    const Context& ctx = std::get<Context>(c);
    if (const std::optional<QString> bad = SiteRangeError(ctx.observer))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(*bad)};
    try {
        if (r.command == u"thelemic") return Thelemic(r, ctx);
        if (r.command == u"positions") return Positions(r, ctx);
        if (r.command == u"report") return Report(r, ctx, nowUtc);
        if (r.command == u"events") return Events(r, ctx, nowUtc);
        if (r.command == u"hours") return Hours(r, ctx, nowUtc);
        if (r.command == u"reverse") return Reverse(r, ctx);
        if (r.command == u"alarms") return Alarms(r, ctx, nowUtc);
        if (r.command == u"sky") return Sky(r, ctx, nowUtc);
    } catch (const hx::Error& e) {
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e.message())};
    }
    return {2, {}, QStringLiteral("heliodex-cli: unknown command: \"%1\"\n").arg(r.command)};
}

}  // namespace

Outcome Run(const QStringList& args, Moment nowUtc) {
    Outcome o = Dispatch(args, nowUtc);
    // Error lines echo arguments: nothing in them may break the line or reach the terminal.
    if (!o.err.isEmpty()) {
        const bool ended = o.err.endsWith('\n');
        o.err = EscapeControls(ended ? o.err.chopped(1) : o.err) + (ended ? "\n" : "");
    }
    return o;
}

}  // namespace hx::cli
