// Screen pixels into a bottom-up 24-bit DIB, written with its file header.
#include "screenshot.h"

#include <vector>

#include "framework/unique_handle.h"
#include "framework/win_handles.h"

namespace {

// A screen DC is released, not deleted.
class ScreenDc {
public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

bool WriteAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return ::WriteFile(file, data, size, &written, nullptr) != FALSE && written == size;
}

}  // namespace

bool SaveScreenArea(const RECT& area, const std::string& path) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || path.empty()) return false;

    const ScreenDc screen;
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen.get() || !memory || !bitmap || bits == nullptr) return false;
    const HGDIOBJ previous = ::SelectObject(memory.get(), bitmap.get());
    const bool copied = ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY) != FALSE;
    ::GdiFlush();
    ::SelectObject(memory.get(), previous);
    if (!copied) return false;

    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;

    UniqueKernelHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const bool written = WriteAll(file.get(), &header, sizeof header) &&
                         WriteAll(file.get(), &info.bmiHeader, sizeof info.bmiHeader) && WriteAll(file.get(), bits, imageSize);
    file.reset();
    // No half-written picture is left behind to be mistaken for a screenshot.
    if (!written) ::DeleteFileA(path.c_str());
    return written;
}
