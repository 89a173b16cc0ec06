#include "DumpLayout.h"

namespace test_norvalex {

size_t DumpLayout::Fill(char* block, size_t capacity) {
    char* out = block;
    char* const end = block + capacity;
    while (position_ < count_ && static_cast<size_t>(end - out) >= DumpMinimumBlock) {
        const unsigned char byte = data_[position_++];
        if (byte == '\n' && translate_)
            *out++ = '\r';
        *out++ = static_cast<char>(byte);
        *out++ = ',';
        *out++ = ' ';
        if (++column_ == DumpLineWidth || position_ == count_) {
            if (translate_)
                *out++ = '\r';
            *out++ = '\n';
            column_ = 0;
        }
    }
    return static_cast<size_t>(out - block);
}

} // namespace test_norvalex
