#include "NumberWord.h"

#include <gtest/gtest.h>

#include <string>

using namespace test_norvalex;

TEST(NumberWord, OnlyAsciiDigitsStartANumber) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string word(1, static_cast<char>(byte));
        EXPECT_EQ(StartsWithDigit(word.c_str()), byte >= '0' && byte <= '9') << "byte " << byte;
    }
    EXPECT_FALSE(StartsWithDigit(""));
    EXPECT_FALSE(StartsWithDigit("-1"));
    EXPECT_FALSE(StartsWithDigit("+1"));
    EXPECT_FALSE(StartsWithDigit(" 1"));
    // Superscript two in Windows-1252, which some locales class as a digit.
    EXPECT_FALSE(StartsWithDigit("\xB2"));
}

TEST(NumberWord, ValueIsTheLeadingDigitRun) {
    EXPECT_EQ(LeadingDigitsValue("0"), 0);
    EXPECT_EQ(LeadingDigitsValue("007"), 7);
    EXPECT_EQ(LeadingDigitsValue("12abc"), 12);
    EXPECT_EQ(LeadingDigitsValue("30"), 30);
    EXPECT_EQ(LeadingDigitsValue("4\xC0"), 4);
    EXPECT_EQ(LeadingDigitsValue("2147483647"), INT32_MAX);
    EXPECT_EQ(LeadingDigitsValue("0000000000002147483646"), INT32_MAX - 1);
}

TEST(NumberWord, RunsPastTheSigned32BitRangeSaturateInsteadOfWrapping) {
    EXPECT_EQ(LeadingDigitsValue("2147483648"), INT32_MAX);
    EXPECT_EQ(LeadingDigitsValue("4000000000"), INT32_MAX);
    // These wrap to 0 and 4 in 32-bit arithmetic.
    EXPECT_EQ(LeadingDigitsValue("4294967296"), INT32_MAX);
    EXPECT_EQ(LeadingDigitsValue("4294967300"), INT32_MAX);
    EXPECT_EQ(LeadingDigitsValue("99999999999999999999999999999"), INT32_MAX);
}
