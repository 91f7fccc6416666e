#pragma once

namespace vexa {

// Puts every process-wide engine record back to its state when the engine is
// loaded, as a new run of the program would find it.
void resetEngineState();

} // namespace vexa
