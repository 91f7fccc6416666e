#pragma once

#include <QString>

#include <optional>

namespace vexa::app {

enum class CoilOption { HeatPipeOnly, ChilledWater, Refrigerant };

// The texts and options of the main window that the calculate command checks.
struct DesignEntry {
    bool selectMode = true;
    bool wetBulbInput = true;
    CoilOption coil = CoilOption::HeatPipeOnly;
    bool usingBinData = false; // the costing window's payback option
    QString db1, wb1, rh1, db3, db4, wb4, rh4;
    QString finType, rows, fpi;
    QString finTypeCC, winTemp, woutTemp, evapTemp;
    QString height, width, airFlow, finMaterial;
};

// A refused entry: the box's title and message, the box to focus (its object name)
// and whether it is emptied.
struct Refusal {
    QString title;
    QString message;
    QString box;
    bool empty = true;
};

struct CheckOutcome {
    // The height asks for two sections; the notice comes before any refusal of the
    // width, air flow or fin material.
    bool twoSectionNotice = false;
    std::optional<Refusal> refusal;
};

// Checks the entry in the fixed order of the calculate command and stops at the
// first refusal.
CheckOutcome checkDesignEntry(const DesignEntry& entry);

// The lowest wet bulb that air at dry bulb t can have (dry air), degC, as a float.
float lowestWetBulb(float dryBulb);

inline const QString kTwoSectionTitle = QStringLiteral("Warning");
inline const QString kTwoSectionMessage =
    QStringLiteral("Please note the selected coil is greater than the maximum 1910mm height allowed for one "
                   "section and will "
                   "be supplied in two sections. Please contact Ardel for further details.");

} // namespace vexa::app
