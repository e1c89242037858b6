// The main window's bars and menus: status bar texts, the tool bar, the translated owner-drawn
// menus and the colour scheme they share.
#include "app/frame_application.h"

#include <commctrl.h>

#include <array>
#include <iterator>

#include "app/frame_texts.h"
#include "settings/settings_store.h"
#include "framework/display_dpi.h"
#include "framework/selected_object.h"
#include "framework/window_text.h"
#include "language/message_table.h"
#include "language/language_keys.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "tracking/document_list_model.h"

namespace {

// The tool bar resource type of window frameworks; windres writes it for TOOLBAR statements.
const char* const kToolBarResourceType = MAKEINTRESOURCEA(241);

struct CommandIcon {
    unsigned command;
    int icon;
};

// The icon beside each command, in tool bar order (so the tool bar takes the icons in this order).
constexpr CommandIcon kMainMenuIcons[] = {
    {ID_FILE_OPEN, IDI_OPEN},           {ID_FILE_EXPLORE, IDI_EXPLORE},   {ID_FILE_INFO, IDI_INFO},
    {ID_FILE_COPY, IDI_COPY},           {ID_FILE_MOVE, IDI_MOVE},         {ID_FILE_PRINT, IDI_PRINT},
    {ID_FILE_DELETE, IDI_DELETE},       {ID_FILE_SAVE_LIST, IDI_SAVE_LIST}, {ID_FILE_CLEAR_LIST, IDI_CLEAR_LIST},
    {ID_SERVICE_PASSWORD, IDI_PASSWORD}, {ID_SERVICE_OPTIONS, IDI_OPTIONS}, {ID_HELP_CONTENTS, IDI_HELP_CONTENTS},
    {ID_HELP_PRODUCTS, IDI_PRODUCTS},   {ID_HELP_WEB_SITE, IDI_WEB_SITE},
};
constexpr CommandIcon kTrayMenuIcons[] = {
    {ID_SERVICE_PASSWORD, IDI_PASSWORD},
    {ID_SERVICE_OPTIONS, IDI_OPTIONS},
    {ID_HELP_CONTENTS, IDI_HELP_CONTENTS},
    {ID_HELP_WEB_SITE, IDI_WEB_SITE},
};

// The strip of button pictures drawn at `size` pixels; 0 when none is (the icons alone are drawn
// then, scaled from the frame nearest above).
int ToolBarStrip(int size) {
    switch (size) {
        case 16: return IDR_MAINFRAME;
        case 24: return IDR_TOOLBAR_LARGE;
        case 32: return IDB_TOOLBAR_32;
        case 48: return IDB_TOOLBAR_48;
        default: return 0;
    }
}

std::vector<ToolBarButton> ToolBarButtons(int resourceId) {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    const HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), kToolBarResourceType);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(instance, found) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    ToolBarResource resource;
    if (data == nullptr ||
        !ParseToolBarResource({static_cast<const std::uint8_t*>(data), ::SizeofResource(instance, found)}, resource)) {
        return {};
    }
    std::vector<ToolBarButton> buttons;
    int image = 0;
    for (const unsigned command : resource.commands) {
        ToolBarButton button;
        button.command = command;
        if (command != 0) button.image = image++;
        buttons.push_back(button);
    }
    return buttons;
}

// Shown with its ampersands as they are, not as mnemonics.
std::string MenuLiteral(std::string_view text) {
    std::string literal;
    for (const char c : text) {
        literal += c;
        if (c == '&') literal += '&';
    }
    return literal;
}

// The last item of the menu bar becomes the maker's web address, at the right end.
void MakeWebAddressItem(HMENU menu, const std::string& address) {
    std::string text = MenuLiteral(address);
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STRING;
    item.fType = MFT_STRING | MFT_RIGHTJUSTIFY;
    item.dwTypeData = text.data();
    ::SetMenuItemInfoA(menu, ID_MAKER_WEB_ADDRESS, FALSE, &item);
}

