#include "costing/CostExchange.h"

#include "bindata/Bin.h"
#include "costing/Cost.h"
#include "design/Main.h"

namespace vexa::app {

CostExchange::CostExchange(Main& main) : m_cost(main.Cost())
{
}

void CostExchange::setHeatpipeStyle(HeatpipeStyling style)
{
    m_cost.setHeatpipeStyle(style);
}

void CostExchange::setCasingMaterial(CasingMat material)
{
    m_cost.setCasingMaterial(material);
}

void CostExchange::setDrainpanType(Drainpan type)
{
    m_cost.setDrainpanType(type);
}

void CostExchange::setOptStainlessSteelDrainpan(bool stainless)
{
    m_cost.setOptStainlessSteelDrainpan(stainless);
}

void CostExchange::setOptEliminators(bool fitted)
{
    m_cost.setOptEliminators(fitted);
}

void CostExchange::setOrienitation(OrientationType orientation)
{
    m_cost.setOrienitation(orientation);
}

void CostExchange::setMargin(int16_t pct)
{
    m_cost.setMargin(pct);
}

void CostExchange::setExchangeRate(double unitsPerPound)
{
    m_cost.setExchangeRate(unitsPerPound);
}

void CostExchange::setEnergyCost(double perKWh)
{
    m_cost.setEnergyCost(perKWh);
}

void CostExchange::setAnnualRunningHours(double hours)
{
    m_cost.setAnnualRunningHours(hours);
}

void CostExchange::setAdditionalCost(double pounds)
{
    m_cost.setAdditionalCost(pounds);
}

void CostExchange::InitiateCostingCalculations()
{
    m_cost.InitiateCostingCalculations();
}

void CostExchange::setCity(Country city)
{
    m_cost.Bin().setCity(city);
}

void CostExchange::UseBinData()
{
    m_cost.Bin().UseBinData();
}

const Bin& CostExchange::bin() const
{
    return m_cost.Bin();
}

CostExchangeFactory defaultCostExchangeFactory()
{
    return [](Main& main) { return std::make_unique<CostExchange>(main); };
}

} // namespace vexa::app
