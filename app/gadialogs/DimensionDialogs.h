#pragma once

class QWidget;

namespace vexa {
class Main;
}

namespace vexa::app {

// The costing window's "GA": opens, not modal, the dimension dialog of the unit -
// Form2 for a unit with a cooling coil, HeatpipeDimensions for a heat-pipe-only unit
// with "Horseshoe Heat Pipe" chosen, otherwise Form1 - with its values read from the
// main window's and the costing window's controls. The costing window comes back
// when the dialog closes; until then it is hidden.
void openDimensionDialog(QWidget* costingWindow, vexa::Main& main);

} // namespace vexa::app
