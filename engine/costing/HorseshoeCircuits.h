#pragma once

#include <cstdint>
#include <string>

// The circuits of a horseshoe heat pipe: how its tubes are joined, and the
// refrigerant charge, bends and small items that arrangement needs.
namespace vexa::Costing {

// "A": every pair of tubes a circuit (short or very long coils); "B" and "C":
// circuits of four tubes, C when the tubes do not divide into whole groups.
enum class CircuitArrangement { A, B, C };

// The arrangement for N tubes high and a finned length L (mm) with the given tube
// diameter text; coils under 16 tubes or longer than the diameter's limit are "A".
CircuitArrangement circuitArrangement(int32_t tubesHigh, int32_t length_mm, const std::string& tubeDiameter);

struct CircuitCounts {
    int32_t bends = 0;
    int32_t items = 0;
};

// Bends and items of all rows; halves go to the even neighbour.
CircuitCounts circuitCounts(CircuitArrangement arrangement, int32_t tubesHigh, int32_t rows);

// A circuit charge (kg of the circuit's length rule) taken to the nearest half:
// a fraction below 0.25 drops, from 0.25 to below 0.75 becomes one half, from
// 0.75 the next whole number.
double toNearestHalf(double charge);

// The refrigerant charge of one row, kg.
double totalCharge_kg(CircuitArrangement arrangement, int32_t tubesHigh, int32_t length_mm,
                      const std::string& tubeDiameter);

// Writes the horseshoe charge cost, the bend cost and the item cost for the rows,
// tubes high, finned length and tube diameter of the design record.
void HorseshoeCircuitItems();

} // namespace vexa::Costing
