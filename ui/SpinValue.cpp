#include "SpinValue.h"

#include <limits>

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ReadHex(std::string_view digits, int32_t& value) {
    if (digits.empty())
        return false;
    uint32_t result = 0;
    for (char c : digits) {
        int digit = HexDigitValue(c);
        if (digit < 0 || result > 0x0FFFFFFFu)
            return false;
        result = (result << 4) | static_cast<uint32_t>(digit);
    }
    value = static_cast<int32_t>(result);
    return true;
}

bool ReadDecimal(std::string_view text, int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    constexpr int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return false;
    }
    int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(result);
    return true;
}

} // namespace

int32_t ReadSpinValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    int32_t value = 0;
    bool ok = false;
    if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X'))
        ok = ReadHex(text.substr(1), value);
    else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        ok = ReadHex(text.substr(2), value);
    else
        ok = ReadDecimal(text, value);
    return ok ? value : 0;
}

int32_t StepSpinValue(int32_t value, int32_t delta) {
    int64_t moved = static_cast<int64_t>(value) + delta;
    if (moved > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (moved < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(moved);
}

bool AcceptsTypedChar(char32_t typed, char32_t decimalSeparator) {
    if (typed >= U'0' && typed <= U'9')
        return true;
    if (typed == U'+' || typed == U'-' || typed == decimalSeparator)
        return true;
    return typed < 32 && typed != U'\r';
}
