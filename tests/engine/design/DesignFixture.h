#pragma once

#include "EngineState.h"
#include "design/DesignState.h"
#include "design/Main.h"

#include <gtest/gtest.h>

// Every design test starts from the engine as a new process finds it.
class DesignTest : public ::testing::Test {
protected:
    void SetUp() override { vexa::resetEngineState(); }

    // The selection example: 1200 x 1800 mm, 5 m3/s, 33/27.5 on, 18/14 off.
    static void setSelectionExample(vexa::Main& main)
    {
        main.setOptMode(vexa::SELECTorRATE::Selection_Mode);
        main.setOptWetBulb(vexa::WBorRH::Wet_Bulb);
        main.setFinned_Height(1200);
        main.setFinned_Width(1800);
        main.setAirFlowRate(5);
        main.setTubeDiameter("12");
        main.setDryBulb_1(33);
        main.setWetBulb_1(27.5F);
        main.setDryBulb_4(18);
        main.setWetBulb_4(14);
    }

    // The rating example: the same unit with 2 rows at 8 fins per inch, DB3 14.
    static void setRatingExample(vexa::Main& main)
    {
        setSelectionExample(main);
        main.setOptMode(vexa::SELECTorRATE::Rating_Mode);
        main.setDryBulb_3(14);
        main.setNoOfRowsHeatpipe(2);
        main.setFPI_Heatpipe(8);
    }
};
