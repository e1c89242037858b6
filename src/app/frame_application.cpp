// The main window's life: creation in a fixed order, layout, its timer, hot keys, private
// messages, hiding instead of closing, and the Exit path that saves its state.
#include "app/frame_application.h"

#include "app/note_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "app/frame_texts.h"
#include "app/password_prompt.h"
#include "settings/column_width_rules.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "framework/application.h"
#include "framework/display_dpi.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "tracking/document_list_model.h"
#include "tracking/recent_watcher.h"
#include "ui/dialog_units.h"
#include "ui/hotkey_modifiers.h"
#include "ui/window_utils.h"

namespace {

constexpr UINT_PTR kStatusTimer = 0;
constexpr UINT kStatusPeriodMs = 100;
constexpr int kShowMainHotKey = 0;
constexpr int kShowPopupHotKey = 1;
constexpr int kFilterPaneWidthDu = 120;

std::string TitleText() {
    char title[256] = {};
    if (::LoadStringA(::GetModuleHandleA(nullptr), IDR_MAINFRAME, title, sizeof title) > 0) return title;
    return "Kestrum";
}

bool OpenWithShell(const std::string& address) {
    const HWND owner = MainFrame() != nullptr ? MainFrame()->hwnd() : nullptr;
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

HelpRequestKind KindOfHelpRequest(LPARAM lParam) {
    if (lParam == 0) return HelpRequestKind::Direct;
    const auto& message = *reinterpret_cast<const MSG*>(lParam);
    if (message.wParam == VK_F1 && message.message == WM_KEYDOWN) return HelpRequestKind::F1KeyDown;
    if (message.wParam == VK_F1 && message.message == WM_KEYUP) return HelpRequestKind::F1KeyUp;
    return HelpRequestKind::OtherMessage;
}

}  // namespace

CFrameApplication* MainFrame() {
    const CApplicationBase* application = CApplicationBase::Current();
    return application != nullptr ? dynamic_cast<CFrameApplication*>(application->MainWindow()) : nullptr;
}

CFrameApplication::CFrameApplication(DocumentListModel& model)
    : model_(model), title_(TitleText()), filter_(*this), files_(model, *this), openAddress_(&OpenWithShell) {}

bool CFrameApplication::Stored(Setting setting) { return SettingsStore().ReadFlag(setting); }

int CFrameApplication::CurrentColorScheme() const {
    return EffectiveColorScheme(SettingsStore().ReadNumber(Setting::ViewInterfaceColors), theme_.IsThemed());
}

// The handlers are gone once this body has run: the window goes first.
CFrameApplication::~CFrameApplication() { Destroy(); }

const MessageMap& CFrameApplication::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_CREATE, &CFrameApplication::OnCreate>(),
        route::Message<WM_DESTROY, &CFrameApplication::OnDestroy>(),
        route::Message<WM_SIZE, &CFrameApplication::OnSize>(),
        route::Message<WM_TIMER, &CFrameApplication::OnTimer>(),
        route::Message<WM_WINDOWPOSCHANGED, &CFrameApplication::OnWindowPosChanged>(),
        route::Message<WM_SYSCOMMAND, &CFrameApplication::OnSysCommand>(),
        route::Message<WM_CLOSE, &CFrameApplication::OnClose>(),
        route::Message<WM_ENDSESSION, &CFrameApplication::OnEndSession>(),
        route::Message<WM_SETFOCUS, &CFrameApplication::OnSetFocus>(),
        route::Message<WM_HOTKEY, &CFrameApplication::OnHotKey>(),
        route::Message<WM_MEASUREITEM, &CFrameApplication::OnMeasureItem>(),
        route::Message<WM_DRAWITEM, &CFrameApplication::OnDrawItem>(),
        route::Message<WM_MENUCHAR, &CFrameApplication::OnMenuChar>(),
        route::Message<WM_RECENT_CHANGED, &CFrameApplication::OnRecentChanged>(),
        route::Message<WM_FILE_STATUSES, &CFrameApplication::OnFileStatuses>(),
        route::Message<WM_TRAY_NOTIFY, &CFrameApplication::OnTrayNotify>(),
        route::Message<WM_SHOW_HELP_TOPIC, &CFrameApplication::OnShowHelpTopic>(),
        route::Message<WM_CONTEXTMENU, &CFrameApplication::OnContextMenu>(),
        route::Message<WM_DPICHANGED, &CFrameApplication::OnDpiChanged>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<ID_FILE_EXIT, &CFrameApplication::OnExit>(),
        route::Command<ID_FILE_HIDE, &CFrameApplication::OnHide>(),
        route::Command<ID_TRAY_OPEN, &CFrameApplication::OnTrayOpen>(),
        route::Command<ID_SERVICE_OPTIONS, &CFrameApplication::OnOptions>(),
        route::Command<ID_VIEW_TYPES_ALL, &CFrameApplication::OnToggleTypesAll>(),
        route::Command<ID_VIEW_DUPLICATES, &CFrameApplication::OnToggleDuplicates>(),
        route::Command<ID_VIEW_DELETED, &CFrameApplication::OnToggleDeleted>(),
        route::Command<ID_VIEW_TAB_TEXT, &CFrameApplication::OnToggleTabText>(),
        route::Command<ID_VIEW_FILTER, &CFrameApplication::OnToggleFilterPane>(),
        route::Command<ID_VIEW_STATUSBAR, &CFrameApplication::OnToggleStatusBar>(),
        route::Command<ID_VIEW_TOOLBAR, &CFrameApplication::OnToggleToolBar>(),
        route::Command<ID_VIEW_LARGE_ICONS, &CFrameApplication::OnToggleLargeIcons>(),
        route::CommandRange<ID_VIEW_COLORS_ORIGINAL, ID_VIEW_COLORS_CLASSIC, &CFrameApplication::OnColorScheme>(),
        route::Command<ID_VIEW_SWITCH_FILTER, &CFrameApplication::OnSwitchToFilter>(),
        route::Command<ID_VIEW_SWITCH_LIST, &CFrameApplication::OnSwitchToList>(),
        route::CommandRange<ID_SORT_NAME, ID_SORT_FOLDER, &CFrameApplication::OnSortBy>(),
    };
    // Exactly the commands that have a rule, so that the application decides about the others.
    static constexpr UpdateEntry kUpdates[] = {
        route::Update<ID_FILE_OPEN, &CFrameApplication::UpdateByRule>(),
        route::Update<ID_FILE_PRINT, &CFrameApplication::UpdateByRule>(),
        route::Update<ID_FILE_SAVE_LIST, &CFrameApplication::UpdateByRule>(),
        route::UpdateRange<ID_FILE_DELETE, ID_FILE_EXPLORE, &CFrameApplication::UpdateByRule>(),
        route::Update<ID_VIEW_DELETED, &CFrameApplication::UpdateByRule>(),
        route::UpdateRange<ID_VIEW_TYPES_ALL, ID_VIEW_FILTER, &CFrameApplication::UpdateByRule>(),
        route::UpdateRange<ID_SORT_NAME, ID_SORT_FOLDER, &CFrameApplication::UpdateByRule>(),
        route::UpdateRange<ID_VIEW_COLORS_ORIGINAL, ID_FILE_MOVE, &CFrameApplication::UpdateByRule>(),
        route::Update<ID_VIEW_SWITCH_FILTER, &CFrameApplication::UpdateByRule>(),
        route::UpdateRange<ID_VIEW_SWITCH_LIST, ID_VIEW_TAB_TEXT, &CFrameApplication::UpdateByRule>(),
        route::Update<ID_FILE_INFO, &CFrameApplication::UpdateByRule>(),
        route::Update<ID_VIEW_DUPLICATES, &CFrameApplication::UpdateByRule>(),
        route::UpdateRange<ID_POPUP_OPEN, ID_POPUP_DELETE, &CFrameApplication::UpdateByRule>(),
        route::Update<ID_POPUP_INFO, &CFrameApplication::UpdateByRule>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands, .updates = kUpdates};
    return kMap;
}

