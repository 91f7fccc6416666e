#include "EngineState.h"

#include "design/DesignState.h"

namespace vexa {

void resetEngineState()
{
    resetDesignState();
}

} // namespace vexa
