// heliodex-cli argument parsing over QCommandLineParser, and the usage text.
#include "args.h"

#include <QCommandLineParser>
#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <cmath>

#include "core/datetime.h"
#include "core/zone.h"
#include "menu/options_model.h"

namespace hx::cli {

namespace {

struct OptionDef {
    const char* name;
    const char* value;  // the value's name in the usage; nullptr for a flag
    const char* help;
    bool required = false;
};

// Options every command takes, in usage order.
const std::vector<OptionDef>& CommonOptions() {
    static const std::vector<OptionDef> defs = {
        {"ini", "FILE",
         "read the options (\"Menu\") and the site (\"Locale\") from a heliodex.ini"},
        {"site", "NAME",
         "the site of a place saved in the window (Options, Places); --lat, --lon, --zone and "
         "the others given as well change it"},
        {"at", "\"YYYY-MM-DD HH:MM[:SS]\"", "the moment, clock time at the site (default: now)"},
        {"lat", "DEG", "latitude, decimal degrees, north positive"},
        {"lon", "DEG", "longitude, decimal degrees, east positive"},
        {"tz", "HOURS", "standard offset from UT in hours, may be fractional"},
        {"dst", "0|1", "whether daylight time is in force"},
        {"zone", "IANA", "the site's time zone by name, e.g. America/Chicago"},
        {"alt", "M", "altitude in metres"},
        {"pressure", "MBAR", "air pressure in millibars"},
        {"temp-f", "F", "air temperature in degrees Fahrenheit"},
        {"option", "NAME=0|1", "set one menu item's check mark (repeatable)"},
        {"format", "text|json|ics", "output format (ics: events, hours and sky only)"},
    };
    return defs;
}

struct CommandDef {
    const char* name;
    const char* summary;
    std::vector<OptionDef> own;
    const char* example;
    const char* operand = nullptr;  // the name of the words that follow the command, if any
};

const std::vector<CommandDef>& CommandDefs() {
    static const std::vector<CommandDef> defs = {
        {"thelemic",
         "the Thelemic date line",
         {},
         "--at \"2024-06-15 15:45\" --lat 44.98 --lon -93.27 --tz -6 --dst 1 thelemic"},
        {"positions",
         "the moment, the Julian day (UT), the Sun's and the Moon's longitudes and the Moon's "
         "phase, as a JSON object",
         {},
         "positions --at \"2024-06-15 12:00\" --tz 0 --dst 0"},
        {"events",
         "rise, zenith, set and nadir of the Sun, the Moon and the five planets; without "
         "--days the moment's 40-event list as the window has it",
         {{"days", "N", "every event of N calendar days from the --at day, 1 to 366"},
          {"alarm-dir", "DIR",
           "with --format ics: a VALARM on each event whose alarm is on in the alarm files of "
           "DIR"}},
         "events --at \"2024-06-15 00:00\" --lat 44.98 --lon -93.27 --tz -6 --dst 1 --days 7 "
         "--format ics"},
        {"hours",
         "the planetary hours; without --days the current day's or night's twelve as the "
         "report shows them",
         {{"days", "N", "the day and night hours of N calendar days from the --at day, 1 to 366"},
          {"alarm-dir", "DIR",
           "with --format ics: a VALARM on each event whose alarm is on in the alarm files of "
           "DIR"}},
         "hours --lat 59.91 --lon 10.75 --tz 1 --dst 1 --days 2 --format json"},
        {"sky",
         "twilights (civil, nautical, astronomical dawn and dusk), sunrise, solar noon, sunset "
         "and day length, the Moon's phase and illuminated fraction, its principal phases, the "
         "Sun's and the Moon's ingresses and the void-of-course Moon; without --days the "
         "moment's day, the next four phases, the Sun's next twelve ingresses, the Moon's next "
         "and the void-of-course span current or next",
         {{"days", "N",
           "the twilights of N calendar days from the --at day, and the phases, ingresses and "
           "void-of-course spans within them, 1 to 366"},
          {"alarm-dir", "DIR",
           "with --format ics: a VALARM on each event whose alarm is on in the alarm files of "
           "DIR"}},
         "sky --lat 69.65 --lon 18.96 --zone Europe/Oslo --days 30 --format ics"},
        {"report",
         "the report as the main window shows it",
         {},
         "report --ini ~/.local/share/heliodex/heliodex.ini"},
        {"reverse",
         "the common-era dates of a Thelemic year with the Sun and the Moon in the given signs",
         {{"docosade", "D", "the docosade, 1 to 22", true},
          {"year", "N", "the year of the docosade, 1 to 22", true},
          {"sun", "SIGN", "the Sun's sign, 0 to 11 from Aries or its English name", true},
          {"sun-degree", "d", "the Sun's whole degree within its sign"},
          {"moon", "SIGN", "the Moon's sign, 0 to 11 from Aries or its English name", true},
          {"moon-degree", "d", "the Moon's whole degree within its sign"}},
         "reverse --docosade 4 --year 16 --sun aries --moon cancer --tz -6"},
        {"alarms",
         "the alarm plan: every alarm that fires from the --at day on, in time order, from the "
         "alarm files of a program directory",
         {{"dir", "DIR", "the directory holding the alarm files (default: the program directory)"},
          {"days", "N", "calendar days from the --at day, 1 to 366 (default 1)"}},
         "alarms --dir ~/.local/share/heliodex --lat 44.98 --lon -93.27 --tz -6 --dst 1"},
        {"places",
         "the places of the offline gazetteer that a city name matches, best first: name, "
         "region, country, latitude, longitude, time zone and population; a comma narrows by "
         "region or country, as in \"London, Ontario\"",
         {},
         "places \"Springfield\" --format json",
         "QUERY"},
    };
    return defs;
}

const CommandDef* FindCommand(const QString& name) {
    for (const CommandDef& c : CommandDefs())
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

std::optional<double> ToNumber(const QString& s) {
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

Error BadValue(const QString& flag, const QString& value, const char* want = nullptr) {
    QString m = QStringLiteral("bad value for --%1: \"%2\"").arg(flag, value);
    if (want) m += QStringLiteral(" (want %1)").arg(QLatin1String(want));
    return Error{m};
}

// Words filled into lines of at most 79 columns; lines after the first start at `indent`.
QString Wrap(const QString& head, const QString& text, int indent) {
    QString out = head;
    int column = int(head.size() - head.lastIndexOf('\n') - 1);
    bool first = true;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        if (!first && column + 1 + word.size() > 79) {
            out += '\n' + QString(indent, ' ');
            column = indent;
            first = true;
        }
        if (!first) {
            out += ' ';
            ++column;
        }
        out += word;
        column += int(word.size());
        first = false;
    }
    return out + '\n';
}

QString OptionLines(const std::vector<OptionDef>& defs) {
    QString out;
    for (const OptionDef& d : defs) {
        QString head = QStringLiteral("  --") + QLatin1String(d.name);
        if (d.value) head += ' ' + QLatin1String(d.value);
        out += Wrap(head.size() < 32 ? head.leftJustified(32) : head + '\n' + QString(32, ' '),
                    QLatin1String(d.help), 32);
    }
    return out;
}

// Reads the common options' values into the request.
std::optional<Error> ReadCommon(const QCommandLineParser& p, Request& r) {
    struct Number {
        const char* name;
        std::optional<double> Request::*into;
    };
    static const Number numbers[] = {
        {"lat", &Request::lat}, {"lon", &Request::lon},           {"tz", &Request::tz},
        {"alt", &Request::alt}, {"pressure", &Request::pressure}, {"temp-f", &Request::tempF}};
    for (const Number& n : numbers) {
        if (!p.isSet(n.name)) continue;
        const QString v = p.value(n.name);
        r.*n.into = ToNumber(v);
        if (!(r.*n.into)) return BadValue(n.name, v);
    }
    if (p.isSet("ini")) r.ini = p.value("ini");
    if (p.isSet("zone")) r.zone = p.value("zone");
    if (p.isSet("site")) r.site = p.value("site");
    if (p.isSet("at")) {
        const QString v = p.value("at");
        if (!ParseMoment(v)) return BadValue("at", v, "YYYY-MM-DD HH:MM[:SS]");
        r.at = v;
    }
    if (p.isSet("dst")) {
        const QString v = p.value("dst");
        if (v != u"0" && v != u"1") return BadValue("dst", v, "0 or 1");
        r.dst = v.toInt();
    }
    if (p.isSet("format")) {
        const QString v = p.value("format");
        if (v == u"text")
            r.format = Format::Text;
        else if (v == u"json")
            r.format = Format::Json;
        else if (v == u"ics")
            r.format = Format::Ics;
        else
            return BadValue("format", v, "text, json or ics");
    }
    for (const QString& value : p.values("option")) {
        const int e = value.indexOf('=');
        const QString name = e < 0 ? value : value.left(e);
        const QString state = e < 0 ? QString() : value.mid(e + 1);
        if (!OptionsModel().Has(name))
            return Error{QStringLiteral("unknown option name: \"%1\"").arg(name)};
        if (state != u"0" && state != u"1")
            return Error{
                QStringLiteral("bad value for --option %1: \"%2\" (want 0 or 1)").arg(name, state)};
        r.options.emplace_back(name, state == u"1");
    }
    return std::nullopt;
}

}  // namespace

const QStringList& Commands() {
    static const QStringList commands = [] {
        QStringList l;
        for (const CommandDef& c : CommandDefs()) l << QLatin1String(c.name);
        return l;
    }();
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

QString EscapeControls(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // C0, DEL, C1, line and paragraph separators, and the bidirectional overrides.
        const bool control = u < 0x20 || (u >= 0x7f && u < 0xa0) || u == 0x2028 || u == 0x2029 ||
                             (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
        if (!control)
            out += c;
        else if (u < 0x100)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return out;
}

std::variant<Request, Error> ParseArgs(const QStringList& args) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList added;
    auto add = [&](const OptionDef& d) {
        if (added.contains(QLatin1String(d.name))) return;
        added << QLatin1String(d.name);
        QCommandLineOption o(QLatin1String(d.name), QLatin1String(d.help));
        if (d.value) o.setValueName(QLatin1String(d.value));
        p.addOption(o);
    };
    for (const OptionDef& d : CommonOptions()) add(d);
    for (const CommandDef& c : CommandDefs())
        for (const OptionDef& d : c.own) add(d);
    p.addOption(QCommandLineOption({"h", "help"}, "print the usage"));
    p.addOption(QCommandLineOption({"V", "version"}, "print the version"));

    if (!p.parse(QStringList{QStringLiteral("heliodex-cli")} + args)) {
        const QStringList unknown = p.unknownOptionNames();
        if (!unknown.isEmpty())
            return Error{QStringLiteral("unknown option: \"%1\"").arg(Dashed(unknown.first()))};
        QString text = p.errorText();
        if (text.endsWith('.')) text.chop(1);
        if (!text.isEmpty()) text[0] = text[0].toLower();
        return Error{text};
    }

    Request r;
    QStringList positional = p.positionalArguments();
    r.help = p.isSet("help");
    r.version = p.isSet("version");
    if (!positional.isEmpty() && positional.first() == u"help") {
        r.help = true;
        positional.removeFirst();
    }
    if (!positional.isEmpty()) {
        r.command = positional.takeFirst();
        if (!FindCommand(r.command))
            return Error{QStringLiteral("unknown command: \"%1\" (one of: %2)")
                             .arg(r.command, Commands().join(", "))};
    }
    if (const CommandDef* c = FindCommand(r.command); c && c->operand) {
        r.operand = positional.join(u' ');
        positional.clear();
    }
    if (!positional.isEmpty())
        return Error{QStringLiteral("unexpected argument: \"%1\"").arg(positional.first())};
    if (r.help || r.version) return r;
    if (r.command.isEmpty())
        return Error{QStringLiteral("no command given (one of: %1)").arg(Commands().join(", "))};

    // Options of other commands are errors here rather than silently ignored.
    const CommandDef& cmd = *FindCommand(r.command);
    for (const QString& name : p.optionNames()) {
        bool common = name == u"h" || name == u"help" || name == u"V" || name == u"version";
        for (const OptionDef& d : CommonOptions()) common = common || name == QLatin1String(d.name);
        if (common) continue;
        bool own = false;
        for (const OptionDef& d : cmd.own) own = own || name == QLatin1String(d.name);
        if (!own)
            return Error{QStringLiteral("%1 does not take \"%2\"").arg(r.command, Dashed(name))};
        r.own.insert(name, p.value(name));
    }
    if (auto e = ReadCommon(p, r)) return *e;
    if (r.zone && !IsKnownZone(*r.zone))
        return Error{QStringLiteral("unknown time zone for --zone: \"%1\"").arg(*r.zone)};
    if (r.zone && (r.tz || r.dst))
        return Error{QStringLiteral("give either --zone or --tz and --dst")};
    if (r.own.contains("days")) {
        const QString v = r.own.value("days");
        bool ok = false;
        const int n = v.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > 366) return BadValue("days", v, "1 to 366");
        r.days = n;
    }
    if (cmd.operand && r.operand.trimmed().isEmpty())
        return Error{QStringLiteral("%1 needs a %2").arg(r.command, QLatin1String(cmd.operand))};
    if (r.format == Format::Ics && r.command != u"events" && r.command != u"hours" &&
        r.command != u"sky")
        return Error{
            QStringLiteral("--format ics is for events, hours and sky, not %1").arg(r.command)};
    return r;
}

QString UsageText(const QString& command) {
    if (const CommandDef* c = FindCommand(command)) {
        QString head = QStringLiteral("usage: heliodex-cli [OPTION]... %1").arg(command);
        if (c->operand) head += u' ' + QLatin1String(c->operand);
        for (const OptionDef& d : c->own)
            head += QString::fromLatin1(d.required ? " --%1 %2" : " [--%1 %2]")
                        .arg(QLatin1String(d.name), QLatin1String(d.value));
        QString out = Wrap({}, head, 8) + '\n' + Wrap({}, QLatin1String(c->summary) + '.', 0);
        if (!c->own.empty())
            out += QStringLiteral("\nOptions of %1:\n").arg(command) + OptionLines(c->own);
        out += QStringLiteral("\nExample:\n  heliodex-cli %1\n").arg(QLatin1String(c->example));
        out += QStringLiteral("\nThe common options: heliodex-cli --help\n");
        return out;
    }
    QString out = QStringLiteral(
        "usage: heliodex-cli [OPTION]... COMMAND [COMMAND OPTION]...\n"
        "       heliodex-cli help [COMMAND] | COMMAND --help | -V, --version\n\n"
        "Commands:\n");
    for (const CommandDef& c : CommandDefs())
        out += Wrap(QStringLiteral("  ") + QString(QLatin1String(c.name)).leftJustified(11),
                    QLatin1String(c.summary), 13);
    out += QStringLiteral("\nOptions (before or after the command; --name=value works too):\n") +
           OptionLines(CommonOptions()) +
           QStringLiteral(
               "  -h, --help                    print this, or a command's usage\n"
               "  -V, --version                 print the version\n\n"
               "Exit status: 0 done, 1 the command needs a site (--lat and --lon) or no place "
               "matched, 2 bad arguments.\n");
    return out;
}

}  // namespace hx::cli
