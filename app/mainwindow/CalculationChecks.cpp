#include "mainwindow/CalculationChecks.h"

#include "common/NumberInput.h"

#include <QStringList>

namespace vexa::app {

namespace {

const QString kDegrees = QStringLiteral("\u00b0C");

Refusal refuse(const QString& title, const QString& message, const char* box, bool empty = true)
{
    return Refusal{title, message, QString::fromLatin1(box), empty};
}

// A temperature box with the usual pair of checks: numeric, then strictly inside
// (low, high). The titles and messages name the box.
std::optional<Refusal> checkTemperature(const QString& text, double low, double high, const char* box,
                                        const QString& nonNumericTitle, const QString& nonNumericMessage,
                                        const QString& rangeTitle, const QString& rangeMessage)
{
    const auto value = readNumber(text);
    if (!value) {
        return refuse(nonNumericTitle, nonNumericMessage, box);
    }
    if (*value <= low || *value >= high) {
        return refuse(rangeTitle, rangeMessage, box);
    }
    return std::nullopt;
}

// Relative humidity: numeric, then above 20 and at most 100.
std::optional<Refusal> checkHumidity(const QString& text, const char* box, const QString& which)
{
    const auto value = readNumber(text);
    if (!value) {
        return refuse(QStringLiteral("Air %1 RH Non-Numeric").arg(which),
                      QStringLiteral("The air %1 RH must be numeric.").arg(which.toLower()), box);
    }
    if (*value <= 20 || *value > 100) {
        return refuse(QStringLiteral("Air %1 RH Out of Range").arg(which),
                      QStringLiteral("The air %1 RH must be greater than 20% and less than or equal to 100%.")
                          .arg(which.toLower()),
                      box);
    }
    return std::nullopt;
}

QString rangeMessage(const QString& what, int low, int high)
{
    return QStringLiteral("The %1 must be greater than %2%4 and less than %3%4.")
        .arg(what)
        .arg(low)
        .arg(high)
        .arg(kDegrees);
}

std::optional<Refusal> checkStateOne(const DesignEntry& e)
{
    if (auto r = checkTemperature(e.db1, -20, 60, "txtDB1",
                                  QStringLiteral("Air On Dry Bulb Temperature Non-Numeric"),
                                  QStringLiteral("The air on dry bulb temperature must be numeric."),
                                  QStringLiteral("Air On Dry Bulb Temperature Out of Range"),
                                  rangeMessage(QStringLiteral("air on dry bulb temperature"), -20, 60))) {
        return r;
    }
    if (e.wetBulbInput) {
        return checkTemperature(e.wb1, -20, 60, "txtWB1",
                                QStringLiteral("Air On Wet Bulb Temperature Non-Numeric"),
                                QStringLiteral("The air on wet bulb temperature must be numeric."),
                                QStringLiteral("Air On Wet Bulb Temperature Out of Range"),
                                rangeMessage(QStringLiteral("air on wet bulb temperature"), -20, 60));
    }
    return checkHumidity(e.rh1, "txtRH1", QStringLiteral("On"));
}

std::optional<Refusal> checkLeavingSide(const DesignEntry& e)
{
    if (!e.selectMode) {
        // The air off the cooling coil; with RH input the engine's saturation curve
        // is only fitted from -10 to 50 degC.
        const int low = e.wetBulbInput ? -20 : -10;
        const int high = e.wetBulbInput ? 60 : 50;
        return checkTemperature(e.db3, low, high, "txtDB3",
                                QStringLiteral("Dry Bulb 3 Temperature Non-Numeric"),
                                QStringLiteral("The dry bulb temperature at 3 must be numeric."),
                                QStringLiteral("Dry Bulb 3 Temperature Out of Range"),
                                rangeMessage(QStringLiteral("dry bulb temperature at 3"), low, high));
    }
    if (auto r =
            checkTemperature(e.db4, -20, 60, "txtDB4", QStringLiteral("Dry Bulb 4 Temperature Non-Numeric"),
                             QStringLiteral("The dry bulb temperature at 4 must be numeric."),
                             QStringLiteral("Dry Bulb 4 Temperature Out of Range"),
                             rangeMessage(QStringLiteral("dry bulb temperature at 4"), -20, 60))) {
        return r;
    }
    if (e.wetBulbInput) {
        return checkTemperature(e.wb4, -20, 60, "txtWB4",
                                QStringLiteral("Air Off Wet Bulb Temperature Non-Numeric"),
                                QStringLiteral("The air off wet bulb temperature must be numeric."),
                                QStringLiteral("Air Off Wet Bulb Temperature Out of Range"),
                                rangeMessage(QStringLiteral("air off wet bulb temperature"), -20, 60));
    }
    return checkHumidity(e.rh4, "txtRH4", QStringLiteral("Off"));
}

Refusal wetAboveDry(int state, const char* box)
{
    return refuse(
        QStringLiteral("WB > DB"),
        QStringLiteral("Wet Bulb temperature at %1 cannot be greater than Dry Bulb temperature at %1. "
                       "Please enter another value.")
            .arg(state),
        box);
}

Refusal wetTooLow(int state, const char* box)
{
    return refuse(QStringLiteral("WB Too Low"),
                  QStringLiteral("Wet bulb temperature at %1 is too low. Please enter a higher wet bulb "
                                 "temperature.")
                      .arg(state),
                  box);
}

// With wet-bulb input the air on (both modes) and, in selection, the air off must
// have a wet bulb at or below their dry bulb. The air on is checked in selection
// too: the engine would otherwise work on air wetter than saturated.
std::optional<Refusal> checkWetAboveDry(const DesignEntry& e)
{
    if (!e.wetBulbInput) {
        return std::nullopt;
    }
    if (*readNumber(e.wb1) > *readNumber(e.db1)) {
        return wetAboveDry(1, "txtWB1");
    }
    if (e.selectMode && *readNumber(e.wb4) > *readNumber(e.db4)) {
        return wetAboveDry(4, "txtWB4");
    }
    return std::nullopt;
}

std::optional<Refusal> checkWetTooLow(const DesignEntry& e)
{
    if (!e.wetBulbInput) {
        return std::nullopt;
    }
    const auto below = [](const QString& wet, const QString& dry) {
        return static_cast<float>(*readNumber(wet)) < lowestWetBulb(static_cast<float>(*readNumber(dry)));
    };
    if (below(e.wb1, e.db1)) {
        return wetTooLow(1, "txtWB1");
    }
    if (e.selectMode && below(e.wb4, e.db4)) {
        return wetTooLow(4, "txtWB4");
    }
    return std::nullopt;
}

bool isFinType(const QString& text)
{
    return text == QLatin1String("Ripple") || text == QLatin1String("Louvre");
}

std::optional<Refusal> checkConstruction(const DesignEntry& e)
{
    if (!isFinType(e.finType)) {
        return refuse(
            QStringLiteral("Illegal Heat Pipe Fin Type"),
            QStringLiteral("Heat pipe fin type must be Louvre or Ripple. Please select using the drop "
                           "down list."),
            "cmbFinType", false);
    }
    if (!e.selectMode) {
        if (!QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}.contains(e.rows)) {
            return refuse(
                QStringLiteral("Illegal Heat Pipe Number of Rows"),
                QStringLiteral("Heat pipe number of rows must be 1, 2 or 3. Please select using the "
                               "drop down list."),
                "cmbRows", false);
        }
        // A rating needs the fin spacing as much as the rows: without it the engine
        // would rate a heat pipe with no fins.
        if (!QStringList{QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12")}
                 .contains(e.fpi)) {
            return refuse(
                QStringLiteral("Illegal Heat Pipe Fins Per Inch"),
                QStringLiteral("Heat pipe fins per inch must be 6, 8, 10 or 12. Please select using "
                               "the drop down list."),
                "cmbFPI", false);
        }
    }
    if (e.coil != CoilOption::HeatPipeOnly && !isFinType(e.finTypeCC)) {
        return refuse(
            QStringLiteral("Illegal Cooling Coil Fin Type"),
            QStringLiteral("Cooling coil fin type must be Louvre or Ripple. Please select using the "
                           "drop down list."),
            "cmbFinTypeCC", false);
    }
    return std::nullopt;
}

std::optional<Refusal> checkFluidTemperatures(const DesignEntry& e)
{
    if (e.coil == CoilOption::ChilledWater) {
        const auto inlet = readNumber(e.winTemp);
        if (!inlet) {
            return refuse(QStringLiteral("Water Inlet Temperature Non-Numeric"),
                          QStringLiteral("The water inlet temperature must be numeric."), "txtWinTemp");
        }
        if (*inlet < 0 || *inlet >= 30) {
            return refuse(QStringLiteral("Water Inlet Temp Not Valid"),
                          QStringLiteral("Chilled water inlet temperature out of range. Please enter a value "
                                         "greater than or equal to 0%1 and less than 30%1.")
                              .arg(kDegrees),
                          "txtWinTemp");
        }
        const auto outlet = readNumber(e.woutTemp);
        if (!outlet) {
            return refuse(QStringLiteral("Water Outlet Temperature Non-Numeric"),
                          QStringLiteral("The water outlet temperature must be numeric."), "txtWoutTemp");
        }
        if (*outlet < 0 || *outlet >= 30) {
            return refuse(
                QStringLiteral("Outlet Water Temp Invalid"),
                QStringLiteral("Chilled water outlet temperature out of range. Please enter a value "
                               "greater than or equal to 0%1 and less than 30%1.")
                    .arg(kDegrees),
                "txtWoutTemp");
        }
    }
    if (e.coil == CoilOption::Refrigerant) {
        const auto evaporating = readNumber(e.evapTemp);
        if (!evaporating) {
            return refuse(QStringLiteral("Evaporation Temperature Non-Numeric"),
                          QStringLiteral("The evaporating temperature must be numeric."), "txtEvapTemp");
        }
        if (*evaporating < 0 || *evaporating >= 15) {
            return refuse(
                QStringLiteral("Evaporating Temp Invalid"),
                QStringLiteral("Evaporating temperature out of range. Please enter a value greater than "
                               "or equal to 0%1 and less than 15%1.")
                    .arg(kDegrees),
                "txtEvapTemp");
        }
    }
    if (e.coil == CoilOption::ChilledWater && *readNumber(e.winTemp) >= *readNumber(e.woutTemp)) {
        return refuse(
            QStringLiteral("Water Inlet Temp > Water Outlet Temp"),
            QStringLiteral("For a chilled water cooling coil, the inlet water temperature must be less "
                           "than the outlet water temperature."),
            "txtWinTemp");
    }
    return std::nullopt;
}

std::optional<Refusal> checkSizeAndFlow(const DesignEntry& e)
{
    const auto width = readNumber(e.width);
    if (!width) {
        return refuse(QStringLiteral("Coil Width Non-Numeric"),
                      QStringLiteral("Coil width must be numeric. Please enter a numeric value."),
                      "txtWidth");
    }
    if (*width < 100 || *width > 3000) {
        return refuse(
            QStringLiteral("Coil Width Out of Range"),
            QStringLiteral("Coil width out of range. Please enter a value between 100mm and 3000mm. "
                           "Please contact Ardel for coil sizes outside this range."),
            "txtWidth");
    }
    const auto airFlow = readNumber(e.airFlow);
    if (!airFlow) {
        return refuse(QStringLiteral("Air Volume Non-Numeric"),
                      QStringLiteral("Air volume must be numeric. Please enter a numeric value."),
                      "txtAirVol");
    }
    if (*airFlow < 0.1 || *airFlow > 25) {
        return refuse(
            QStringLiteral("Air Volume Out of Range"),
            QStringLiteral("Air volume out of range. Please enter a value between 0.1 m\u00b3/s and 25 "
                           "m\u00b3/s. "),
            "txtAirVol");
    }
    const QStringList materials{QStringLiteral("Aluminium"), QStringLiteral("Copper"),
                                QStringLiteral("Vinyl"), QStringLiteral("Blygold")};
    if (!materials.contains(e.finMaterial)) {
        return refuse(
            QStringLiteral("Illegal Fin Material"),
            QStringLiteral("Fin material must be Aluminium, Copper, Vinyl or Blygold. Please select "
                           "using the drop down list."),
            "cmbFinMatCC", false);
    }
    if (e.coil != CoilOption::HeatPipeOnly && e.finMaterial == QLatin1String("Blygold")) {
        return refuse(QStringLiteral("Illegal Fin Material"),
                      QStringLiteral("Blygold not available on combined cooling coil/heatpipe."),
                      "cmbFinMatCC", false);
    }
    return std::nullopt;
}

} // namespace

float lowestWetBulb(float dryBulb)
{
    const double t = dryBulb;
    return static_cast<float>(-0.0034 * t * t + 0.6604 * t - 5.8976);
}

CheckOutcome checkDesignEntry(const DesignEntry& e)
{
    CheckOutcome outcome;
    for (const auto& step : {checkStateOne, checkLeavingSide, checkWetAboveDry, checkConstruction,
                             checkFluidTemperatures, checkWetTooLow}) {
        outcome.refusal = step(e);
        if (outcome.refusal) {
            return outcome;
        }
    }
    const auto height = readNumber(e.height);
    if (!height) {
        outcome.refusal =
            refuse(QStringLiteral("Coil Height Non-Numeric"),
                   QStringLiteral("Coil height must be numeric. Please enter a numeric value."), "txtHeight");
        return outcome;
    }
    outcome.twoSectionNotice = (*height < 100 || *height > 1910) && !e.usingBinData;
    outcome.refusal = checkSizeAndFlow(e);
    return outcome;
}

} // namespace vexa::app
