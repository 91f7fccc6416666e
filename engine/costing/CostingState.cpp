#include "costing/CostingState.h"

namespace vexa {

namespace {
CostingState g_costingState;
}

CostingState& costingState()
{
    return g_costingState;
}

void resetCostingState()
{
    g_costingState = CostingState{};
}

} // namespace vexa
