#include "design/DesignState.h"

namespace vexa {

namespace {
DesignState g_designState;
}

DesignState& designState()
{
    return g_designState;
}

void resetDesignState()
{
    g_designState = DesignState{};
}

} // namespace vexa
