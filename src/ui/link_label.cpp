// LinkLabel: a ColorLabel with the link font, the hand cursor and a click that opens its target.
#include "ui/link_label.h"

#include "ui/window_utils.h"

namespace {
constexpr COLORREF kLinkBlue = 0xFF0000;
constexpr COLORREF kLinkGrey = 0xC0C0C0;  // the background once it is made opaque
}  // namespace

LinkLabel::LinkLabel()
    : ColorLabel(true, kLinkBlue, kLinkGrey), hand_(::LoadCursorA(nullptr, IDC_HAND)),
      opener_(&ShellOpen) {}

const MessageMap& LinkLabel::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_SETCURSOR, &LinkLabel::OnSetCursor>(),
        route::Message<WM_LBUTTONDOWN, &LinkLabel::OnLeftButtonDown>(),
    };
    static const MessageMap kMap{.messages = kMessages, .base = &ColorLabel::Map()};
    return kMap;
}

bool LinkLabel::Subclass(HWND label) {
    if (!ColorLabel::Subclass(label)) return false;
    SetLinkFont(-1, false, false, true);
    return true;
}

bool LinkLabel::IsLink() const {
    return IsStatic(hwnd()) && (::GetWindowLongPtrA(hwnd(), GWL_STYLE) & SS_NOTIFY) != 0;
}

bool LinkLabel::SetTarget(std::string target) {
    if (!IsLink()) return false;
    target_ = std::move(target);
    return true;
}

bool LinkLabel::SetLinkFont(int height, bool bold, bool italic, bool underline) {
    if (!IsLink()) return false;
    LOGFONTA description{};
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description) == 0) return false;
    if (height != -1) description.lfHeight = height;
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = italic ? TRUE : FALSE;
    description.lfUnderline = underline ? TRUE : FALSE;
    UniqueFont font(::CreateFontIndirectA(&description));
    if (!font) return false;
    // The label keeps the old font until it has the new one.
    ::SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    return true;
}

bool LinkLabel::SetColours(bool transparent, COLORREF text, COLORREF background) {
    if (!IsLink()) return false;
    ColorLabel::SetColours(transparent, text, background);
    return true;
}

bool LinkLabel::OnSetCursor(const SetCursorArgs&) {
    ::SetCursor(hand_);
    return true;
}

LRESULT LinkLabel::OnLeftButtonDown(const PassedOnArgs<WM_LBUTTONDOWN>& args) {
    // A failed open is not reported: the link then does nothing, as a browser's link would.
    if (IsLink() && !target_.empty() && opener_) opener_(::GetParent(hwnd()), target_);
    return DefaultProcedure(WM_LBUTTONDOWN, args.wParam, args.lParam);
}
