#pragma once

#include "design/Main.h"

#include <functional>
#include <memory>

namespace vexa::app {

// The program's engine Main object, seen through the calls the calculate command
// makes. Each let is virtual so that a test can watch the values the engine
// receives, in the order it receives them; results are read from main().
class EngineLink {
public:
    EngineLink() = default;
    virtual ~EngineLink() = default;
    EngineLink(const EngineLink&) = delete;
    EngineLink& operator=(const EngineLink&) = delete;

    virtual void setVexaApplicationType(VexaType type) { m_main.setVexaApplicationType(type); }
    virtual VexaType VexaApplicationType() const { return m_main.VexaApplicationType(); }
    virtual void setHeatpipeType(Heatpipe type) { m_main.setHeatpipeType(type); }
    virtual void setDryBulb_1(float degC) { m_main.setDryBulb_1(degC); }
    virtual void setTubeDiameter(const std::string& text) { m_main.setTubeDiameter(text); }
    virtual void setFinType_Heatpipe(FinType type) { m_main.setFinType_Heatpipe(type); }
    virtual void setOptMode(SELECTorRATE mode) { m_main.setOptMode(mode); }
    virtual void setFinMaterial(FinMat material) { m_main.setFinMaterial(material); }
    virtual void setFinType_CoolingCoil(FinType type) { m_main.setFinType_CoolingCoil(type); }
    virtual void setInletWaterTemp(float degC) { m_main.setInletWaterTemp(degC); }
    virtual void setOutletWaterTemp(float degC) { m_main.setOutletWaterTemp(degC); }
    virtual void setEvaporatingTemperature(float degC) { m_main.setEvaporatingTemperature(degC); }
    virtual void setOptWetBulb(WBorRH mode) { m_main.setOptWetBulb(mode); }
    virtual void setDryBulb_3(float degC) { m_main.setDryBulb_3(degC); }
    virtual void setDryBulb_4(float degC) { m_main.setDryBulb_4(degC); }
    virtual void setWetBulb_1(float degC) { m_main.setWetBulb_1(degC); }
    virtual void setWetBulb_4(float degC) { m_main.setWetBulb_4(degC); }
    virtual void setRelativeHumidity_1(float pct) { m_main.setRelativeHumidity_1(pct); }
    virtual void setRelativeHumidity_4(float pct) { m_main.setRelativeHumidity_4(pct); }
    virtual void setFPI_Heatpipe(int32_t finsPerInch) { m_main.setFPI_Heatpipe(finsPerInch); }
    virtual void setNoOfRowsHeatpipe(int32_t rows) { m_main.setNoOfRowsHeatpipe(rows); }
    virtual void setFinned_Height(int32_t mm) { m_main.setFinned_Height(mm); }
    virtual void setFinned_Width(int32_t mm) { m_main.setFinned_Width(mm); }
    virtual void setAirFlowRate(float m3s) { m_main.setAirFlowRate(m3s); }
    virtual void InitiateMainCalculations() { m_main.InitiateMainCalculations(); }

    const Main& main() const { return m_main; }
    // The Main object itself: the costing window costs through it, "Psych" plots through it.
    Main& main() { return m_main; }

private:
    Main m_main;
};

// Makes the program's Main object when the calculate command first needs one.
using EngineFactory = std::function<std::unique_ptr<EngineLink>()>;

EngineFactory defaultEngineFactory();

} // namespace vexa::app
