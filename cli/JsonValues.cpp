#include "JsonValues.h"

#include "common/EngineError.h"
#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vexa::cli {

namespace {

std::string typeName(const Json& value)
{
    if (value.is_number_float()) {
        return "a number with a fraction";
    }
    return value.is_number() ? "a number" : std::string("a ") + value.type_name();
}

double number(const Json& value, const char* expected)
{
    if (!value.is_number()) {
        throw InputError(std::string("expected ") + expected + ", got " + typeName(value));
    }
    return value.get<double>();
}

template <typename Int>
Int wholeNumber(const Json& value, const char* expected)
{
    if (value.is_number_integer() || value.is_number_unsigned()) {
        if (value.is_number_unsigned() &&
            value.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<Int>::max())) {
            throw InputError(std::string(expected) + " out of range: " + value.dump());
        }
        const int64_t whole = value.get<int64_t>();
        if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max()) {
            throw InputError(std::string(expected) + " out of range: " + value.dump());
        }
        return static_cast<Int>(whole);
    }
    const double x = number(value, expected);
    try {
        if constexpr (sizeof(Int) == 2) {
            return num::toInt16(x);
        } else {
            return num::toInt32(x);
        }
    } catch (const CalculationError&) {
        throw InputError(std::string(expected) + " out of range: " + value.dump());
    }
}

} // namespace

float toFloat(const Json& value)
{
    // A number beyond the float range becomes infinity, which every bound refuses.
    return static_cast<float>(number(value, "a number"));
}

double toDouble(const Json& value)
{
    return number(value, "a number");
}

int32_t toInt32(const Json& value)
{
    return wholeNumber<int32_t>(value, "a 32-bit whole number");
}

int16_t toInt16(const Json& value)
{
    return wholeNumber<int16_t>(value, "a 16-bit whole number");
}

int32_t toEnumValue(const Json& value)
{
    if (!(value.is_number_integer() || value.is_number_unsigned())) {
        throw InputError("expected an enumeration value (a whole number), got " + typeName(value));
    }
    return wholeNumber<int32_t>(value, "an enumeration value");
}

bool toBool(const Json& value)
{
    if (!value.is_boolean()) {
        throw InputError("expected true or false, got " + typeName(value));
    }
    return value.get<bool>();
}

std::string toText(const Json& value)
{
    if (!value.is_string()) {
        throw InputError("expected a text, got " + typeName(value));
    }
    return value.get<std::string>();
}

Json fromFloat(float value)
{
    if (!std::isfinite(value)) {
        return nullptr; // JSON has no NaN or infinity; the engine never stores them
    }
    // The shortest text of the float read as a double prints back as that text.
    const std::string text = num::shortestText(value);
    double asDouble = 0;
    std::from_chars(text.data(), text.data() + text.size(), asDouble);
    return asDouble;
}

Json fromDouble(double value)
{
    if (!std::isfinite(value)) {
        return nullptr;
    }
    return value;
}

} // namespace vexa::cli
