// heliodex-cli argument parsing.
#include "args.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <cmath>

#include "core/datetime.h"
#include "menu/options_model.h"

namespace hx::cli {

const QStringList& Commands() {
    static const QStringList commands = {"thelemic", "positions", "events",
                                         "hours",    "report",    "reverse"};
    return commands;
}

std::optional<double> ParseMoment(const QString& text) {
    static const QRegularExpression re(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})[ T](\\d{2}):(\\d{2})(?::(\\d{2}))?$"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime t(m.captured(4).toInt(), m.captured(5).toInt(),
                  m.captured(6).isEmpty() ? 0 : m.captured(6).toInt());
    if (!d.isValid() || !t.isValid()) return std::nullopt;
    return FromQDate(d, t);
}

namespace {

std::optional<double> ToNumber(const QString& s) {
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

std::variant<Request, Error> ParseArgs(const QStringList& args) {
    Request r;
    auto numberFlag = [](const QString& flag, const QString& value,
                         std::optional<double>& into) -> std::optional<Error> {
        const auto v = ToNumber(value);
        if (!v) return Error{QStringLiteral("bad value for %1: \"%2\"").arg(flag, value)};
        into = v;
        return std::nullopt;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        if (!r.command.isEmpty()) {
            r.rest << a;
            continue;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            if (!Commands().contains(a))
                return Error{QStringLiteral("unknown command: \"%1\"").arg(a)};
            r.command = a;
            continue;
        }
        QString flag = a, value;
        const int eq = a.indexOf('=');
        bool inlineValue = false;
        if (eq > 0 && a != QLatin1String("--option")) {
            flag = a.left(eq);
            value = a.mid(eq + 1);
            inlineValue = true;
        }
        static const QStringList valued = {"--ini", "--at",  "--lat",      "--lon",    "--tz",
                                           "--dst", "--alt", "--pressure", "--temp-f", "--option"};
        if (!valued.contains(flag))
            return Error{QStringLiteral("unknown option: \"%1\"").arg(flag)};
        if (!inlineValue) {
            if (i + 1 >= args.size())
                return Error{QStringLiteral("missing value for %1").arg(flag)};
            value = args[++i];
        }
        std::optional<Error> err;
        if (flag == QLatin1String("--ini")) {
            r.ini = value;
        } else if (flag == QLatin1String("--at")) {
            if (!ParseMoment(value))
                return Error{
                    QStringLiteral("bad value for --at: \"%1\" (want YYYY-MM-DD HH:MM[:SS])")
                        .arg(value)};
            r.at = value;
        } else if (flag == QLatin1String("--lat")) {
            err = numberFlag(flag, value, r.lat);
        } else if (flag == QLatin1String("--lon")) {
            err = numberFlag(flag, value, r.lon);
        } else if (flag == QLatin1String("--tz")) {
            err = numberFlag(flag, value, r.tz);
        } else if (flag == QLatin1String("--alt")) {
            err = numberFlag(flag, value, r.alt);
        } else if (flag == QLatin1String("--pressure")) {
            err = numberFlag(flag, value, r.pressure);
        } else if (flag == QLatin1String("--temp-f")) {
            err = numberFlag(flag, value, r.tempF);
        } else if (flag == QLatin1String("--dst")) {
            if (value != QLatin1String("0") && value != QLatin1String("1"))
                return Error{
                    QStringLiteral("bad value for --dst: \"%1\" (want 0 or 1)").arg(value)};
            r.dst = value.toInt();
        } else if (flag == QLatin1String("--option")) {
            const int e = value.indexOf('=');
            const QString name = e < 0 ? value : value.left(e);
            const QString state = e < 0 ? QString() : value.mid(e + 1);
            if (!OptionsModel().Has(name))
                return Error{QStringLiteral("unknown option name: \"%1\"").arg(name)};
            if (state != QLatin1String("0") && state != QLatin1String("1"))
                return Error{QStringLiteral("bad value for --option %1: \"%2\" (want 0 or 1)")
                                 .arg(name, state)};
            r.options.emplace_back(name, state == QLatin1String("1"));
        }
        if (err) return *err;
    }
    if (r.command.isEmpty())
        return Error{QStringLiteral("no command given (one of: %1)").arg(Commands().join(", "))};
    return r;
}

}  // namespace hx::cli
