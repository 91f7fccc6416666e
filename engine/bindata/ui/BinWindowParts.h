#pragma once

#include <QString>

#include <cstddef>
#include <functional>

class QDialog;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;

namespace vexa::binwindows {

// A locked box of a bin table.
QLineEdit* lockedBox(const QString& objectName);

// A button with its object name.
QPushButton* button(const QString& caption, const char* objectName);

// The look the bin windows share: a title bar without a close box (closeBox
// false), centred over the window that opened it.
void prepareWindow(QDialog* window, const QString& caption, bool closeBox);

// A chart window's menu "File" with "Print Window", a separator and "Close".
QMenuBar* fileMenu(QDialog* window, const std::function<void()>& print, const std::function<void()>& close);

// Shows a bin's weather from the bin record in the first four boxes of its row:
// dry bulb, wet bulb, relative humidity, hours.
void showBinWeather(size_t bin, QLineEdit* const* row);

} // namespace vexa::binwindows
