#include "costing/BuildSizesText.h"

#include "common/NumberText.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"

namespace vexa::Costing {

std::string sizesText(double height_mm, double width_mm, double depth_mm)
{
    return std::to_string(num::toInt16(height_mm)) + "x" + std::to_string(num::toInt16(width_mm)) + "x" +
           std::to_string(num::toInt16(depth_mm));
}

void BuildSizesText()
{
    const DesignState& ds = designState();
    CostingState& cs = costingState();
    const double N = ds.tubesHigh;
    const double pitch_mm = ds.TubePitch;
    const double W = ds.finnedWidth_mm;
    const int32_t R = ds.heatpipeRows;

    if (!ds.heatPipeOnly) {
        cs.sizes =
            sizesText(num::floorToInt32(N * pitch_mm + 4 + 50), W + 250, 35.0 * ds.coilRows + 70.0 * R + 150);
        return;
    }
    if (cs.horseshoeStyle) {
        cs.sizes = sizesText(num::floorToInt32(N * pitch_mm + 4 + 50), W + 180, R == 3 ? 580 : 510);
        return;
    }
    // A straight or combination heat pipe: lying down, its height is that of a
    // face two tubes higher.
    const double depth_mm = cs.eliminators ? 365 : 185;
    if (cs.orientation == "Vertical") {
        cs.sizes = sizesText(2 * W + 250, num::floorToInt32(N * pitch_mm + 4 + 100), depth_mm);
    } else {
        cs.sizes = sizesText(num::floorToInt32((N + 2) * pitch_mm + 4 + 100), 2 * W + 250, depth_mm);
    }
}

} // namespace vexa::Costing
