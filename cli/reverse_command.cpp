// heliodex-cli reverse: option parsing and the lookup's lines.
#include "reverse_command.h"

#include <cmath>

#include "cli/reverse_output.h"
#include "core/names.h"

namespace hx::cli {

namespace {

constexpr const char* kUsage =
    "usage: reverse --docosade D --year N --sun SIGN [--sun-degree d] --moon SIGN "
    "[--moon-degree d] [--format text|json]";

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
    return std::nullopt;
}

std::variant<lookup::Query, Error> ParseReverse(const QStringList& rest,
                                                std::optional<double>& timeZone, bool& json) {
    lookup::Query q;
    json = false;
    bool docosade = false, year = false, sun = false, moon = false;
    for (int i = 0; i < rest.size(); ++i) {
        QString flag = rest[i], value;
        const int eq = flag.indexOf('=');
        if (eq > 0) {
            value = flag.mid(eq + 1);
            flag = flag.left(eq);
        } else {
            static const QStringList known = {"--docosade",   "--year",        "--sun", "--moon",
                                              "--sun-degree", "--moon-degree", "--tz",  "--format"};
            if (!known.contains(flag))
                return Error{QStringLiteral("unknown argument: \"%1\" (%2)").arg(flag, kUsage)};
            if (i + 1 >= rest.size())
                return Error{QStringLiteral("missing value for %1").arg(flag)};
            value = rest[++i];
        }
        auto badValue = [&](const char* want) {
            return Error{QStringLiteral("bad value for %1: \"%2\" (want %3)")
                             .arg(flag, value, QLatin1String(want))};
        };
        if (flag == QLatin1String("--docosade")) {
            q.docosade = ItemText(lookup::DocosadeItems(), value);
            docosade = true;
        } else if (flag == QLatin1String("--year")) {
            q.year = ItemText(lookup::YearItems(), value);
            year = true;
        } else if (flag == QLatin1String("--sun") || flag == QLatin1String("--moon")) {
            const auto sign = ParseSign(value);
            if (!sign) return badValue("a sign 0 to 11 or its name");
            (flag == QLatin1String("--sun") ? q.sunSign : q.moonSign) = *sign;
            (flag == QLatin1String("--sun") ? sun : moon) = true;
        } else if (flag == QLatin1String("--sun-degree") ||
                   flag == QLatin1String("--moon-degree")) {
            bool ok = false;
            value.trimmed().toInt(&ok, 10);
            if (!ok) return badValue("a whole number");
            (flag == QLatin1String("--sun-degree") ? q.sunDegree : q.moonDegree) = value;
        } else if (flag == QLatin1String("--tz")) {
            bool ok = false;
            const double tz = value.trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(tz)) return badValue("hours, such as -6 or 5.5");
            timeZone = tz;
        } else if (flag == QLatin1String("--format")) {
            if (value != QLatin1String("text") && value != QLatin1String("json"))
                return badValue("text or json");
            json = value == QLatin1String("json");
        } else {
            return Error{QStringLiteral("unknown argument: \"%1\" (%2)").arg(flag, kUsage)};
        }
    }
    if (!docosade || !year || !sun || !moon)
        return Error{
            QStringLiteral("reverse needs --docosade, --year, --sun and --moon (%1)").arg(kUsage)};
    return q;
}

Outcome Reverse(const Request& r, const Context& c) {
    std::optional<double> tz;
    bool json = false;
    const auto parsed = ParseReverse(r.rest, tz, json);
    if (const Error* e = std::get_if<Error>(&parsed))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e->message)};
    lookup::SiteClock clock;
    clock.timeZone = tz.value_or(c.observer.TimeZone);
    const lookup::Result res = lookup::Find(std::get<lookup::Query>(parsed), clock);
    const QString out = json ? ReverseJson(res, clock) : ReverseText(res);
    if (!res.error.isEmpty()) return {2, out, QStringLiteral("heliodex-cli: %1\n").arg(res.error)};
    return {0, out, {}};
}

}  // namespace hx::cli
