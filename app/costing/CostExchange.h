#pragma once

#include "design/Enumerations.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vexa {
class Bin;
class Cost;
class Main;
} // namespace vexa

namespace vexa::app {

// The costing window's calls to the engine's Cost and Bin objects of one Main.
// Each let is virtual so that a test can watch the values the engine receives,
// in the order it receives them; results are read from cost() and bin(). The
// exchange lives for one "Cal": dropping it releases the window's hold on the
// engine objects.
class CostExchange {
public:
    explicit CostExchange(Main& main);
    virtual ~CostExchange() = default;
    CostExchange(const CostExchange&) = delete;
    CostExchange& operator=(const CostExchange&) = delete;

    virtual void setHeatpipeStyle(HeatpipeStyling style);
    virtual void setCasingMaterial(CasingMat material);
    virtual void setDrainpanType(Drainpan type);
    virtual void setOptStainlessSteelDrainpan(bool stainless);
    virtual void setOptEliminators(bool fitted);
    virtual void setOrienitation(OrientationType orientation);
    virtual void setMargin(int16_t pct);
    virtual void setExchangeRate(double unitsPerPound);
    virtual void setEnergyCost(double perKWh);
    virtual void setAnnualRunningHours(double hours);
    virtual void setAdditionalCost(double pounds);
    virtual void InitiateCostingCalculations();
    virtual void setCity(Country city);
    // Shows the bin windows modally through the engine's presenter.
    virtual void UseBinData();

    const Cost& cost() const { return m_cost; }
    const Bin& bin() const;

private:
    Cost& m_cost;
};

// Makes the exchange for the program's Main when "Cal" needs one.
using CostExchangeFactory = std::function<std::unique_ptr<CostExchange>(Main&)>;

CostExchangeFactory defaultCostExchangeFactory();

} // namespace vexa::app
