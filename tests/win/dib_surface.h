// A 32-bit top-down DIB section in a memory DC for tests that read painted pixels back exactly,
// whatever the depth of the display.
#pragma once

#include <windows.h>

class DibSurface {
public:
    DibSurface(int width, int height, COLORREF fill) : width_(width), height_(height) {
        dc_ = ::CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = ::SelectObject(dc_, bitmap_);
        const RECT all = Bounds();
        const COLORREF old = ::SetBkColor(dc_, fill);
        ::ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        ::SetBkColor(dc_, old);
    }
    ~DibSurface() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC dc() const { return dc_; }
    RECT Bounds() const { return {0, 0, width_, height_}; }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }

    int CountOf(COLORREF color) const {
        int count = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) count += At(x, y) == color ? 1 : 0;
        }
        return count;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
