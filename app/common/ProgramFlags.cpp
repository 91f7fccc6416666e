#include "common/ProgramFlags.h"

namespace vexa::app {

ProgramFlags& programFlags()
{
    static ProgramFlags flags;
    return flags;
}

} // namespace vexa::app
