// SPDX-License-Identifier: MIT
// The pictures and icons built into the program, found by the file names the design tables use.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/win32/handles.h"

namespace ui::win32 {

struct Picture {
    UniqueBitmap bitmap;  // 32-bit top-down DIB section
    SIZE size;
};

// A 32-bit bitmap whose rows run from the top, as WIC and a screen capture write them; `pixels`
// receives its first pixel (one BGRA value each). Null when there is no memory for it.
UniqueBitmap MakeTopDownBitmap(SIZE size, DWORD** pixels);

// Decodes a picture resource (JPEG, BMP) with the Windows Imaging Component. COM must be
// initialised on the calling thread. Throws std::runtime_error when the resource is missing or
// does not decode.
Picture LoadPicture(std::string_view resource);

// The image of an icon resource that best fits a square of the given side.
UniqueIcon LoadIconResource(std::string_view resource, int side);

}  // namespace ui::win32
