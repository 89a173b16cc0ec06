// How much of a caller's buffer the driver maps into system space at once,
// and from which Windows on the mapping can be made non-executable. Plain
// data: no kernel header.
#pragma once

#include <stdint.h>

namespace norvalex::standin {

// System address space is scarce on 32-bit Windows: a read of any length
// maps at most this much of the caller's buffer at a time. A multiple of
// the page size, so every window starts at the same offset into its page.
inline constexpr uint32_t ReadWindowBytes = 64 * 1024;

// Calls fill(done, length) for each window of a `count`-byte read, in
// order, until one returns false; says whether every window was filled.
template <typename Fill> bool ForEachWindow(uint32_t count, Fill fill) {
    for (uint32_t done = 0; done < count;) {
        const uint32_t length = count - done < ReadWindowBytes ? count - done : ReadWindowBytes;
        if (!fill(done, length))
            return false;
        done += length;
    }
    return true;
}

// The no-execute mapping flag exists from Windows 8 (6.2); earlier systems
// refuse a priority that carries it.
constexpr bool MapsNoExecute(uint32_t major, uint32_t minor) {
    return major > 6 || (major == 6 && minor >= 2);
}

} // namespace norvalex::standin
