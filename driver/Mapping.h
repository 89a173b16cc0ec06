// How the driver writes into a caller's buffer: through bounded windows of
// its MDL, each mapped non-executable where the system can say so.
#pragma once

#include "Kernel.h"

namespace norvalex::standin {

// Reads the system's version once, at load.
void ChooseMappingPriority();

// Writes the read pattern into the first `count` bytes of the buffer that
// `buffer` describes, one window at a time.
NTSTATUS FillThroughWindows(MDL* buffer, ULONG count);

} // namespace norvalex::standin