void AddMenuIcons(OwnerDrawMenu& menu, std::span<const CommandIcon> icons) {
    for (const CommandIcon& entry : icons) menu.AddImage(static_cast<int>(entry.command), entry.icon);
}

}  // namespace

bool CFrameApplication::CreateStatusBar() {
    statusBar_ = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd(),
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_STATUS_BAR)),
                                   ::GetModuleHandleA(nullptr), nullptr);
    if (statusBar_ == nullptr) return false;
    int edges[kStatusPanes] = {0, 0, 0, -1};
    ::SendMessageA(statusBar_, SB_SETPARTS, kStatusPanes, reinterpret_cast<LPARAM>(edges));
    return true;
}

bool CFrameApplication::CreateToolBar(bool large) {
    SettingsStore().WriteNumber(Setting::ViewLarge, large ? 1 : 0);
    DestroyToolBar();

    const int resourceId = large ? IDR_TOOLBAR_LARGE : IDR_MAINFRAME;
    const std::vector<ToolBarButton> buttons = ToolBarButtons(resourceId);
    auto bar = std::make_unique<IconToolBar>();
    if (buttons.empty() || !bar->Create(hwnd(), IDC_TOOLBAR, buttons)) {
        if (bar->IsAlive()) ::DestroyWindow(bar->hwnd());
        LayoutPanes();
        return false;
    }
    toolBar_ = std::move(bar);
    CurrentLanguage().TranslateToolBar(false, toolBar_->hwnd(), toolTips_, IDR_MAINFRAME);
    const int iconSize = ScaleForWindow(hwnd(), large ? 24 : 16);
    toolBar_->SetIconSize(iconSize, ToolBarStrip(iconSize));
    for (const CommandIcon& entry : kMainMenuIcons) toolBar_->AddIcon(entry.icon);
    toolBar_->SetScheme(CurrentColorScheme());
    ::ShowWindow(toolBar_->hwnd(), Stored(Setting::ViewToolbar) ? SW_SHOWNORMAL : SW_HIDE);
    SetStateToolbar(toolBar_->hwnd());
    LayoutPanes();
    ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    return true;
}

void CFrameApplication::DestroyToolBar() {
    SetStateToolbar(nullptr);
    toolTips_.reset();
    if (toolBar_ && toolBar_->IsAlive()) ::DestroyWindow(toolBar_->hwnd());
    toolBar_.reset();
}

bool CFrameApplication::ApplyLanguage(bool startup) {
    const std::string name = UsableLanguageName(SettingsStore().ReadText(Setting::Lang));
    UiLanguage& language = CurrentLanguage();
    language.SetLanguage(name);
    statusWords_ = {MessageText(kMsgFilter), MessageText(kMsgType),  MessageText(kMsgDate),     MessageText(kMsgNone),
                    MessageText(kMsgTotal),  MessageText(kMsgSelected), MessageText(kMsgHelp), MessageText(kMsgChecking)};

    if (filter_.IsAlive()) language.TranslateWindow(startup, false, filter_.hwnd(), IDD_FILTER_PANE);
    if (toolBar_ && toolBar_->IsAlive()) language.TranslateToolBar(startup, toolBar_->hwnd(), toolTips_, IDR_MAINFRAME);
    if (!LoadMainMenu(startup)) return false;
    LoadTrayMenu(startup);
    ApplyColorScheme(CurrentColorScheme());
    return true;
}

// Translated and given its web address before it becomes owner-drawn: the owner-drawn items
// keep the texts they had then.
bool CFrameApplication::LoadMainMenu(bool startup) {
    UniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    if (!menu) return false;
    const UiLanguage& language = CurrentLanguage();
    language.TranslateMenu(startup, menu.get(), IDR_MAINFRAME);
    MakeWebAddressItem(menu.get(), language.MakerWebAddress());

    ::SetMenu(hwnd(), nullptr);
    mainMenu_.Attach(menu.release());
    mainMenu_.SetDpi(DpiOfWindow(hwnd()));
    mainMenu_.Enable();
    AddMenuIcons(mainMenu_, kMainMenuIcons);
    ::SetMenu(hwnd(), mainMenu_.Handle());
    ::DrawMenuBar(hwnd());
    return true;
}

