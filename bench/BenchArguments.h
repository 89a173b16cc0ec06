// The benchmark programs' numbers: whole decimal words only, so that a typo
// stops the run with a clear message instead of timing something else.
#pragma once

#include <stdint.h>
#include <stdio.h>

// Reads `word` as a decimal number from `low` to `high`; otherwise says what
// `name` must be on standard error and returns false.
inline bool ParseBenchNumber(const char* name, const char* word, uint32_t low, uint32_t high,
                             uint32_t& value) {
    uint64_t number = 0;
    const char* p = word;
    for (; *p >= '0' && *p <= '9' && number <= high; ++p)
        number = number * 10 + static_cast<uint64_t>(*p - '0');
    if (p == word || *p != '\0' || number < low || number > high) {
        fprintf(stderr, "%s must be a whole number from %lu to %lu, not \"%s\"\n", name,
                static_cast<unsigned long>(low), static_cast<unsigned long>(high), word);
        return false;
    }
    value = static_cast<uint32_t>(number);
    return true;
}
