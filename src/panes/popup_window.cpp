// The recent-documents popup: filled from the parsed history the main window already holds,
// hidden once the mouse has left it, and never ended like a dialog.
#include "panes/popup_window.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "framework/display_dpi.h"
#include "framework/wait_cursor.h"
#include "panes/document_images.h"
#include "panes/system_date.h"
#include "resource.h"
#include "tracking/document_cells.h"
#include "tracking/document_list_model.h"
#include "ui/dialog_units.h"
#include "ui/offscreen_canvas.h"
#include "ui/owner_draw_menu.h"
#include "ui/shell_open.h"
#include "ui/window_utils.h"

namespace {

constexpr UINT_PTR kHoverTimer = 0;
constexpr UINT kHoverPeriodMs = 300;
constexpr DWORD kFadeMs = 300;
constexpr int kButtonDu = 11;
constexpr int kHoverMarginDu = 10;
constexpr int kCaptionTextDu = 10;
constexpr int kCaptionStripElement = 8;

struct MenuIcon {
    int command;
    int icon;
};
constexpr MenuIcon kMenuIcons[] = {
    {ID_POPUP_OPEN, IDI_OPEN},   {ID_POPUP_EXPLORE, IDI_EXPLORE}, {ID_POPUP_INFO, IDI_INFO},
    {ID_POPUP_COPY, IDI_COPY},   {ID_POPUP_MOVE, IDI_MOVE},       {ID_POPUP_PRINT, IDI_PRINT},
    {ID_POPUP_DELETE, IDI_DELETE},
};

}  // namespace

RecentPopup::RecentPopup(DocumentListModel& model, DocumentImages& images, PopupHost host)
    : CDialog(IDD_RECENT_POPUP), model_(model), images_(images), host_(std::move(host)) {
    if (!host_.open) host_.open = &ShellOpen;
}

const MessageMap& RecentPopup::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_SIZE, &RecentPopup::OnSize>(),
        route::Message<WM_TIMER, &RecentPopup::OnTimer>(),
        route::Message<WM_PAINT, &RecentPopup::OnPaint>(),
        route::Message<WM_ERASEBKGND, &RecentPopup::OnEraseBackground>(),
        route::Message<WM_MEASUREITEM, &RecentPopup::OnMeasureItem>(),
        route::Message<WM_DRAWITEM, &RecentPopup::OnDrawItem>(),
    };
    static constexpr NotifyEntry kNotifications[] = {
        route::Notify<LVN_ITEMACTIVATE, IDC_POPUP_LIST, &RecentPopup::OnItemActivate>(),
        route::Notify<NM_RCLICK, IDC_POPUP_LIST, &RecentPopup::OnRightClick>(),
        route::Notify<LVN_GETDISPINFOA, IDC_POPUP_LIST, &RecentPopup::OnGetDisplayInfo>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages, .notifications = kNotifications};
    return kMap;
}

bool RecentPopup::CreatePopup() { return Create(nullptr); }

