// heliodex-cli reverse: the lookup's result as text lines or as one JSON document.
#pragma once

#include <QJsonObject>
#include <QString>

#include "lookup/reverse_lookup.h"

namespace hx::cli {

// The search's lines and the section of the year's spans, one per line.
QString ReverseText(const lookup::Result& result);

// The command's data: the lines, the era year, the section's heading and the spans as objects
// with their local times (ISO 8601 with the site's offset) and Julian days (UT).
QJsonObject ReverseJson(const lookup::Result& result, const lookup::SiteClock& clock);

// A Julian day (UT) as the site's clock reads it, in ISO 8601 with the offset: to the second.
QString SiteIso(double jdUt, const lookup::SiteClock& clock);

}  // namespace hx::cli
