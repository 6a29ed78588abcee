// SPDX-License-Identifier: MIT
#include <windows.h>

#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return ui::win32::RunProgram();
}
