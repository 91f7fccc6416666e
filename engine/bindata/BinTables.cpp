#include "bindata/BinTables.h"

#include "bindata/BinState.h"
#include "common/EngineError.h"

#include <string>

namespace vexa::BinData {

namespace {

// The weather tables of the cities (which city uses which table: Cities.cpp).
// Tables 2, 6, 7, 11, 12, 13 and 14 share one spread of hours over the bins;
// Aberdeen's hours (table 1) add up to 5940, every other table's to 8760.
// clang-format off
constexpr std::array<BinTable, kBinTableCount> kBinTables = {
    // 0
    BinTable{
        {-8, -4, 0, 4, 8, 12, 16, 20, 24, 28}, // DB, degC
        {-8.7F, -5.1F, -1, 2.6F, 6.4F, 10.3F, 13.3F, 15.7F, 16.8F, 20.3F}, // WB, degC
        {79, 75, 81.5F, 80, 80.3F, 81, 74.1F, 63.9F, 48.7F, 49.6F}, // RH, %
        {1, 67, 428, 1294, 2170, 2150, 1767, 713, 156, 14}, // hours per year
    },
    // 1
    BinTable{
        {-10.8F, -6.8F, -2.8F, 1.2F, 5.2F, 9.3F, 13.3F, 17.3F, 21.3F, 25.3F}, // DB, degC
        {-10.5F, -7.3F, -3.8F, 0.8F, 3.8F, 7.8F, 11.4F, 13.9F, 16.1F, 18.9F}, // WB, degC
        {98, 92.2F, 87, 89.3F, 79, 81.4F, 80.6F, 68, 58.1F, 53}, // RH, %
        {6, 12, 100, 1060, 1455, 1600, 1220, 420, 60, 7}, // hours per year
    },
    // 2
    BinTable{
        {11, 14.1F, 17.3F, 20.4F, 23.5F, 26.7F, 29.8F, 32.9F, 36.1F, 39.2F}, // DB, degC
        {10.1F, 12.5F, 14.8F, 16.8F, 18.6F, 20.4F, 21.8F, 23, 24, 24.5F}, // WB, degC
        {90, 83.3F, 76.7F, 70, 63.3F, 56.7F, 50, 43.3F, 36.7F, 30}, // RH, %
        {7, 145, 570, 1558, 2100, 2100, 1558, 570, 145, 7}, // hours per year
    },
    // 3
    BinTable{
        {11.9F, 15.6F, 19.3F, 23.1F, 26.8F, 30.5F, 34.2F, 37.9F, 41.7F, 45.4F}, // DB, degC
        {11.4F, 13.6F, 16, 18, 20.3F, 23.5F, 25.1F, 25.1F, 23.9F, 22.3F}, // WB, degC
        {94, 81, 72, 61, 56, 56, 48, 36, 23, 12}, // RH, %
        {14, 361, 1059, 1388, 1507, 1703, 1643, 883, 182, 20}, // hours per year
    },
    // 4
    BinTable{
        {-10.8F, -6.2F, -1.6F, 3.1F, 7.7F, 12.3F, 16.9F, 21.6F, 26.2F, 30.8F}, // DB, degC
        {-10.2F, -6.7F, -2.5F, 2, 6.4F, 10.9F, 13.9F, 15.3F, 17.6F, 19.6F}, // WB, degC
        {97, 90, 87, 83, 84, 85, 72, 52, 43, 35}, // RH, %
        {10, 126, 864, 1952, 1562, 2020, 1359, 578, 266, 23}, // hours per year
    },
    // 5
    BinTable{
        {8.6F, 11.4F, 14.2F, 16.9F, 19.7F, 22.5F, 25.3F, 28.1F, 30.8F, 33.6F}, // DB, degC
        {7.4F, 8.9F, 12.1F, 14.6F, 17.2F, 20, 22.9F, 25.4F, 26.1F, 26.4F}, // WB, degC
        {85, 71, 79, 78, 78, 79, 81, 80, 55, 57}, // RH, %
        {29, 217, 607, 1381, 1112, 843, 1596, 2027, 884, 64}, // hours per year
    },
    // 6
    BinTable{
        {12, 14.8F, 17.6F, 20.3F, 23.1F, 25.9F, 28.7F, 31.4F, 34.2F, 37}, // DB, degC
        {11.1F, 13.2F, 15.2F, 17.1F, 18.8F, 20.4F, 21.9F, 23.1F, 24.1F, 25}, // WB, degC
        {90, 84.2F, 78.4F, 72.7F, 66.9F, 61.1F, 55.3F, 49.6F, 43.8F, 38}, // RH, %
        {7, 145, 570, 1558, 2100, 2100, 1558, 570, 145, 7}, // hours per year
    },
    // 7
    BinTable{
        {16.5F, 18.6F, 20.6F, 22.7F, 24.7F, 26.8F, 28.8F, 30.9F, 32.9F, 35}, // DB, degC
        {15.5F, 16.8F, 17.9F, 19.1F, 20, 20.8F, 21.5F, 22, 22.3F, 22.5F}, // WB, degC
        {90, 83.8F, 77.6F, 71.3F, 65.1F, 58.9F, 52.7F, 46.4F, 40.2F, 34}, // RH, %
        {7, 145, 570, 1558, 2100, 2100, 1558, 570, 145, 7}, // hours per year
    },
    // 8
    BinTable{
        {-13.6F, -8.4F, -3.1F, 2.1F, 7.4F, 12.6F, 17.9F, 23.1F, 28.4F, 33.6F}, // DB, degC
        {-14.1F, -10.6F, -5.6F, -0.04F, 4.9F, 8.9F, 14.2F, 19.4F, 23.1F, 26.5F}, // WB, degC
        {77, 36, 47, 62, 68, 62, 67, 71, 64, 57}, // RH, %
        {29, 342, 939, 1263, 1095, 1262, 1517, 1624, 675, 14}, // hours per year
    },
    // 9
    BinTable{
        {3.1F, 8.3F, 13.6F, 18.8F, 24.1F, 29.3F, 34.6F, 39.8F, 45.1F, 50.3F}, // DB, degC
        {2.4F, 5.9F, 9.4F, 13.2F, 16.3F, 18.1F, 19.1F, 19.7F, 20.3F, 20.8F}, // WB, degC
        {90, 69.1F, 58.3F, 51.2F, 44, 31.2F, 22, 12.1F, 8.1F, 5.3F}, // RH, %
        {24, 432, 1390, 1413, 1306, 1414, 1075, 1031, 647, 28}, // hours per year
    },
    // 10
    BinTable{
        {12, 16, 20, 24, 28, 32, 36, 40, 44, 48}, // DB, degC
        {11, 12.4F, 16.4F, 19, 22.2F, 25.6F, 25.2F, 23.4F, 22.6F, 22.7F}, // WB, degC
        {89, 66.1F, 69.6F, 62.7F, 60.6F, 60.6F, 42.1F, 24.3F, 14.9F, 10}, // RH, %
        {0, 100, 1015, 1645, 1922, 2359, 1249, 371, 96, 3}, // hours per year
    },
    // 11
    BinTable{
        {5.1F, 9.4F, 13.7F, 18.1F, 22.4F, 26.7F, 31, 35.4F, 39.7F, 44}, // DB, degC
        {4.4F, 7.8F, 10.9F, 13.7F, 16.1F, 18.1F, 19.5F, 20.4F, 20.2F, 18.1F}, // WB, degC
        {90, 80.7F, 71.3F, 62, 52.7F, 43.3F, 34, 24.7F, 15.3F, 6}, // RH, %
        {7, 145, 570, 1558, 2100, 2100, 1558, 570, 145, 7}, // hours per year
    },
    // 12
    BinTable{
        {14.8F, 17.6F, 20.4F, 23.3F, 26.1F, 28.9F, 31.7F, 34.6F, 37.4F, 40.2F}, // DB, degC
        {13.8F, 15.7F, 17.3F, 18.9F, 20.1F, 21.1F, 21.8F, 22.2F, 22.1F, 21.5F}, // WB, degC
        {90, 82, 74, 66, 58, 50, 42, 34, 26, 18}, // RH, %
        {7, 145, 570, 1558, 2100, 2100, 1558, 570, 145, 7}, // hours per year
    },
    // 13
    BinTable{
        {7, 10.4F, 13.9F, 18.3F, 21.8F, 25.2F, 28.7F, 32.1F, 35.6F, 38}, // DB, degC
        {6.2F, 9, 11.5F, 14.5F, 16.9F, 18.2F, 19.5F, 20.9F, 21.1F, 20.3F}, // WB, degC
        {90, 82, 74, 67, 59, 51, 42, 34, 26, 17}, // RH, %
        {7, 145, 570, 1558, 2100, 2100, 1558, 570, 145, 7}, // hours per year
    },
    // 14
    BinTable{
        {6.8F, 9.7F, 12.6F, 15.4F, 18.3F, 21.2F, 24, 26.9F, 29.7F, 32.5F}, // DB, degC
        {6, 8.5F, 10.6F, 12.9F, 14.5F, 16.5F, 18.1F, 19.7F, 20.8F, 21.6F}, // WB, degC
        {90, 84, 78, 73, 67, 61, 55, 50, 44, 37}, // RH, %
        {7, 145, 570, 1558, 2100, 2100, 1558, 570, 145, 7}, // hours per year
    },
};
// clang-format on

} // namespace

const BinTable& binTable(int16_t table)
{
    if (table < 0 || table >= kBinTableCount) {
        throw CalculationError("Bin data: there is no weather table " + std::to_string(table));
    }
    return kBinTables[static_cast<size_t>(table)];
}

void LoadBinTable(int16_t table)
{
    const BinTable& source = binTable(table);
    BinState& bins = binState();
    for (size_t bin = 1; bin <= 10; ++bin) {
        bins.dryBulb_C[bin] = source.dryBulb_C[bin - 1];
        bins.wetBulb_C[bin] = source.wetBulb_C[bin - 1];
        bins.hours[bin] = source.hours[bin - 1];
        bins.relativeHumidity_pct[bin] = source.relativeHumidity_pct[bin - 1];
    }
}

} // namespace vexa::BinData
