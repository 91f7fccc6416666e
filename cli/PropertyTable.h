#pragma once

#include "JsonValues.h"

#include <functional>
#include <string>
#include <vector>

namespace vexa::cli {

// One property of an engine class as the tool sees it: its name, how a JSON value
// is let into it and how it is read back. Either may be empty.
template <typename Object>
struct Property {
    std::string name;
    std::function<void(Object&, const Json&)> let;
    std::function<Json(Object&)> get;
};

template <typename Object>
using PropertyTable = std::vector<Property<Object>>;

// Finds a property by its exact name; nullptr when there is none.
template <typename Object>
const Property<Object>* findProperty(const PropertyTable<Object>& table, const std::string& name)
{
    for (const Property<Object>& property : table) {
        if (property.name == name) {
            return &property;
        }
    }
    return nullptr;
}

// Adapters from typed member functions to JSON lets and gets.
template <typename Object>
auto letFloat(void (Object::*set)(float))
{
    return [set](Object& o, const Json& v) { (o.*set)(toFloat(v)); };
}
template <typename Object>
auto letDouble(void (Object::*set)(double))
{
    return [set](Object& o, const Json& v) { (o.*set)(toDouble(v)); };
}
template <typename Object>
auto letInt32(void (Object::*set)(int32_t))
{
    return [set](Object& o, const Json& v) { (o.*set)(toInt32(v)); };
}
template <typename Object>
auto letInt16(void (Object::*set)(int16_t))
{
    return [set](Object& o, const Json& v) { (o.*set)(toInt16(v)); };
}
template <typename Object>
auto letBool(void (Object::*set)(bool))
{
    return [set](Object& o, const Json& v) { (o.*set)(toBool(v)); };
}
template <typename Object>
auto letText(void (Object::*set)(const std::string&))
{
    return [set](Object& o, const Json& v) { (o.*set)(toText(v)); };
}
template <typename Object, typename Enum>
auto letEnum(void (Object::*set)(Enum))
{
    return [set](Object& o, const Json& v) { (o.*set)(static_cast<Enum>(toEnumValue(v))); };
}

template <typename Object, typename Value>
auto get(Value (Object::*read)() const)
{
    return [read](Object& o) -> Json {
        const Value value = (o.*read)();
        if constexpr (std::is_same_v<Value, float>) {
            return fromFloat(value);
        } else if constexpr (std::is_same_v<Value, double>) {
            return fromDouble(value);
        } else if constexpr (std::is_enum_v<Value>) {
            return static_cast<std::underlying_type_t<Value>>(value);
        } else {
            return value;
        }
    };
}

} // namespace vexa::cli
