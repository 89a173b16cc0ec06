#include "Unit1.h"

#include "MessageBox.h"
#include "ProgramFolder.h"

#include <windows.h>

#include <string>

namespace {

// Full path of the running program's own file; the buffer grows until the
// path fits, so a long path is never cut short.
std::string ProgramFileName() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

TForm1::TForm1()
    : TForm("Kelvask", TBorderStyle::Dialog, 260, 175, TFormPosition::ScreenCenter()) {}

void TForm1::FormCreate() {
    Loader = std::make_unique<TNorvalexLoader>();
}

// The window is gone, but a handler whose message box was up when it closed
// still comes back to the loader: the loader lives as long as the form object
// and only lets the device go here, as freeing it would.
void TForm1::FormDestroy() {
    Loader->CloseDevice();
}

void TForm1::btnLoadClick() {
    Loader->InstallDriver(FolderOfPath(ProgramFileName()));
    Loader->StartDriver();
}

void TForm1::btnUnloadClick() {
    Loader->StopDriver();
    Loader->RemoveDriver();
}

void TForm1::btnOpenClick() {
    if (Loader->OpenDevice(SpinEdit1.Value()))
        ShowMessageBox("Драйвер открыт успешно", "Confirm", TMessageIcon::Question);
    else
        ShowMessageBox("Ошибка открытия драйвера", "Error", TMessageIcon::Error);
}

void TForm1::btnCloseClick() {
    Loader->CloseDevice();
}

void TForm1::btnFunc1Click() {
    EOutput.SetText(std::to_string(Loader->CallFunc800()));
}

void TForm1::Button1Click() {
    std::string Text;
    Loader->ReadBytes(Text);
    EOutput.SetText(Text);
}
