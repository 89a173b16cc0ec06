#include "Records.h"

namespace norvalex::standin {
namespace {

// A ring of the latest records. A request claims its slot and number with one
// interlocked step; the kit's tests read the log only between requests.
RequestRecord ring[RecordCapacity];
volatile LONG recorded = 0;

} // namespace

void Record(RequestRecord record) {
    const LONG sequence = InterlockedIncrement(&recorded);
    record.sequence = static_cast<uint32_t>(sequence);
    ring[static_cast<uint32_t>(sequence - 1) % RecordCapacity] = record;
}

uint32_t CopyRecords(RequestRecord* out, uint32_t capacity) {
    const uint32_t last = static_cast<uint32_t>(recorded);
    uint32_t count = last < RecordCapacity ? last : RecordCapacity;
    if (count > capacity)
        count = capacity;
    for (uint32_t k = 0; k < count; ++k)
        out[k] = ring[(last - count + k) % RecordCapacity];
    return count;
}

} // namespace norvalex::standin
