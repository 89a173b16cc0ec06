#include "NumberWord.h"

namespace test_norvalex {
namespace {

bool IsAsciiDigit(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte >= '0' && byte <= '9';
}

} // namespace

bool StartsWithDigit(const char* word) {
    return IsAsciiDigit(word[0]);
}

int32_t LeadingDigitsValue(const char* word) {
    int32_t value = 0;
    for (const char* c = word; IsAsciiDigit(*c); ++c) {
        const int32_t digit = *c - '0';
        if (value > (INT32_MAX - digit) / 10)
            return INT32_MAX;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace test_norvalex
