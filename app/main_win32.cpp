// SPDX-License-Identifier: MIT
#include <windows.h>

#include "ui/win32/message_loop.h"
#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The pictures are decoded and the screen-reader names set through COM.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 1;
    }
    int status = 1;
    {
        ui::win32::Program program;
        status = ui::win32::RunMessageLoop();
    }
    CoUninitialize();
    return status;
}
