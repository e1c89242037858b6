// The About box: white, dragged by its banner, with the maker's address and the support address.
#include "app/about_dialog.h"

#include <windowsx.h>

#include "framework/message_box.h"
#include "kestrum_version.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "language/web_addresses.h"
#include "resource.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr char kLegalNotice[] = "Copyright \xC2\xA9 2026 Quillon Works. All rights reserved.";

}  // namespace

CDialogAbout::CDialogAbout() : CDialog(IDD_ABOUT), white_(::CreateSolidBrush(kWhite)), opener_(&ShellOpen) {}

const MessageMap& CDialogAbout::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_NCHITTEST, &CDialogAbout::OnHitTest>(),
        route::Message<WM_CTLCOLORDLG, &CDialogAbout::OnDialogColor>(),
        route::Message<WM_CTLCOLORBTN, &CDialogAbout::OnButtonColor>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages};
    return kMap;
}

bool CDialogAbout::OnInitDialog() {
    // Only the Close button has a text to translate; the rest are pictures, addresses and
    // texts set here.
    for (const int id : {IDC_ABOUT_BANNER, IDC_ABOUT_MAKER, IDC_ABOUT_SUPPORT, IDC_ABOUT_LEGAL, IDC_ABOUT_OLD_LABEL}) {
        if (const HWND item = Item(id)) ExcludeFromTranslation(item);
    }
    CurrentLanguage().TranslateWindow(true, false, hwnd(), IDD_ABOUT);
    ::SetWindowTextA(hwnd(), ApplicationTitle().c_str());

    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    // Every control is looked up before use: a template or language file without one still
    // gives a working box.
    const auto label = [&](ColorLabel& control, int id, const std::string& content) {
        if (!control.Subclass(Item(id))) return;
        if (!content.empty()) SetItemText(id, content);
        control.SetColours(false, text, kWhite);
    };
    label(oldLabel_, IDC_ABOUT_OLD_LABEL, "");
    const auto link = [&](LinkLabel& control, int id, const std::string& target, const std::string& shown) {
        if (!control.Subclass(Item(id))) return;
        control.SetTarget(target);
        control.SetOpener(opener_);
        SetItemText(id, shown);
        control.SetColours(false, kLinkBlue, kWhite);
    };
    const std::string maker = CurrentLanguage().MakerWebAddress();
    link(maker_, IDC_ABOUT_MAKER, maker, maker);
    link(support_, IDC_ABOUT_SUPPORT, "mailto:" + std::string(kSupportEmail), std::string(kSupportEmail));
    label(legal_, IDC_ABOUT_LEGAL, kLegalNotice);
    label(version_, IDC_ABOUT_VERSION, std::string("Version ") + KESTRUM_VERSION);

    RECT box{};
    ::GetWindowRect(hwnd(), &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    ::SetWindowPos(hwnd(), nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return true;
}

// The box has no caption bar: its banner stands in for one.
LRESULT CDialogAbout::OnHitTest(const PassedOnArgs<WM_NCHITTEST>& args) {
    const POINT point{GET_X_LPARAM(args.lParam), GET_Y_LPARAM(args.lParam)};
    RECT banner{};
    if (const HWND picture = Item(IDC_ABOUT_BANNER); picture != nullptr && ::GetWindowRect(picture, &banner) &&
                                                     ::PtInRect(&banner, point)) {
        return HTCAPTION;
    }
    return ::DefWindowProcA(hwnd(), WM_NCHITTEST, args.wParam, args.lParam);
}

HBRUSH CDialogAbout::OnDialogColor(const PassedOnArgs<WM_CTLCOLORDLG>&) { return white_.get(); }

// The corners around the Close button are the dialog's white, not the button face.
HBRUSH CDialogAbout::OnButtonColor(const PassedOnArgs<WM_CTLCOLORBTN>&) { return white_.get(); }
