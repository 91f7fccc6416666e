#pragma once

#include <cstdint>

namespace vexa::Costing {

// The casing of the unit being priced: side, top, support and tube plates and the
// drain pan, each sheet area times the sheet rate plus labour units times the
// labour rate. Writes the panels and one casing total: the horseshoe casing (heat
// pipe only, horseshoe), the straight casing (heat pipe only, straight or
// combination) or the whole unit's casing (with a cooling coil). rowCount is the
// cooling coil rows of a unit with a coil, the casing rows of a straight or
// combination heat pipe; a horseshoe ignores it. The rate table must be loaded.
void CalculateSheetMetal(int32_t rowCount);

} // namespace vexa::Costing