bool CFrameApplication::CreateFrame() {
    // A class of its own, without class style, cursor, background or icon: the children cover
    // the client area and the frame sets its icons itself.
    if (!RegisterWindowClass({.name = kWindowClass})) return false;
    if (!Create({.className = kWindowClass, .title = title_, .style = WS_OVERLAPPEDWINDOW, .exStyle = 0})) {
        return false;
    }
    UseAccelerators(::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    return true;
}

LRESULT CFrameApplication::OnCreate(const CreateArgs&) {
    creating_ = true;
    // A long history takes longer to read than the window to make.
    files_.StartReadingHistory();
    dpi_ = DpiOfWindow(hwnd());
    LoadFrameIcons(dpi_);
    ::SetMenu(hwnd(), nullptr);  // the owner-drawn main menu comes with the language

    StartStatusWorker();
    if (!CreateStatusBar()) return -1;
    if (!files_.CreatePane(hwnd())) return -1;
    ::ShowWindow(files_.hwnd(), SW_SHOWNORMAL);
    if (CFilesListCtrl* list = files_.ListControl()) list->SetSelectionChangedHandler([this] { selectionStale_ = true; });
    if (!filter_.Create(hwnd())) return -1;
    // 120 dialog units of the system font; where the pane's own font makes its controls wider
    // (as under Wine), the pane keeps the width its template asks for, so nothing is cut off.
    filterPaneWidth_ = std::max(DialogUnitsToPixels(kFilterPaneWidthDu, true), WindowWidth(filter_.hwnd()));
    filter_.InitialiseFromSettings();
    if (!CreatePopup()) return -1;

    CreateToolBar(Stored(Setting::ViewLarge));
    if (!ApplyLanguage(true)) return -1;

    ShowToolBar(Stored(Setting::ViewToolbar));
    ShowStatusBar(Stored(Setting::ViewStatusbar));
    files_.SetTextLabels(Stored(Setting::ViewTabText));
    ShowFilterPane(Stored(Setting::ViewFilter));
    ApplyColorScheme(CurrentColorScheme());

    RegisterHotKeys();
    AddTrayIcon();
    creating_ = false;
    RebuildView();
    UpdateCaptionAndStatus();
    return 0;
}

void CFrameApplication::OnDestroy() {
    ::KillTimer(hwnd(), kStatusTimer);
    ::KillTimer(hwnd(), kTrayRetryTimer);
    statusWorker_.reset();
    // An icon left behind would point the shell at a window that is gone.
    tray_.Remove();
    ::UnregisterHotKey(hwnd(), kShowMainHotKey);
    ::UnregisterHotKey(hwnd(), kShowPopupHotKey);
    // The window would destroy its menu with itself; the menu object owns it.
    ::SetMenu(hwnd(), nullptr);
    SetStateToolbar(nullptr);
}

void CFrameApplication::RegisterHotKeys() {
    const SettingsStore store;
    // At start-up a key taken by another program, or no key at all, leaves the command to the
    // tray and the menus; the Options dialog reports a refused key when the user chooses it.
    RegisterShowHotKey(kShowMainHotKey, store.ReadNumber(Setting::ShowMainVKey), store.ReadNumber(Setting::ShowMainMod));
    RegisterShowHotKey(kShowPopupHotKey, store.ReadNumber(Setting::ShowTipVKey), store.ReadNumber(Setting::ShowTipMod));
}

bool CFrameApplication::RegisterShowHotKey(int id, unsigned keyCode, unsigned controlModifiers) {
    if (!IsAlive()) return false;
    ::UnregisterHotKey(hwnd(), id);
    const UINT code = keyCode & 0xFFFF;
    if (code == 0) return true;
    return ::RegisterHotKey(hwnd(), id, ToRegisterModifiers(controlModifiers), code) != FALSE;
}

void CFrameApplication::LayoutPanes() {
    if (!IsAlive()) return;
    // The bars place themselves along their edges first.
    if (::IsWindow(statusBar_)) ::SendMessageA(statusBar_, WM_SIZE, 0, 0);
    if (toolBar_) toolBar_->AutoSize();

    RECT rest{};
    ::GetClientRect(hwnd(), &rest);
    // The stored settings decide, not whether the bars are visible at this moment.
    if (toolBar_ && toolBar_->IsAlive() && Stored(Setting::ViewToolbar)) rest.top += WindowHeight(toolBar_->hwnd());
    if (::IsWindow(statusBar_) && Stored(Setting::ViewStatusbar)) rest.bottom -= WindowHeight(statusBar_);
    const int height = std::max(0, static_cast<int>(rest.bottom - rest.top));
    if (filter_.IsAlive() && Stored(Setting::ViewFilter)) {
        ::MoveWindow(filter_.hwnd(), rest.left, rest.top, filterPaneWidth_, height, TRUE);
        rest.left += WindowWidth(filter_.hwnd());
    }
    if (files_.IsAlive()) {
        const int width = std::max(0, static_cast<int>(rest.right - rest.left));
        ::MoveWindow(files_.hwnd(), rest.left, rest.top, width, height, TRUE);
        RECT client{};
        ::GetClientRect(files_.hwnd(), &client);
        ::SendMessageA(files_.hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
}

void CFrameApplication::OnSize(const SizeArgs& args) {
    if (args.type != SIZE_MINIMIZED) LayoutPanes();
}

void CFrameApplication::OnTimer(const TimerArgs& args) {
    if (args.id == kStatusTimer) OnStatusTick();
    if (args.id == kTrayRetryTimer) RetryTrayIcon();
}

// The status bar follows the list only while somebody can see it: a hidden window runs no
// timer, and is brought up to date the moment it is shown.
LRESULT CFrameApplication::OnWindowPosChanged(const RawMessageArgs<WM_WINDOWPOSCHANGED>& args) {
    const auto& position = *reinterpret_cast<const WINDOWPOS*>(args.lParam);
    if (position.flags & SWP_SHOWWINDOW) {
        // Files may have come and gone while nobody looked: what is shown is checked again.
        model_.DoubtFileStatus();
        ticksSinceDoubt_ = 0;
        if (viewStale_) RebuildView();
        UpdateCaptionAndStatus();
        ::SetTimer(hwnd(), kStatusTimer, kStatusPeriodMs, nullptr);
    } else if (position.flags & SWP_HIDEWINDOW) {
        ::KillTimer(hwnd(), kStatusTimer);
    }
    return ::DefWindowProcA(hwnd(), WM_WINDOWPOSCHANGED, args.wParam, args.lParam);
}

// Minimising and the close box only hide the window: the program lives on in the notification
// area, and no button is left on the task bar.
LRESULT CFrameApplication::OnSysCommand(const RawMessageArgs<WM_SYSCOMMAND>& args) {
    const UINT command = static_cast<UINT>(args.wParam) & 0xFFF0;
    if (command == SC_MINIMIZE || command == SC_CLOSE) {
        ::ShowWindow(hwnd(), SW_HIDE);
        // Tells where the program went, until the user ticks "Do not show this message again".
        ShowTrayNote(hwnd());
        return 0;
    }
    return ::DefWindowProcA(hwnd(), WM_SYSCOMMAND, args.wParam, args.lParam);
}

// A close request from elsewhere (another program, a task manager) hides the window as the
// close box does: only Exit ends the program.
void CFrameApplication::OnClose() { ::ShowWindow(hwnd(), SW_HIDE); }

// The session ends: keep what Exit would keep, and stop the watcher properly.
LRESULT CFrameApplication::OnEndSession(const RawMessageArgs<WM_ENDSESSION>& args) {
    if (args.wParam != 0) SaveStateAndClose();
    return 0;
}

void CFrameApplication::OnSetFocus() {
    if (CFilesListCtrl* list = ListControl()) ::SetFocus(list->hwnd());
}

bool CFrameApplication::AcceptsUserRequests() const {
    return IsAlive() && ::IsWindowEnabled(hwnd()) && !IsPasswordPromptOpen();
}

void CFrameApplication::OnHotKey(const HotKeyArgs& args) {
    if (!AcceptsUserRequests()) return;
    if (args.id == kShowMainHotKey) ShowMainWindow();
    if (args.id == kShowPopupHotKey) ShowRecentPopup();
}

LRESULT CFrameApplication::OnMeasureItem(const MeasureItemArgs& args) {
    if (args.item.CtlType == ODT_MENU && OwnerDrawMenu::MeasureAnyItem(&args.item)) return TRUE;
    return ::DefWindowProcA(hwnd(), WM_MEASUREITEM, args.control, reinterpret_cast<LPARAM>(&args.item));
}

LRESULT CFrameApplication::OnDrawItem(const DrawItemArgs& args) {
    if (args.item.CtlType == ODT_MENU && OwnerDrawMenu::DrawAnyItem(&args.item)) return TRUE;
    return FALSE;
}

// Owner-drawn items carry no text the system could search for their mnemonics.
LRESULT CFrameApplication::OnMenuChar(const RawMessageArgs<WM_MENUCHAR>& args) {
    const LRESULT answer = OwnerDrawMenu::MenuChar(reinterpret_cast<HMENU>(args.lParam), static_cast<char>(LOWORD(args.wParam)));
    return answer != 0 ? answer : ::DefWindowProcA(hwnd(), WM_MENUCHAR, args.wParam, args.lParam);
}

// Every recorded opening asks for the view to follow; one scan can record many (a burst of
// openings), and the shell drops older shortcuts while a slow scan runs. So the scan runs first
// and the view follows once after it.
void CFrameApplication::OnRecentChanged() {
    CFilesListCtrl* list = ListControl();
    if (list == nullptr || scanning_) return;
    scanning_ = true;
    rebuildAfterScan_ = false;
    extendAfterScan_ = false;
    list->ScanRecentFolder();
    scanning_ = false;
    if (rebuildAfterScan_) {
        RebuildView();
    } else if (extendAfterScan_) {
        ExtendView();
    }
}

LRESULT CFrameApplication::OnShowHelpTopic(const RawMessageArgs<WM_SHOW_HELP_TOPIC>& args) {
    const char* topic = reinterpret_cast<const char*>(args.wParam);
    const std::string_view name = topic != nullptr ? topic : "";
    if (!HelpRequestOpensPage(name, KindOfHelpRequest(args.lParam))) return 0;
    const std::string address = HelpTopicAddress(CurrentLanguage().ProductWebAddress(), name);
    return OpenAddress(address) ? 1 : 0;
}

bool CFrameApplication::PreTranslateMessage(MSG& message) {
    // The tips of the tool bar live in a tooltip control of their own, which learns of the
    // mouse only from here.
    if (toolTips_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
        ::SendMessageA(toolTips_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
    }
    return false;
}

void CFrameApplication::ShowMainWindow() {
    if (!IsAlive()) return;
    ::ShowWindow(hwnd(), ::IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    ::UpdateWindow(hwnd());
    ::SetForegroundWindow(hwnd());
}

void CFrameApplication::OnExit() {
    if (AcceptsUserRequests()) SaveStateAndClose();
}
void CFrameApplication::OnHide() { ::ShowWindow(hwnd(), SW_HIDE); }

void CFrameApplication::SaveStateAndClose() {
    if (!IsAlive()) return;
    ::KillTimer(hwnd(), kStatusTimer);
    SaveWindowPlacement(hwnd());
    // Only a cache: the next start reads the history itself when it could not be written.
    model_.SaveHistoryCache();
    if (CFilesListCtrl* list = ListControl()) {
        const SettingsStore store;
        for (int column = 0; column < kColumnCount; ++column) {
            // A column dragged shut is stored at the least width, so it can be found again.
            const int width = ClampColumnWidth(list->ColumnWidth(column));
            store.WriteNumber(ColumnWidthSetting(column), static_cast<std::uint32_t>(width));
        }
    }
    ::SetMenu(hwnd(), nullptr);
    mainMenu_.Disable();
    DestroyToolBar();
    tray_.Remove();
    HideRecentPopup();
    popup_.reset();
    Destroy();
}
