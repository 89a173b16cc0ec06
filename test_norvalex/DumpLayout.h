// The printed dump of a read buffer, laid out block by block exactly as a
// text-mode console stream writes it: every byte as itself followed by ", ",
// 26 entries to a line, every line ended by a line break, and every line feed
// (the dumped byte 10 included) written as CR LF.
#pragma once

#include <stddef.h>

namespace test_norvalex {

inline constexpr size_t DumpLineWidth = 26;
// The longest entry (a dumped line feed: CR LF ", ") plus a line end (CR LF).
inline constexpr size_t DumpMinimumBlock = 6;

// Who turns the line feeds into CR LF: the layout itself, for a stream in
// binary mode, or the text-mode stream it is written through.
enum class DumpLineFeeds { Translated, LeftToTheStream };

class DumpLayout {
  public:
    DumpLayout(const unsigned char* data, size_t count,
               DumpLineFeeds lineFeeds = DumpLineFeeds::Translated)
        : data_(data), count_(count), translate_(lineFeeds == DumpLineFeeds::Translated) {}

    // Lays out the next whole entries into `block` (at least DumpMinimumBlock
    // bytes) and returns how many bytes it used; 0 once the dump is complete.
    size_t Fill(char* block, size_t capacity);
    bool Done() const { return position_ == count_; }

  private:
    const unsigned char* data_;
    size_t count_;
    bool translate_;
    size_t position_ = 0;
    size_t column_ = 0;
};

} // namespace test_norvalex
