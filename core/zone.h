// A site's time zone by its IANA id: the standard offset and daylight time at a moment.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "datetime.h"
#include "observer.h"

namespace hx {

// What the zone says at one moment, in the Observer's terms: standard hours ahead of UT and
// whether daylight time is in force (its extra offset counted into DaylightTime's hour).
struct ZoneOffset {
    double TimeZone = 0;
    int DaylightTime = 0;
    double Hours() const { return TimeZone + DaylightTime; }
    bool operator==(const ZoneOffset&) const = default;
};

// True for an id the system's zone database knows.
bool IsKnownZone(const QString& id);

// Whether an id may be handed to QTimeZone at all: one of its available ids, the machine's own
// zone, or a plain offset "UTC+hh:mm" within 14 hours either way. QTimeZone takes any other
// text as a path under the zone directory and opens it (a FIFO there would never answer).
bool IsAcceptedZoneId(const QString& id);

// The ids of the system's zone database, sorted.
QStringList ZoneIds();

// The offset in force at an instant, given as a UTC reading on the scale; nullopt for an
// unknown id.
std::optional<ZoneOffset> ZoneOffsetAtInstant(const QString& id, Moment utc);

// The offset in force at a clock reading in the zone. A reading in a gap or a fold (the hour a
// change skips or repeats) takes the offset in force before the change: a skipped reading
// counts as the old offset's, a repeated one as its first occurrence.
std::optional<ZoneOffset> ZoneOffsetAtReading(const QString& id, Moment reading);

// Hours from UT to the site's clock: TimeZone + DaylightTime, or the zone's at the reading or
// the instant when the site has one.
double ClockOffsetAtReading(const Observer& site, Moment reading);
double ClockOffsetAtInstant(const Observer& site, Moment utc);

// The site's clock reading of an instant (UTC reading), by the offset in force at that instant.
Moment ReadingOfUtc(const Observer& site, Moment utc);
// The instant (UTC reading) of a site clock reading, by the offset in force at that reading
// (the gap and fold rule of ZoneOffsetAtReading).
Moment UtcOfReading(const Observer& site, Moment reading);
// The same reading as a QDateTime marked UTC, shifted in whole seconds, so that the text of a
// reading and of its instant show the same second.
QDateTime ReadingDateTime(const Observer& site, Moment utc);

// The site with its offset at the instant and no zone: conversions through it cost no zone
// lookup. For the work around one moment.
Observer FixedAtInstant(const Observer& site, Moment utc);

// The site with TimeZone and DaylightTime as its zone gives them at the reading; a site
// without a zone (or with an unknown one) is returned as it is.
Observer AtReading(const Observer& site, Moment reading);
// The same at an instant (UTC reading).
Observer AtInstant(const Observer& site, Moment utc);

}  // namespace hx
