#include "costing/SheetMetal.h"

#include "costing/CostRates.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"

#include <cmath>

namespace vexa::Costing {

namespace {

enum class Build { WithCoolingCoil, HorseshoeOnly, StraightOnly };

// Sheet rate of a stainless steel drain pan, pounds per m2, whatever the casing.
constexpr double kStainlessDrainpanPerM2 = 60.02;
// Eliminators add this much casing depth, mm.
constexpr double kEliminatorDepth_mm = 180;
// Casing face height pitch, mm: fixed whatever the tube diameter.
constexpr double kCasingPitch_mm = 38.1;

struct Casing {
    Build build;
    int32_t tubesHigh;
    double width_mm;
    int32_t heatpipeRows;
    int32_t rows;        // n
    double depth_mm;     // D
    double faceHeight_m; // H, at the fixed casing pitch
    double sheetRate;
    double labourRate;
};

Build buildOf(const DesignState& ds, const CostingState& cs)
{
    if (!ds.heatPipeOnly) {
        return Build::WithCoolingCoil;
    }
    return cs.horseshoeStyle ? Build::HorseshoeOnly : Build::StraightOnly;
}

double panel(const Casing& c, double sheet_m2, double labourUnits)
{
    return sheet_m2 * c.sheetRate + labourUnits * c.labourRate;
}

double sidePanel(const Casing& c)
{
    const double H = c.faceHeight_m;
    if (c.build == Build::HorseshoeOnly) {
        const double R1 = c.heatpipeRows - 1;
        return panel(c, (H + 0.114) * (0.09 + c.depth_mm / 1000),
                     0.5 * (0.134 + 0.002 * R1 * c.tubesHigh + 0.12 * R1 + 8.437));
    }
    return panel(c, (H + 0.124) * (0.18 + c.depth_mm / 1000),
                 0.5 * (0.512 * c.tubesHigh + 18.683 + 2.747 * (c.rows - 1)));
}

double topPanel(const Casing& c)
{
    const double W = c.width_mm;
    switch (c.build) {
    case Build::WithCoolingCoil:
        return panel(c, (W / 1000 + 0.124) * (c.depth_mm / 1000 + 0.124),
                     0.5 * (4.405 * W / 1000 + 13.15 + 0.784 * (c.rows - 1)));
    case Build::HorseshoeOnly: {
        const double R1 = c.heatpipeRows - 1;
        return panel(c, (W / 1000 + 0.114) * (c.depth_mm / 1000 + 0.114),
                     0.5 * ((0.002637 + 0.000037 * R1) * W + 0.104 * R1 + 7.166));
    }
    case Build::StraightOnly:
        return panel(c, (2 * W / 1000 + 0.124) * (c.depth_mm / 1000 + 0.124),
                     0.5 * (2 * W * 4.405 / 1000 + 13.15 + 0.784 * (c.rows - 1)));
    }
    return 0;
}

double supportLabourUnits(const Casing& c)
{
    return (0.067 + 0.001 * (c.rows - 1)) * c.tubesHigh + 5.572 + 0.387 * (c.rows - 1);
}

double supportPlate(const Casing& c)
{
    return panel(c, (c.faceHeight_m + 0.04) * (c.depth_mm / 1000 + 0.04), supportLabourUnits(c));
}

double tubePlate(const Casing& c)
{
    return panel(c, (c.tubesHigh * 0.0381 + 0.124) * c.depth_mm / 1000, 0.5 * supportLabourUnits(c));
}

int32_t supportCount(const Casing& c)
{
    if (c.build == Build::StraightOnly) {
        return c.width_mm > 1500 ? 3 : 0;
    }
    if (c.width_mm > 3000) {
        return 2;
    }
    return c.width_mm > 1500 || c.tubesHigh > 23 ? 1 : 0;
}

double drainPan(const Casing& c, const CostingState& cs)
{
    const double sheetRate = cs.stainlessSteelDrainpan ? kStainlessDrainpanPerM2 : c.sheetRate;
    const double W = c.width_mm;
    const double n = c.rows;
    const bool heatpipeOnly = c.build != Build::WithCoolingCoil;
    double material = 0;
    double labour = 0;
    if (cs.drainpanType == "Perforated Base") {
        // A perforated base is a top panel of its own.
        if (heatpipeOnly) {
            labour = c.labourRate * 0.6 * (2 * W * 4.405 / 1000 + 13.15 + 0.784 * (n - 1));
            material = (2 * W / 1000 + 0.124) * (c.depth_mm / 1000 + 0.124) * 1.1 * sheetRate;
        } else {
            labour = c.labourRate * 0.6 * (4.405 * W / 1000 + 13.15 + 0.784 * (n - 1));
            material = (W / 1000 + 0.124) * (c.depth_mm / 1000 + 0.124) * 1.1 * sheetRate;
        }
    } else {
        // The pan blank: the casing depth less the tube rows, plus the two sloping
        // sides over half the rows with a 62 mm rise.
        const double slope_mm = 33 * n / 2;
        const double blank_m =
            (124 + c.depth_mm - 33 * n + 2 * std::sqrt(62.0 * 62.0 + slope_mm * slope_mm)) / 1000;
        material = blank_m * W / 1000 * sheetRate;
        const double panWidth_mm = heatpipeOnly ? 2 * W : W;
        labour = c.labourRate * (panWidth_mm / 1000 * 7.214 + 21.834 + 0.392 * (n - 1));
        if (cs.drainpanType == "Sloping Drainpan") {
            labour *= 2.5;
        }
    }
    return material + labour;
}

} // namespace

void CalculateSheetMetal(int32_t rowCount)
{
    const DesignState& ds = designState();
    CostingState& cs = costingState();
    CasingCosts& out = cs.casing;

    out.sheetRate_perm2 = static_cast<float>(
        cs.casingMaterial == "Galvanised sheet" ? rate(kGalvanisedSheetPerM2) : rate(kStainlessSheetPerM2));
    const Build build = buildOf(ds, cs);
    const int32_t R = ds.heatpipeRows;
    double depth_mm = 0;
    switch (build) {
    case Build::WithCoolingCoil:
        out.rowCount = 2 + 2 * R + rowCount;
        depth_mm = 35.0 * out.rowCount + 115;
        break;
    case Build::HorseshoeOnly:
        out.rowCount = R;
        depth_mm = R > 2 ? 185 : 150;
        break;
    case Build::StraightOnly:
        out.rowCount = rowCount;
        depth_mm = 35.0 * out.rowCount + 115;
        break;
    }
    if (cs.eliminators) {
        depth_mm += kEliminatorDepth_mm;
    }
    out.depth_mm = static_cast<float>(depth_mm);

    const Casing c{build,
                   ds.tubesHigh,
                   static_cast<double>(ds.finnedWidth_mm),
                   R,
                   out.rowCount,
                   static_cast<double>(out.depth_mm),
                   ds.tubesHigh * kCasingPitch_mm / 1000,
                   static_cast<double>(out.sheetRate_perm2),
                   rate(kSheetMetalLabour)};
    out.sidePanel = sidePanel(c);
    out.topPanel = topPanel(c);
    out.supportPlate = supportPlate(c);
    out.tubePlate = tubePlate(c);
    out.supportCount = supportCount(c);
    out.drainPan = drainPan(c, cs);

    // A drain pan takes the place of the second top panel.
    const bool withDrainpan = cs.drainpanType != "No Drainpan";
    const double topAndPan = withDrainpan ? out.topPanel + out.drainPan : 2 * out.topPanel;
    const double supports = out.supportCount * out.supportPlate;
    switch (build) {
    case Build::HorseshoeOnly:
        out.horseshoe = (2 * out.sidePanel + 2 * out.topPanel + supports) * 3;
        break;
    case Build::StraightOnly:
        out.straight = (2 * out.sidePanel + topAndPan + 2 * out.tubePlate + supports) * 1.3;
        break;
    case Build::WithCoolingCoil:
        out.wholeUnit = 2 * out.sidePanel + topAndPan + 2 * out.tubePlate + supports;
        break;
    }
}

} // namespace vexa::Costing
