// heliodex-cli reverse: option parsing and the lookup's lines.
#include "reverse_command.h"

#include <cmath>

#include <string_view>

#include "cli/document.h"
#include "cli/reverse_output.h"
#include "core/names.h"

namespace hx::cli {

namespace {

constexpr const char* kUsage =
    "usage: reverse --docosade D --year N --sun SIGN [--sun-degree d] --moon SIGN "
    "[--moon-degree d]";

// A docosade or year given as its number 1..22, or as an item's own text ("4 - IV"), becomes
// that item; nullopt for anything else.
std::optional<QString> ItemText(const QStringList& items, const QString& value) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok, 10);
    if (ok) return n >= 1 && n <= items.size() ? std::optional(items[n - 1]) : std::nullopt;
    const int i = lookup::ItemIndexOf(items, value);
    return i >= 0 ? std::optional(items[i]) : std::nullopt;
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
    for (const char* flag : {"docosade", "year"}) {
        const bool docosade = flag == std::string_view("docosade");
        const QString value = r.own.value(QLatin1String(flag));
        const auto item = ItemText(docosade ? lookup::DocosadeItems() : lookup::YearItems(), value);
        if (!item) return badValue(QLatin1String(flag), value, "1 to 22");
        (docosade ? q.docosade : q.year) = *item;
    }
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
        const int degree = value.trimmed().toInt(&ok, 10);
        // A sign has the whole degrees 0 to 29; 0 asks for no degree, as an empty box does.
        if (!ok || degree < 0 || degree > 29)
            return badValue(QLatin1String(flag), value, "a whole degree 0 to 29");
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
    // An error leaves nothing on standard output: a script reads a whole answer or none.
    if (!res.error.isEmpty()) return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(res.error)};
    if (r.format == Format::Json) return {0, Document("reverse", ReverseJson(res, clock), &c), {}};
    return {0, ReverseText(res), {}};
}

}  // namespace hx::cli
