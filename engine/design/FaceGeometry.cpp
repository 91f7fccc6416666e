#include "design/FaceGeometry.h"

#include "common/NumberText.h"
#include "design/DesignState.h"

#include <cmath>
#include <cstring>

namespace vexa {

float tubePitchFor(const char* tubeDiameter)
{
    if (std::strcmp(tubeDiameter, "3/8") == 0) {
        return 25.4F;
    }
    if (std::strcmp(tubeDiameter, "1/2") == 0) {
        return 31.75F;
    }
    return 38.1F; // 5/8 inch tubes, and every other text
}

void CalculateFaceGeometry()
{
    DesignState& ds = designState();
    const float pitch = tubePitchFor(ds.tubeDiameter.c_str());
    ds.TubePitch = pitch;

    const int32_t tubesThatFit = num::floorToInt32(ds.finnedHeight_mm / static_cast<double>(pitch));
    // The pitch is single precision: 38.1 is 38.0999985, so 30 tubes give
    // floor(1146.99995) = 1146 mm.
    const double faceHeight_mm = std::floor(tubesThatFit * static_cast<double>(pitch) + 4);
    ds.actualFaceHeight_mm = static_cast<float>(faceHeight_mm);
    ds.tubesHigh = num::floorToInt32(faceHeight_mm / pitch);
    ds.finnedLength_mm = ds.finnedWidth_mm;

    const float area_m2 = static_cast<float>((faceHeight_mm / 1000) * (ds.finnedWidth_mm / 1000.0));
    const float velocity_mps = static_cast<float>(ds.airFlowRate_m3s / static_cast<double>(area_m2));
    ds.faceArea_m2 = static_cast<float>(num::roundHalfAway(area_m2, 2));
    ds.faceVelocity_mps = static_cast<float>(num::roundHalfAway(velocity_mps, 2));
}

} // namespace vexa
