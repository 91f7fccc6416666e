#include "common/NumberInput.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace vexa::app {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Sign, digits with at most one point (at least one digit), then optionally an
// exponent with its own sign and at least one digit.
bool isPlainDecimal(const std::string& text)
{
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    bool digit = false;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        if (isDigit(text[pos])) {
            digit = true;
        } else if (text[pos] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const size_t exponentStart = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
}

} // namespace

std::optional<double> readNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    // Only ASCII can be a number; anything else (including a non-ASCII digit) is refused.
    for (const QChar c : trimmed) {
        if (c.unicode() > 0x7F) {
            return std::nullopt;
        }
    }
    const std::string ascii = trimmed.toStdString();
    if (!isPlainDecimal(ascii)) {
        return std::nullopt;
    }
    // from_chars reads no "+": start after it.
    const char* first = ascii.data() + (ascii.front() == '+' ? 1 : 0);
    const char* last = ascii.data() + ascii.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace vexa::app
