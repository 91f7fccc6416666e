#pragma once

#include "design/Enumerations.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vexa::BinData {

// A city with weather bins: its name as shown, the weather table it uses and the
// caption of the money column of the savings chart (in the city's currency).
struct City {
    const char* name;
    int16_t table;
    const char* savingCaption;
};

// The city of a Country value; none for a value outside the enumeration.
std::optional<City> cityOf(Country country);

} // namespace vexa::BinData
