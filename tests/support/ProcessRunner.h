// Starts a program of the kit as a user would and collects what it wrote to
// standard output, byte for byte, and its exit code.
#pragma once

#include <windows.h>

#include <string>

namespace kit_test {

struct ProcessResult {
    bool started = false;
    unsigned long startError = 0; // the system's code when the program could not be started
    unsigned long exitCode = 0;
    bool timedOut = false; // ended by the time limit (exit code 255)
    std::string output;
};

// `commandLine` is passed to the program unchanged (quote as the program expects).
// A program still running after `timeoutMs` is ended, with what it wrote so far.
ProcessResult RunProgram(const std::string& commandLine, unsigned long timeoutMs = 120000);

// CreateProcessA, tried again when Wine fails a start with ERROR_INTERNAL_ERROR
// (1359). Its 64-bit loader does so now and then, about once in 5000 starts,
// before the program runs at all, where the host randomizes its address
// space (see tools/wine-session).
bool StartProcess(const std::string& commandLine, bool inheritHandles, STARTUPINFOA& startup,
                  PROCESS_INFORMATION& info);

} // namespace kit_test
