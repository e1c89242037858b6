// The main window's side of the recent-documents popup: making it, placing and showing it, and
// the spot around the tray icon that keeps it up.
#include "app/frame_application.h"

#include "settings/settings_store.h"
#include "ui/dialog_units.h"
#include "ui/window_utils.h"

namespace {

constexpr int kPopupWidthDu = 100;
constexpr int kPopupHeightDu = 200;
constexpr int kEdgeGap = 2;
constexpr int kHoverHalf = 15;
// The layered mode that applies only the alpha value.
constexpr int kAlphaOnly = 1;

}  // namespace

bool CFrameApplication::CreatePopup() {
    PopupHost host;
    host.hoverRect = [this] { return hoverRect_; };
    host.showMainWindow = [this] { ShowMainWindow(); };
    host.runCommand = [this](unsigned command, const std::vector<std::string>& paths) {
        if (documentCommand_) documentCommand_(command, paths);
    };
    host.animateHide = [] { return SettingsStore().ReadNumber(Setting::TrayAnim) != 0; };
    popup_ = std::make_unique<RecentPopup>(model_, files_.Images(), std::move(host));
    return popup_->CreatePopup();
}

bool CFrameApplication::ShowRecentPopup() {
    const SettingsStore store;
    if (store.ReadNumber(Setting::MainShow) != 0 && !store.ReadText(Setting::Pass).empty()) return false;
    RecentPopup* popup = Popup();
    if (popup == nullptr || ::IsWindowVisible(hwnd()) || ::IsWindowVisible(popup->hwnd())) return false;

    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.right - DialogUnitsToPixels(kPopupWidthDu, true);
    const int top = work.bottom - DialogUnitsToPixels(kPopupHeightDu, false);
    ::SetWindowPos(popup->hwnd(), HWND_TOPMOST, left, top, work.right - kEdgeGap - left, work.bottom - kEdgeGap - top,
                   SWP_NOACTIVATE);
    const std::uint32_t opacity = store.ReadNumber(Setting::TrayTransp);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(popup->hwnd(), GWL_EXSTYLE);
    if (opacity < 100) {
        SetTranslucency(popup->hwnd(), 0, static_cast<BYTE>(opacity * 5 / 2), kAlphaOnly);
    } else if ((exStyle & WS_EX_LAYERED) != 0) {
        // Opacity set back to 100 since the last show: opaque at once, not at the next start.
        ::SetWindowLongPtrA(popup->hwnd(), GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
    // Filled while hidden, it shows its new rows at once and paints once.
    popup->Fill(static_cast<int>(store.ReadNumber(Setting::TipDays)));
    popup->ShowOnTop();

    POINT cursor{};
    ::GetCursorPos(&cursor);
    hoverRect_ = {cursor.x - kHoverHalf, cursor.y - kHoverHalf, cursor.x + kHoverHalf, cursor.y + kHoverHalf};
    return true;
}

void CFrameApplication::HideRecentPopup() {
    hoverRect_ = {};
    if (RecentPopup* popup = Popup()) popup->Hide();
}
