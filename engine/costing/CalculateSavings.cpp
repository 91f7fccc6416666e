#include "costing/CalculateSavings.h"

#include "common/NumberText.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"

namespace vexa::Costing {

namespace {
constexpr double kRefrigerationCop = 3;
constexpr double kMonthsPerYear = 12;
} // namespace

void CalculateSavings(double priceBase)
{
    CostingState& cs = costingState();
    const double Q = designState().preCoolSaving_kW;
    const double precool = Q / kRefrigerationCop * cs.energyCost * cs.annualRunningHours;
    const double reheat = Q * cs.energyCost * cs.annualRunningHours;
    const double saving = precool + reheat;
    const double payback = saving == 0 ? 0 : priceBase / saving * kMonthsPerYear;

    cs.annualPrecoolSaving = num::roundHalfAway(precool, 0);
    cs.annualReheatSaving = num::roundHalfAway(reheat, 0);
    cs.paybackPeriod_months = num::roundHalfAway(payback, 0);
    cs.annualCostSaving = num::roundHalfAway(saving, 0);
}

} // namespace vexa::Costing
