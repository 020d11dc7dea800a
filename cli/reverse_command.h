// heliodex-cli reverse: the reverse date lookup's lines for a Thelemic year and two signs.
#pragma once

#include <optional>

#include "cli/args.h"
#include "cli/run.h"
#include "lookup/reverse_lookup.h"

namespace hx::cli {

// A sign given by index 0..11 or by English name in any letter case; nullopt otherwise.
std::optional<int> ParseSign(const QString& text);

// Reads the command's own options (--docosade, --year, --sun, --moon and the degrees).
std::variant<lookup::Query, Error> ParseReverse(const Request& r);

// Runs the lookup with the context's time zone.
Outcome Reverse(const Request& r, const Context& c);

}  // namespace hx::cli
