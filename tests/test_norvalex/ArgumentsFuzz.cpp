// Arbitrary command lines through the pair walk: every decision must agree
// with a plain model of the rules, no index outside the table may be
// chosen, and the dump of any bytes must match what printing gives.
#include "CommandDispatch.h"
#include "DumpLayout.h"
#include "IoctlTable.h"

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string>
#include <vector>

using namespace test_norvalex;

namespace {

void Require(bool condition) {
    if (!condition)
        abort();
}

bool ModelIsDigit(char c) {
    return c >= '0' && c <= '9';
}

int64_t ModelValue(const std::string& word) {
    int64_t value = 0;
    for (size_t k = 0; k < word.size() && ModelIsDigit(word[k]); ++k)
        value = value > INT32_MAX ? value : value * 10 + (word[k] - '0');
    return value > INT32_MAX ? INT32_MAX : value;
}

void CheckPair(const std::vector<std::string>& words, int i, const CommandDecision& decision) {
    const int argc = static_cast<int>(words.size());
    if (i + 1 >= argc || words[i + 1].empty() || !ModelIsDigit(words[i + 1][0])) {
        Require(decision.action == CommandAction::Usage);
        return;
    }
    const int64_t value = ModelValue(words[i + 1]);
    switch (words[i].empty() ? '\0' : words[i][0]) {
    case 'r':
    case 'R':
        Require(decision.action == CommandAction::Read && decision.number == value);
        break;
    case 'w':
    case 'W':
        Require(decision.action == CommandAction::Write);
        break;
    case 'i':
    case 'I':
        Require(decision.action ==
                (value < ioctl_entry_count ? CommandAction::Ioctl : CommandAction::IndexTooLarge));
        break;
    default:
        Require(decision.action == CommandAction::Usage);
    }
    if (decision.action == CommandAction::Ioctl) {
        Require(decision.number >= 0 && decision.number < ioctl_entry_count);
        Require(ioctl_codes[decision.number] != 0 && ioctl_names[decision.number] != nullptr);
    }
}

void CheckDump(const uint8_t* data, size_t count, size_t capacity) {
    std::string expected;
    for (size_t p = 0; p < count; ++p) {
        if (data[p] == '\n')
            expected += '\r';
        expected += static_cast<char>(data[p]);
        expected += ", ";
        if ((p + 1) % DumpLineWidth == 0 || p + 1 == count)
            expected += "\r\n";
    }
    DumpLayout layout(data, count);
    std::vector<char> block(capacity);
    std::string text;
    while (size_t size = layout.Fill(block.data(), block.size())) {
        Require(size <= capacity);
        text.append(block.data(), size);
    }
    Require(text == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Words are separated by NUL bytes; the first byte picks a dump block size.
    if (size == 0)
        return 0;
    const size_t capacity = DumpMinimumBlock + data[0] % 64;
    std::vector<std::string> words{"Test_Norvalex"};
    std::string word;
    for (size_t k = 1; k < size; ++k) {
        if (data[k] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[k]);
        }
    }
    words.push_back(word);

    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    const int argc = static_cast<int>(argv.size());
    for (int i = 1; i < argc; i += 2) {
        const CommandDecision decision = DecideCommand(argc, argv.data(), i, ioctl_entry_count);
        CheckPair(words, i, decision);
        if (decision.action == CommandAction::Read) {
            const size_t count = static_cast<size_t>(decision.number) < size - 1
                                     ? static_cast<size_t>(decision.number)
                                     : size - 1;
            CheckDump(data + 1, count, capacity);
        }
        if (decision.action == CommandAction::Usage ||
            decision.action == CommandAction::IndexTooLarge)
            break;
    }
    return 0;
}
