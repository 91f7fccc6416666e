#include "common/NumberText.h"

#include "common/EngineError.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vexa::num {

namespace {

constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// |value| × 10^decimals rounded to a whole number, halves away from zero, decided on
// the exact product: hi + lo is the product without rounding error.
double scaledMagnitude(double value, int decimals)
{
    const double scale = kPowersOfTen.at(static_cast<size_t>(decimals));
    const double magnitude = std::fabs(value);
    const double hi = magnitude * scale;
    if (hi >= 0x1p52) {
        return std::nearbyint(hi); // every double this large is already whole
    }
    const double lo = std::fma(magnitude, scale, -hi);
    double whole = std::floor(hi);
    const double aboveHalf = (hi - whole) - 0.5; // exact: both terms share hi's grid
    if (aboveHalf >= -lo) {
        whole += 1.0;
    }
    return whole;
}

template <typename Int>
Int toInteger(double rounded)
{
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        throw CalculationError("Overflow");
    }
    return static_cast<Int>(rounded);
}

template <typename T>
std::string shortest(T value)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Infinity" : "-Infinity";
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value)) {
        return value;
    }
    const double whole = scaledMagnitude(value, decimals);
    return std::copysign(whole / kPowersOfTen.at(static_cast<size_t>(decimals)), value);
}

std::string format(double value, std::string_view pattern)
{
    const size_t point = pattern.find('.');
    const int integerDigits = static_cast<int>(point == std::string_view::npos ? pattern.size() : point);
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    if (!std::isfinite(value)) {
        return shortest(value);
    }

    const double whole = scaledMagnitude(value, decimals);
    std::array<char, 400> buffer{};
    const auto printed =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole, std::chars_format::fixed, 0);
    const std::string_view digits(buffer.data(), static_cast<size_t>(printed.ptr - buffer.data()));
    const size_t minimumDigits = static_cast<size_t>(integerDigits + decimals);
    const size_t padding = digits.size() < minimumDigits ? minimumDigits - digits.size() : 0;
    const size_t integerLength = padding + digits.size() - static_cast<size_t>(decimals);

    std::string text;
    text.reserve(padding + digits.size() + 2);
    if (value < 0 && whole != 0.0) {
        text.push_back('-');
    }
    std::string padded(padding, '0');
    padded.append(digits);
    text.append(padded, 0, integerLength);
    if (decimals > 0) {
        text.push_back('.');
        text.append(padded, integerLength, std::string::npos);
    }
    return text;
}

int16_t toInt16(double value)
{
    return toInteger<int16_t>(std::nearbyint(value));
}

int32_t toInt32(double value)
{
    return toInteger<int32_t>(std::nearbyint(value));
}

int32_t floorToInt32(double value)
{
    return toInteger<int32_t>(std::floor(value));
}

int32_t truncToInt32(double value)
{
    return toInteger<int32_t>(std::trunc(value));
}

std::string S(int64_t value)
{
    if (value < 0) {
        return std::to_string(value);
    }
    std::string text(1, ' ');
    text += std::to_string(value);
    return text;
}

double leadingNumber(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    const size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return 0.0;
    }
    std::string number(text.substr(start, pos - start));
    if (number.front() == '+') {
        number.erase(0, 1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        throw CalculationError("Overflow");
    }
    return value;
}

std::string shortestText(float value)
{
    return shortest(value);
}

std::string shortestText(double value)
{
    return shortest(value);
}

} // namespace vexa::num
