#pragma once

#include <QString>

namespace vexa::app {

// The folder the program writes its files into: environment ARDELVEXA_OUTPUT_DIR,
// else setting "Output/Folder", else ~/Documents/ArdelVexa.
QString outputFolder();

// A path in the output folder that does not exist yet: base name, then a time
// stamp, then a counter when needed. Nothing is ever overwritten.
QString newOutputPath(const QString& baseName, const QString& suffix);

} // namespace vexa::app
