// The Options pages: settings into the controls, and back into the settings on OK.
#include "app/options_pages.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/tray_rules.h"
#include "framework/message_box.h"
#include "framework/win_handles.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "settings/settings_store.h"

namespace {

constexpr int kMinDays = 1;
constexpr int kMaxDays = 365;
constexpr int kDefaultDays = 3;

std::uint32_t Number(Setting setting) { return SettingsStore().ReadNumber(setting); }
void Store(Setting setting, std::uint32_t value) { SettingsStore().WriteNumber(setting, value); }

// A page's own background; the system's brush is shared and never freed. The controls keep
// their default colours, so that where visual styles give the page the tab's texture the
// labels and boxes take it too instead of standing on grey patches.
HBRUSH ButtonFaceBrush(HDC dc) {
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

// The days the spin and its edit hold. The spin's own answer is used only when its error flag
// is clear: for a number out of range it answers with a bound or its old position, so the
// typed number is clamped here; an empty edit gives the default.
int DaysFromSpin(HWND spin, HWND edit) {
    BOOL failed = FALSE;
    const auto days = static_cast<int>(::SendMessageA(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (!failed && days >= kMinDays && days <= kMaxDays) return days;
    char text[16] = {};
    ::GetWindowTextA(edit, text, sizeof text);
    int typed = 0;
    bool digits = text[0] != '\0';
    for (const char* c = text; *c != '\0' && digits; ++c) {
        digits = *c >= '0' && *c <= '9';
        if (digits) typed = std::min(typed * 10 + (*c - '0'), 100000);
    }
    if (!digits) return kDefaultDays;
    return std::clamp(typed, kMinDays, kMaxDays);
}

}  // namespace

// ---- General ---------------------------------------------------------------------------------

CDialogOptMain::CDialogOptMain(const OptionsActions& actions) : CPropertyPage(IDD_OPT_GENERAL), actions_(actions) {}

const MessageMap& CDialogOptMain::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_HSCROLL, &CDialogOptMain::OnScroll>(),
        route::Message<WM_CTLCOLORDLG, &CDialogOptMain::OnColor>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_GENERAL_TRAY, &CDialogOptMain::OnTrayClicked>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands};
    return kMap;
}

bool CDialogOptMain::OnInitDialog() {
    const HWND track = Item(IDC_GENERAL_TRANSP);
    ::SendMessageA(track, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    ::SendMessageA(track, TBM_SETTICFREQ, 1, 0);
    ::SendMessageA(Item(IDC_GENERAL_DAYS), EM_LIMITTEXT, 3, 0);
    ::SendMessageA(Item(IDC_GENERAL_DAYS_SPIN), UDM_SETRANGE32, kMinDays, kMaxDays);
    ::SendMessageA(Item(IDC_GENERAL_DAYS_SPIN), UDM_SETPOS32, 0, kDefaultDays);
    return true;
}

void CDialogOptMain::Initialise() {
    const int opacity = static_cast<int>(std::min<std::uint32_t>(Number(Setting::TrayTransp), 100));
    ::SendMessageA(Item(IDC_GENERAL_TRANSP), TBM_SETPOS, TRUE, opacity);
    ShowTransparency(opacity);
    SetChecked(IDC_GENERAL_AUTOLOAD, Number(Setting::Autoload) != 0);
    SetChecked(IDC_GENERAL_MINIMIZED, Number(Setting::Minimized) != 0);
    SetChecked(IDC_GENERAL_TRAY_ANIM, Number(Setting::TrayAnim) != 0);
    SetChecked(IDC_GENERAL_TRAY, Number(Setting::Tray) != 0);
    ::SendMessageA(Item(IDC_GENERAL_DAYS_SPIN), UDM_SETPOS32, 0, static_cast<LPARAM>(Number(Setting::TipDays)));
    UpdateDependants();
}

void CDialogOptMain::UpdateDependants() {
    const bool tray = IsChecked(IDC_GENERAL_TRAY);
    ::EnableWindow(Item(IDC_GENERAL_TRAY_ANIM), tray);
    ::EnableWindow(Item(IDC_GENERAL_TRANSP), tray);
}

void CDialogOptMain::ShowTransparency(int opacity) {
    // The track bar is the opacity; the label names its complement, the transparency.
    SetItemText(IDC_GENERAL_TRANSP_VALUE, std::to_string(100 - opacity) + " %");
}

void CDialogOptMain::OnScroll(const ScrollArgs& args) {
    if (args.control != Item(IDC_GENERAL_TRANSP)) return;
    ShowTransparency(static_cast<int>(::SendMessageA(args.control, TBM_GETPOS, 0, 0)));
}

HBRUSH CDialogOptMain::OnColor(const ColorArgs& args) { return ButtonFaceBrush(args.dc); }

void CDialogOptMain::Apply() {
    bool autoload = IsChecked(IDC_GENERAL_AUTOLOAD);
    if (actions_.writeAutorun) {
        // A box left ticked over a Run entry that was never written would promise a start
        // that does not happen.
        if (actions_.writeAutorun(autoload) != ERROR_SUCCESS && autoload) {
            ShowError(hwnd(), MessageText(kMsgCannotWriteAutorun));
            autoload = false;
            SetChecked(IDC_GENERAL_AUTOLOAD, false);
        }
    }
    Store(Setting::Autoload, autoload ? 1 : 0);
    Store(Setting::Minimized, IsChecked(IDC_GENERAL_MINIMIZED) ? 1 : 0);
    Store(Setting::Tray, IsChecked(IDC_GENERAL_TRAY) ? 1 : 0);
    Store(Setting::TrayAnim, IsChecked(IDC_GENERAL_TRAY_ANIM) ? 1 : 0);
    Store(Setting::TrayTransp, static_cast<std::uint32_t>(::SendMessageA(Item(IDC_GENERAL_TRANSP), TBM_GETPOS, 0, 0)));
    Store(Setting::TipDays, static_cast<std::uint32_t>(DaysFromSpin(Item(IDC_GENERAL_DAYS_SPIN), Item(IDC_GENERAL_DAYS))));
}

// ---- Hot-Keys --------------------------------------------------------------------------------

namespace {

struct HotKeyRow {
    int control;
    Setting key;
    Setting modifiers;
    int hotKeyId;
    unsigned refusedMessage;
};
constexpr HotKeyRow kHotKeyRows[] = {
    {IDC_HOTKEYS_MAIN, Setting::ShowMainVKey, Setting::ShowMainMod, 0, kMsgMainHotKeyTaken},
    {IDC_HOTKEYS_TIP, Setting::ShowTipVKey, Setting::ShowTipMod, 1, kMsgPopupHotKeyTaken},
};

}  // namespace

CDialogOptHotKeys::CDialogOptHotKeys(const OptionsActions& actions) : CPropertyPage(IDD_OPT_HOTKEYS), actions_(actions) {}

const MessageMap& CDialogOptHotKeys::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_CTLCOLORDLG, &CDialogOptHotKeys::OnColor>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages};
    return kMap;
}

