// The control codes a run can issue, chosen by index from the command line.
#pragma once

#include "NorvalexContract.h"

#include <stdint.h>

namespace test_norvalex {

inline constexpr const char* ioctl_names[] = {"NORVALEX_IOCTL_800"};
inline constexpr uint32_t ioctl_codes[] = {norvalex::NORVALEX_IOCTL_800};
inline constexpr int32_t ioctl_entry_count = sizeof(ioctl_codes) / sizeof(ioctl_codes[0]);
static_assert(sizeof(ioctl_names) / sizeof(ioctl_names[0]) == ioctl_entry_count,
              "one name for every code");

} // namespace test_norvalex
