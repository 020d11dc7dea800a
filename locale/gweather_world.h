// The libgweather location behind a city of the world list, for the weather glue.
#pragma once

typedef struct _GWeatherLocation GWeatherLocation;

namespace hx::places {

// The city's location, owned by the world list (do not unref); null for an unknown index.
GWeatherLocation* WorldCityLocation(int listIndex);

}  // namespace hx::places
