#pragma once

#include <QStringList>

namespace vexa::app {

class frmMain;

// How the program starts: read the order key from the command line; without one
// (or before quotations can be opened) show the splash, which opens the main
// window. Returns the main window, which lives until the program ends.
frmMain* startProgram(const QStringList& arguments);

} // namespace vexa::app
