#include "costing/CostRates.h"

#include "costing/CostingState.h"
#include "design/DesignState.h"

#include <array>

namespace vexa::Costing {

namespace {

// Index 0 is unused so that the table reads as the rate numbers do.
// clang-format off
constexpr std::array<double, 26> kRates = {
    0,
    2.7, 3.6, 3.4,            // fin material per kg: aluminium and Blygold, copper, vinyl
    4, 3.6,                   // tube per kg: heat pipe, cooling coil
    0.14, 0.15,               // tube allowances A and B, per tube per row
    2,                        // fixed amount per coil
    0.4, 0.6, 1,              // per bend: 3/8, 1/2 (and unlisted), 5/8 inch tube
    0.1,                      // per counted item
    76, 82, 104, 114, 135, 156, // coating per m2 of face: 1, 2, 3, 4, 6, 8 rows
    48,                       // minimum coating charge
    5,                        // refrigerant charge per kg (1.5 for "Dubai")
    1.45, 1.25,               // eliminators: per blade count unit, per frame unit
    16.17, 73.2,              // sheet per m2: galvanised, stainless
    1.2,                      // sheet metal labour per labour unit
};
// clang-format on

constexpr double kDubaiChargePerKg = 1.5;

} // namespace

void LoadCostRates()
{
    std::array<double, 26>& table = costingState().CostRateTable;
    table = kRates;
    if (designState().applicationType == "Dubai") {
        table[kChargePerKg] = kDubaiChargePerKg;
    }
}

double rate(CostRate index)
{
    return costingState().CostRateTable[static_cast<size_t>(index)];
}

} // namespace vexa::Costing
