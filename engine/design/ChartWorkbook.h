#pragma once

#include <array>
#include <filesystem>
#include <optional>

namespace vexa {

// What the psychrometric chart workbook shows: per air state 1 to 4 the values
// the client gave and the humidity ratio plotted for it (none when the state has
// not been plotted).
struct ChartContent {
    struct State {
        double dryBulb = 0;
        double wetBulb = 0;
        double relativeHumidity = 0;
        double humidityRatio = 0;
        double enthalpy = 0;
        std::optional<float> plottedHumidityRatio;
    };
    std::array<State, 4> states{};
};

// The password of both sheets of the chart workbook.
inline constexpr const char* kChartSheetPassword = "glimpa";

// Writes the whole workbook: the chart on a sheet of its own, "Sheet1" with the
// chart's curves and the plotted states in rows 91 to 94, "Conditions" with the
// states' values in B42:E46, every sheet protected. Throws std::runtime_error when the file cannot be
// written.
void writeChartWorkbook(const std::filesystem::path& path, const ChartContent& content);

} // namespace vexa
