#include "EngineState.h"

#include "bindata/BinState.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"

namespace vexa {

void resetEngineState()
{
    resetDesignState();
    resetCostingState();
    resetBinState();
}

} // namespace vexa
