#pragma once

#include <cstdint>
#include <string>

namespace vexa::Costing {

// The overall size of the unit in mm as "heightxwidthxdepth" (for example
// "1239x2050x510"): a unit with a cooling coil or a horseshoe heat pipe stands as
// high as its face; a straight or combination heat pipe lies across both sections
// (twice the width), standing on end when its orientation is "Vertical".
void BuildSizesText();

// The text of three sizes, each a 16-bit whole number in plain digits.
std::string sizesText(double height_mm, double width_mm, double depth_mm);

} // namespace vexa::Costing
