// heliodex-cli reverse: option parsing and the lookup's lines.
#include "reverse_command.h"

#include <cmath>

#include <string_view>

#include "cli/reverse_output.h"
#include "core/names.h"

namespace hx::cli {

namespace {

constexpr const char* kUsage =
    "usage: reverse --docosade D --year N --sun SIGN [--sun-degree d] --moon SIGN "
    "[--moon-degree d]";

// A docosade or year given as its number 1..22 becomes its item; other text is passed on
// as if typed into the box, so the lookup reports what matches no item.
QString ItemText(const QStringList& items, const QString& value) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok, 10);
    if (ok && n >= 1 && n <= items.size()) return items[n - 1];
    return value;
}

}  // namespace

std::optional<int> ParseSign(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const int n = t.toInt(&ok, 10);
    if (ok) return n >= 0 && n < 12 ? std::optional<int>(n) : std::nullopt;
    const int i = lookup::ItemIndexOf(lookup::LunarSignItems(), t);
    if (i >= 0) return i;
    for (int s = 0; s < int(SignNames.size()); ++s)
        if (t.compare(QLatin1String(SignNames[s]), Qt::CaseInsensitive) == 0) return s;
    // The spelling earlier versions printed.
    if (t.compare(QLatin1String("Saggitarius"), Qt::CaseInsensitive) == 0) return 8;
    return std::nullopt;
}

std::variant<lookup::Query, Error> ParseReverse(const Request& r) {
    lookup::Query q;
    for (const char* required : {"docosade", "year", "sun", "moon"})
        if (!r.own.contains(QLatin1String(required)))
            return Error{QStringLiteral("reverse needs --docosade, --year, --sun and --moon (%1)")
                             .arg(kUsage)};
    auto badValue = [](const QString& flag, const QString& value, const char* want) {
        return Error{QStringLiteral("bad value for --%1: \"%2\" (want %3)")
                         .arg(flag, value, QLatin1String(want))};
    };
    q.docosade = ItemText(lookup::DocosadeItems(), r.own.value("docosade"));
    q.year = ItemText(lookup::YearItems(), r.own.value("year"));
    for (const char* flag : {"sun", "moon"}) {
        const QString value = r.own.value(QLatin1String(flag));
        const auto sign = ParseSign(value);
        if (!sign) return badValue(QLatin1String(flag), value, "a sign 0 to 11 or its name");
        (flag == std::string_view("sun") ? q.sunSign : q.moonSign) = *sign;
    }
    for (const char* flag : {"sun-degree", "moon-degree"}) {
        if (!r.own.contains(QLatin1String(flag))) continue;
        const QString value = r.own.value(QLatin1String(flag));
        bool ok = false;
        value.trimmed().toInt(&ok, 10);
        if (!ok) return badValue(QLatin1String(flag), value, "a whole number");
        (flag == std::string_view("sun-degree") ? q.sunDegree : q.moonDegree) = value;
    }
    return q;
}

Outcome Reverse(const Request& r, const Context& c) {
    const auto parsed = ParseReverse(r);
    if (const Error* e = std::get_if<Error>(&parsed))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e->message)};
    const lookup::SiteClock clock = lookup::SiteClockOf(c.observer);
    const lookup::Result res = lookup::Find(std::get<lookup::Query>(parsed), clock);
    const QString out = r.format == Format::Json ? ReverseJson(res, clock) : ReverseText(res);
    if (!res.error.isEmpty()) return {2, out, QStringLiteral("heliodex-cli: %1\n").arg(res.error)};
    return {0, out, {}};
}

}  // namespace hx::cli
