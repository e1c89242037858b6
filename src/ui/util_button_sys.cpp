// CUtilButtonSys: owner drawing off-screen, and the hot state while the pointer is over it.
//
// The hot state starts with the first mouse move over the button; from then a 50 ms timer
// compares the pointer with the button until it has left (the moves after that go to other
// windows, not to this one). No timer runs while the pointer is elsewhere.
#include "ui/util_button_sys.h"

#include "framework/display_dpi.h"
#include "ui/caption_button_rules.h"
#include "ui/color.h"
#include "ui/offscreen_canvas.h"

namespace {

constexpr UINT_PTR kHotTimer = 0;
constexpr UINT kHotTimerPeriodMs = 50;
constexpr int kIconSize = 16;  // at 96 dpi

bool Has(UINT state, UINT flag) { return (state & flag) != 0; }

}  // namespace

CUtilButtonSys::CUtilButtonSys()
    : greyBrush_(::CreateSolidBrush(Darken(::GetSysColor(COLOR_BTNFACE), 0.25))) {}

const MessageMap& CUtilButtonSys::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<Reflected(WM_DRAWITEM), &CUtilButtonSys::OnDrawItem>(),
        route::Message<WM_MOUSEMOVE, &CUtilButtonSys::OnMouseMove>(),
        route::Message<WM_TIMER, &CUtilButtonSys::OnTimer>(),
        route::Message<WM_DESTROY, &CUtilButtonSys::OnDestroy>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages};
    return kMap;
}

bool CUtilButtonSys::SetIcon(int captionPart, int iconId, bool showFocus) {
    if (iconId == 0) return false;
    captionPart_ = captionPart;
    showFocus_ = showFocus;
    // At the DPI the button is shown at now: set again after a DPI change.
    iconSize_ = ScaleForWindow(IsAlive() ? hwnd() : nullptr, kIconSize);
    icon_.reset(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                iconSize_, iconSize_, LR_DEFAULTCOLOR)));
    if (IsAlive()) {
        const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd(), GWL_STYLE));
        if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
            ::SendMessageA(hwnd(), BM_SETSTYLE, (style & ~BS_TYPEMASK & 0xFFFF) | BS_OWNERDRAW, TRUE);
        }
        ::InvalidateRect(hwnd(), nullptr, FALSE);
    }
    return HasIcon();
}

void CUtilButtonSys::Paint(HDC dc, const RECT& rect, UINT itemState, bool themed) const {
    const HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
    ::FillRect(dc, &rect, face);
    // Should the theme lack the caption parts, the classic look still shows a button.
    if (themed && PaintThemed(dc, rect, itemState)) return;
    PaintClassic(dc, rect, itemState);
}

bool CUtilButtonSys::PaintThemed(HDC dc, const RECT& rect, UINT itemState) const {
    const CaptionButtonFacts facts{.disabled = Has(itemState, ODS_DISABLED) || Has(itemState, ODS_GRAYED),
                                   .pressed = Has(itemState, ODS_SELECTED),
                                   .focused = Has(itemState, ODS_FOCUS),
                                   .showFocus = showFocus_,
                                   .hot = hot_};
    if (!theme_.DrawThemed(hwnd(), dc, &rect, "WINDOW", CaptionThemePart(captionPart_), CaptionButtonState(facts))) {
        return false;
    }
    if (facts.focused && showFocus_) {
        const int inset = FocusInset(rect.right - rect.left, rect.bottom - rect.top);
        RECT focus = rect;
        ::InflateRect(&focus, -inset, -inset);
        ::DrawFocusRect(dc, &focus);
    }
    return true;
}

void CUtilButtonSys::PaintClassic(HDC dc, const RECT& rect, UINT itemState) const {
    const bool disabled = Has(itemState, ODS_DISABLED) || Has(itemState, ODS_GRAYED);
    const bool pressed = Has(itemState, ODS_SELECTED);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    RECT frame = rect;
    UINT look = DFCS_BUTTONPUSH;
    if (pressed) look |= DFCS_PUSHED;
    if (disabled) look |= DFCS_INACTIVE;
    ::DrawFrameControl(dc, &frame, DFC_BUTTON, look);

    if (Has(itemState, ODS_FOCUS) && showFocus_) {
        ::InflateRect(&frame, -1, -1);
        ::DrawFrameControl(dc, &frame, DFC_BUTTON, look);
        const int inset = FocusInset(width, height);
        RECT focus = rect;
        ::InflateRect(&focus, -inset, -inset);
        ::DrawFocusRect(dc, &focus);
        ::FrameRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }

    if (!icon_) return;
    const PixelPoint origin = CaptionIconOrigin(width, height, iconSize_, pressed);
    const int x = rect.left + origin.x;
    const int y = rect.top + origin.y;
    if (disabled) {
        ::DrawStateA(dc, greyBrush_.get(), nullptr, reinterpret_cast<LPARAM>(icon_.get()), 0, x, y, iconSize_,
                     iconSize_, DST_ICON | DSS_MONO);
    } else {
        ::DrawIconEx(dc, x, y, icon_.get(), iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
    }
}

bool CUtilButtonSys::OnDrawItem(const DrawItemArgs& args) {
    const DRAWITEMSTRUCT& item = args.item;
    const RECT& area = item.rcItem;
    const bool themed = theme_.IsThemed();
    OffscreenCanvas canvas(item.hDC, area.right - area.left, area.bottom - area.top);
    if (!canvas) {
        // Without the bitmap the button is still drawn, straight to the screen.
        Paint(item.hDC, area, item.itemState, themed);
        return true;
    }
    Paint(canvas.Dc(), {0, 0, canvas.Width(), canvas.Height()}, item.itemState, themed);
    canvas.CopyTo(item.hDC, area.left, area.top);
    return true;
}

LRESULT CUtilButtonSys::OnMouseMove(const PassedOnArgs<WM_MOUSEMOVE>& args) {
    // While the button holds the capture (pressed), moves arrive from outside it too.
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const POINT point{GET_X_LPARAM(args.lParam), GET_Y_LPARAM(args.lParam)};
    if (!hot_ && ::PtInRect(&client, point)) {
        SetHot(true);
        ::SetTimer(hwnd(), kHotTimer, kHotTimerPeriodMs, nullptr);
    }
    return DefaultProcedure(WM_MOUSEMOVE, args.wParam, args.lParam);
}

LRESULT CUtilButtonSys::OnTimer(const PassedOnArgs<WM_TIMER>& args) {
    if (args.wParam != kHotTimer) return DefaultProcedure(WM_TIMER, args.wParam, args.lParam);
    POINT pointer;
    RECT bounds;
    const bool inside = ::GetCursorPos(&pointer) && ::GetWindowRect(hwnd(), &bounds) && ::PtInRect(&bounds, pointer);
    if (!inside) {
        ::KillTimer(hwnd(), kHotTimer);
        SetHot(false);
    }
    return 0;
}

LRESULT CUtilButtonSys::OnDestroy(const PassedOnArgs<WM_DESTROY>& args) {
    ::KillTimer(hwnd(), kHotTimer);
    return DefaultProcedure(WM_DESTROY, args.wParam, args.lParam);
}

void CUtilButtonSys::SetHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}
