// The iCalendar document, written by libical.
#include "icalendar.h"

#include <QHash>

#include <cmath>
#include <cstdlib>

#include <libical/ical.h>

#include "core/names.h"
#include "core/zone.h"

namespace hx::cal {

namespace {

icaltimetype IcalUtc(const QDateTime& utc) {
    return icaltime_from_timet_with_zone(time_t(utc.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

// "44.98n93.27w": the site, to about a kilometre, so exports for two sites keep apart.
QString SiteToken(const Observer& obs) {
    auto part = [](double v, char pos, char neg) {
        return QString::number(std::abs(v), 'f', 2) + QLatin1Char(v < 0 ? neg : pos);
    };
    return part(obs.Latitude, 'n', 's') + part(obs.Longitude, 'e', 'w');
}

// A VALARM of an event whose alarm is on: its lead time in minutes (negative before), from
// the start or, for the end of a span, from the end.
struct Reminder {
    std::optional<int> lead;
    bool atEnd = false;
};

std::optional<int> LeadOf(const CalendarAlarms& alarms, const QString& key) {
    const auto it = alarms.find(key);
    if (it == alarms.end()) return std::nullopt;
    return it->second;
}

// The alarm key of a sky item: its token, one key for every ingress of the Sun.
QString SkyAlarmKeyOf(const SkyItem& item) {
    if (item.what.startsWith(QLatin1String("sun-enters-"))) return QStringLiteral("sun-ingress");
    return item.what;
}

// Adds the VEVENTs with UIDs "<UTC date>-<what>[-<n>]-<site>@heliodex"; n counts the same
// event's second and later occurrences on one UTC date (a planet that rises twice).
class Writer {
  public:
    Writer(const Observer& obs, const QDateTime& stamp, const CalendarSite& site)
        : obs_(obs),
          style_(site.style),
          place_(SiteText(obs, site)),
          site_(SiteToken(obs)),
          stamp_(IcalUtc(stamp.toUTC())) {
        cal_ = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
        icalcomponent_add_property(cal_, icalproperty_new_version("2.0"));
        const QByteArray prodid =
            QByteArrayLiteral("-//Heliodex//Heliodex ") + HELIODEX_VERSION + "//EN";
        icalcomponent_add_property(cal_, icalproperty_new_prodid(prodid.constData()));
        icalcomponent_add_property(cal_, icalproperty_new_calscale("GREGORIAN"));
        const QByteArray name = (QStringLiteral("Heliodex: ") + place_).toUtf8();
        icalcomponent_add_property(cal_, icalproperty_new_name(name.constData()));
        icalproperty* calName = icalproperty_new_x(name.constData());
        icalproperty_set_x_name(calName, "X-WR-CALNAME");
        icalcomponent_add_property(cal_, calName);
    }
    ~Writer() { icalcomponent_free(cal_); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // `utc` is the start's instant; the date line is the one of its reading on the site's clock.
    void Add(const QString& what, const QString& summary, Moment utc, const QDateTime* end,
             const char* category, std::initializer_list<Reminder> reminders = {}) {
        const QDateTime start = ToUtc(utc);
        const QString date = start.date().toString(QStringLiteral("yyyyMMdd"));
        const int n = ++seen_[date + what];
        QString uid = date + '-' + what;
        if (n > 1) uid += '-' + QString::number(n);
        uid += '-' + site_ + QStringLiteral("@heliodex");
        icalcomponent* ev = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(ev, icalproperty_new_uid(uid.toUtf8().constData()));
        icalcomponent_add_property(ev, icalproperty_new_dtstamp(stamp_));
        icalcomponent_add_property(ev, icalproperty_new_dtstart(IcalUtc(start)));
        if (end) icalcomponent_add_property(ev, icalproperty_new_dtend(IcalUtc(*end)));
        icalcomponent_add_property(ev, icalproperty_new_summary(summary.toUtf8().constData()));
        icalcomponent_add_property(ev, icalproperty_new_location(place_.toUtf8().constData()));
        icalcomponent_add_property(
            ev, icalproperty_new_description(Description(utc).toUtf8().constData()));
        icalcomponent_add_property(ev, icalproperty_new_categories(category));
        icalcomponent_add_property(ev, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        for (const Reminder& r : reminders) {
            if (!r.lead) continue;
            icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icalcomponent_add_property(alarm,
                                       icalproperty_new_description(summary.toUtf8().constData()));
            icaltriggertype trigger = icaltriggertype_from_int(0);
            trigger.duration = icaldurationtype_from_int(*r.lead * 60);
            icalproperty* t = icalproperty_new_trigger(trigger);
            if (r.atEnd) icalproperty_add_parameter(t, icalparameter_new_related(ICAL_RELATED_END));
            icalcomponent_add_property(alarm, t);
            icalcomponent_add_component(ev, alarm);
        }
        icalcomponent_add_component(cal_, ev);
    }

    QByteArray Text() const {
        char* s = icalcomponent_as_ical_string_r(cal_);
        QByteArray out(s);
        icalmemory_free_buffer(s);
        return out;
    }

  private:
    // «Minneapolis» and, from the era on, «An V x Sol 24° Gemini Luna 13° Virgo» on a line
    // of its own.
    QString Description(Moment utc) const {
        const Observer at = FixedAtInstant(obs_, utc);
        const Moment reading = ReadingOfUtc(obs_, utc);
        QString d = place_;
        if (!BeforeThelemicEra(reading, at))
            d += '\n' + ThelemicDateText(reading, at, style_).simplified();
        return d;
    }

    Observer obs_;
    ThelemicStyle style_;
    QString place_;
    QString site_;
    icaltimetype stamp_;
    icalcomponent* cal_ = nullptr;
    QHash<QString, int> seen_;
};

}  // namespace

QDateTime ToUtc(Moment utc) {
    const DateTimeFields f = DecodeDateTime(utc);
    return QDateTime(QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second), Qt::UTC);
}

QString SiteText(const Observer& obs, const CalendarSite& site) {
    const QString name = site.name.simplified();
    if (!name.isEmpty()) return name;
    auto part = [](double v, char pos, char neg) {
        return QString::number(std::abs(v), 'f', 2) + QStringLiteral("\u00B0 ") +
               QLatin1Char(v < 0 ? neg : pos);
    };
    return part(obs.Latitude, 'N', 'S') + ' ' + part(obs.Longitude, 'E', 'W');
}

QString EventSummary(const SkyEvent& e) {
    const char* body = e.Body >= 0 && e.Body < kBodyCount ? BodyNames[e.Body] : "";
    return QLatin1String(body) + ' ' + QLatin1String(EventName(e.Kind));
}

QString HourSummary(const PlanetaryHour& h) {
    return QStringLiteral("Hour of ") + QLatin1String(BodyNames[h.body]);
}

QByteArray WriteICalendar(const EventList& events, const HourList& hours, const Observer& obs,
                          const QDateTime& stamp, const CalendarSite& site, const SkyItemList& sky,
                          const CalendarAlarms& alarms) {
    Writer w(obs, stamp, site);
    for (const SkyEvent& e : events) {
        if (e.Time == 0) continue;  // not formed: no VEVENT
        const QString what = EventSummary(e).toLower().replace(' ', '-');
        w.Add(what, EventSummary(e), e.Time, nullptr, "Sky event",
              {{LeadOf(alarms, EventSummary(e))}});
    }
    for (const PlanetaryHour& h : hours) {
        const QString what = QStringLiteral("hour-%1-%2")
                                 .arg(h.day ? QStringLiteral("day") : QStringLiteral("night"))
                                 .arg(h.number);
        const QDateTime end = ToUtc(h.end);
        w.Add(what, HourSummary(h), h.start, &end, "Planetary hour",
              {{LeadOf(alarms, HourSummary(h))}});
    }
    for (const SkyItem& item : sky) {
        const QDateTime end = ToUtc(item.end);
        if (item.kind == SkyItemKind::VoidOfCourse)
            w.Add(item.what, item.summary, item.start, item.end ? &end : nullptr,
                  CategoryOf(item.kind),
                  {{LeadOf(alarms, QStringLiteral("void-start"))},
                   {LeadOf(alarms, QStringLiteral("void-end")), true}});
        else
            w.Add(item.what, item.summary, item.start, item.end ? &end : nullptr,
                  CategoryOf(item.kind), {{LeadOf(alarms, SkyAlarmKeyOf(item))}});
    }
    return w.Text();
}

}  // namespace hx::cal
