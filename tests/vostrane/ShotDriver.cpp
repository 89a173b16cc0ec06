// Shows Vostrane as the screenshot wants it: started on the caller's desktop,
// COM1 looked up and every name listed. When the window is ready, writes its
// frame (left top width height, in desktop pixels) to READY_FILE, then waits
// for DONE_FILE and closes the window.
//   vostrane_shot_driver READY_FILE DONE_FILE
#include "KitFolders.h"
#include "UiAutomation.h"

#include <cstdio>

using namespace kit_test;

namespace {

bool ClickAndWait(HWND button) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, UiWaitMs, &result) != 0;
}

bool Exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vostrane_shot_driver READY_FILE DONE_FILE\n");
        return 2;
    }
    TestedProgram program("\"" + BinPath("Vostrane.exe") + "\"");
    HWND form = program.WaitForWindow(L"NT-имена устройств", L"TForm");
    HWND panel = form ? FindChild(form, L"TPanel") : nullptr;
    if (!panel) {
        std::fprintf(stderr, "vostrane_shot_driver: Vostrane's window did not show\n");
        return 1;
    }
    ClickAndWait(FindChildByText(panel, L"Button", L"Получить NT-имя устройства по его DOS-имени"));
    ClickAndWait(FindChildByText(panel, L"Button", L"Получить полный список DOS-имен"));
    // Caret and focus rectangle settle before the picture is taken.
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT frame{};
    GetWindowRect(form, &frame);
    if (FILE* ready = std::fopen(argv[1], "w")) {
        std::fprintf(ready, "%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                     frame.bottom - frame.top);
        std::fclose(ready);
    }
    WaitUntil([&] { return Exists(argv[2]); }, 120000);
    return program.Close(form) ? 0 : 1;
}
