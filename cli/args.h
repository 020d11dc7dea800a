// Parsing of heliodex-cli's command line into a plain request.
#pragma once

#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include <QString>
#include <QStringList>

namespace hx::cli {

struct Request {
    QString command;
    std::optional<QString> ini;  // a heliodex.ini to read the options and the site from
    std::optional<QString> at;   // "YYYY-MM-DD HH:MM[:SS]", local clock time at the site
    std::optional<double> lat, lon, tz, alt, pressure, tempF;
    std::optional<int> dst;
    std::optional<QString> zone;                    // an IANA zone id, instead of --tz and --dst
    std::vector<std::pair<QString, bool>> options;  // --option NAME=0|1, in order
    QStringList rest;                               // arguments after the command
};

struct Error {
    QString message;
};

// The commands the front end knows.
const QStringList& Commands();

// Parses the arguments after the program name. Never throws.
std::variant<Request, Error> ParseArgs(const QStringList& args);

// Reads "YYYY-MM-DD HH:MM[:SS]"; nullopt when malformed.
std::optional<double> ParseMoment(const QString& text);

}  // namespace hx::cli
