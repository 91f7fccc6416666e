#include "mainwindow/EngineLink.h"

namespace vexa::app {

EngineFactory defaultEngineFactory()
{
    return [] { return std::make_unique<EngineLink>(); };
}

} // namespace vexa::app
