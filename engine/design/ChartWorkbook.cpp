#include "design/ChartWorkbook.h"

#include "common/NumberText.h"
#include "design/Psycrometric.h"

#include <xlsxwriter.h>

#include <array>
#include <stdexcept>
#include <string>

namespace vexa {

namespace {

constexpr double kChartPressure_kPa = 101.325;
// The chart spans the conditions the program plots: up to 50 degC and 0.03 kg/kg.
constexpr int kLowestDryBulb_C = 0;
constexpr int kHighestDryBulb_C = 50;
constexpr double kHighestHumidityRatio = 0.03;
constexpr int kCurveFirstRow = 1; // zero-based row of the first curve point (row 2)
// The curves take columns N to X, clear of the states in A91:B94.
constexpr int kCurveFirstColumn = 13;
// Curve points every half degree: straight segments that read as smooth curves
// (some spreadsheets smooth every series of a chart once one is smoothed).
constexpr int kCurvePointsPerDegree = 2;
constexpr int kCurvePoints = (kHighestDryBulb_C - kLowestDryBulb_C) * kCurvePointsPerDegree + 1;
constexpr int kRelativeHumiditySteps = 10;
constexpr int kStatesFirstRow = 90; // zero-based: the states sit in rows 91 to 94

// Humidity ratio of air at dry bulb t and relative humidity rh (%).
double humidityRatioAt(double t, double rh)
{
    const double pws = Psycrometric::SaturationPressure(t);
    return Psycrometric::HumidityRatioFromVapourPressure(Psycrometric::VapourPressure(rh, pws),
                                                         kChartPressure_kPa);
}

std::string columnLetter(int column)
{
    return std::string(1, static_cast<char>('A' + column));
}

lxw_col_t curveColumn(int step)
{
    return static_cast<lxw_col_t>(kCurveFirstColumn + step);
}

// Curves of constant relative humidity, 10 % to 100 % (saturation), one column each.
void writeCurves(lxw_worksheet* sheet, lxw_format* bold)
{
    worksheet_write_string(sheet, 0, curveColumn(0), "Dry bulb (°C)", bold);
    for (int step = 1; step <= kRelativeHumiditySteps; ++step) {
        const std::string name = std::to_string(step * 10) + " % RH";
        worksheet_write_string(sheet, 0, curveColumn(step), name.c_str(), bold);
    }
    for (int point = 0; point < kCurvePoints; ++point) {
        const double t = kLowestDryBulb_C + static_cast<double>(point) / kCurvePointsPerDegree;
        const auto row = static_cast<lxw_row_t>(kCurveFirstRow + point);
        worksheet_write_number(sheet, row, curveColumn(0), t, nullptr);
        for (int step = 1; step <= kRelativeHumiditySteps; ++step) {
            worksheet_write_number(sheet, row, curveColumn(step), humidityRatioAt(t, step * 10.0), nullptr);
        }
    }
}

void writeStates(lxw_worksheet* sheet, const ChartContent& content, lxw_format* bold)
{
    worksheet_write_string(sheet, kStatesFirstRow - 1, 0, "State dry bulb (°C)", bold);
    worksheet_write_string(sheet, kStatesFirstRow - 1, 1, "Plotted humidity ratio (kg/kg)", bold);
    for (int i = 0; i < 4; ++i) {
        const ChartContent::State& state = content.states.at(static_cast<size_t>(i));
        const auto row = static_cast<lxw_row_t>(kStatesFirstRow + i);
        worksheet_write_number(sheet, row, 0, state.dryBulb, nullptr);
        if (state.plottedHumidityRatio) {
            worksheet_write_number(sheet, row, 1, *state.plottedHumidityRatio, nullptr);
        }
    }
}

lxw_chart* makeChart(lxw_workbook* book)
{
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_SCATTER_STRAIGHT);
    const int lastCurveRow = kCurveFirstRow + kCurvePoints; // one-based
    const std::string dryBulbColumn = columnLetter(curveColumn(0));
    const std::string dryBulbs =
        "=Sheet1!$" + dryBulbColumn + "$2:$" + dryBulbColumn + "$" + std::to_string(lastCurveRow);
    for (int step = 1; step <= kRelativeHumiditySteps; ++step) {
        const std::string column = columnLetter(curveColumn(step));
        const std::string values =
            "=Sheet1!$" + column + "$2:$" + column + "$" + std::to_string(lastCurveRow);
        lxw_chart_series* curve = chart_add_series(chart, dryBulbs.c_str(), values.c_str());
        const std::string name = "=Sheet1!$" + column + "$1";
        chart_series_set_name(curve, name.c_str());
        chart_series_set_marker_type(curve, LXW_CHART_MARKER_NONE);
        lxw_chart_line line = {};
        line.color = step == kRelativeHumiditySteps ? 0x1F4E79 : 0x9DC3E6;
        line.width = step == kRelativeHumiditySteps ? 2.25F : 0.75F;
        chart_series_set_line(curve, &line);
    }

