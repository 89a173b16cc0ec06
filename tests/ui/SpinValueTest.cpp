#include "SpinValue.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ReadSpinValue, DecimalWithOptionalSignAndLeadingBlanks) {
    EXPECT_EQ(ReadSpinValue("0"), 0);
    EXPECT_EQ(ReadSpinValue("7"), 7);
    EXPECT_EQ(ReadSpinValue("-1"), -1);
    EXPECT_EQ(ReadSpinValue("+12"), 12);
    EXPECT_EQ(ReadSpinValue("   42"), 42);
    EXPECT_EQ(ReadSpinValue("  -0005"), -5);
}

TEST(ReadSpinValue, DecimalAtTheEndsOfTheRangeAndBeyond) {
    EXPECT_EQ(ReadSpinValue("2147483647"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ReadSpinValue("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ReadSpinValue("2147483648"), 0);
    EXPECT_EQ(ReadSpinValue("-2147483649"), 0);
    EXPECT_EQ(ReadSpinValue("4294967295"), 0);
    EXPECT_EQ(ReadSpinValue("99999999999999999999999"), 0);
    EXPECT_EQ(ReadSpinValue("000000000000000000000012"), 12);
}

TEST(ReadSpinValue, HexadecimalFormsReadAsThirtyTwoBits) {
    EXPECT_EQ(ReadSpinValue("$FFFFFFFF"), -1);
    EXPECT_EQ(ReadSpinValue("$7fffffff"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ReadSpinValue("$80000000"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ReadSpinValue("x1F"), 31);
    EXPECT_EQ(ReadSpinValue("X1f"), 31);
    EXPECT_EQ(ReadSpinValue("0x10"), 16);
    EXPECT_EQ(ReadSpinValue("0XaB"), 171);
    EXPECT_EQ(ReadSpinValue("  $2"), 2);
    EXPECT_EQ(ReadSpinValue("$000000001"), 1);
    EXPECT_EQ(ReadSpinValue("$100000000"), 0);
}

TEST(ReadSpinValue, AnythingElseReadsAsZero) {
    EXPECT_EQ(ReadSpinValue(""), 0);
    EXPECT_EQ(ReadSpinValue("   "), 0);
    EXPECT_EQ(ReadSpinValue("abc"), 0);
    EXPECT_EQ(ReadSpinValue("12 "), 0);
    EXPECT_EQ(ReadSpinValue("1a"), 0);
    EXPECT_EQ(ReadSpinValue("1.5"), 0);
    EXPECT_EQ(ReadSpinValue("1,5"), 0);
    EXPECT_EQ(ReadSpinValue("+"), 0);
    EXPECT_EQ(ReadSpinValue("-"), 0);
    EXPECT_EQ(ReadSpinValue("- 5"), 0);
    EXPECT_EQ(ReadSpinValue("\t5"), 0);
    EXPECT_EQ(ReadSpinValue("$"), 0);
    EXPECT_EQ(ReadSpinValue("0x"), 0);
    EXPECT_EQ(ReadSpinValue("$G"), 0);
    EXPECT_EQ(ReadSpinValue("$-1"), 0);
    EXPECT_EQ(ReadSpinValue("\xD0\xE0\xE7"), 0); // Cyrillic letters in Windows-1251
}

TEST(ReadSpinValue, HexadecimalDigitsAfterASignReadAsZero) {
    EXPECT_EQ(ReadSpinValue("-$1"), 0);
    EXPECT_EQ(ReadSpinValue("+$1"), 0);
    EXPECT_EQ(ReadSpinValue("-0x1"), 0);
    EXPECT_EQ(ReadSpinValue("-x1"), 0);
}

TEST(StepSpinValue, StepsByOneAndStopsAtTheEndsOfTheRange) {
    EXPECT_EQ(StepSpinValue(0, 1), 1);
    EXPECT_EQ(StepSpinValue(0, -1), -1);
    EXPECT_EQ(StepSpinValue(-1, 1), 0);
    EXPECT_EQ(StepSpinValue(std::numeric_limits<int32_t>::max(), 1),
              std::numeric_limits<int32_t>::max());
    EXPECT_EQ(StepSpinValue(std::numeric_limits<int32_t>::min(), -1),
              std::numeric_limits<int32_t>::min());
}

TEST(AcceptsTypedChar, DigitsSignsSeparatorAndControlKeysPass) {
    for (char32_t digit = U'0'; digit <= U'9'; ++digit)
        EXPECT_TRUE(AcceptsTypedChar(digit, U','));
    EXPECT_TRUE(AcceptsTypedChar(U'+', U','));
    EXPECT_TRUE(AcceptsTypedChar(U'-', U','));
    EXPECT_TRUE(AcceptsTypedChar(U',', U','));
    EXPECT_TRUE(AcceptsTypedChar(U'.', U'.'));
    EXPECT_TRUE(AcceptsTypedChar(U'\b', U','));   // Backspace
    EXPECT_TRUE(AcceptsTypedChar(U'\x16', U',')); // Ctrl+V
    EXPECT_TRUE(AcceptsTypedChar(U'\x03', U',')); // Ctrl+C
}

TEST(AcceptsTypedChar, LettersBlanksOtherSeparatorAndEnterAreDropped) {
    EXPECT_FALSE(AcceptsTypedChar(U'a', U','));
    EXPECT_FALSE(AcceptsTypedChar(U'$', U','));
    EXPECT_FALSE(AcceptsTypedChar(U'x', U','));
    EXPECT_FALSE(AcceptsTypedChar(U' ', U','));
    EXPECT_FALSE(AcceptsTypedChar(U'.', U','));
    EXPECT_FALSE(AcceptsTypedChar(U'\r', U','));
    EXPECT_FALSE(AcceptsTypedChar(U'\x7F', U','));
    EXPECT_FALSE(AcceptsTypedChar(U'\u0436', U',')); // Cyrillic zhe
    EXPECT_FALSE(AcceptsTypedChar(U'\uFF11', U',')); // full-width one
}
