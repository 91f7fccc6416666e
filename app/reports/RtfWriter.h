#pragma once

#include <QByteArray>
#include <QString>

namespace vexa::app {

// A plain text as a rich text (RTF) document that word processors open with its
// lines and tabs: one paragraph per line, tabs as tab stops, every character
// outside ASCII written as its Unicode value. The text is set in the given font
// (a fixed-pitch one keeps the columns of the summary aligned).
QByteArray plainTextToRtf(const QString& text, const QString& fontName = QStringLiteral("Courier New"),
                          int pointSize = 10);

} // namespace vexa::app
