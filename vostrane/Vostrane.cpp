// The program's entry: the device name window as the main form, until it is closed.
#include "Unit1.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TForm1 Form1;
    return Form1.Run();
}
