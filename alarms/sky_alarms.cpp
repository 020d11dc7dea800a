// The sky alarms' file and their firings over a range.
#include "sky_alarms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/ingress.h"
#include "core/lunation.h"
#include "core/names.h"
#include "core/twilight.h"
#include "core/zone.h"

namespace hx::alarms {

namespace {

constexpr int kMaxLead = 720;
constexpr std::array<const char*, kSkyAlarmCount> kKeys = {
    "civil-dawn",        "civil-dusk", "nautical-dawn", "nautical-dusk", "astronomical-dawn",
    "astronomical-dusk", "new-moon",   "first-quarter", "full-moon",     "last-quarter",
    "sun-ingress",       "void-start", "void-end"};
constexpr std::array<const char*, kSkyAlarmCount> kNames = {"Civil dawn",
                                                            "Civil dusk",
                                                            "Nautical dawn",
                                                            "Nautical dusk",
                                                            "Astronomical dawn",
                                                            "Astronomical dusk",
                                                            "New Moon",
                                                            "First Quarter",
                                                            "Full Moon",
                                                            "Last Quarter",
                                                            "Sun ingress",
                                                            "Void-of-course Moon begins",
                                                            "Void-of-course Moon ends"};

QString HourKey(int body) {
    return QStringLiteral("hour-") + QString::fromLatin1(BodyNames[body]).toLower();
}
const QString kMuteKey = QStringLiteral("mute");

std::optional<int> Lead(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok || std::abs(v) > kMaxLead) return std::nullopt;
    return v;
}

// «on<TAB>lead<TAB>sound»; nullopt when the line cannot be read.
std::optional<SkyAlarmSetting> ParseSetting(const QString& value) {
    const QStringList f = value.split(QLatin1Char('\t'));
    if (f.size() < 2) return std::nullopt;
    const QString on = f[0].trimmed();
    const auto lead = Lead(f[1]);
    if ((on != QLatin1String("0") && on != QLatin1String("1")) || !lead) return std::nullopt;
    // The sound is the rest of the line, tabs and all.
    return SkyAlarmSetting{
        on == QLatin1String("1"), *lead,
        f.size() > 2 ? QStringList(f.mid(2)).join(QLatin1Char('\t')) : QString()};
}

}  // namespace

QString SkyAlarmKey(SkyAlarm a) {
    return QString::fromLatin1(kKeys[size_t(a)]);
}
QString SkyAlarmName(SkyAlarm a) {
    return QString::fromLatin1(kNames[size_t(a)]);
}

void LoadSkyAlarmTable(SkyAlarmTable& table) {
    const auto lines = files::ReadKeyedFile(QString::fromLatin1(kSkyAlarmsFile));
    if (!lines) return;
    table = SkyAlarmTable();
    table.lines = *lines;
    for (int i = 0; i < kSkyAlarmCount; ++i)
        if (const auto v = lines->Value(SkyAlarmKey(SkyAlarm(i))))
            if (const auto s = ParseSetting(*v)) table.sky[i] = *s;
    for (int b = 0; b < kBodyCount; ++b)
        if (const auto v = lines->Value(HourKey(b))) table.hourOffsets[b] = Lead(*v).value_or(0);
    table.muted = lines->Value(kMuteKey).value_or(QString()).trimmed() == QLatin1String("1");
}

void SaveSkyAlarmTable(const SkyAlarmTable& table) {
    files::KeyedLines out = table.lines;
    // A line that could not be read stays as it was while its alarm has the value it was
    // given for it (off), so a typo in the file costs nothing until the user sets the alarm.
    for (int i = 0; i < kSkyAlarmCount; ++i) {
        const QString key = SkyAlarmKey(SkyAlarm(i));
        const auto old = out.Value(key);
        const SkyAlarmSetting& s = table.sky[i];
        if (old && !ParseSetting(*old) && s == SkyAlarmSetting()) continue;
        out.Set(key, QStringLiteral("%1\t%2\t%3").arg(s.on ? 1 : 0).arg(s.offset).arg(s.sound));
    }
    for (int b = 0; b < kBodyCount; ++b) {
        const auto old = out.Value(HourKey(b));
        if (old && !Lead(*old) && table.hourOffsets[b] == 0) continue;
        out.Set(HourKey(b), QString::number(table.hourOffsets[b]));
    }
    out.Set(kMuteKey, table.muted ? QStringLiteral("1") : QStringLiteral("0"));
    files::WriteKeyedFile(QString::fromLatin1(kSkyAlarmsFile), out);
}

