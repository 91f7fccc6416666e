#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one place where numbers are rounded and turned into text. Every other
// module rounds through these functions so that the same value always shows
// the same digits.
namespace vexa::num {

// Rounds to the given number of decimals (0 to 15), halves away from zero. The
// decision is taken on the exact binary value, so the float 2.05f (stored as
// 2.0499999...) rounds to 2.0, not 2.1.
double roundHalfAway(double value, int decimals);

// Formats with a pattern of the form "0", "0.0", "0.00", "00.00": the zeros before
// the point give the least number of integer digits, those after it the decimals.
// Rounds half away from zero; a value that rounds to zero has no minus sign.
std::string format(double value, std::string_view pattern);

// Conversion to a 16- or 32-bit integer: the nearest whole number, halves to the
// even neighbour. Throws CalculationError("Overflow") outside the type's range
// and for NaN.
int16_t toInt16(double value);
int32_t toInt32(double value);

// The next lower whole number and the whole part, as 32-bit integers; both throw
// CalculationError("Overflow") outside the range.
int32_t floorToInt32(double value);
int32_t truncToInt32(double value);

// A whole number with one leading blank when it is not negative (" 12", "-3").
std::string S(int64_t value);

// The value of the leading numeric characters of a text: blanks, then an optional
// sign, digits and one decimal point. 0 when there are none ("12.5 mm" gives 12.5,
// "abc" gives 0).
double leadingNumber(std::string_view text);

// The shortest decimal text that reads back as the same float or double
// ("27.1" for the float nearest 27.1, not "27.100000381").
std::string shortestText(float value);
std::string shortestText(double value);

} // namespace vexa::num
