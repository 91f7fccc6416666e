#pragma once

namespace vexa::app {

// Lets the engine's bin windows open when the costing asks for the bin payback:
// they print through the program's window printer and show their boxes through
// the program's message boxes (which tests answer).
void installBinWindows();

} // namespace vexa::app
