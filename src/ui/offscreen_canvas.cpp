// OffscreenCanvas: memory DC plus bitmap; the bitmap is selected out again before either is freed.
#include "ui/offscreen_canvas.h"

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height) : width_(width), height_(height) {
    if (target == nullptr || width <= 0 || height <= 0) return;
    dc_.reset(::CreateCompatibleDC(target));
    bitmap_.reset(::CreateCompatibleBitmap(target, width, height));
    if (!dc_ || !bitmap_) return;
    previous_ = ::SelectObject(dc_.get(), bitmap_.get());
    if (previous_ == HGDI_ERROR) previous_ = nullptr;
}

OffscreenCanvas::~OffscreenCanvas() {
    // A bitmap still selected into a DC cannot be deleted.
    if (previous_ != nullptr) ::SelectObject(dc_.get(), previous_);
}

bool OffscreenCanvas::CopyTo(HDC target, int x, int y) const {
    if (!*this || target == nullptr) return false;
    return ::BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY) != FALSE;
}
