// The number word of a command pair: a count of bytes or a table index.
#pragma once

#include <stdint.h>

namespace test_norvalex {

// True when `word` begins with an ASCII digit '0'..'9'; bytes of 0x80 and up
// are never digits, whatever the locale or the signedness of char.
bool StartsWithDigit(const char* word);

// The leading run of digits as a decimal number. A run past the largest
// signed 32-bit value gives that value: as a count it cannot be allocated,
// as an index it lies past the table, so it is refused either way instead of
// wrapping round to a small number.
int32_t LeadingDigitsValue(const char* word);

} // namespace test_norvalex
