#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vexa {

// An error the engine hands to its caller: a refused property value (number 13)
// or a calculation that cannot go on (number 0). The description is the text a
// window shows in its message box.
class EngineError : public std::runtime_error {
public:
    static constexpr int32_t kTypeMismatch = 13;

    explicit EngineError(const std::string& description, int32_t number = kTypeMismatch)
        : std::runtime_error(description), m_number(number)
    {
    }

    int32_t number() const noexcept { return m_number; }
    std::string description() const { return what(); }

private:
    int32_t m_number;
};

// A calculation step that cannot produce a meaningful result; the description
// names the step and the reason.
class CalculationError : public EngineError {
public:
    explicit CalculationError(const std::string& description) : EngineError(description, 0) {}
};

} // namespace vexa
