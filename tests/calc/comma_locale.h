// SPDX-License-Identifier: MIT
// A C library locale whose decimal separator is a comma, by the name this platform's runtime
// knows it: POSIX names it by language, territory and encoding, the Windows runtime in words.
#pragma once

#ifdef _WIN32
inline constexpr const char* kCommaLocale = "Russian_Russia.1251";
#else
inline constexpr const char* kCommaLocale = "ru_RU.UTF-8";
#endif
