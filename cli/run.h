// heliodex-cli's commands as a function of the arguments and the present.
#pragma once

#include <QString>
#include <QStringList>

#include "cli/args.h"
#include "core/datetime.h"
#include "core/observer.h"
#include "menu/options_model.h"

namespace hx::cli {

struct Outcome {
    int status = 0;  // 0 done, 1 cannot do it (no site), 2 bad arguments
    QString out;
    QString err;
};

// Everything a command reads, resolved from the request.
struct Context {
    Moment moment = 0;     // the site clock reading (--at, or the present's)
    Moment momentUtc = 0;  // its instant
    Observer observer;     // with the offset in force at the instant (and its zone, if any)
    Observer at;           // the same with that offset fixed: the moment's own conversions
    OptionsModel options;
    QString siteName;  // the place's name, where one is known; else the coordinates name it
};

// Resolves the site, moment and options: unset --tz and --dst follow --zone (or the
// system's time zone) at that moment; --temp-f is converted to Celsius. An unknown --zone
// is an error.
std::variant<Context, Error> ResolveContext(const Request& r, Moment now);

// Runs the command line (arguments after the program name) at the present instant `nowUtc`.
Outcome Run(const QStringList& args, Moment nowUtc);

}  // namespace hx::cli
