#pragma once

namespace vexa::Costing {

// Approximate weight of the heat pipe, of one section's fins and tubes plus casing
// and fitting allowances (a straight heat pipe's allowances are lighter), and of
// the cooling coil when fitted; 12.5 % more with eliminators. Stored in whole kg.
void CalculateWeight();

// The two parts on their own, kg, unrounded.
double HeatpipeWeight();
double CoolingCoilWeight();

} // namespace vexa::Costing
