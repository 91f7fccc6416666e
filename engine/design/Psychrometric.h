#pragma once

#include <array>
#include <filesystem>
#include <optional>

namespace vexa {

// Plots the four air states on a psychrometric chart: a new workbook in the
// output folder with the states on two protected sheets and the chart, opened
// with the desktop's default application. Reached through Main::Psychrometric().
class Psychrometric {
public:
    // Recomputes each state's plotted humidity ratio from its dry and wet bulb,
    // writes the workbook and opens it. Throws std::runtime_error when the
    // workbook cannot be written.
    void HumidityRatio();

    void setDB1(double degC) { m_states[0].dryBulb = degC; }
    void setDB2(double degC) { m_states[1].dryBulb = degC; }
    void setDB3(double degC) { m_states[2].dryBulb = degC; }
    void setDB4(double degC) { m_states[3].dryBulb = degC; }
    void setWB1(double degC) { m_states[0].wetBulb = degC; }
    void setWB2(double degC) { m_states[1].wetBulb = degC; }
    void setWB3(double degC) { m_states[2].wetBulb = degC; }
    void setWB4(double degC) { m_states[3].wetBulb = degC; }
    void setRH1(double pct) { m_states[0].relativeHumidity = pct; }
    void setRH2(double pct) { m_states[1].relativeHumidity = pct; }
    void setRH3(double pct) { m_states[2].relativeHumidity = pct; }
    void setRH4(double pct) { m_states[3].relativeHumidity = pct; }
    void setW1(double kgkg) { m_states[0].humidityRatio = kgkg; }
    void setW2(double kgkg) { m_states[1].humidityRatio = kgkg; }
    void setW3(double kgkg) { m_states[2].humidityRatio = kgkg; }
    void setW4(double kgkg) { m_states[3].humidityRatio = kgkg; }
    void setE1(double kJkg) { m_states[0].enthalpy = kJkg; }
    void setE2(double kJkg) { m_states[1].enthalpy = kJkg; }
    void setE3(double kJkg) { m_states[2].enthalpy = kJkg; }
    void setE4(double kJkg) { m_states[3].enthalpy = kJkg; }

    // The workbook the last HumidityRatio wrote, and whether an application
    // showed it (false with ARDELVEXA_NO_OPEN=1 or when none could).
    const std::filesystem::path& WorkbookPath() const { return m_workbookPath; }
    bool WorkbookShown() const { return m_workbookShown; }

    // A state as the client gave it.
    struct State {
        double dryBulb = 0;
        double wetBulb = 0;
        double relativeHumidity = 0;
        double humidityRatio = 0;
        double enthalpy = 0;
    };

    // The humidity ratio plotted for state 1 to 4: recomputed from its dry and
    // wet bulb, kept from an earlier call, or none.
    std::optional<float> plottedHumidityRatio(int state) const { return m_plotted.at(state - 1); }

private:
    std::array<State, 4> m_states{};
    std::array<std::optional<float>, 4> m_plotted{};
    std::filesystem::path m_workbookPath;
    bool m_workbookShown = false;
};

} // namespace vexa
