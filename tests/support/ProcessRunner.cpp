#include "ProcessRunner.h"

#include "UniqueHandle.h"

#include <windows.h>

#include <vector>

namespace kit_test {

using norvalex::UniqueKernelObject;

bool StartProcess(const std::string& commandLine, bool inheritHandles, STARTUPINFOA& startup,
                  PROCESS_INFORMATION& info) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, inheritHandles, 0, nullptr,
                           nullptr, &startup, &info))
            return true;
        if (GetLastError() != ERROR_INTERNAL_ERROR)
            return false;
    }
    return false;
}

ProcessResult RunProgram(const std::string& commandLine, unsigned long timeoutMs) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        result.startError = GetLastError();
        return result;
    }
    UniqueKernelObject reader(readEnd);
    UniqueKernelObject writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);
    UniqueKernelObject nul(CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                                       0, nullptr));

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul.get();
    startup.hStdOutput = writer.get();
    startup.hStdError = nul.get();
    PROCESS_INFORMATION info{};
    if (!StartProcess(commandLine, true, startup, info)) {
        result.startError = GetLastError();
        return result;
    }
    UniqueKernelObject process(info.hProcess);
    UniqueKernelObject thread(info.hThread);
    // Our copy of the write end must go, or the pipe never reports its end.
    writer.reset();
    result.started = true;

    // The output is drained while the program runs, so that one that fills
    // the pipe is not stalled, and the time limit holds also for a program
    // that never ends or hands its output on to a program that lingers.
    const DWORD started = GetTickCount();
    bool ended = false;
    for (;;) {
        DWORD available = 0;
        while (PeekNamedPipe(reader.get(), nullptr, 0, nullptr, &available, nullptr) &&
               available > 0) {
            char chunk[65536];
            DWORD got = 0;
            if (!ReadFile(reader.get(), chunk, sizeof(chunk), &got, nullptr) || got == 0)
                break;
            result.output.append(chunk, got);
        }
        // What it wrote before it ended is all in the pipe: one more round reads it.
        if (ended)
            break;
        ended = WaitForSingleObject(process.get(), 10) == WAIT_OBJECT_0;
        if (!ended && GetTickCount() - started >= timeoutMs) {
            TerminateProcess(process.get(), 255);
            WaitForSingleObject(process.get(), 5000);
            result.timedOut = true;
            result.exitCode = 255;
            return result;
        }
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    result.exitCode = exitCode;
    return result;
}

} // namespace kit_test
