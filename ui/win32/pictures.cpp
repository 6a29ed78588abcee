// SPDX-License-Identifier: MIT
#include "ui/win32/pictures.h"

#include <wincodec.h>

#include <stdexcept>
#include <string>

#include "ui/win32/wide_text.h"

namespace ui::win32 {
namespace {

void Check(HRESULT result, std::string_view step, std::string_view resource) {
    if (FAILED(result)) {
        throw std::runtime_error(std::string(step) + " failed for " + std::string(resource));
    }
}

}  // namespace

UniqueBitmap MakeTopDownBitmap(SIZE size, DWORD** pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    *pixels = static_cast<DWORD*>(bits);
    return bitmap;
}

Picture LoadPicture(std::string_view resource) {
    const std::wstring name = Widen(resource);
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) {
        throw std::runtime_error("no picture resource " + std::string(resource));
    }
    auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD length = SizeofResource(module, found);

    // The first imaging factory, by its own name: the one Windows 7 has without its Platform
    // Update; the later one is no better at decoding the program's pictures.
    ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&factory)),
          "the imaging factory", resource);
    ComPtr<IWICStream> stream;
    Check(factory->CreateStream(&stream), "a stream", resource);
    Check(stream->InitializeFromMemory(bytes, length), "reading", resource);
    ComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                           &decoder),
          "decoding", resource);
    ComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder->GetFrame(0, &frame), "its first frame", resource);
    // The factory's converter rather than WICConvertBitmapSource: that function would make the
    // imaging library a load-time import, mapped at every start although only the information
    // windows need it.
    ComPtr<IWICFormatConverter> bgra;
    Check(factory->CreateFormatConverter(&bgra), "a converter", resource);
    Check(bgra->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                           nullptr, 0.0, WICBitmapPaletteTypeCustom),
          "converting", resource);
    UINT width = 0;
    UINT height = 0;
    Check(bgra->GetSize(&width, &height), "its size", resource);

    const SIZE size{static_cast<LONG>(width), static_cast<LONG>(height)};
    DWORD* pixels = nullptr;
    UniqueBitmap bitmap = MakeTopDownBitmap(size, &pixels);
    if (!bitmap) {
        throw std::runtime_error("no memory for " + std::string(resource));
    }
    const UINT stride = width * 4;
    Check(bgra->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(pixels)),
          "copying", resource);
    return {std::move(bitmap), size};
}

UniqueIcon LoadIconResource(std::string_view resource, int side) {
    const std::wstring name = Widen(resource);
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, side, side, 0)));
}

}  // namespace ui::win32
