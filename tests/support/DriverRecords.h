// What the stand-in driver recorded of the opens and control requests that
// reached its devices: how a program opened a device and what it offered.
#pragma once

#include "RequestRecords.h"

#include <cstdint>
#include <vector>

namespace kit_test {

using norvalex::standin::RequestRecord;

// The driver's latest records, oldest first; empty when the driver does not run.
std::vector<RequestRecord> ReadRequestRecords();
// The sequence number of the latest record (0 when there is none): records
// made after this call have higher numbers.
uint32_t RecordMark();
// The records of `device` made after `mark`, oldest first.
std::vector<RequestRecord> RecordsSince(uint32_t mark, int32_t device);

} // namespace kit_test
