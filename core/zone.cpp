// Zone offsets through QTimeZone, never through the machine's zone.
#include "zone.h"

#include <array>
#include <cmath>
#include <map>
#include <set>

#include <QRegularExpression>
#include <QTimeZone>

namespace hx {

namespace {

// "UTC+05:30": seconds ahead of UT, or nullopt for any other text.
std::optional<int> PlainOffsetSeconds(const QString& id) {
    static const QRegularExpression form(QStringLiteral("^UTC([+-])([0-9]{2}):([0-5][0-9])$"));
    const QRegularExpressionMatch m = form.match(id);
    if (!m.hasMatch()) return std::nullopt;
    const int seconds = m.captured(2).toInt() * 3600 + m.captured(3).toInt() * 60;
    if (seconds > 14 * 3600) return std::nullopt;
    return m.captured(1) == u"-" ? -seconds : seconds;
}

}  // namespace

bool IsAcceptedZoneId(const QString& id) {
    static const std::set<QString> available = [] {
        std::set<QString> ids;
        for (const QByteArray& z : QTimeZone::availableTimeZoneIds())
            ids.insert(QString::fromLatin1(z));
        return ids;
    }();
    if (available.count(id) > 0 || PlainOffsetSeconds(id)) return true;
    // The machine's zone as a name only: TZ may hold a path.
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z0-9_+-]+(/[A-Za-z0-9_+-]+)*$"));
    return id == QString::fromLatin1(QTimeZone::systemTimeZoneId()) && name.match(id).hasMatch();
}

namespace {

// QTimeZone reads the zone's file when made; the report asks for the same zone on every tick.
const QTimeZone* ZoneFor(const QString& id) {
    static std::map<QString, QTimeZone> zones;
    auto it = zones.find(id);
    if (it == zones.end()) {
        // Not every id the system's zone is known by is listed as available ("Etc/UTC").
        if (!IsAcceptedZoneId(id)) return nullptr;
        const std::optional<int> offset = PlainOffsetSeconds(id);
        it = zones.emplace(id, offset ? QTimeZone(*offset) : QTimeZone(id.toLatin1())).first;
    }
    return it->second.isValid() ? &it->second : nullptr;
}

ZoneOffset LookUp(const QTimeZone& z, const QDateTime& at) {
    // offsetData() is empty for the fixed UTC zone; these two answer for every zone.
    ZoneOffset o;
    o.DaylightTime = z.daylightTimeOffset(at) > 0 ? 1 : 0;
    o.TimeZone = (z.offsetFromUtc(at) - o.DaylightTime * 3600) / 3600.0;
    return o;
}

// The span between two changes of one zone, with the offset in force through it. A zone's
// offset is asked for many instants close together (a report, a day's events, an export), so
// the last span of each zone answers them without asking the zone database again.
struct Span {
    Moment from = 0, to = -1;  // [from, to), UTC readings
    ZoneOffset offset;
};

ZoneOffset OffsetAt(const QTimeZone& z, Moment utc) {
    // Two spans per zone: the work near a change asks on both sides of it.
    static std::map<const QTimeZone*, std::array<Span, 2>> spans;
    std::array<Span, 2>& known = spans[&z];
    for (const Span& s : known)
        if (utc >= s.from && utc < s.to) return s.offset;
    known[1] = known[0];
    Span& s = known[0];
    const QDateTime at = ToQDateTime(utc);
    s.offset = LookUp(z, at);
    // Without transitions (a fixed zone, or beyond the rules) the answer holds for one day.
    const QTimeZone::OffsetData next = z.nextTransition(at);
    const QTimeZone::OffsetData prev = z.previousTransition(at.addMSecs(1));
    s.from = prev.atUtc.isValid() ? FromQDateTime(prev.atUtc.toUTC()) : utc - 0.5;
    s.to = next.atUtc.isValid() ? FromQDateTime(next.atUtc.toUTC()) : utc + 0.5;
    if (!(utc >= s.from && utc < s.to)) {  // a span that does not hold it: kept for nothing
        s.from = utc;
        s.to = utc;
    }
    return s.offset;
}

}  // namespace

bool IsKnownZone(const QString& id) {
    return !id.isEmpty() && ZoneFor(id) != nullptr;
}

QStringList ZoneIds() {
    QStringList ids;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) ids << QString::fromLatin1(id);
    ids.sort();
    return ids;
}

std::optional<ZoneOffset> ZoneOffsetAtInstant(const QString& id, Moment utc) {
    const QTimeZone* z = id.isEmpty() ? nullptr : ZoneFor(id);
    if (!z) return std::nullopt;
    return OffsetAt(*z, utc);
}

std::optional<ZoneOffset> ZoneOffsetAtReading(const QString& id, Moment reading) {
    const QTimeZone* z = id.isEmpty() ? nullptr : ZoneFor(id);
    if (!z) return std::nullopt;
    // The reading's instant lies within 14 hours of the reading read as UT; the offsets in
    // force just outside that window are the candidates, and the first whose instant keeps
    // it is the answer.
    const ZoneOffset before = OffsetAt(*z, reading - 15.0 / 24);
    const ZoneOffset after = OffsetAt(*z, reading + 15.0 / 24);
    for (const ZoneOffset& o : {before, after})
        if (OffsetAt(*z, reading - o.Hours() / 24) == o) return o;
    return before;
}

double ClockOffsetAtReading(const Observer& site, Moment reading) {
    if (site.Zone.isEmpty()) return site.ClockOffsetHours();
    const std::optional<ZoneOffset> o = ZoneOffsetAtReading(site.Zone, reading);
    return o ? o->Hours() : site.ClockOffsetHours();
}

double ClockOffsetAtInstant(const Observer& site, Moment utc) {
    if (site.Zone.isEmpty()) return site.ClockOffsetHours();
    const std::optional<ZoneOffset> o = ZoneOffsetAtInstant(site.Zone, utc);
    return o ? o->Hours() : site.ClockOffsetHours();
}

Moment ReadingOfUtc(const Observer& site, Moment utc) {
    return utc + ClockOffsetAtInstant(site, utc) / 24.0;
}

Moment UtcOfReading(const Observer& site, Moment reading) {
    return reading - ClockOffsetAtReading(site, reading) / 24.0;
}

QDateTime ReadingDateTime(const Observer& site, Moment utc) {
    return ToQDateTime(utc).addSecs(std::llround(ClockOffsetAtInstant(site, utc) * 3600));
}

namespace {
// The site with the zone's offset, or as it is when the zone gave none.
Observer WithOffset(const Observer& site, const std::optional<ZoneOffset>& o) {
    if (!o) return site;
    Observer at = site;
    at.TimeZone = o->TimeZone;
    at.DaylightTime = o->DaylightTime;
    return at;
}
}  // namespace

Observer AtReading(const Observer& site, Moment reading) {
    if (site.Zone.isEmpty()) return site;
    return WithOffset(site, ZoneOffsetAtReading(site.Zone, reading));
}

Observer AtInstant(const Observer& site, Moment utc) {
    if (site.Zone.isEmpty()) return site;
    return WithOffset(site, ZoneOffsetAtInstant(site.Zone, utc));
}

Observer FixedAtInstant(const Observer& site, Moment utc) {
    Observer at = AtInstant(site, utc);
    at.Zone.clear();
    return at;
}

}  // namespace hx
