#include "DumpOutput.h"

#include "DumpLayout.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

namespace test_norvalex {
namespace {

constexpr size_t DumpBlockSize = 256 * 1024;
char dump_block[DumpBlockSize];

} // namespace

void WriteDump(const unsigned char* data, size_t count) {
    // The layout carries the CR of every line feed itself, so the blocks go
    // out through stdout in binary mode, after what was printed before them.
    // Should stdout refuse binary mode, its text mode adds the CRs instead.
    fflush(stdout);
    const int descriptor = _fileno(stdout);
    const int previous_mode = _setmode(descriptor, _O_BINARY);
    DumpLayout layout(data, count,
                      previous_mode != -1 ? DumpLineFeeds::Translated
                                          : DumpLineFeeds::LeftToTheStream);
    while (const size_t size = layout.Fill(dump_block, sizeof(dump_block)))
        fwrite(dump_block, 1, size, stdout);
    fflush(stdout);
    if (previous_mode != -1)
        _setmode(descriptor, previous_mode);
}

} // namespace test_norvalex
