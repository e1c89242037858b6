// The document list's context menu: the File menu's document commands, enabled by the same
// rules as the main menu, drawn in the current colour scheme and sent to the main window.
#include "app/frame_application.h"

#include "app/command_rules.h"
#include "framework/display_dpi.h"
#include "resource.h"
#include "ui/owner_draw_menu.h"

namespace {

// The File menu's last three entries (separator, Hide, Exit) are not document commands.
constexpr int kEntriesNotForDocuments = 3;

struct CommandIcon {
    unsigned command;
    int icon;
};
constexpr CommandIcon kIcons[] = {
    {ID_FILE_OPEN, IDI_OPEN},      {ID_FILE_EXPLORE, IDI_EXPLORE},     {ID_FILE_INFO, IDI_INFO},
    {ID_FILE_COPY, IDI_COPY},      {ID_FILE_MOVE, IDI_MOVE},           {ID_FILE_PRINT, IDI_PRINT},
    {ID_FILE_DELETE, IDI_DELETE},  {ID_FILE_SAVE_LIST, IDI_SAVE_LIST}, {ID_FILE_CLEAR_LIST, IDI_CLEAR_LIST},
};

}  // namespace

void CFrameApplication::SetDocumentMenuStates(HMENU menu) {
    for (const CommandIcon& entry : kIcons) {
        bool enabled = true;  // Save List and Clear List: always, from here
        if (entry.command != ID_FILE_SAVE_LIST && entry.command != ID_FILE_CLEAR_LIST) {
            const std::optional<CommandRule> rule = RuleFor(entry.command, Snapshot(entry.command));
            enabled = !rule || !rule->enabled || *rule->enabled;
        }
        ::EnableMenuItem(menu, entry.command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

void CFrameApplication::OnContextMenu(const ContextMenuArgs& args) {
    CFilesListCtrl* list = ListControl();
    if (list == nullptr || args.window != list->hwnd()) return;

    // Loaded afresh each time and not translated: the texts stored in the menu resource.
    UniqueMenu loaded(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    if (!loaded) return;
    const HMENU file = ::GetSubMenu(loaded.get(), 0);
    if (file == nullptr || !::RemoveMenu(loaded.get(), 0, MF_BYPOSITION)) return;
    OwnerDrawMenu menu;
    menu.Attach(file);
    for (int i = 0; i < kEntriesNotForDocuments; ++i) ::DeleteMenu(file, ::GetMenuItemCount(file) - 1, MF_BYPOSITION);

    SetDocumentMenuStates(file);
    menu.SetDpi(DpiOfWindow(hwnd()));
    if (menu.Enable()) {
        for (const CommandIcon& entry : kIcons) menu.AddImage(static_cast<int>(entry.command), entry.icon);
        menu.SetScheme(CurrentColorScheme());
    }

    POINT at = args.point;
    if (args.FromKeyboard()) {
        RECT rect;
        ::GetWindowRect(list->hwnd(), &rect);
        at = {rect.left + 5, rect.top + 5};
    }
    ::SetForegroundWindow(hwnd());
    ::TrackPopupMenu(file, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
    ::PostMessageA(hwnd(), WM_NULL, 0, 0);
    menu.Disable();
}
