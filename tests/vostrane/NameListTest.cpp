#include "NameList.h"

#include <gtest/gtest.h>

using name_list::SplitNameList;
using Names = std::vector<std::string>;

TEST(SplitNameListTest, TakesNamesUpToTheEmptyOne) {
    const char List[] = "COM1\0AUX\0\0LPT1\0";
    EXPECT_EQ(SplitNameList(List, sizeof List), (Names{"COM1", "AUX"}));
    EXPECT_EQ(SplitNameList(List, 0), Names{});
}

TEST(SplitNameListTest, StopsAtTheEndOfTheBuffer) {
    const char List[] = {'C', 'O', 'M', '1', '\0', 'A', 'U'};
    EXPECT_EQ(SplitNameList(List, sizeof List), (Names{"COM1", "AU"}));
    EXPECT_EQ(SplitNameList(List, 5), (Names{"COM1"}));
}

TEST(SplitNameListTest, KeepsBytesOfTheAnsiCodePage) {
    const char List[] = "\xCA\xEE\xEC\0 x \0\0";
    EXPECT_EQ(SplitNameList(List, sizeof List), (Names{"\xCA\xEE\xEC", " x "}));
}
