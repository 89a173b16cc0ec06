// The texts the loader renders, kept free of system calls.
#pragma once

#include <cstdint>
#include <string>

namespace loader_text {

// A system message as the error box shows it: every trailing character with
// a code from 0 to 32 and every trailing full stop removed.
std::string TrimErrorText(std::string text);

// Eight bytes as upper-case hexadecimal pairs, each followed by one blank.
std::string RenderBytes(const uint8_t (&bytes)[8]);

} // namespace loader_text
