// ColorLabel: answers the parent's reflected colour request with its own colours.
#include "ui/color_label.h"

ColorLabel::ColorLabel() : ColorLabel(true, ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNFACE)) {}

ColorLabel::ColorLabel(bool transparent, COLORREF text, COLORREF background) {
    SetColours(transparent, text, background);
}

const MessageMap& ColorLabel::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<Reflected(WM_CTLCOLORSTATIC), &ColorLabel::OnColor>(),
        route::Message<WM_SETTEXT, &ColorLabel::OnSetText>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages};
    return kMap;
}

void ColorLabel::SetColours(bool transparent, COLORREF text, COLORREF background) {
    transparent_ = transparent;
    text_ = text;
    background_ = background;
    solid_.reset(transparent ? nullptr : ::CreateSolidBrush(background));
    RepaintWithBackground();
}

HBRUSH ColorLabel::OnColor(const ColorArgs& args) {
    ::SetTextColor(args.dc, text_);
    if (transparent_) {
        ::SetBkMode(args.dc, TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
    }
    ::SetBkMode(args.dc, OPAQUE);
    ::SetBkColor(args.dc, background_);
    return solid_.get();
}

LRESULT ColorLabel::OnSetText(const PassedOnArgs<WM_SETTEXT>& args) {
    const LRESULT result = DefaultProcedure(WM_SETTEXT, args.wParam, args.lParam);
    if (transparent_) RepaintWithBackground();
    return result;
}

void ColorLabel::RepaintWithBackground() const {
    const HWND parent = ::GetParent(hwnd());
    if (!IsAlive() || parent == nullptr) return;
    RECT area;
    ::GetWindowRect(hwnd(), &area);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
