#include "CommandDispatch.h"
#include "IoctlTable.h"

#include <gtest/gtest.h>

#include <vector>

using namespace test_norvalex;

namespace {

// Decides the pair at word `i` of `Test_Norvalex words...`.
CommandDecision Decide(std::vector<const char*> words, int i = 1) {
    words.insert(words.begin(), "Test_Norvalex");
    return DecideCommand(static_cast<int>(words.size()), words.data(), i, ioctl_entry_count);
}

void ExpectDecision(const CommandDecision& decision, CommandAction action, int32_t number) {
    EXPECT_EQ(decision.action, action);
    EXPECT_EQ(decision.number, number);
}

} // namespace

TEST(CommandDispatch, FirstLetterOfEitherCaseChoosesTheAction) {
    ExpectDecision(Decide({"r", "30"}), CommandAction::Read, 30);
    ExpectDecision(Decide({"R", "007"}), CommandAction::Read, 7);
    ExpectDecision(Decide({"read", "4"}), CommandAction::Read, 4);
    ExpectDecision(Decide({"r", "0"}), CommandAction::Read, 0);
    ExpectDecision(Decide({"w", "32"}), CommandAction::Write, 32);
    ExpectDecision(Decide({"W", "1"}), CommandAction::Write, 1);
    ExpectDecision(Decide({"i", "0"}), CommandAction::Ioctl, 0);
    ExpectDecision(Decide({"Ioctl", "0abc"}), CommandAction::Ioctl, 0);
}

TEST(CommandDispatch, IndexPastTheTableIsRefusedEvenWhenItWouldWrapToZero) {
    ExpectDecision(Decide({"i", "1"}), CommandAction::IndexTooLarge, 1);
    ExpectDecision(Decide({"I", "2147483648"}), CommandAction::IndexTooLarge, INT32_MAX);
    ExpectDecision(Decide({"i", "4294967296"}), CommandAction::IndexTooLarge, INT32_MAX);
}

TEST(CommandDispatch, MissingOrNonNumericNumberOrUnknownLetterGivesUsage) {
    EXPECT_EQ(Decide({"r"}).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"r", "4", "r"}, 3).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"r", "-1"}).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"r", ""}).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"r", "\xC0"}).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"x", "5"}).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"", "4"}).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"\xD2", "4"}).action, CommandAction::Usage);
}

TEST(CommandDispatch, NumberWordIsCheckedBeforeTheLetter) {
    EXPECT_EQ(Decide({"w", "x"}).action, CommandAction::Usage);
    EXPECT_EQ(Decide({"i", "x"}).action, CommandAction::Usage);
}
