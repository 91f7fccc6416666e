#pragma once

#include "design/Enumerations.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vexa {

class Psychrometric;
class Cost;

// The front door of the design calculation. Set the design inputs (each let is
// validated and throws EngineError 13 with its message, leaving the stored value
// unchanged), call InitiateMainCalculations, read the results. Every Main of the
// process shares one design record: creating a Main writes the defaults for all.
class Main {
public:
    Main();
    ~Main();
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;
    Main(Main&&) noexcept;
    Main& operator=(Main&&) noexcept;

    // This Main's costing object, created on first read (which writes the costing
    // defaults); the same object for the life of this Main.
    vexa::Cost& Cost();
    // This Main's chart object, created on the first read.
    class Psychrometric& Psychrometric();

    void setFinned_Height(int32_t mm);
    void setFinned_Width(int32_t mm);
    void setAirFlowRate(float m3s);
    void setFinMaterial(FinMat material);
    void setFinType_Heatpipe(FinType type);
    void setDryBulb_1(float degC);
    float DryBulb_2() const;
    float DryBulb_4() const;
    float DryBulb_3() const;
    void setDryBulb_3(float degC);
    void setDryBulb_4(float degC);
    void setWetBulb_1(float degC);
    float WetBulb_1() const;
    float WetBulb_2() const;
    float WetBulb_3() const;
    float WetBulb_4() const;
    void setWetBulb_4(float degC);
    float ActualFaceHeight() const; // mm
    float ActualFaceArea() const;   // m2
    // Runs face geometry, heat pipe selection or rating, the air states and,
    // unless heat pipe only, the cooling coil. Throws CalculationError when a step
    // cannot give a meaningful result.
    void InitiateMainCalculations();
    float ActualFaceVelocity() const; // m/s
    float PressureDrop() const;       // Pa, heat pipe
    void setOptWetBulb(WBorRH mode);
    void setOptMode(SELECTorRATE mode);
    float HumidityRatio_4() const;
    float HumidityRatio_3() const;
    float HumidityRatio_2() const;
    float HumidityRatio_1() const;
    float Effectivness() const; // %
    void setFPI_Heatpipe(int32_t finsPerInch);
    int32_t FPI_Heatpipe() const;
    void setRelativeHumidity_1(float pct);
    float RelativeHumidity_1() const;
    float Enthaply_1() const;
    float Enthaply_2() const;
    float Enthaply_3() const;
    float Enthaply_4() const;
    float RelativeHumidity_3() const;
    float RelativeHumidity_4() const;
    void setRelativeHumidity_4(float pct);
    float RelativeHumidity_2() const;
    void setEvaporatingTemperature(float degC);
    void setOutletWaterTemp(float degC);
    void setInletWaterTemp(float degC);
    void setFinType_CoolingCoil(FinType type);
    double PreCoolSaving() const;    // kW
    float Duty() const;              // kW
    double ReHeatSaving() const;     // kW
    float FluidPressureDrop() const; // kPa
    int32_t NoOfRowsCoolingCoil() const;
    int32_t FPI_CoolingCoil() const;
    std::string CoilCode() const;
    float AirPressureDrop() const;   // Pa, cooling coil
    float TotalPressureDrop() const; // Pa, heat pipe and cooling coil
    void setNoOfRowsHeatpipe(int32_t rows);
    int32_t NoOfRowsHeatpipe() const;
    int32_t TubesHigh() const;
    void setHeatpipeType(Heatpipe type);
    double Log_Mean_Enthalpy_Diff() const;                  // kJ/kg
    double AirsideResistance() const;                       // m2K/W
    double L_At_Mean_Fluid_Temp() const;                    // J/kg per K
    double FluidFlowRate() const;                           // l/s
    double TubeVelocity() const;                            // m/s
    double Internal_Tube_Heat_Transfer_Coefficient() const; // W/m2K
    double RequiredSurfaceArea() const;                     // m2
    double Wet_Thermal_Resistance() const;                  // s m2/kg
    double Wet_Heat_Transfer_Coefficient() const;           // kg/s m2
    void setTubeDiameter(const std::string& text);
    void setVexaApplicationType(VexaType type);
    VexaType VexaApplicationType() const;
    std::string ConnectionSize() const;
    std::string InletConnectionSize() const;
    void setInletConnectionSize(const std::string& text);
    std::string OutletConnectionSize() const;
    void setOutletConnectionSize(const std::string& text);
    double Mean_Coil_Fluid_Temp() const;     // degC
    double Effective_Fin_Resistance() const; // m2K/W

private:
    std::unique_ptr<class Psychrometric> m_psychrometric;
    std::unique_ptr<vexa::Cost> m_cost;
};

} // namespace vexa