    lxw_chart_series* states = chart_add_series(chart, "=Sheet1!$A$91:$A$94", "=Sheet1!$B$91:$B$94");
    chart_series_set_name(states, "Air states 1 to 4");
    chart_series_set_marker_type(states, LXW_CHART_MARKER_CIRCLE);
    chart_series_set_marker_size(states, 8);
    lxw_chart_line processLine = {};
    processLine.color = 0xC00000;
    processLine.width = 2.0F;
    chart_series_set_line(states, &processLine);
    lxw_chart_fill markerFill = {};
    markerFill.color = 0xC00000;
    chart_series_set_marker_fill(states, &markerFill);
    // The library takes label texts as char*; it only reads them.
    std::array<std::array<char, 2>, 4> numbers = {{{'1', 0}, {'2', 0}, {'3', 0}, {'4', 0}}};
    std::array<lxw_chart_data_label, 4> labelValues{};
    std::array<lxw_chart_data_label*, 5> labels{};
    for (size_t i = 0; i < 4; ++i) {
        labelValues[i].value = numbers[i].data();
        labels[i] = &labelValues[i];
    }
    chart_series_set_labels_custom(states, labels.data());
    chart_series_set_labels_position(states, LXW_CHART_LABEL_POSITION_ABOVE);

    chart_title_set_name(chart, "Psychrometric chart at 101.325 kPa");
    chart_axis_set_name(chart->x_axis, "Dry bulb temperature (°C)");
    chart_axis_set_min(chart->x_axis, kLowestDryBulb_C);
    chart_axis_set_max(chart->x_axis, kHighestDryBulb_C);
    chart_axis_set_major_unit(chart->x_axis, 5);
    chart_axis_set_name(chart->y_axis, "Humidity ratio (kg water / kg dry air)");
    chart_axis_set_min(chart->y_axis, 0);
    chart_axis_set_max(chart->y_axis, kHighestHumidityRatio);
    chart_axis_set_major_unit(chart->y_axis, 0.005);
    chart_axis_set_num_format(chart->y_axis, "0.000");
    lxw_chart_line grid = {};
    grid.color = 0xD9D9D9;
    chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
    chart_axis_major_gridlines_set_line(chart->x_axis, &grid);
    chart_axis_major_gridlines_set_line(chart->y_axis, &grid);
    chart_legend_set_position(chart, LXW_CHART_LEGEND_RIGHT);
    return chart;
}

// B42:E46: each state's values as the rounded text the summary shows.
void writeConditions(lxw_worksheet* sheet, const ChartContent& content, lxw_format* bold)
{
    const char* rowNames[] = {"Dry bulb (°C)", "Wet bulb (°C)", "Relative humidity (%)",
                              "Humidity ratio (kg/kg)", "Enthalpy (kJ/kg)"};
    worksheet_write_string(sheet, 39, 0, "Air states of the plotted design", bold);
    for (int i = 0; i < 4; ++i) {
        const std::string heading = "State " + std::to_string(i + 1);
        worksheet_write_string(sheet, 40, static_cast<lxw_col_t>(1 + i), heading.c_str(), bold);
    }
    for (int r = 0; r < 5; ++r) {
        worksheet_write_string(sheet, static_cast<lxw_row_t>(41 + r), 0, rowNames[r], bold);
    }
    for (int i = 0; i < 4; ++i) {
        const ChartContent::State& state = content.states.at(static_cast<size_t>(i));
        const auto column = static_cast<lxw_col_t>(1 + i);
        const std::string texts[] = {num::format(state.dryBulb, "0.0"), num::format(state.wetBulb, "0.0"),
                                     num::format(state.relativeHumidity, "0"),
                                     num::format(state.humidityRatio, "0.0000"),
                                     num::format(state.enthalpy, "0.00")};
        for (int r = 0; r < 5; ++r) {
            worksheet_write_string(sheet, static_cast<lxw_row_t>(41 + r), column, texts[r].c_str(), nullptr);
        }
    }
    worksheet_set_column(sheet, 0, 0, 26, nullptr);
    worksheet_set_column(sheet, 1, 4, 11, nullptr);
}

} // namespace

void writeChartWorkbook(const std::filesystem::path& path, const ChartContent& content)
{
    lxw_workbook* book = workbook_new(path.c_str());
    if (book == nullptr) {
        throw std::runtime_error("The chart workbook " + path.string() + " cannot be created");
    }
    // The chart has a sheet of its own, the first one the user sees; its data
    // and the states are on "Sheet1".
    lxw_chartsheet* chartPage = workbook_add_chartsheet(book, "Psychrometric Chart");
    lxw_worksheet* chartSheet = workbook_add_worksheet(book, "Sheet1");
    lxw_worksheet* conditions = workbook_add_worksheet(book, "Conditions");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);

    writeCurves(chartSheet, bold);
    writeStates(chartSheet, content, bold);
    worksheet_set_column(chartSheet, 0, 1, 28, nullptr);
    worksheet_set_column(chartSheet, curveColumn(0), curveColumn(kRelativeHumiditySteps), 11, nullptr);
    chartsheet_set_chart(chartPage, makeChart(book));
    chartsheet_activate(chartPage);
    chartsheet_set_landscape(chartPage);
    writeConditions(conditions, content, bold);

    worksheet_protect(chartSheet, kChartSheetPassword, nullptr);
    worksheet_protect(conditions, kChartSheetPassword, nullptr);
    chartsheet_protect(chartPage, kChartSheetPassword, nullptr);

    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        throw std::runtime_error("The chart workbook " + path.string() +
                                 " cannot be written: " + lxw_strerror(result));
    }
}

} // namespace vexa