bool RecentPopup::OnInitDialog() {
    LOGFONTA font{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    bold_.reset(::CreateFontIndirectA(&font));

    help_.Subclass(Item(IDC_POPUP_HELP));
    show_.Subclass(Item(IDC_POPUP_SHOW));
    hide_.Subclass(Item(IDC_POPUP_HIDE));

    // Rows are served from memory: inserting hundreds of items one by one would cost more than
    // the whole pass over the history.
    list_.Setup(hwnd(), 0, 0, IDC_POPUP_LIST, LVS_NOCOLUMNHEADER | LVS_SHAREIMAGELISTS | LVS_OWNERDATA);
    ListView_SetExtendedListViewStyleEx(list_.hwnd(), LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT,
                                        LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT);
    // The tips of cut names must show above the topmost popup.
    if (const HWND tips = ListView_GetToolTips(list_.hwnd())) {
        ::SetWindowPos(tips, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    RECT client{};
    ::GetClientRect(list_.hwnd(), &client);
    list_.AddColumn("", client.right - 2);
    ApplyDpi(DpiOfWindow(hwnd()));
    return false;
}

void RecentPopup::ApplyDpi(int dpi) {
    IconSet appIcon;
    appIcon.SetSize(SystemMetricForDpi(SM_CXSMICON, dpi));
    appIcon.Add(IDR_MAINFRAME);
    appIcon_ = std::move(appIcon);
    help_.SetIcon(7, IDI_HELP_BUTTON, false);
    show_.SetIcon(3, IDI_SHOW_WINDOW, false);
    hide_.SetIcon(0, IDI_HIDE_POPUP, false);
    ListView_SetImageList(list_.hwnd(), images_.List(), LVSIL_SMALL);
    Layout();
}

void RecentPopup::Layout() {
    if (!IsAlive()) return;
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    const int button = DialogUnitsToPixels(kButtonDu, true);
    const int buttonHeight = DialogUnitsToPixels(kButtonDu, false);
    const int ids[] = {IDC_POPUP_HELP, IDC_POPUP_SHOW, IDC_POPUP_HIDE};
    for (int i = 0; i < 3; ++i) {
        ::MoveWindow(Item(ids[i]), client.right - (3 - i) * button, 0, button, buttonHeight, TRUE);
    }
    ::MoveWindow(list_.hwnd(), 0, buttonHeight, client.right, std::max(0L, client.bottom - buttonHeight), TRUE);
    RECT listClient{};
    ::GetClientRect(list_.hwnd(), &listClient);
    ListView_SetColumnWidth(list_.hwnd(), 0, std::max(0L, listClient.right - 2));
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void RecentPopup::OnSize(const SizeArgs&) { Layout(); }

void RecentPopup::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC screen = ::BeginPaint(hwnd(), &paint);
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    const int button = DialogUnitsToPixels(kButtonDu, true);
    RECT strip{0, 0, client.right - 3 * button - 1, DialogUnitsToPixels(kButtonDu, false) - 1};
    if (strip.right > strip.left && strip.bottom > strip.top) {
        OffscreenCanvas canvas(screen, strip.right, strip.bottom);
        if (canvas) {
            const HDC dc = canvas.Dc();
            painter_.DrawElement(dc, &strip, kCaptionStripElement, scheme_);
            const int iconTop = std::max(0, static_cast<int>(strip.bottom - appIcon_.Size()) / 2);
            appIcon_.Draw(dc, 0, true, DialogUnitsToPixels(1, true), iconTop, ::GetSysColor(COLOR_BTNFACE));
            const HGDIOBJ oldFont = ::SelectObject(dc, bold_.get());
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
            RECT text = strip;
            text.left = DialogUnitsToPixels(kCaptionTextDu, true);
            const char caption[] = "Kestrum 2.1";
            ::DrawTextA(dc, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
            ::SelectObject(dc, oldFont);
            canvas.CopyTo(screen, 0, 0);
        }
    }
    ::EndPaint(hwnd(), &paint);
}

void RecentPopup::Fill(int days) {
    if (!IsAlive() || days <= 0) return;
    const int32_t today = LocalToday();
    std::vector<DocumentListModel::RecentDocument> documents = model_.RecentDocuments(today - days, today);
    const HWND list = list_.hwnd();
    // Drawn once, when everything is in place: a shown list paints at once on some changes.
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    list_.SelectAll(false);  // a virtual list keeps the selection by position
    rows_.clear();
    // The model's icons, one per document type, are shared for the whole run: the shell is
    // not asked again for every show.
    if (ListView_GetImageList(list, LVSIL_SMALL) != images_.List()) ListView_SetImageList(list, images_.List(), LVSIL_SMALL);
    rows_.reserve(documents.size());
    for (auto& document : documents) {
        std::string name = SplitNameAndFolder(document.path).name;
        rows_.push_back({std::move(document.path), std::move(name), images_.ForExtension(document.extension).image});
    }
    ::SendMessageA(list, LVM_SETITEMCOUNT, rows_.size(), 0);
    if (!rows_.empty()) {
        // A hidden popup gives its list the focus when it is shown.
        if (::IsWindowVisible(hwnd())) ::SetFocus(list);
        list_.Select(static_cast<int>(rows_.size()) - 1, true, true);
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void RecentPopup::ShowOnTop() {
    if (!IsAlive()) return;
    ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (!rows_.empty()) ::SetFocus(list_.hwnd());
    ::UpdateWindow(hwnd());
    // The mouse is watched only while the popup is up: a hidden popup costs nothing.
    ::SetTimer(hwnd(), kHoverTimer, kHoverPeriodMs, nullptr);
}

void RecentPopup::Hide() {
    if (!IsAlive()) return;
    ::KillTimer(hwnd(), kHoverTimer);
    if (!::IsWindowVisible(hwnd())) return;
    if (host_.animateHide && host_.animateHide()) {
        animator_.Animate(hwnd(), kFadeMs, AW_HIDE | AW_BLEND);
    } else {
        ::ShowWindow(hwnd(), SW_HIDE);
    }
}

void RecentPopup::OnTimer(const TimerArgs& args) {
    if (args.id != kHoverTimer) return;
    RECT around{};
    ::GetWindowRect(hwnd(), &around);
    ::InflateRect(&around, DialogUnitsToPixels(kHoverMarginDu, true), DialogUnitsToPixels(kHoverMarginDu, false));
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const RECT hover = host_.hoverRect ? host_.hoverRect() : RECT{};
    if (::PtInRect(&around, cursor) || ::PtInRect(&hover, cursor)) return;
    Hide();
}

std::vector<std::string> RecentPopup::Paths() const {
    std::vector<std::string> paths;
    paths.reserve(rows_.size());
    for (const Row& row : rows_) paths.push_back(row.path);
    return paths;
}

std::vector<std::string> RecentPopup::SelectedPaths() const {
    std::vector<std::string> paths;
    for (const int row : list_.SelectedRows()) {
        if (row >= 0 && static_cast<size_t>(row) < rows_.size()) paths.push_back(rows_[static_cast<size_t>(row)].path);
    }
    return paths;
}

bool RecentPopup::HasSelection() const { return IsAlive() && list_.SelectedIndex() >= 0; }

bool RecentPopup::HasSingleSelection() const {
    return IsAlive() && ListView_GetSelectedCount(list_.hwnd()) == 1;
}

void RecentPopup::Open() {
    for (const std::string& path : SelectedPaths()) {
        WaitCursor wait;
        host_.open(hwnd(), path);
    }
}

bool RecentPopup::RunCommand(unsigned command) {
    switch (command) {
        case ID_POPUP_OPEN:
            Open();
            return true;
        case ID_POPUP_EXPLORE:
        case ID_POPUP_INFO:
        case ID_POPUP_COPY:
        case ID_POPUP_MOVE:
        case ID_POPUP_PRINT:
        case ID_POPUP_DELETE: {
            const std::vector<std::string> paths = SelectedPaths();
            if (!paths.empty() && host_.runCommand) host_.runCommand(command, paths);
            return true;
        }
        default:
            return false;
    }
}

bool RecentPopup::ExecuteCommand(unsigned id) {
    switch (id) {
        case IDC_POPUP_SHOW:
            if (host_.showMainWindow) host_.showMainWindow();
            return true;
        case IDC_POPUP_HIDE:
            Hide();
            return true;
        case IDC_POPUP_HELP:
            return true;
        default:
            // Only the context menu's commands; IDOK and IDCANCEL never end the popup.
            return RunCommand(id) || id == IDOK || id == IDCANCEL;
    }
}

bool RecentPopup::PreTranslateMessage(MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam == VK_RETURN) {
        // Taken here, so the dialog manager does not turn the same key into OK and open the
        // document a second time.
        if (HasSingleSelection()) Open();
        return true;
    }
    if (message.wParam == VK_ESCAPE) {
        Hide();
        return true;
    }
    return false;
}

LRESULT RecentPopup::OnGetDisplayInfo(NMLVDISPINFOA& info) {
    LVITEMA& item = info.item;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows_.size()) return 0;
    Row& row = rows_[static_cast<size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) item.pszText = row.name.data();
    if (item.mask & LVIF_IMAGE) item.iImage = row.image;
    return 0;
}

LRESULT RecentPopup::OnItemActivate() {
    if (HasSelection()) Open();
    return 0;
}

LRESULT RecentPopup::OnRightClick() {
    OwnerDrawMenu menu;
    if (!menu.Load(IDR_POPUP_MENU)) return 0;
    menu.SetDpi(DpiOfWindow(hwnd()));
    menu.Enable();
    for (const MenuIcon& icon : kMenuIcons) menu.AddImage(icon.command, icon.icon);
    menu.SetScheme(scheme_);
    POINT at{};
    ::GetCursorPos(&at);
    TrackMenuAt(at.x, at.y, list_.hwnd(), menu.Handle(), true);
    return 0;
}

// The context menu is owner-drawn; the caption buttons draw themselves when told.
LRESULT RecentPopup::OnMeasureItem(const MeasureItemArgs& args) {
    return args.item.CtlType == ODT_MENU && OwnerDrawMenu::MeasureAnyItem(&args.item) ? TRUE : FALSE;
}

LRESULT RecentPopup::OnDrawItem(const DrawItemArgs& args) {
    if (args.item.CtlType == ODT_MENU) return OwnerDrawMenu::DrawAnyItem(&args.item) ? TRUE : FALSE;
    return ::SendMessageA(args.item.hwndItem, Reflected(WM_DRAWITEM), args.control, reinterpret_cast<LPARAM>(&args.item));
}

void RecentPopup::SetColorScheme(int scheme) {
    if (!IsAlive()) return;
    scheme_ = scheme;
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}