bool CFrameApplication::LoadTrayMenu(bool startup) {
    if (!trayMenu_.Load(IDR_TRAY_MENU)) return false;
    CurrentLanguage().TranslateMenu(startup, trayMenu_.Handle(), IDR_TRAY_MENU);
    trayMenu_.SetDpi(DpiOfWindow(hwnd()));
    trayMenu_.Enable();
    AddMenuIcons(trayMenu_, kTrayMenuIcons);
    return true;
}

void CFrameApplication::ApplyColorScheme(int scheme) {
    SettingsStore().WriteNumber(Setting::ViewInterfaceColors, static_cast<std::uint32_t>(scheme));
    if (toolBar_) toolBar_->SetScheme(scheme);
    if (RecentPopup* popup = Popup()) popup->SetColorScheme(scheme);
    filter_.ApplyColorScheme(scheme);
    mainMenu_.SetScheme(scheme);
    trayMenu_.SetScheme(scheme);
    if (files_.IsAlive()) ::RedrawWindow(files_.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (IsAlive()) ::DrawMenuBar(hwnd());
}

std::string CFrameApplication::SelectedTabTypeName() const {
    if (!files_.IsAlive()) return {};
    const int tab = files_.SelectedTab();
    if (tab >= files_.TabCount()) return {};
    return files_.TabTypeName(tab);
}

void CFrameApplication::UpdateCaptionAndStatus() {
    if (!IsAlive()) return;
    const bool typesAll = Stored(Setting::ViewTypesAll);
    const std::string caption = CaptionText(title_, SelectedTabTypeName(), typesAll);
    if (WindowText(hwnd()) != caption) ::SetWindowTextA(hwnd(), caption.c_str());
    if (!::IsWindow(statusBar_)) return;

    const StatusWords& words = statusWords_;
    // Missing documents count only in the view that lists them; duplicates of a path once.
    const SelectionFacts& selection = Selection();
    const int selected = Stored(Setting::ViewDeleted) ? selection.documents : selection.existing;
    SetStatusText(0, FilterPaneText(words, filter_.DateFilterActive(), typesAll), true);
    SetStatusText(1, CountPaneText(words.total, files_.IsAlive() ? files_.RowCount() : 0), true);
    SetStatusText(2, CountPaneText(words.selected, selected), true);
    SetStatusText(3, HelpPaneText(words, model_.StatusesOutstanding()), false);
}

// Setting a status text repaints its pane: an unchanged text is left alone, so the 100 ms tick
// does not flicker.
void CFrameApplication::SetStatusText(int pane, const std::string& text, bool fitWidth) {
    if (statusTexts_[pane] == text) return;
    statusTexts_[pane] = text;
    if (fitWidth) {
        statusWidths_[pane] = StatusTextWidth(text);
        std::array<int, kStatusPanes> edges{};
        int right = 0;
        for (int index = 0; index < kStatusPanes - 1; ++index) edges[index] = right += statusWidths_[index];
        edges[kStatusPanes - 1] = -1;  // the help pane stretches to the end
        ::SendMessageA(statusBar_, SB_SETPARTS, kStatusPanes, reinterpret_cast<LPARAM>(edges.data()));
    }
    ::SendMessageA(statusBar_, SB_SETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.c_str()));
}

// The text's width in the status bar's own font, plus the pane's borders.
int CFrameApplication::StatusTextWidth(const std::string& text) const {
    const HDC dc = ::GetDC(statusBar_);
    if (dc == nullptr) return 0;
    SIZE size{};
    {
        const SelectedObject font(dc, reinterpret_cast<HFONT>(::SendMessageA(statusBar_, WM_GETFONT, 0, 0)));
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    ::ReleaseDC(statusBar_, dc);
    int borders[3] = {};
    ::SendMessageA(statusBar_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return size.cx + 2 * borders[0] + borders[2] + 2 * ::GetSystemMetrics(SM_CXEDGE);
}
