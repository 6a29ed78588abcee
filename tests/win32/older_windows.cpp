// SPDX-License-Identifier: MIT
// Linked into the window tests only: PRETEND_WINDOWS=7 or 8.1 in a test's environment takes
// away what later Windows versions added, before any window is built, so that the program's
// ways without them run under wine, whose user32 has everything whatever version it claims.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

#include "ui/win32/newer_windows.h"

namespace {

class OlderWindows : public ::testing::Environment {
public:
    void SetUp() override {
        const char* version = std::getenv("PRETEND_WINDOWS");
        if (!version) {
            return;
        }
        // The table is a modifiable object handed out as const: the program never changes it.
        auto& newer = const_cast<ui::win32::NewerWindows&>(ui::win32::Newer());
        const std::string_view pretended = version;
        ASSERT_TRUE(pretended == "7" || pretended == "8.1") << "no Windows " << pretended;
        newer.GetDpiForWindow = nullptr;
        newer.GetSystemMetricsForDpi = nullptr;
        newer.AdjustWindowRectExForDpi = nullptr;
        if (pretended == "7") {
            newer.GetDpiForMonitor = nullptr;
        }
    }
};

const auto* const kOlderWindows = ::testing::AddGlobalTestEnvironment(new OlderWindows);

}  // namespace
