#include "DumpLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace test_norvalex;

namespace {

using Bytes = std::vector<unsigned char>;

// The whole dump, laid out in blocks of `capacity` bytes.
std::string Dump(const Bytes& data, size_t capacity = 4096,
                 DumpLineFeeds lineFeeds = DumpLineFeeds::Translated) {
    DumpLayout layout(data.data(), data.size(), lineFeeds);
    std::string text;
    std::vector<char> block(capacity);
    while (size_t size = layout.Fill(block.data(), block.size())) {
        EXPECT_LE(size, capacity);
        text.append(block.data(), size);
    }
    EXPECT_TRUE(layout.Done());
    return text;
}

// What printing "%c, " per entry and "\n" per line hands to the stream.
std::string Printed(const Bytes& data) {
    std::string printed;
    for (size_t p = 0; p < data.size(); p += DumpLineWidth) {
        for (size_t q = p; q < data.size() && q < p + DumpLineWidth; ++q)
            printed += std::string(1, static_cast<char>(data[q])) + ", ";
        printed += "\n";
    }
    return printed;
}

// What a text-mode stream makes of it.
std::string PrintedInTextMode(const Bytes& data) {
    std::string text;
    for (char c : Printed(data))
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text;
}

Bytes Letters(size_t count) {
    Bytes data(count);
    for (size_t p = 0; p < count; ++p)
        data[p] = static_cast<unsigned char>('A' + p % 26);
    return data;
}

} // namespace

TEST(DumpLayout, NoBytesNoLines) {
    DumpLayout layout(nullptr, 0);
    char block[DumpMinimumBlock];
    EXPECT_EQ(layout.Fill(block, sizeof(block)), 0u);
    EXPECT_TRUE(layout.Done());
}

TEST(DumpLayout, LinesHold26EntriesAndTheLastTheRest) {
    EXPECT_EQ(Dump(Letters(4)), "A, B, C, D, \r\n");
    const std::string fullLine = "A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, "
                                 "U, V, W, X, Y, Z, \r\n";
    EXPECT_EQ(Dump(Letters(26)), fullLine);
    EXPECT_EQ(Dump(Letters(30)), fullLine + "A, B, C, D, \r\n");
    EXPECT_EQ(Dump(Letters(52)), fullLine + fullLine);
    EXPECT_EQ(Dump(Letters(53)), fullLine + fullLine + "A, \r\n");
}

TEST(DumpLayout, EveryByteValueIsWrittenAsItselfAndLineFeedsAsCrLf) {
    EXPECT_EQ(Dump({'\n'}), std::string("\r\n, \r\n"));
    EXPECT_EQ(Dump({0, 0}), std::string("\0, \0, \r\n", 8));
    EXPECT_EQ(Dump({'\r', 0x1A, 0xFF}), std::string("\r, \x1A, \xFF, \r\n"));
    Bytes all(256 * 3);
    for (size_t p = 0; p < all.size(); ++p)
        all[p] = static_cast<unsigned char>(p);
    EXPECT_EQ(Dump(all), PrintedInTextMode(all));
}

TEST(DumpLayout, BlockSizeDoesNotChangeTheBytes) {
    Bytes data(1000);
    for (size_t p = 0; p < data.size(); ++p)
        data[p] = static_cast<unsigned char>(p % 7 == 3 ? '\n' : 0x41 + p);
    const std::string expected = PrintedInTextMode(data);
    for (size_t capacity :
         {DumpMinimumBlock, DumpMinimumBlock + 1, size_t{13}, size_t{106}, size_t{4099}})
        EXPECT_EQ(Dump(data, capacity), expected) << "blocks of " << capacity;
}

TEST(DumpLayout, ForATextModeStreamLineFeedsStayBare) {
    // The stream adds the CR before every line feed: none may be there already.
    Bytes data(60, 'B');
    data[1] = '\n';
    data[2] = '\r';
    data[3] = 0;
    for (size_t capacity : {DumpMinimumBlock, size_t{4096}})
        EXPECT_EQ(Dump(data, capacity, DumpLineFeeds::LeftToTheStream), Printed(data))
            << "blocks of " << capacity;
}
