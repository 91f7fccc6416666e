#pragma once

#include "design/Enumerations.h"

#include <QString>

#include <array>

namespace vexa::app {

// One entry of the costing window's country list: what choosing it shows.
struct CostingCountry {
    const char* entry;      // the list text
    const char* currency;   // the currency text of the savings labels (UTF-8)
    const char* energyCost; // the default energy cost text, or nullptr: the box is emptied
    bool exchangeRateShown; // the exchange rate box and its label
    double exchangeRate;    // currency units per pound
    bool foreignPriceShown; // the foreign price frame, titled "Ex-Works Price (X)"
    Country city;           // the weather bins passed to Bin.City
};

// The 14 countries in list order; index 0 is the default.
// clang-format off
inline constexpr std::array<CostingCountry, 14> kCostingCountries{{
    {"United Kingdom - London",   "\u00a3", "0.03",  false, 1,       false, Country::United_Kingdom_London},
    {"United Kingdom - Aberdeen", "\u00a3", "0.03",  false, 1,       false, Country::United_Kingdom_Aberdeen},
    {"Bahrain",                   "BD",     nullptr, true,  0.625,   true,  Country::Bahrain_Manama},
    {"Hong Kong",                 "HKD",    nullptr, true,  11.44,   true,  Country::Hong_Kong_Hong_Kong},
    {"India - Mumbai",            "Rs",     nullptr, true,  72,      true,  Country::India_Mumbai},
    {"India - Calcutta",          "Rs",     nullptr, true,  72,      true,  Country::India_Calcutta},
    {"Korea",                     "WON",    nullptr, true,  1873.77, true,  Country::Korea_Soeul},
    {"Kuwait",                    "KD",     nullptr, true,  0.5,     true,  Country::Kuwait_Kuwait_City},
    {"Oman",                      "OMR",    nullptr, true,  0.53,    true,  Country::Oman_Muscat},
    {"Qatar",                     "QR",     nullptr, true,  5.3,     true,  Country::Qatar_Doha},
    {"Saudi Arabia - Jeddah",     "SR",     nullptr, true,  5.3,     true,  Country::Saudi_Arabia_Jeddah},
    {"Saudi Arabia - Riyadh",     "SR",     nullptr, true,  5.3,     true,  Country::Saudi_Arabia_Riyadh},
    {"U.A.E.",                    "DH",     nullptr, true,  5.3,     true,  Country::UAE_Dubai},
    {"Germany - Frankfurt",       "\u20ac", "0.03",  false, 1.6,     true,  Country::Germany_Frankfurt},
}};
// clang-format on

// The Bin.City value for a country list text (trimmed); London when the text is
// not in the list.
Country binCityFor(const QString& countryText);

} // namespace vexa::app
