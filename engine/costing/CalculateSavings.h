#pragma once

namespace vexa::Costing {

// The design-point savings: the precool saving of the design record (kW) counted
// against a refrigeration plant with a coefficient of performance of 3, the equal
// reheat saving counted one for one, over the annual running hours at the energy
// cost; the payback is priceBase (currency units) over the yearly saving, in
// months, 0 when nothing is saved. Each result is stored as a whole number.
void CalculateSavings(double priceBase);

} // namespace vexa::Costing
