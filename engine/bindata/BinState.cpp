#include "bindata/BinState.h"

namespace vexa {

namespace {
BinState g_binState;
}

BinState& binState()
{
    return g_binState;
}

void resetBinState()
{
    g_binState = BinState{};
}

} // namespace vexa
