#include "design/Psychrometric.h"

#include "common/NumberText.h"
#include "common/OutputFiles.h"
#include "design/ChartWorkbook.h"
#include "design/Psycrometric.h"

namespace vexa {

namespace {

// The chart is drawn at standard atmospheric pressure.
constexpr double kChartPressure_kPa = 101.325;

} // namespace

void Psychrometric::HumidityRatio()
{
    for (size_t i = 0; i < m_states.size(); ++i) {
        const State& state = m_states[i];
        const double pws = Psycrometric::SaturationPressure(state.wetBulb);
        const double wsStar = Psycrometric::SaturationHumidityRatio(pws, kChartPressure_kPa, state.dryBulb);
        const float w = static_cast<float>(num::roundHalfAway(
            Psycrometric::HumidityRatioFromWetBulb(state.dryBulb, state.wetBulb, wsStar), 11));
        // A wet bulb below the dry-air limit: this and the later states keep what
        // an earlier plot gave them.
        if (w < 0) {
            break;
        }
        m_plotted[i] = w;
    }

    ChartContent content;
    for (size_t i = 0; i < m_states.size(); ++i) {
        content.states[i] = {m_states[i].dryBulb,       m_states[i].wetBulb,  m_states[i].relativeHumidity,
                             m_states[i].humidityRatio, m_states[i].enthalpy, m_plotted[i]};
    }
    m_workbookPath = output::writeNew("Psychrometric chart", "xlsx", [&](const std::filesystem::path& path) {
        writeChartWorkbook(path, content);
    });
    m_workbookShown = output::openWithDesktop(m_workbookPath);
}

} // namespace vexa
