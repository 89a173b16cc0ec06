// The driver's log of the opens and control requests its devices received.
#pragma once

#include "Kernel.h"
#include "RequestRecords.h"

namespace norvalex::standin {

void Record(RequestRecord record);
// Copies the latest records, oldest first, into room for `capacity` of them;
// returns how many it copied.
uint32_t CopyRecords(RequestRecord* out, uint32_t capacity);

} // namespace norvalex::standin
