// GDI painting helpers. Solid areas go through ExtTextOut's opaque rectangle, which fills with
// the background colour without creating a brush per row of a gradient.
#include "ui/gdi_paint.h"

#include "ui/gradient.h"

void FillSolid(HDC dc, const RECT& rect, Color color) {
    const COLORREF old = ::SetBkColor(dc, color);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
}

void FrameEtched(HDC dc, const RECT& rect, Color topLeft, Color bottomRight) {
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    FillSolid(dc, {rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}

namespace {

bool CanPaint(HDC dc, const RECT* rect) {
    return dc != nullptr && rect != nullptr && rect->right > rect->left && rect->bottom > rect->top;
}

}  // namespace

bool VerticalGradient(HDC dc, const RECT* rect, Color base, double from, double to) {
    if (!CanPaint(dc, rect)) return false;
    const auto colors = GradientColors(base, from, to, rect->bottom - rect->top);
    LONG row = rect->bottom - 1;
    for (const Color color : colors) {
        FillSolid(dc, {rect->left, row, rect->right, row + 1}, color);
        --row;
    }
    return true;
}

bool HorizontalGradient(HDC dc, const RECT* rect, Color base, double from, double to) {
    if (!CanPaint(dc, rect)) return false;
    const auto colors = GradientColors(base, from, to, rect->right - rect->left);
    LONG column = rect->left;
    for (const Color color : colors) {
        FillSolid(dc, {column, rect->top, column + 1, rect->bottom}, color);
        ++column;
    }
    return true;
}
