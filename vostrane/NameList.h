// The list of every DOS name: reading it from the table and walking the
// NUL-ended names it comes in.
#pragma once

#include "DosDeviceTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace name_list {

// A single name's lookup asks with this many bytes.
inline constexpr uint32_t NameBufferSize = 260;
// The full list is first asked for with this many bytes, and with twice as
// many each time the names do not fit, up to the limit.
inline constexpr uint32_t FirstListBufferSize = 10240;
inline constexpr uint32_t ListBufferLimit = 16 * 1024 * 1024;

// The names in `Buffer`, in order, up to the first empty name or the end of
// the `Size` bytes, whichever comes first; a name cut off by the end counts.
std::vector<std::string> SplitNameList(const char* Buffer, size_t Size);

// Every DOS name the table defines, in the table's order. Empty when the
// table refuses the query for a reason other than room.
std::vector<std::string> QueryAllNames(TDosDeviceTable& Table);

} // namespace name_list
