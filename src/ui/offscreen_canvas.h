// An off-screen bitmap to paint into, copied to its target in one block transfer so that a
// repaint never flickers through its intermediate steps.
#pragma once

#include <windows.h>

#include "framework/win_handles.h"

class OffscreenCanvas {
public:
    // A bitmap compatible with `target`, width x height pixels. Not ready when either is <= 0 or
    // the GDI objects cannot be made.
    OffscreenCanvas(HDC target, int width, int height);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    explicit operator bool() const { return previous_ != nullptr; }
    HDC Dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Copies the whole canvas to (x, y) of `target`.
    bool CopyTo(HDC target, int x, int y) const;

private:
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
