#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <stdexcept>
#include <string>

// Turning JSON values into engine property values and back.
namespace vexa::cli {

using Json = nlohmann::ordered_json;

// A value in a job that the tool cannot hand to the engine: wrong type, unknown
// property, a number that does not fit. The job fails; the run ends with status 2.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

float toFloat(const Json& value);
double toDouble(const Json& value);
int32_t toInt32(const Json& value); // whole numbers; halves to even for a fraction
int16_t toInt16(const Json& value);
int32_t toEnumValue(const Json& value); // whole numbers only
bool toBool(const Json& value);
std::string toText(const Json& value);

// Numbers as the shortest text that reads back as the stored value: a float field
// prints as a float ("27.1"), a double as a double.
Json fromFloat(float value);
Json fromDouble(double value);

} // namespace vexa::cli
