// What one pair of command-line words asks for.
#pragma once

#include <stdint.h>

namespace test_norvalex {

enum class CommandAction {
    Read,          // read `number` bytes and dump them
    Write,         // refuse: the driver has no write handler
    Ioctl,         // issue the control code at index `number`
    IndexTooLarge, // the index lies past the control-code table
    Usage,         // no number, not a number, or an unknown command letter
};

struct CommandDecision {
    CommandAction action;
    int32_t number; // the count or index; 0 unless the number word was read
};

// Decides the pair that starts at word `i` (1 <= i < argc). The number word
// is checked before the command letter, so "w x" is a usage error too.
CommandDecision DecideCommand(int argc, const char* const* argv, int i, int32_t entryCount);

} // namespace test_norvalex
