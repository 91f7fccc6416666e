#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace vexa::binwindows {

// What the bin windows need from the program they run in: printing a window's
// image and showing a message box. The program passes its own, so that its tests
// can read and answer the boxes.
struct Services {
    // Prints an image of the window (print dialog, or a PDF when there is no
    // printer). Returns false only when the image could not be printed; a
    // cancelled print dialog counts as done.
    std::function<bool(QWidget* window)> printImage;
    // A message box with an OK button; informationIcon false shows no icon.
    std::function<void(QWidget* parent, const QString& title, const QString& text, bool informationIcon)>
        showMessage;
};

// Makes UseBinData show the bin windows from now on, with these services.
void install(Services services);

// The services in force (empty functions before install).
const Services& services();

// Fills "Select Bin Data" from the bin record of the last bin calculation and
// shows it modally; returns when it has been closed or hidden. The windows
// opened from it open modally inside it.
void ShowBinTable();

} // namespace vexa::binwindows
