#include "bindata/Cities.h"

#include <array>

namespace vexa::BinData {

namespace {

// Indexed by the Country value. Bahrain has no table of its own and shares Doha's.
// clang-format off
constexpr std::array<City, 16> kCities = {{
    {"United Kingdom - London",    0,  "Cost Saving (£)"},
    {"United Kingdom - Aberdeen",  1,  "Cost Saving (£)"},
    {"Germany - Frankfurt",        4,  "Cost Saving (EUR)"},
    {"Kuwait - Kuwait City",       9,  "Cost Saving (KWD)"},
    {"U.A.E. - Dubai",             3,  "Cost Saving (DH)"},
    {"Saudi Arabia - Riyadh",      11, "Cost Saving (SAR)"},
    {"Saudi Arabia - Jeddah",      12, "Cost Saving (SAR)"},
    {"Qatar - Doha",               2,  "Cost Saving (QAR)"},
    {"Bahrain - Manama",           2,  "Cost Saving (BHD)"},
    {"Oman - Muscat",              10, "Cost Saving (OMR)"},
    {"India - Mumbai",             7,  "Cost Saving (INR)"},
    {"India - Calcutta",           6,  "Cost Saving (INR)"},
    {"Hong Kong - Hong Kong",      5,  "Cost Saving (HKD)"},
    {"Korea - Soeul",              8,  "Cost Saving (WON)"},
    {"Egypt - Cairo",              13, "Cost Saving ()"},
    {"Egypt - Alexandria",         14, "Cost Saving ()"},
}};
// clang-format on

} // namespace

std::optional<City> cityOf(Country country)
{
    const auto index = static_cast<int32_t>(country);
    if (index < 0 || index >= static_cast<int32_t>(kCities.size())) {
        return std::nullopt;
    }
    return kCities[static_cast<size_t>(index)];
}

} // namespace vexa::BinData
