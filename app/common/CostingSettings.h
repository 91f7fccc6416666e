#pragma once

#include <QString>

#include <optional>

namespace vexa::app {

// The commercial inputs of the costing window that are kept between runs, as the
// texts of their boxes: the country list index, the energy cost and the exchange
// rate. Stored per user, application "ArdelVexa", group "PaybackCalc".
struct CostingSettings {
    QString country = QStringLiteral("0");
    QString energyCost = QStringLiteral("0.03");
    QString exchangeRate = QStringLiteral("1");
};

// What is stored, or nothing when no value has been stored yet.
std::optional<CostingSettings> loadCostingSettings();
void saveCostingSettings(const CostingSettings& settings);

} // namespace vexa::app
