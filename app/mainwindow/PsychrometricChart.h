#pragma once

class QWidget;

namespace vexa {
class Psychrometric;
}

namespace vexa::app {

// "Psych": plots the four air states of the main window on the psychrometric
// chart. The states must fit the chart (dry bulbs up to 50 degC, humidity ratios
// up to 0.03 kg/kg, every box a number); they are handed to the chart object, which
// writes the chart workbook into the output folder and opens it. Every failure is
// a message box: the states do not fit, the output folder cannot be written, the
// workbook cannot be written. When no application showed the workbook, the user
// is told where it was saved. Returns true when the workbook was written.
bool plotPsychrometricChart(QWidget* mainWindow, Psychrometric& chart);

} // namespace vexa::app
