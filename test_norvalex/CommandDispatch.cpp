#include "CommandDispatch.h"

#include "NumberWord.h"

namespace test_norvalex {

CommandDecision DecideCommand(int argc, const char* const* argv, int i, int32_t entryCount) {
    if (i + 1 >= argc || !StartsWithDigit(argv[i + 1]))
        return {CommandAction::Usage, 0};
    const int32_t number = LeadingDigitsValue(argv[i + 1]);
    switch (argv[i][0]) {
    case 'r':
    case 'R':
        return {CommandAction::Read, number};
    case 'w':
    case 'W':
        return {CommandAction::Write, number};
    case 'i':
    case 'I':
        if (number >= entryCount)
            return {CommandAction::IndexTooLarge, number};
        return {CommandAction::Ioctl, number};
    default:
        return {CommandAction::Usage, number};
    }
}

} // namespace test_norvalex
