#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace vexa::app {

// The value of a switch written "/NAME=value" on a command line. Scanning from the
// left, "/" starts a switch name, "=" ends it and the value runs to the next "/" or
// the end of the line. Names compare without regard to case and with blanks
// trimmed; the value comes back trimmed, or empty when the switch is absent.
QString switchValue(const QString& commandLine, const QString& name);

// The program's arguments (without the program itself) joined by blanks.
QString joinedCommandLine(const QStringList& arguments);

// The order key of a "/QUOTEID=" switch: its leading number as a 32-bit integer,
// halves to even; 0 when the switch is absent, has no number or is out of range.
int32_t quoteIdFrom(const QString& commandLine);

} // namespace vexa::app
