// The stand-in's reads on the host: filled window by window, they must hold
// the same bytes as one filled at once; and the no-execute mapping is asked
// for on exactly the systems that take it.
#include "DeviceBehaviour.h"
#include "MappingPolicy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace norvalex::standin;

TEST(ReadWindows, FillEveryByteOnceInBoundedPieces) {
    for (uint32_t count : {1u, 300u, ReadWindowBytes - 1, ReadWindowBytes, ReadWindowBytes + 1,
                           3 * ReadWindowBytes + 300, 16u << 20}) {
        SCOPED_TRACE(count);
        std::vector<uint8_t> buffer(count + 1, 0xEE); // one byte past the read stays as it was
        uint32_t next = 0, windows = 0;
        EXPECT_TRUE(ForEachWindow(count, [&](uint32_t done, uint32_t length) {
            EXPECT_EQ(done, next);
            EXPECT_LE(length, ReadWindowBytes);
            EXPECT_GT(length, 0u);
            FillPattern(buffer.data() + done, done, length);
            next = done + length;
            ++windows;
            return true;
        }));
        EXPECT_EQ(next, count);
        EXPECT_EQ(windows, (count + ReadWindowBytes - 1) / ReadWindowBytes);
        for (uint32_t k = 0; k < count; ++k)
            ASSERT_EQ(buffer[k], PatternByte(k)) << "byte " << k;
        EXPECT_EQ(buffer[count], 0xEE);
    }
}

TEST(ReadWindows, APieceTakesThePatternFromWhereItLies) {
    uint8_t piece[3] = {};
    FillPattern(piece, 256 + 2, 3);
    EXPECT_EQ(std::string(piece, piece + 3), "CDE");
}

TEST(ReadWindows, StopAtTheFirstWindowThatCannotBeFilled) {
    uint32_t calls = 0;
    EXPECT_FALSE(
        ForEachWindow(4 * ReadWindowBytes, [&](uint32_t, uint32_t) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2u);
    EXPECT_TRUE(ForEachWindow(0, [](uint32_t, uint32_t) { return false; }));
}

TEST(NoExecuteMapping, AskedForFromWindows8On) {
    EXPECT_FALSE(MapsNoExecute(5, 1)); // XP
    EXPECT_FALSE(MapsNoExecute(6, 0)); // Vista
    EXPECT_FALSE(MapsNoExecute(6, 1)); // 7
    EXPECT_TRUE(MapsNoExecute(6, 2));  // 8
    EXPECT_TRUE(MapsNoExecute(6, 3));  // 8.1
    EXPECT_TRUE(MapsNoExecute(10, 0)); // 10 and 11
}

} // namespace
