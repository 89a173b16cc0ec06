// What run-tests.cmd asks before it runs a test, one question a call:
//   runner-check admin     0: this process has an administrator's full rights;
//                          1: not (under UAC, an administrator's unelevated
//                          token holds the Administrators group for denial only)
//   runner-check driver    0: the service NorvalexDevice is absent or the
//                          kit's own; 1: it runs another driver (named)
//   runner-check console   0: a user can answer at this console; 1: not
// Exit code 2 when it cannot tell, with the reason.
#include "DriverService.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Administrator() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
        std::printf("runner-check: no SID for Administrators (error %lu)\n", GetLastError());
        return 2;
    }
    BOOL member = FALSE;
    const BOOL asked = CheckTokenMembership(nullptr, administrators, &member);
    const DWORD error = GetLastError();
    FreeSid(administrators);
    if (!asked) {
        std::printf("runner-check: cannot check the token's groups (error %lu)\n", error);
        return 2;
    }
    return member ? 0 : 1;
}

int DriverService() {
    const std::string foreign = kit_test::ForeignDriver();
    if (foreign.empty())
        return 0;
    std::printf("run-tests: the service NorvalexDevice is not this kit's: %s\n", foreign.c_str());
    return 1;
}

int Console() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const char* question = argc == 2 ? argv[1] : "";
    if (std::strcmp(question, "admin") == 0)
        return Administrator();
    if (std::strcmp(question, "driver") == 0)
        return DriverService();
    if (std::strcmp(question, "console") == 0)
        return Console();
    std::printf("usage: runner-check admin|driver|console\n");
    return 2;
}
