#pragma once

namespace vexa::Psycrometric {

// Completes the four air states (on the precool section, off it, off the cooling
// coil, off the reheat section) and works out the precool and reheat savings and
// the cooling duty. Throws CalculationError when a state cannot be worked out.
void CalculateAirStates();

} // namespace vexa::Psycrometric
