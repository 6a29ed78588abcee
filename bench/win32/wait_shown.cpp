// SPDX-License-Identifier: MIT
// Starts a program, waits until a visible window with the given title appears, and prints the
// milliseconds that took and the program's working set in KiB a moment later; then closes it.
// Usage: wait_shown TITLE SETTLE_MS PROGRAM
#include <windows.h>
// after windows.h, whose types it uses
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::fputs("usage: wait_shown TITLE SETTLE_MS PROGRAM\n", stderr);
        return 2;
    }
    const wchar_t* title = argv[1];
    const int settle = _wtoi(argv[2]);
    std::wstring commandLine = L"\"" + std::wstring(argv[3]) + L"\"";
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fputs("cannot start the program\n", stderr);
        return 1;
    }
    HWND window = nullptr;
    for (int waited = 0; waited < 30000; ++waited) {
        window = FindWindowW(nullptr, title);
        if (window && IsWindowVisible(window)) {
            break;
        }
        window = nullptr;
        Sleep(1);
    }
    LARGE_INTEGER shown{};
    QueryPerformanceCounter(&shown);
    if (!window) {
        std::fputs("no window with that title\n", stderr);
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    Sleep(static_cast<DWORD>(settle));
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    std::printf("%.1f %zu\n",
                static_cast<double>(shown.QuadPart - start.QuadPart) * 1000.0 /
                    static_cast<double>(frequency.QuadPart),
                // SIZE_T is unsigned long on 32-bit MinGW, where size_t is unsigned int.
                static_cast<std::size_t>(memory.WorkingSetSize / 1024));
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
