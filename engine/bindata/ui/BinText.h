#pragma once

#include <QString>

class QWidget;

namespace vexa::binwindows {

// A bin temperature or humidity as the tables show it: one decimal, halves away
// from zero ("-8.0", "81.5").
QString oneDecimal(float value);

// The shortest decimal text of a value ("1", "-8.7", "16000").
QString shortest(float value);
QString shortest(double value);

// The value the shortest decimal text stands for, as the charts take it.
double chartValue(float value);

// A "Bin Summary" line: "Bin1, DB -8°C, WB -8.7°C, RH 79%, Hours 1".
QString binSummaryLine(int bin);

// Where a failed print is reported, and what the user reads.
void reportPrintFailure(QWidget* window, const QString& title, const QString& text, bool informationIcon);

// Prints the window's image through the program's printer; false when it failed.
bool printImage(QWidget* window);

} // namespace vexa::binwindows
