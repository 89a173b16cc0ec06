// A stand-in for a test program, for the runner's own test: what it leaves in
// the counts file (KIT_TEST_COUNTS) and its exit code follow from the name it
// is copied to. As runner-check.exe it is a check that could not be loaded.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Behaviour {
    const char* name;
    const char* counts; // null: it leaves no counts file
    unsigned exitCode;
};

constexpr Behaviour Behaviours[] = {
    {"passes", "2 0 1\r\n", 0},
    {"fails", "1 2 0\r\n", 1},
    {"ranno", "0 0 0\r\n", 0},
    {"garbled", "1 x 0\r\n", 1},
    {"huge", "1234567890 0 0\r\n", 0}, // past what cmd's arithmetic holds
    {"octal", "08 0 0\r\n", 0},        // what cmd's arithmetic reads as octal
    {"emptycounts", "", 1},
    {"twolines", "1 0 0\r\n1 0 0\r\n", 0},
    {"nocounts", nullptr, 0},
    {"endsbadly", "3 0 0\r\n", 1},
    {"runner-check", nullptr, 0xC0000135}, // STATUS_DLL_NOT_FOUND, as cmd shows it: negative
};

std::string OwnName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = std::strrchr(path, '\\') ? std::strrchr(path, '\\') + 1 : path;
    name = name.substr(0, name.rfind('.'));
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

} // namespace

int main() {
    const std::string name = OwnName();
    for (const Behaviour& behaviour : Behaviours) {
        if (name != behaviour.name)
            continue;
        const char* countsFile = std::getenv("KIT_TEST_COUNTS");
        if (behaviour.counts && countsFile) {
            FILE* counts = std::fopen(countsFile, "wb");
            if (!counts)
                return 70;
            std::fputs(behaviour.counts, counts);
            std::fclose(counts);
        }
        return static_cast<int>(behaviour.exitCode);
    }
    std::fprintf(stderr, "no stand-in is called %s\n", name.c_str());
    return 71;
}
