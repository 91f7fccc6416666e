#include "design/Main.h"

#include "common/EngineError.h"
#include "costing/Cost.h"
#include "design/AirStates.h"
#include "design/CoolingCoilSelections.h"
#include "design/DesignState.h"
#include "design/FaceGeometry.h"
#include "design/HeatpipeSelection.h"
#include "design/Psychrometric.h"

namespace vexa {

namespace {

// A finned height above this needs the heat pipe built in two sections.
constexpr int32_t kTwoSectionHeight_mm = 1910;

template <typename T>
void requireWithin(T value, T lowest, T highest, const char* message)
{
    // Written so that NaN is refused too.
    if (!(value >= lowest && value <= highest)) {
        throw EngineError(message);
    }
}

const char* finTypeText(FinType type)
{
    switch (type) {
    case FinType::Louvre:
        return "Louvre";
    case FinType::Ripple:
        return "Ripple";
    }
    throw EngineError("Invalid Fin Type Selected");
}

DesignState& ds()
{
    return designState();
}

} // namespace

Main::Main()
{
    DesignState& state = ds();
    state.barometricPressure_kPa = 101.325F;
    state.heatPipeOnly = true;
    state.chilledWater = false;
    state.refrigerant = false;
    state.finTypeHeatpipe = "Louvre";
    state.finTypeCoolingCoil = "Louvre";
    state.finMaterial = "Aluminium";
    state.wetBulbInput = true;
    state.relativeHumidityInput = false;
    state.air[1].dryBulb = 33;
    state.air[1].wetBulb = 27.5F;
    state.air[1].relativeHumidity = 50;
    state.air[4].dryBulb = 18;
    state.air[4].wetBulb = 14;
    state.air[4].relativeHumidity = 60;
    state.finnedHeight_mm = 1185;
    state.finnedWidth_mm = 1800;
    state.airFlowRate_m3s = 5;
    state.inletWaterTemp_C = 6;
    state.outletWaterTemp_C = 12;
    state.evaporatingTemp_C = 7;
}

Main::~Main() = default;
Main::Main(Main&&) noexcept = default;
Main& Main::operator=(Main&&) noexcept = default;

vexa::Cost& Main::Cost()
{
    if (!m_cost) {
        m_cost.reset(new vexa::Cost());
    }
    return *m_cost;
}

Psychrometric& Main::Psychrometric()
{
    if (!m_psychrometric) {
        m_psychrometric = std::make_unique<class Psychrometric>();
    }
    return *m_psychrometric;
}

void Main::setFinned_Height(int32_t mm)
{
    requireWithin<int32_t>(mm, 100, 4000, "The Height must be between the values 100 and 4000");
    ds().finnedHeight_mm = mm;
    if (mm > kTwoSectionHeight_mm) {
        ds().TwoSectionFlag = true;
    }
}

void Main::setFinned_Width(int32_t mm)
{
    requireWithin<int32_t>(mm, 100, 3000, "The Width must be between the values 100 and 3000");
    ds().finnedWidth_mm = mm;
}

void Main::setAirFlowRate(float m3s)
{
    requireWithin<float>(m3s, 0.1F, 25, "The air flow rate must be between the values 0.1 and 25");
    ds().airFlowRate_m3s = m3s;
}

void Main::setFinMaterial(FinMat material)
{
    switch (material) {
    case FinMat::Aluminium:
        ds().finMaterial = "Aluminium";
        return;
    case FinMat::Copper:
        ds().finMaterial = "Copper";
        return;
    case FinMat::Vinyl:
        ds().finMaterial = "Vinyl";
        return;
    case FinMat::Blygold:
        ds().finMaterial = "Blygold";
        return;
    }
    throw EngineError("Invalid Fin Material Selected");
}

void Main::setFinType_Heatpipe(FinType type)
{
    ds().finTypeHeatpipe = finTypeText(type);
}

void Main::setDryBulb_1(float degC)
{
    requireWithin<float>(degC, -21, 60, "The Dry Bulb_1 must be between the values -21 and 60");
    ds().air[1].dryBulb = degC;
}

float Main::DryBulb_2() const
{
    return ds().air[2].dryBulb;
}
float Main::DryBulb_4() const
{
    return ds().air[4].dryBulb;
}
float Main::DryBulb_3() const
{
    return ds().air[3].dryBulb;
}

void Main::setDryBulb_3(float degC)
{
    requireWithin<float>(degC, -21, 60, "The Dry Bulb_3 must be between the values -21 and 60");
    ds().air[3].dryBulb = degC;
}

void Main::setDryBulb_4(float degC)
{
    requireWithin<float>(degC, -21, 60, "The Dry Bulb_4 must be between the values -21 and 60");
    ds().air[4].dryBulb = degC;
}

void Main::setWetBulb_1(float degC)
{
    requireWithin<float>(degC, -21, 60, "The Wet Bulb_1 must be between the values -21 and 60");
    ds().air[1].wetBulb = degC;
}

float Main::WetBulb_1() const
{
    return ds().air[1].wetBulb;
}
float Main::WetBulb_2() const
{
    return ds().air[2].wetBulb;
}
float Main::WetBulb_3() const
{
    return ds().air[3].wetBulb;
}
float Main::WetBulb_4() const
{
    return ds().air[4].wetBulb;
}

void Main::setWetBulb_4(float degC)
{
    requireWithin<float>(degC, -21, 60, "The Wet Bulb_4 must be between the values -21 and 60");
    ds().air[4].wetBulb = degC;
}

float Main::ActualFaceHeight() const
{
    return ds().actualFaceHeight_mm;
}
float Main::ActualFaceArea() const
{
    return ds().faceArea_m2;
}

void Main::InitiateMainCalculations()
{
    CalculateFaceGeometry();
    if (ds().selectionMode) {
        HeatpipeSelection::SelectHeatpipe();
    } else {
        HeatpipeRating::RateHeatpipe();
    }
    Psycrometric::CalculateAirStates();
    if (!ds().heatPipeOnly) {
        CoolingCoilSelections::SelectCoolingCoil();
    }
}

float Main::ActualFaceVelocity() const
{
    return ds().faceVelocity_mps;
}
float Main::PressureDrop() const
{
    return ds().heatpipePressureDrop_Pa;
}

void Main::setOptWetBulb(WBorRH mode)
{
    switch (mode) {
    case WBorRH::Wet_Bulb:
    case WBorRH::Relative_Humidity:
        ds().wetBulbInput = mode == WBorRH::Wet_Bulb;
        ds().relativeHumidityInput = mode == WBorRH::Relative_Humidity;
        return;
    }
    throw EngineError("Invalid Selection");
}

void Main::setOptMode(SELECTorRATE mode)
{
    switch (mode) {
    case SELECTorRATE::Selection_Mode:
    case SELECTorRATE::Rating_Mode:
        ds().selectionMode = mode == SELECTorRATE::Selection_Mode;
        return;
    }
    throw EngineError("Invalid Selection");
}

float Main::HumidityRatio_4() const
{
    return ds().air[4].humidityRatio;
}
float Main::HumidityRatio_3() const
{
    return ds().air[3].humidityRatio;
}
float Main::HumidityRatio_2() const
{
    return ds().air[2].humidityRatio;
}
float Main::HumidityRatio_1() const
{
    return ds().air[1].humidityRatio;
}
float Main::Effectivness() const
{
    return ds().effectiveness_pct;
}

void Main::setFPI_Heatpipe(int32_t finsPerInch)
{
    ds().heatpipeFinsPerInch = finsPerInch;
}
int32_t Main::FPI_Heatpipe() const
{
    return ds().heatpipeFinsPerInch;
}

void Main::setRelativeHumidity_1(float pct)
{
    requireWithin<float>(pct, 21, 100, "The Relative Humidity_1 must be between the values 21 and 100");
    ds().air[1].relativeHumidity = pct;
}

float Main::RelativeHumidity_1() const
{
    return ds().air[1].relativeHumidity;
}
float Main::Enthaply_1() const
{
    return ds().air[1].enthalpy;
}
float Main::Enthaply_2() const
{
    return ds().air[2].enthalpy;
}
float Main::Enthaply_3() const
{
    return ds().air[3].enthalpy;
}
float Main::Enthaply_4() const
{
    return ds().air[4].enthalpy;
}
float Main::RelativeHumidity_3() const
{
    return ds().air[3].relativeHumidity;
}
float Main::RelativeHumidity_4() const
{
    return ds().air[4].relativeHumidity;
}

void Main::setRelativeHumidity_4(float pct)
{
    requireWithin<float>(pct, 21, 100, "The Relative Humidity_4 must be between the values 21 and 100");
    ds().air[4].relativeHumidity = pct;
}

float Main::RelativeHumidity_2() const
{
    return ds().air[2].relativeHumidity;
}

void Main::setEvaporatingTemperature(float degC)
{
    requireWithin<float>(degC, 0, 15, "The Evaporating Temperature must be between the values 0 and 15");
    ds().evaporatingTemp_C = degC;
}

void Main::setOutletWaterTemp(float degC)
{
    requireWithin<float>(degC, 1, 30, "The Outlet Water Temp must be between the values 1 and 30");
    ds().outletWaterTemp_C = degC;
}

void Main::setInletWaterTemp(float degC)
{
    requireWithin<float>(degC, 1, 30, "The Inlet Water Temp must be between the values 1 and 30");
    ds().inletWaterTemp_C = degC;
}

void Main::setFinType_CoolingCoil(FinType type)
{
    ds().finTypeCoolingCoil = finTypeText(type);
}

double Main::PreCoolSaving() const
{
    return ds().preCoolSaving_kW;
}
float Main::Duty() const
{
    return ds().duty_kW;
}
double Main::ReHeatSaving() const
{
    return ds().reHeatSaving_kW;
}
float Main::FluidPressureDrop() const
{
    return ds().fluidPressureDrop_kPa;
}
int32_t Main::NoOfRowsCoolingCoil() const
{
    return ds().coilRows;
}
int32_t Main::FPI_CoolingCoil() const
{
    return ds().coilFinsPerInch;
}
std::string Main::CoilCode() const
{
    return ds().coilCode;
}
float Main::AirPressureDrop() const
{
    return ds().airPressureDrop_Pa;
}
float Main::TotalPressureDrop() const
{
    return ds().totalPressureDrop_Pa;
}

void Main::setNoOfRowsHeatpipe(int32_t rows)
{
    ds().heatpipeRows = rows;
}
int32_t Main::NoOfRowsHeatpipe() const
{
    return ds().heatpipeRows;
}
int32_t Main::TubesHigh() const
{
    return ds().tubesHigh;
}

void Main::setHeatpipeType(Heatpipe type)
{
    switch (type) {
    case Heatpipe::Chilled_Water:
    case Heatpipe::Heat_Pipe_Only:
    case Heatpipe::Refrigerant:
        ds().chilledWater = type == Heatpipe::Chilled_Water;
        ds().heatPipeOnly = type == Heatpipe::Heat_Pipe_Only;
        ds().refrigerant = type == Heatpipe::Refrigerant;
        return;
    }
    throw EngineError("Invalid Heat Pipe Type Selected");
}

double Main::Log_Mean_Enthalpy_Diff() const
{
    return ds().logMeanEnthalpyDiff_kJkg;
}
double Main::AirsideResistance() const
{
    return ds().airsideResistance;
}
double Main::L_At_Mean_Fluid_Temp() const
{
    return ds().lAtMeanFluidTemp;
}
double Main::FluidFlowRate() const
{
    return ds().fluidFlowRate_ls;
}
double Main::TubeVelocity() const
{
    return ds().tubeVelocity_mps;
}
double Main::Internal_Tube_Heat_Transfer_Coefficient() const
{
    return ds().internalTubeHeatTransferCoefficient;
}
double Main::RequiredSurfaceArea() const
{
    return ds().requiredSurfaceArea_m2;
}
double Main::Wet_Thermal_Resistance() const
{
    return ds().wetThermalResistance;
}
double Main::Wet_Heat_Transfer_Coefficient() const
{
    return ds().wetHeatTransferCoefficient;
}

void Main::setTubeDiameter(const std::string& text)
{
    ds().tubeDiameter = text;
}

void Main::setVexaApplicationType(VexaType type)
{
    switch (type) {
    case VexaType::UK:
        ds().applicationType = "UK";
        return;
    case VexaType::Sharjah:
        ds().applicationType = "Dubai";
        return;
    }
    throw EngineError("Invalid Application Type Selected");
}

VexaType Main::VexaApplicationType() const
{
    return ds().applicationType == "Dubai" ? VexaType::Sharjah : VexaType::UK;
}

std::string Main::ConnectionSize() const
{
    return ds().connectionSize;
}
std::string Main::InletConnectionSize() const
{
    return ds().inletConnectionSize;
}
void Main::setInletConnectionSize(const std::string& text)
{
    ds().inletConnectionSize = text;
}
std::string Main::OutletConnectionSize() const
{
    return ds().outletConnectionSize;
}
void Main::setOutletConnectionSize(const std::string& text)
{
    ds().outletConnectionSize = text;
}
double Main::Mean_Coil_Fluid_Temp() const
{
    return ds().meanCoilFluidTemp_C;
}
double Main::Effective_Fin_Resistance() const
{
    return ds().effectiveFinResistance;
}

} // namespace vexa
