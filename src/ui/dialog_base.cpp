// DialogBase: the frame is painted with the dialog's background in one off-screen pass, so the
// footer band never flickers through the plain background first.
#include "ui/dialog_base.h"

#include "framework/display_dpi.h"
#include "ui/gdi_paint.h"
#include "ui/help_topic.h"
#include "ui/offscreen_canvas.h"

namespace {

RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

bool Contains(const PixelRect& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

DialogBase::DialogBase(UINT templateId, HINSTANCE resources) : CDialog(templateId, resources) {}

const MessageMap& DialogBase::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_PAINT, &DialogBase::OnPaint>(),
        route::Message<WM_ERASEBKGND, &DialogBase::OnEraseBackground>(),
        route::Message<WM_SETCURSOR, &DialogBase::OnSetCursor>(),
        route::Message<WM_LBUTTONUP, &DialogBase::OnLeftButtonUp>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<kHelpLinkId, &DialogBase::OnHelpLink>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands};
    return kMap;
}

bool DialogBase::SetupFrame(int largeIconId, int smallIconId, std::string helpTopic) {
    if (!IsAlive()) return false;
    hand_ = ::LoadCursorA(nullptr, IDC_HAND);
    // Icon sets of the dialog's DPI, made anew so that a DPI change takes effect here too.
    const int dpi = DpiOfWindow(hwnd());
    large_ = IconSet();
    small_ = IconSet();
    large_.SetSize(ScaleToDpi(kFrameLargeIconSize, dpi));
    small_.SetSize(ScaleToDpi(kFrameSmallIconSize, dpi));
    const bool loaded = (largeIconId == kNoIcon || large_.Add(largeIconId)) &&
                        (smallIconId == kNoIcon || small_.Add(smallIconId));
    if (!loaded) {
        End(IDCANCEL);
        return false;
    }
    if (smallIconId != kNoIcon) {
        helpTopic_ = std::move(helpTopic);
        CreateHelpLink();
    }
    ::InvalidateRect(hwnd(), nullptr, TRUE);
    return true;
}

void DialogBase::CreateHelpLink() {
    if (helpLink_.IsAlive()) return;
    const PixelRect place = Layout().helpLink;
    const HWND label = ::CreateWindowExA(0, "STATIC", "Help", WS_CHILD | WS_VISIBLE | SS_NOTIFY, place.left, place.top,
                                         place.right - place.left, place.bottom - place.top, hwnd(),
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpLinkId)),
                                         ::GetModuleHandleA(nullptr), nullptr);
    if (label == nullptr || !helpLink_.Subclass(label)) return;
    // No target: the click reaches the dialog as the link's command.
    helpLink_.SetLinkFont(-1, false, false, true);
    helpLink_.SetColours(true, kHelpLinkColor, ::GetSysColor(COLOR_BTNFACE));
}

DialogFrameLayout DialogBase::Layout() const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    return FrameLayout({client.left, client.top, client.right, client.bottom},
                       static_cast<std::uint32_t>(::GetDialogBaseUnits()), DpiOfWindow(hwnd()));
}

void DialogBase::DrawFrame(HDC dc) const {
    if (dc == nullptr) return;
    const DialogFrameLayout layout = Layout();
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const RECT footer = ToRect(layout.footer);
    VerticalGradient(dc, &footer, face, kFooterShadeBottom, kFooterShadeTop);
    FillSolid(dc, ToRect(layout.footerLine), FooterLineColor(face));
    if (large_.Count() > 0) large_.Draw(dc, 0, true, layout.largeIcon.x, layout.largeIcon.y, face);
    if (small_.Count() > 0) small_.Draw(dc, 0, true, layout.smallIcon.left, layout.smallIcon.top, face);
}

LRESULT DialogBase::RequestHelp() const { return SendHelpTopic(helpTopic_); }

bool DialogBase::PreTranslateMessage(MSG& message) { return SendHelpTopic(helpTopic_, &message) != 0; }

void DialogBase::OnPaint() {
    PAINTSTRUCT paint;
    const HDC screen = ::BeginPaint(hwnd(), &paint);
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    OffscreenCanvas canvas(screen, client.right, client.bottom);
    // Without the bitmap the same drawing goes straight to the screen.
    const HDC dc = canvas ? canvas.Dc() : screen;
    // The dialog's own background, as the dialog answers for it.
    auto background = reinterpret_cast<HBRUSH>(
        ::SendMessageA(hwnd(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd())));
    ::FillRect(dc, &client, background != nullptr ? background : ::GetSysColorBrush(COLOR_BTNFACE));
    DrawFrame(dc);
    PaintContent(dc, client);
    if (canvas) canvas.CopyTo(screen, 0, 0);
    ::EndPaint(hwnd(), &paint);
}

bool DialogBase::IsOverHelpIcon(POINT client) const {
    return small_.Count() > 0 && Contains(Layout().smallIcon, client);
}

LRESULT DialogBase::OnSetCursor(const PassedOnArgs<WM_SETCURSOR>& args) {
    POINT pointer{};
    const bool overIcon = reinterpret_cast<HWND>(args.wParam) == hwnd() && LOWORD(args.lParam) == HTCLIENT &&
                          ::GetCursorPos(&pointer) && ::ScreenToClient(hwnd(), &pointer) && IsOverHelpIcon(pointer);
    if (overIcon) {
        ::SetCursor(hand_);
        return TRUE;
    }
    // A dialog procedure cannot hand a message back once its table took it: the default window
    // handling (the class cursor, the children's own cursors) runs here instead.
    return ::DefWindowProcA(hwnd(), WM_SETCURSOR, args.wParam, args.lParam);
}

void DialogBase::OnLeftButtonUp(const MouseArgs& args) {
    if (IsOverHelpIcon(args.point)) RequestHelp();
}
