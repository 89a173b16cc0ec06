// Writes a read buffer's dump to standard output.
#pragma once

#include <stddef.h>

namespace test_norvalex {

// The same bytes as printing each entry with "%c, " and each line end with
// "\n" to the text-mode stdout, but laid out in large blocks: a dump of
// millions of entries costs a few hundred writes instead of millions of
// formatted prints, and needs one block of memory whatever the count.
void WriteDump(const unsigned char* data, size_t count);

} // namespace test_norvalex
