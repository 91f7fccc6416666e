#pragma once

#include <array>
#include <cstdint>

namespace vexa::BinData {

// One city's weather in ten temperature bins: the bin's dry bulb, the mean
// coincident wet bulb, the relative humidity and the hours per year spent in it.
struct BinTable {
    std::array<float, 10> dryBulb_C;
    std::array<float, 10> wetBulb_C;
    std::array<float, 10> relativeHumidity_pct;
    std::array<float, 10> hours;
};

constexpr int16_t kBinTableCount = 15;

// Weather table 0 to 14. Throws CalculationError for any other number.
const BinTable& binTable(int16_t table);

// Copies weather table 0 to 14 into the four bin arrays of the bin record.
void LoadBinTable(int16_t table);

} // namespace vexa::BinData
