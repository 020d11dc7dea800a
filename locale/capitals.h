// Which cities of the gazetteer are capitals, so that a search puts them first.
#pragma once

namespace hx::places {

struct Place;

// A country's capital, a first-level region's, or neither.
enum class CapitalKind { None = 0, Region = 1, Country = 2 };

CapitalKind CapitalOf(const Place& place);

}  // namespace hx::places
