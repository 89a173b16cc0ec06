// What a numeric spin edit makes of its text and of typed keys, free of
// system calls.
#pragma once

#include <cstdint>
#include <string_view>

// The text read as a signed 32-bit integer: leading blanks skipped, then an
// optional sign and decimal digits, or "$", "x", "X", "0x" or "0X" and
// hexadecimal digits ("$FFFFFFFF" is -1). Anything else reads as 0.
int32_t ReadSpinValue(std::string_view text);

// `value` moved by `delta`, held at the ends of the 32-bit range.
int32_t StepSpinValue(int32_t value, int32_t delta);

// Whether a typed character is let through: digits, "+", "-", the decimal
// separator and control characters other than Enter.
bool AcceptsTypedChar(char32_t typed, char32_t decimalSeparator);
