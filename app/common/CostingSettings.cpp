#include "common/CostingSettings.h"

#include <QSettings>

namespace vexa::app {

namespace {
constexpr const char* kGroup = "PaybackCalc";
} // namespace

std::optional<CostingSettings> loadCostingSettings()
{
    QSettings settings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa"));
    settings.beginGroup(QLatin1String(kGroup));
    if (!settings.contains(QStringLiteral("Country"))) {
        return std::nullopt;
    }
    CostingSettings stored;
    stored.country = settings.value(QStringLiteral("Country")).toString();
    stored.energyCost = settings.value(QStringLiteral("EnergyCost")).toString();
    stored.exchangeRate = settings.value(QStringLiteral("ExchangeRate")).toString();
    return stored;
}

void saveCostingSettings(const CostingSettings& stored)
{
    QSettings settings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa"));
    settings.beginGroup(QLatin1String(kGroup));
    settings.setValue(QStringLiteral("Country"), stored.country);
    settings.setValue(QStringLiteral("EnergyCost"), stored.energyCost);
    settings.setValue(QStringLiteral("ExchangeRate"), stored.exchangeRate);
    settings.endGroup();
    settings.sync();
}

} // namespace vexa::app
