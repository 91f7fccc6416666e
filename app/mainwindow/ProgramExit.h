#pragma once

#include <functional>

class QWidget;

namespace vexa::app {

// The quit confirmation of the quote manager's close commands: "Are You Sure You
// Want To Quit ?" with Yes and No (No the default). Yes runs endAtOnce (no settings
// are saved); No leaves everything as it was. Returns true when the user said Yes.
bool confirmQuit(QWidget* parent, const std::function<void()>& endAtOnce);

} // namespace vexa::app