std::vector<SkyFiring> SkyFiringsBetween(Moment fromUtc, Moment toUtc, const Observer& site,
                                         const SkyAlarmTable& table) {
    std::vector<SkyFiring> out;
    int widest = 0;
    bool any = false;
    for (const SkyAlarmSetting& s : table.sky)
        if (s.on) {
            any = true;
            widest = std::max(widest, std::abs(s.offset));
        }
    if (!any || !(toUtc > fromUtc)) return out;
    // The events whose firing can fall in the range.
    const double margin = widest / 1440.0 + 1.0 / 1440;
    const double from = fromUtc - margin + kEpochJulianDay, to = toUtc + margin + kEpochJulianDay;
    const auto add = [&](SkyAlarm a, double jd, const QString& what) {
        const SkyAlarmSetting& s = table.sky[size_t(a)];
        if (!s.on) return;
        const Moment event = jd - kEpochJulianDay;
        const Moment at = event + s.offset / 1440.0;
        if (at >= fromUtc && at < toUtc) out.push_back({at, event, a, what});
    };
    bool twilights = false;
    for (int i = int(SkyAlarm::CivilDawn); i <= int(SkyAlarm::AstronomicalDusk); ++i)
        twilights = twilights || table.sky[i].on;
    if (twilights) {
        // Site days from the one holding the range's start to the one holding its end; an
        // event is taken from the day whose range holds it, so none comes twice.
        for (double jd = from;;) {
            const auto [a, b] = SiteDayRange(jd - kEpochJulianDay, site);
            const SunDay sun = ComputeSunDay(a, b, site);
            for (int t = 0; t < kTwilightCount; ++t) {
                if (sun.twilight[t].rising)
                    add(SkyAlarm(int(SkyAlarm::CivilDawn) + 2 * t), *sun.twilight[t].rising,
                        SkyAlarmName(SkyAlarm(int(SkyAlarm::CivilDawn) + 2 * t)));
                if (sun.twilight[t].falling)
                    add(SkyAlarm(int(SkyAlarm::CivilDusk) + 2 * t), *sun.twilight[t].falling,
                        SkyAlarmName(SkyAlarm(int(SkyAlarm::CivilDusk) + 2 * t)));
            }
            if (b >= to || !(b > jd)) break;
            jd = b;
        }
    }
    bool phases = false;
    for (int i = int(SkyAlarm::NewMoon); i <= int(SkyAlarm::LastQuarter); ++i)
        phases = phases || table.sky[i].on;
    if (phases)
        for (const PhaseInstant& p : PhasesBetween(from, to))
            add(SkyAlarm(int(SkyAlarm::NewMoon) + p.phase), p.jd,
                QString::fromLatin1(PrincipalPhaseNames[p.phase]));
    if (table.sky[size_t(SkyAlarm::SunIngress)].on)
        for (const Ingress& i : IngressesBetween(from, to, 0))
            add(SkyAlarm::SunIngress, i.jd,
                QStringLiteral("Sun enters ") + QString::fromLatin1(SignNames[i.sign]));
    if (table.sky[size_t(SkyAlarm::VoidStart)].on || table.sky[size_t(SkyAlarm::VoidEnd)].on) {
        // A span ends at the Moon's ingress; it starts at most a sign's course (under three
        // days) before, so the ingresses up to three days past the range give every start.
        for (const Ingress& i : IngressesBetween(from, to + 3, 1)) {
            const VoidOfCourse v = VoidOfCourseAt(i.jd - 1.0 / 1440);
            add(SkyAlarm::VoidStart, v.start, SkyAlarmName(SkyAlarm::VoidStart));
            if (i.jd < to) add(SkyAlarm::VoidEnd, v.end, SkyAlarmName(SkyAlarm::VoidEnd));
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const SkyFiring& a, const SkyFiring& b) { return a.at < b.at; });
    return out;
}

}  // namespace hx::alarms
