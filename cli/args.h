// Parsing of heliodex-cli's command line into a plain request.
#pragma once

#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

namespace hx::cli {

enum class Format { Text, Json, Ics };

struct Request {
    QString command;
    std::optional<QString> ini;   // a heliodex.ini to read the options and the site from
    std::optional<QString> at;    // "YYYY-MM-DD HH:MM[:SS]", local clock time at the site
    std::optional<QString> zone;  // an IANA time zone name for the site
    std::optional<QString> site;  // a saved place's name, from savedplaces.txt
    std::optional<double> lat, lon, tz, alt, pressure, tempF;
    std::optional<int> dst;
    std::optional<int> days;  // events and hours: calendar days from the --at day
    Format format = Format::Text;
    std::vector<std::pair<QString, bool>> options;  // --option NAME=0|1, in order
    QHash<QString, QString> own;                    // the command's own options, by name
    QString operand;    // the words after a command that takes one (places: the query)
    bool help = false;  // print the usage (of `command`, if set)
    bool version = false;
};

struct Error {
    QString message;
};

// The commands the front end knows.
const QStringList& Commands();

// Parses the arguments after the program name; options may stand before or after the
// command. Never throws.
std::variant<Request, Error> ParseArgs(const QStringList& args);

// The usage text: the whole program's, or one command's when it names one.
QString UsageText(const QString& command = {});

// Reads "YYYY-MM-DD HH:MM[:SS]"; nullopt when malformed.
std::optional<double> ParseMoment(const QString& text);

// Text with control characters written as \xHH or \uHHHH, so that an echoed argument cannot
// break a line or steer the terminal.
QString EscapeControls(const QString& text);

}  // namespace hx::cli
