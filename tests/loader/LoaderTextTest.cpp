#include "LoaderText.h"

#include <gtest/gtest.h>

using loader_text::RenderBytes;
using loader_text::TrimErrorText;

TEST(TrimErrorText, RemovesTrailingBlanksControlsAndFullStops) {
    EXPECT_EQ(TrimErrorText("The specified service already exists.\r\n"),
              "The specified service already exists");
    EXPECT_EQ(TrimErrorText("Access denied. \t.\r\n\0"), "Access denied");
    EXPECT_EQ(TrimErrorText(std::string("text\0\x01 .", 9)), "text");
}

TEST(TrimErrorText, KeepsInnerFullStopsAndLeadingText) {
    EXPECT_EQ(TrimErrorText("Insert %2 (Volume %3) into drive %1.\r\n"),
              "Insert %2 (Volume %3) into drive %1");
    EXPECT_EQ(TrimErrorText("v1.2 ok"), "v1.2 ok");
    EXPECT_EQ(TrimErrorText("  leading"), "  leading");
}

TEST(TrimErrorText, TextOfOnlyTrimmableCharactersBecomesEmpty) {
    EXPECT_EQ(TrimErrorText(""), "");
    EXPECT_EQ(TrimErrorText(". . .\r\n"), "");
}

TEST(TrimErrorText, KeepsCharactersAbove127) {
    // Windows-1251 text ends in letters with codes above 127; they are no blanks.
    EXPECT_EQ(TrimErrorText("\xCE\xF8\xE8\xE1\xEA\xE0.\r\n"), "\xCE\xF8\xE8\xE1\xEA\xE0");
}

TEST(RenderBytes, EightUpperCaseHexPairsEachWithABlank) {
    const uint8_t bytes[8] = {0x41, 0x0A, 0x00, 0xFF, 0xab, 0x10, 0x09, 0x7F};
    EXPECT_EQ(RenderBytes(bytes), "41 0A 00 FF AB 10 09 7F ");
}

TEST(RenderBytes, ZeroBufferIsTwentyFourCharacters) {
    const uint8_t bytes[8] = {};
    std::string text = RenderBytes(bytes);
    EXPECT_EQ(text, "00 00 00 00 00 00 00 00 ");
    EXPECT_EQ(text.size(), 24u);
}
