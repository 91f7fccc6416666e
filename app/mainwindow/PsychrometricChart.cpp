#include "mainwindow/PsychrometricChart.h"

#include "common/MessageBoxes.h"
#include "common/NumberInput.h"
#include "common/NumberText.h"
#include "common/OutputFiles.h"
#include "common/OutputFolder.h"
#include "design/Psychrometric.h"

#include <QDir>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <optional>
#include <stdexcept>

namespace vexa::app {

namespace {

// The chart's range: air warmer or wetter than this lies off the plotted area.
constexpr double kChartMaxDryBulb_C = 50;
constexpr double kChartMaxHumidityRatio_kgkg = 0.03;

struct StateTexts {
    QString dryBulb, wetBulb, relativeHumidity, humidityRatio, enthalpy;
};

QString boxText(QWidget* window, const QString& name)
{
    auto* box = window->findChild<QLineEdit*>(name);
    return box == nullptr ? QString() : box->text();
}

std::array<StateTexts, 4> readStates(QWidget* window)
{
    std::array<StateTexts, 4> states;
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        states.at(static_cast<size_t>(i)) = {boxText(window, "txtDB" + n), boxText(window, "txtWB" + n),
                                             boxText(window, "txtRH" + n), boxText(window, "txtW" + n),
                                             boxText(window, "txtE" + n)};
    }
    return states;
}

// The states fit the chart: every box of a completed calculation holds a number,
// no dry bulb is above 50 degC and no humidity ratio above 0.03 kg/kg.
bool fitTheChart(const std::array<StateTexts, 4>& states)
{
    for (const StateTexts& state : states) {
        for (const QString* text : {&state.dryBulb, &state.wetBulb, &state.relativeHumidity,
                                    &state.humidityRatio, &state.enthalpy}) {
            if (!isNumeric(*text)) {
                return false;
            }
        }
        if (*readNumber(state.dryBulb) > kChartMaxDryBulb_C ||
            *readNumber(state.humidityRatio) > kChartMaxHumidityRatio_kgkg) {
            return false;
        }
    }
    return true;
}

void handOver(Psychrometric& chart, const std::array<StateTexts, 4>& s)
{
    const auto leading = [](const QString& text) { return num::leadingNumber(text.toStdString()); };
    const auto value = [](const QString& text) { return readNumber(text).value_or(0); };
    chart.setDB1(leading(s[0].dryBulb));
    chart.setDB2(leading(s[1].dryBulb));
    chart.setDB3(leading(s[2].dryBulb));
    chart.setDB4(leading(s[3].dryBulb));
    chart.setWB1(leading(s[0].wetBulb));
    chart.setWB2(leading(s[1].wetBulb));
    chart.setWB3(leading(s[2].wetBulb));
    chart.setWB4(leading(s[3].wetBulb));
    chart.setRH1(value(s[0].relativeHumidity));
    chart.setRH2(value(s[1].relativeHumidity));
    chart.setRH3(value(s[2].relativeHumidity));
    chart.setRH4(value(s[3].relativeHumidity));
    chart.setE1(value(s[0].enthalpy));
    chart.setE2(value(s[1].enthalpy));
    chart.setE3(value(s[2].enthalpy));
    chart.setE4(value(s[3].enthalpy));
    chart.setW1(value(s[0].humidityRatio));
    chart.setW2(value(s[1].humidityRatio));
    chart.setW3(value(s[2].humidityRatio));
    chart.setW4(value(s[3].humidityRatio));
}

} // namespace

bool plotPsychrometricChart(QWidget* mainWindow, Psychrometric& chart)
{
    const std::array<StateTexts, 4> states = readStates(mainWindow);
    if (!fitTheChart(states)) {
        inform(mainWindow, QStringLiteral("Psychrometric Plot Not Possible"),
               QStringLiteral("Conditions not suitable for psychrometric chart."));
        return false;
    }

    // The workbook goes where the program's other documents go.
    output::setConfiguredFolder(outputFolder().toStdString());
    if (const std::string problem = output::checkWritable(); !problem.empty()) {
        inform(mainWindow, QStringLiteral("Psychrometric Chart Not Saved"),
               QStringLiteral("The psychrometric chart cannot be saved. %1 Choose another output folder and "
                              "press \"Psych\" again.")
                   .arg(QString::fromStdString(problem)));
        return false;
    }

    handOver(chart, states);
    try {
        chart.HumidityRatio();
    } catch (const std::exception& error) {
        inform(mainWindow, QStringLiteral("Psychrometric Chart Not Saved"),
               QStringLiteral("The psychrometric chart cannot be saved: %1")
                   .arg(QString::fromUtf8(error.what())));
        return false;
    }
    if (!chart.WorkbookShown()) {
        inform(mainWindow, QStringLiteral("Psychrometric Chart"),
               QStringLiteral("The psychrometric chart has been saved as:\n%1\n\nOpen it with a spreadsheet "
                              "program to see the chart.")
                   .arg(QDir::toNativeSeparators(QString::fromStdString(chart.WorkbookPath().string()))));
    }
    return true;
}

} // namespace vexa::app
