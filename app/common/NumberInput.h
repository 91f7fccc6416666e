#pragma once

#include <QString>

#include <optional>

namespace vexa::app {

// The window's numeric test and the value it reads: the whole text, blanks around
// it allowed, must be a decimal number with "." as the decimal mark (the mark of
// every number the program writes), an optional sign and an optional exponent
// ("-0", "27.5", "+5", "1e3"). A comma, a second number, a line break inside the
// text or a value too large for a double are not numbers. The same value is
// checked and passed on, so the engine never receives anything else.
std::optional<double> readNumber(const QString& text);

inline bool isNumeric(const QString& text)
{
    return readNumber(text).has_value();
}

} // namespace vexa::app
