#include "costing/HorseshoeCircuits.h"

#include "common/NumberText.h"
#include "costing/CostRates.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"

#include <array>
#include <cmath>

namespace vexa::Costing {

namespace {

// Per tube diameter: the longest coil built with four-tube circuits (mm) and, for
// the three circuit types, the circuit charge per mm of finned length (a circuit
// charge is length x coefficient + 3; the total turns charges into kg).
struct DiameterData {
    int32_t lengthLimit_mm;
    std::array<double, 3> chargeCoefficient;
};

DiameterData diameterData(const std::string& tubeDiameter)
{
    if (tubeDiameter == "3/8") {
        return {2000, {0.0068, 0.0056, 0.0113}};
    }
    if (tubeDiameter == "1/2") {
        return {2200, {0.0121, 0.01, 0.0201}};
    }
    if (tubeDiameter == "5/8") {
        return {3000, {0.0188, 0.0156, 0.0312}};
    }
    return {2000, {0.0106, 0.0088, 0.0176}};
}

constexpr double kChargeFactor = 0.0284;

double bendRate(const std::string& tubeDiameter)
{
    if (tubeDiameter == "3/8") {
        return rate(kBend3_8);
    }
    if (tubeDiameter == "5/8") {
        return rate(kBend5_8);
    }
    return rate(kBend1_2);
}

} // namespace

CircuitArrangement circuitArrangement(int32_t tubesHigh, int32_t length_mm, const std::string& tubeDiameter)
{
    if (tubesHigh < 16 || length_mm > diameterData(tubeDiameter).lengthLimit_mm) {
        return CircuitArrangement::A;
    }
    // Groups of four tubes: (N - 1) / 4 for odd N, N / 4 for even N.
    const int32_t grouped = tubesHigh % 2 != 0 ? tubesHigh - 1 : tubesHigh;
    return grouped % 4 == 0 ? CircuitArrangement::B : CircuitArrangement::C;
}

CircuitCounts circuitCounts(CircuitArrangement arrangement, int32_t tubesHigh, int32_t rows)
{
    const bool odd = tubesHigh % 2 != 0;
    const double u = tubesHigh / 2.0;
    const double q = tubesHigh / 4.0;
    const double R = rows;
    switch (arrangement) {
    case CircuitArrangement::A:
        if (odd) {
            return {rows * (tubesHigh - 3), num::toInt32((u - 1.5) * R)};
        }
        return {rows * (tubesHigh - 2), num::toInt32((u - 1) * R)};
    case CircuitArrangement::B:
        if (odd) {
            return {num::toInt32((u + 1.5) * R), num::toInt32((q + 0.75) * R)};
        }
        return {num::toInt32((u + 2) * R), num::toInt32((q + 1) * R)};
    case CircuitArrangement::C:
        if (odd) {
            return {num::toInt32((u + 2.5) * R), num::toInt32((q + 1.25) * R)};
        }
        return {num::toInt32((u + 3) * R), num::toInt32((q + 1.5) * R)};
    }
    return {};
}

double toNearestHalf(double charge)
{
    const double whole = std::floor(charge);
    const double fraction = charge - whole;
    if (fraction < 0.25) {
        return whole;
    }
    return fraction < 0.75 ? whole + 0.5 : whole + 1;
}

double totalCharge_kg(CircuitArrangement arrangement, int32_t tubesHigh, int32_t length_mm,
                      const std::string& tubeDiameter)
{
    const DiameterData data = diameterData(tubeDiameter);
    auto circuitCharge = [&](size_t type) {
        return toNearestHalf(length_mm * data.chargeCoefficient[type] + 3);
    };
    const double K1 = circuitCharge(0);
    const double K2 = circuitCharge(1);
    // Four-tube circuits only in arrangements B and C.
    const double K3 = arrangement == CircuitArrangement::A ? 0 : circuitCharge(2);

    const bool odd = tubesHigh % 2 != 0;
    const double u = tubesHigh / 2.0;
    const double q = tubesHigh / 4.0;
    switch (arrangement) {
    case CircuitArrangement::A:
        return ((u - (odd ? 3.5 : 3)) * K2 + 2 * K1) * kChargeFactor;
    case CircuitArrangement::B:
        return ((q - (odd ? 2.25 : 2)) * K3 + K2 + 2 * K1) * kChargeFactor;
    case CircuitArrangement::C:
        return ((q - (odd ? 2.75 : 2.5)) * K3 + 2 * K2 + 2 * K1) * kChargeFactor;
    }
    return 0;
}

void HorseshoeCircuitItems()
{
    const DesignState& ds = designState();
    const int32_t N = ds.tubesHigh;
    const int32_t L = ds.finnedLength_mm;
    const int32_t R = ds.heatpipeRows;
    const CircuitArrangement arrangement = circuitArrangement(N, L, ds.tubeDiameter);
    const CircuitCounts counts = circuitCounts(arrangement, N, R);
    const double charge_kg = totalCharge_kg(arrangement, N, L, ds.tubeDiameter);

    ComponentCosts& components = costingState().components;
    components.horseshoeCharge = static_cast<float>(rate(kChargePerKg) * charge_kg * R);
    components.bends = static_cast<float>(counts.bends * bendRate(ds.tubeDiameter));
    components.items = static_cast<float>(counts.items * rate(kPerItem));
}

} // namespace vexa::Costing
