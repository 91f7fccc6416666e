#pragma once

#include <QString>

class QWidget;

namespace vexa::app {

// Prints an image of the window: through the print dialog when a printer is set up,
// otherwise into a new PDF file in the output folder (the user is told where). When
// the image cannot be printed, a box shows failureText ("The form can't be
// printed.") and the program goes on. Returns the PDF's path, or empty.
QString printWindowImage(QWidget* window, const QString& failureText);

// The same without the failure box, for windows that report a failure in their
// own words: false when the image could not be printed (a cancelled print dialog
// counts as done). pdfPath receives the PDF's path when one was written.
bool tryPrintWindowImage(QWidget* window, QString* pdfPath = nullptr);

} // namespace vexa::app
