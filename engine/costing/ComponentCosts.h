#pragma once

#include <cstdint>

// The component costs of a heat pipe or cooling coil, each written into the
// costing record (pounds, single precision). "Heat pipe only" and "horseshoe" are
// the flags of the records at the time of the call: the price pipeline changes
// them between its passes. The rate table must have been loaded.
namespace vexa::Costing {

// Fin material for the given rows: 1.1 x the fin sheet of the face at a fixed
// 38.1 mm pitch and 33 mm row depth, 0.25 mm thick for aluminium or Blygold at 6
// fins per inch and 0.15 mm otherwise.
void FinCost(int32_t rows);

// Copper tube for the given rows; a straight or combination heat pipe runs its
// tubes across both sections (twice the width).
void TubeCost(int32_t rows);

// Per-tube allowances for the given rows; B is halved except for a horseshoe heat pipe.
void TubeAllowanceA(int32_t rows);
void TubeAllowanceB(int32_t rows);

void FixedAmount();

// 20 plus one pound per 3 kW of cooling duty.
void CoolingCoilAllowance();

// Fittings of a straight or combination heat pipe for the given rows.
void FittingAllowance(int32_t rows);

// Protective coating of a "Blygold" coil by heat pipe rows and face area (both
// sections of a horseshoe), at least the minimum charge; 0 for other materials.
void CoatingCost();

// Refrigerant charge of a straight or combination heat pipe.
void ChargeCost();

// Moisture eliminators when the eliminators flag is set; 0 otherwise.
void EliminatorCost();

} // namespace vexa::Costing
