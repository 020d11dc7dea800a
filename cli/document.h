// heliodex-cli's JSON answer: one object of the same shape for every command.
#pragma once

#include <QJsonObject>
#include <QString>

#include "cli/run.h"

namespace hx::cli {

// {"latitude", "longitude", "zone" (IANA id or null), "utc_offset_hours", "altitude_m",
// "pressure_mbar", "temperature_c"}: the site the command used.
QJsonObject SiteObject(const Observer& site);

// {"command", "site", "moment", ...data}: the command's own keys beside the three every
// answer has; without a context (places) site and moment are null.
QString Document(const char* command, const QJsonObject& data, const Context* c);

}  // namespace hx::cli
