#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vexa {

// The bin-data part of the engine's process-wide design record: the chosen city,
// the weather table loaded for it and the savings of the last bin calculation,
// which the bin windows read. Arrays are indexed by bin number, 1 to 10.
struct BinState {
    std::string cityName;      // "United Kingdom - London" ... or "n/a"
    std::string savingCaption; // "Cost Saving (£)" ..., names the money column of the charts
    int16_t tableIndex = 0;    // weather table 0 to 14

    std::array<float, 11> dryBulb_C{};
    std::array<float, 11> wetBulb_C{};
    std::array<float, 11> hours{}; // per year
    std::array<float, 11> relativeHumidity_pct{};

    std::array<double, 11> energySaving_kWh{}; // per year, whole
    std::array<double, 11> moneySaving{};      // currency units per year, whole
    double totalEnergySaving_kWh = 0;
    double totalMoneySaving = 0;
};

// The record shared by the whole process.
BinState& binState();

// Puts the record back to its state when the engine is loaded: every number zero,
// every text empty.
void resetBinState();

} // namespace vexa