HBRUSH CDialogOptHotKeys::OnColor(const ColorArgs& args) { return ButtonFaceBrush(args.dc); }

void CDialogOptHotKeys::Initialise() {
    for (const HotKeyRow& row : kHotKeyRows) {
        const WORD value = MAKEWORD(Number(row.key) & 0xFF, Number(row.modifiers) & 0xFF);
        ::SendMessageA(Item(row.control), HKM_SETHOTKEY, value, 0);
    }
}

bool CDialogOptHotKeys::Validate() {
    for (const HotKeyRow& row : kHotKeyRows) {
        const auto value = static_cast<WORD>(::SendMessageA(Item(row.control), HKM_GETHOTKEY, 0, 0));
        if (IsAcceptableHotKey(LOBYTE(value), HIBYTE(value))) continue;
        ShowError(hwnd(), MessageText(kMsgHotKeyNeedsModifier));
        ::SetFocus(Item(row.control));
        return false;
    }
    return true;
}

void CDialogOptHotKeys::Apply() {
    for (const HotKeyRow& row : kHotKeyRows) {
        const auto value = static_cast<WORD>(::SendMessageA(Item(row.control), HKM_GETHOTKEY, 0, 0));
        const unsigned code = LOBYTE(value);
        const unsigned modifiers = code != 0 ? HIBYTE(value) : 0;
        Store(row.key, code);
        Store(row.modifiers, modifiers);
        if (actions_.registerHotKey && !actions_.registerHotKey(row.hotKeyId, code, modifiers)) {
            ShowError(hwnd(), MessageText(row.refusedMessage));
        }
    }
}

