#pragma once

#include "EngineState.h"
#include "bindata/BinState.h"
#include "common/NumberText.h"
#include "costing/Cost.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"
#include "design/Main.h"

#include <gtest/gtest.h>

#include <string>

// Every costing test starts from the engine as a new process finds it, with one
// Main whose Cost has written the costing defaults.
class CostingTest : public ::testing::Test {
protected:
    CostingTest() { m_main.Cost(); }

    // A unit as a design calculation leaves it in the design record: by default a
    // heat pipe alone, 30 tubes high at 38.1 mm, 1800 mm wide, 2 rows at 8 fins
    // per inch, aluminium fins, "UK".
    struct Unit {
        int32_t tubesHigh = 30;
        int32_t width_mm = 1800;
        int32_t rows = 2;
        int32_t finsPerInch = 8;
        float pitch_mm = 38.1F;
        std::string finMaterial = "Aluminium";
        std::string tubeDiameter = "5/8";
        std::string applicationType = "UK";
        bool heatPipeOnly = true;
        int32_t coilRows = 0;
        int32_t coilFinsPerInch = 0;
        float coolingDutyWatts = 0;
        double preCoolSaving_kW = 0;
    };

    static void setUnit(const Unit& unit)
    {
        vexa::DesignState& ds = vexa::designState();
        ds.tubesHigh = unit.tubesHigh;
        ds.finnedWidth_mm = unit.width_mm;
        ds.finnedLength_mm = unit.width_mm;
        ds.heatpipeRows = unit.rows;
        ds.heatpipeFinsPerInch = unit.finsPerInch;
        ds.TubePitch = unit.pitch_mm;
        ds.finMaterial = unit.finMaterial;
        ds.tubeDiameter = unit.tubeDiameter;
        ds.applicationType = unit.applicationType;
        ds.heatPipeOnly = unit.heatPipeOnly;
        ds.chilledWater = !unit.heatPipeOnly;
        ds.refrigerant = false;
        ds.coilRows = unit.coilRows;
        ds.coilFinsPerInch = unit.coilFinsPerInch;
        ds.CoolingDutyWatts = unit.coolingDutyWatts;
        ds.preCoolSaving_kW = unit.preCoolSaving_kW;
    }

    // The value as a window shows it with the given pattern ("0.00").
    static std::string shown(double value, const char* pattern = "0.00")
    {
        return vexa::num::format(value, pattern);
    }

    vexa::Cost& cost() { return m_main.Cost(); }

private:
    struct FreshEngine {
        FreshEngine() { vexa::resetEngineState(); }
    };
    FreshEngine m_fresh; // before m_main: the Main's defaults land on a fresh record

protected:
    vexa::Main m_main;
};
