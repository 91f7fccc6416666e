#include "bindata/BinTables.h"
#include "EngineState.h"
#include "bindata/Bin.h"
#include "bindata/BinState.h"
#include "common/EngineError.h"
#include "costing/Cost.h"
#include "design/Main.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace vexa;

TEST(BinTables, HoursAddUpToAYearExceptAberdeen)
{
    for (int16_t table = 0; table < BinData::kBinTableCount; ++table) {
        const auto& hours = BinData::binTable(table).hours;
        EXPECT_EQ(std::accumulate(hours.begin(), hours.end(), 0.0), table == 1 ? 5940 : 8760) << table;
    }
    EXPECT_THROW(BinData::binTable(15), CalculationError);
    EXPECT_THROW(BinData::binTable(-1), CalculationError);
}

TEST(BinTables, SpotValuesOfTheTables)
{
    // clang-format off
    const struct { int16_t table; size_t bin; float dryBulb; float wetBulb; float rh; float hours; } cases[] = {
        {0,  0, -8,    -8.7F,  79,   1},
        {0,  9, 28,    20.3F,  49.6F, 14},
        {1,  9, 25.3F, 18.9F,  53,   7},
        {3,  9, 45.4F, 22.3F,  12,   20},
        {8,  3, 2.1F,  -0.04F, 62,   1263},
        {9,  9, 50.3F, 20.8F,  5.3F, 28},
        {10, 0, 12,    11,     89,   0},
        {14, 9, 32.5F, 21.6F,  37,   7},
    };
    // clang-format on
    for (const auto& c : cases) {
        const BinData::BinTable& t = BinData::binTable(c.table);
        EXPECT_EQ(t.dryBulb_C[c.bin], c.dryBulb) << c.table;
        EXPECT_EQ(t.wetBulb_C[c.bin], c.wetBulb) << c.table;
        EXPECT_EQ(t.relativeHumidity_pct[c.bin], c.rh) << c.table;
        EXPECT_EQ(t.hours[c.bin], c.hours) << c.table;
    }
}

TEST(BinCities, CityChoosesNameTableAndCaption)
{
    resetEngineState();
    Main main;
    Bin& bin = main.Cost().Bin();
    const BinState& bins = binState();
    // clang-format off
    const struct { int32_t city; const char* name; int16_t table; const char* caption; } cases[] = {
        {0,  "United Kingdom - London",   0,  "Cost Saving (£)"},
        {1,  "United Kingdom - Aberdeen", 1,  "Cost Saving (£)"},
        {2,  "Germany - Frankfurt",       4,  "Cost Saving (EUR)"},
        {3,  "Kuwait - Kuwait City",      9,  "Cost Saving (KWD)"},
        {4,  "U.A.E. - Dubai",            3,  "Cost Saving (DH)"},
        {5,  "Saudi Arabia - Riyadh",     11, "Cost Saving (SAR)"},
        {6,  "Saudi Arabia - Jeddah",     12, "Cost Saving (SAR)"},
        {7,  "Qatar - Doha",              2,  "Cost Saving (QAR)"},
        {8,  "Bahrain - Manama",          2,  "Cost Saving (BHD)"},
        {9,  "Oman - Muscat",             10, "Cost Saving (OMR)"},
        {10, "India - Mumbai",            7,  "Cost Saving (INR)"},
        {11, "India - Calcutta",          6,  "Cost Saving (INR)"},
        {12, "Hong Kong - Hong Kong",     5,  "Cost Saving (HKD)"},
        {13, "Korea - Soeul",             8,  "Cost Saving (WON)"},
        {14, "Egypt - Cairo",             13, "Cost Saving ()"},
        {15, "Egypt - Alexandria",        14, "Cost Saving ()"},
    };
    // clang-format on
    for (const auto& c : cases) {
        bin.setCity(static_cast<Country>(c.city));
        EXPECT_EQ(bins.cityName, c.name);
        EXPECT_EQ(bins.tableIndex, c.table) << c.name;
        EXPECT_EQ(bins.savingCaption, c.caption) << c.name;
        // The table is loaded at once.
        EXPECT_EQ(bins.dryBulb_C[1], BinData::binTable(c.table).dryBulb_C[0]) << c.name;
        EXPECT_EQ(bins.hours[10], BinData::binTable(c.table).hours[9]) << c.name;
    }
}

TEST(BinCities, AValueOutsideTheCountriesIsRecordedAsNotAvailable)
{
    resetEngineState();
    Main main;
    Bin& bin = main.Cost().Bin();
    bin.setCity(Country::UAE_Dubai);
    for (int32_t value : {16, -1}) {
        bin.setCity(static_cast<Country>(value));
        EXPECT_EQ(binState().cityName, "n/a");
        EXPECT_EQ(binState().savingCaption, "Cost Saving (£)");
        EXPECT_EQ(binState().tableIndex, 3); // Dubai's table stays
        EXPECT_FLOAT_EQ(binState().dryBulb_C[1], 11.9F);
    }
    // A new Cost goes back to London.
    Main other;
    other.Cost();
    EXPECT_EQ(binState().cityName, "United Kingdom - London");
    EXPECT_EQ(binState().tableIndex, 0);
}