// ---- Language --------------------------------------------------------------------------------

namespace {

constexpr char kEnglish[] = "english";

// The titles of the language files in `folder`: files only, without ".lng", never empty.
std::vector<std::string> LanguageNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const UniqueFindHandle search(::FindFirstFileA((folder + "*.lng").c_str(), &found));
    if (!search) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        std::string name = found.cFileName;
        const size_t dot = name.rfind('.');
        if (dot != std::string::npos) name.erase(dot);
        if (!name.empty()) names.push_back(std::move(name));
    } while (::FindNextFileA(search.get(), &found));
    return names;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                                                    b.c_str(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

CDialogOptLang::CDialogOptLang(const OptionsActions& actions) : CPropertyPage(IDD_OPT_LANGUAGE), actions_(actions) {}

const MessageMap& CDialogOptLang::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_CTLCOLORDLG, &CDialogOptLang::OnColor>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_LANGUAGE_HOWTO, &CDialogOptLang::OnHowTo>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands};
    return kMap;
}

bool CDialogOptLang::OnInitDialog() {
    // Language names are file names, the same in every language.
    ExcludeFromTranslation(Item(IDC_LANGUAGE_LIST));
    howTo_.Subclass(Item(IDC_LANGUAGE_HOWTO));
    howTo_.SetColours(false, RGB(0, 0, 255), ::GetSysColor(COLOR_BTNFACE));
    return true;
}

HBRUSH CDialogOptLang::OnColor(const ColorArgs& args) { return ButtonFaceBrush(args.dc); }

void CDialogOptLang::OnHowTo() {
    if (actions_.showHelp) actions_.showHelp("trans.htm");
}

void CDialogOptLang::Initialise() {
    const HWND list = Item(IDC_LANGUAGE_LIST);
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    std::string folder = CurrentLanguage().ProgramFolder();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    for (const std::string& name : LanguageNames(folder)) {
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    stored_ = SettingsStore().ReadText(Setting::Lang);
    LRESULT index = stored_.empty() ? CB_ERR : ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                              reinterpret_cast<LPARAM>(stored_.c_str()));
    if (index == CB_ERR) {
        index = ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(kEnglish));
        if (index == CB_ERR) index = ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kEnglish));
    }
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const UiLanguage& language = CurrentLanguage();
    SetItemText(IDC_LANGUAGE_TRANSLATOR, language.TranslatorText(0));
    SetItemText(IDC_LANGUAGE_CONTACT, language.TranslatorText(1));
    SetItemText(IDC_LANGUAGE_DATE, language.TranslatorText(2));
}

void CDialogOptLang::Apply() {
    const HWND list = Item(IDC_LANGUAGE_LIST);
    const LRESULT index = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const LRESULT length = ::SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return;
    std::string chosen(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(chosen.data()));
    chosen.resize(static_cast<size_t>(length));
    if (EqualIgnoringCase(chosen, stored_)) return;
    SettingsStore().WriteText(Setting::Lang, chosen);
    stored_ = chosen;
    if (actions_.applyLanguage) actions_.applyLanguage();
}
