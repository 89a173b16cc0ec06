#pragma once

#include <cstdint>
#include <string>

// The system's message for an error code, trimmed as the error box shows it;
// empty when the system has no text for the code (or none that fits).
std::string SystemErrorText(uint32_t Code);
