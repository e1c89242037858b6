// HistoryComboBox: the stored list in and out, and completion while the user types.
//
// Completion runs on the edit field's EN_UPDATE, which the combo box receives from its own child
// before it tells its parent (CBN_EDITUPDATE): so it works inside any parent window.
#include "ui/history_combo_box.h"

#include "framework/window_text.h"
#include "settings/registry_list.h"
#include "settings/settings_store.h"
#include "ui/history_rules.h"
#include "ui/window_utils.h"


HistoryComboBox::~HistoryComboBox() {
    if (IsAlive()) SaveList();
}

const MessageMap& HistoryComboBox::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_COMMAND, &HistoryComboBox::OnCommand>(),
        route::Message<WM_DESTROY, &HistoryComboBox::OnDestroy>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages};
    return kMap;
}

bool HistoryComboBox::Init(std::string listName, std::size_t maximum, std::size_t limit) {
    const auto style = ::GetWindowLongPtrA(hwnd(), GWL_STYLE);
    const bool dropDown = (style & 0x3) == CBS_DROPDOWN;
    if (!IsComboBox(hwnd()) || !dropDown || listName.empty() || maximum == 0 || limit == 0 || !listName_.empty()) {
        return false;
    }
    listName_ = std::move(listName);
    maximum_ = maximum;
    limit_ = limit;
    // Pasted text is cut at the limit too, not only typed text.
    ::SendMessageA(hwnd(), CB_LIMITTEXT, limit, 0);

    const RegistryKey branch = SettingsStore().OpenBranch();
    std::vector<std::string> stored;
    if (!branch || !ReadList(branch.get(), listName_, stored)) return false;
    for (const std::string& entry : HistoryFromStored(stored, maximum_, limit_)) {
        ::SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    return true;
}

std::vector<std::string> HistoryComboBox::Entries() const {
    std::vector<std::string> entries;
    const auto count = ::SendMessageA(hwnd(), CB_GETCOUNT, 0, 0);
    for (WPARAM index = 0; count != CB_ERR && index < static_cast<WPARAM>(count); ++index) {
        const auto length = ::SendMessageA(hwnd(), CB_GETLBTEXTLEN, index, 0);
        if (length == CB_ERR) continue;
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        const auto copied = ::SendMessageA(hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
        entries.push_back(std::move(text));
    }
    return entries;
}

// Keys decide on completion only when they go down: the first parameter of other messages is
// no key code (a typed "." arrives as character 46, the code of the Delete key).
bool HistoryComboBox::PreTranslateMessage(MSG& message) {
    if (message.message == WM_KEYDOWN) complete_ = CompletesAfterKeyDown(static_cast<unsigned>(message.wParam));
    return message.message == WM_CHAR && RefusesCharacter(static_cast<unsigned>(message.wParam));
}

bool HistoryComboBox::RefusesCharacter(unsigned character) const {
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(hwnd(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return RefusesTypedCharacter(character, EditLength(WindowText(hwnd())), start != end, limit_);
}

LRESULT HistoryComboBox::OnCommand(const PassedOnArgs<WM_COMMAND>& args) {
    const LRESULT result = DefaultProcedure(WM_COMMAND, args.wParam, args.lParam);
    if (HIWORD(args.wParam) == EN_UPDATE) Complete();
    return result;
}

void HistoryComboBox::Complete() {
    if (!complete_ || completing_) return;
    const std::string typed = WindowText(hwnd());
    const auto index = CompletionIndex(Entries(), typed);
    if (!index) return;
    // Selecting the entry replaces the edit text, which reports an update of its own.
    completing_ = true;
    ::SendMessageA(hwnd(), CB_SETCURSEL, *index, 0);
    ::SendMessageA(hwnd(), CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(EditLength(typed)), 0xFFFF));
    completing_ = false;
}

LRESULT HistoryComboBox::OnDestroy(const PassedOnArgs<WM_DESTROY>& args) {
    // The edit field and the list still exist until the default handling has run.
    SaveList();
    return DefaultProcedure(WM_DESTROY, args.wParam, args.lParam);
}

void HistoryComboBox::SaveList() const {
    if (listName_.empty()) return;
    const RegistryKey branch = SettingsStore().OpenBranch();
    if (branch) WriteList(branch.get(), listName_, HistoryWithRecent(Entries(), WindowText(hwnd()), maximum_, limit_));
}
