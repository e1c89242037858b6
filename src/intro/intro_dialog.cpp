// The Quick Intro dialog: placement, paging, layout and the ShowIntro setting.
#include "intro/intro_dialog.h"

#include "framework/program_path.h"
#include "intro/intro_rules.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "text/file_url.h"
#include "ui/dialog_units.h"

namespace {

// The width the window asks for, in horizontal dialog units, before the work area limits it.
constexpr int kWindowWidthUnits = 400;

RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

UniqueIcon LoadProgramIcon(int size) {
    return UniqueIcon(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

CQuickIntroDialog::CQuickIntroDialog()
    : CDialog(IDD_QUICK_INTRO),
      largeIcon_(LoadProgramIcon(::GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadProgramIcon(::GetSystemMetrics(SM_CXSMICON))) {}

const MessageMap& CQuickIntroDialog::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_SIZE, &CQuickIntroDialog::OnSize>(),
        route::Message<WM_PAINT, &CQuickIntroDialog::OnPaint>(),
        route::Message<WM_QUERYDRAGICON, &CQuickIntroDialog::OnQueryDragIcon>(),
        route::Message<WM_DESTROY, &CQuickIntroDialog::OnDestroy>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_INTRO_BACK, &CQuickIntroDialog::OnBack>(),
        route::Command<IDC_INTRO_NEXT, &CQuickIntroDialog::OnNext>(),
        route::Command<IDC_INTRO_DONT_SHOW, &CQuickIntroDialog::OnDontShowAgain>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands};
    return kMap;
}

bool CQuickIntroDialog::OnInitDialog() {
    ::SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    ::SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    PlaceWindow();

    // Made here rather than named in the template, so that a system without the control still
    // gets a working dialog, only without pages.
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (browser_.Create(hwnd(), client)) {
        ::SetWindowLongPtrA(browser_.Window(), GWLP_ID, IDC_INTRO_BROWSER);
    }
    ShowPage(0);
    Layout();
    return true;
}

bool CQuickIntroDialog::PreTranslateMessage(MSG& message) { return browser_.TranslateAccelerator(message); }

void CQuickIntroDialog::PlaceWindow() {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const PixelRect placed =
        IntroWindowRect({work.left, work.top, work.right, work.bottom}, DialogUnitsToPixels(kWindowWidthUnits, true));
    ::SetWindowPos(hwnd(), nullptr, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CQuickIntroDialog::ShowPage(int page) {
    page_ = ClampIntroPage(page);
    browser_.Navigate(FileUrlFromPath(IntroPagePath(ProgramPath(), page_)));
    ::SetWindowTextA(hwnd(), IntroCaption(page_).c_str());
    const IntroButtons buttons = IntroButtonStates(page_);
    // A button about to be disabled must not keep the focus, or the keyboard is lost.
    const HWND focus = ::GetFocus();
    const HWND back = Item(IDC_INTRO_BACK);
    const HWND next = Item(IDC_INTRO_NEXT);
    if ((focus == back && !buttons.back) || (focus == next && !buttons.next)) {
        ::SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(buttons.back ? back : Item(IDCANCEL)), TRUE);
    }
    ::EnableWindow(back, buttons.back);
    ::EnableWindow(next, buttons.next);
}

void CQuickIntroDialog::OnDontShowAgain() {
    // Ticked: Kestrum no longer starts the intro. A registry failure leaves the box as it is.
    SettingsStore().WriteNumber(Setting::ShowIntro, IsChecked(IDC_INTRO_DONT_SHOW) ? 0 : 1);
}

void CQuickIntroDialog::Layout() {
    if (hwnd() == nullptr || ::IsIconic(hwnd())) return;
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    const IntroLayout layout =
        IntroControlLayout({client.left, client.top, client.right, client.bottom}, ::GetDialogBaseUnits());
    if (browser_.IsCreated()) {
        browser_.SetRect(ToRect(layout.browser));
        ::InvalidateRect(browser_.Window(), nullptr, TRUE);
    }
    const auto move = [&](int id, PixelPoint at) {
        if (const HWND item = Item(id)) {
            ::SetWindowPos(item, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    };
    move(IDC_INTRO_DONT_SHOW, layout.checkBox);
    move(IDC_INTRO_BACK, layout.back);
    move(IDC_INTRO_NEXT, layout.next);
    move(IDCANCEL, layout.close);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void CQuickIntroDialog::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(hwnd(), &paint);
    // Where a minimised window is still drawn, it shows the program's icon in the middle.
    if (::IsIconic(hwnd())) {
        RECT client{};
        ::GetClientRect(hwnd(), &client);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, largeIcon_.get());
    }
    ::EndPaint(hwnd(), &paint);
}
