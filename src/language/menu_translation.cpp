// Translating menus in place and rebuilding the toolbar's tips from translated strings.
#include "language/ui_language.h"

#include <commctrl.h>

#include "framework/wide_text.h"
#include "language/language_keys.h"
#include "language/translation_rules.h"

namespace {

std::string MenuItemText(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) || info.cch == 0) return {};
    std::string text(info.cch + 1, '\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return {};
    text.resize(info.cch);
    return text;
}

// Loads the string resource of the program in full, whatever its length.
std::string StringResource(UINT id) {
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleA(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? Utf8FromWide(std::wstring_view(text, static_cast<std::size_t>(length))) : std::string();
}

}  // namespace

bool UiLanguage::TranslateMenu(bool writeTemplate, HMENU menu, int menuId) const {
    if (!::IsMenu(menu) || language_.empty()) return false;
    TranslateMenuItems(writeTemplate, menu, MenuSection(menuId));
    return true;
}

void UiLanguage::TranslateMenuItems(bool writeTemplate, HMENU menu, const std::string& section) const {
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        // Items carrying data belong to the owner-drawn menu layer, which has translated them.
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) || info.dwItemData != 0) continue;
        if (info.hSubMenu) TranslateMenuItems(writeTemplate, info.hSubMenu, section);
        if (info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) continue;

        const TextAndSuffix parts = SplitMenuItemText(MenuItemText(menu, position));
        if (!IsTranslatableText(parts.text)) continue;
        const int firstSubItem = info.hSubMenu ? static_cast<int>(::GetMenuItemID(info.hSubMenu, 0)) : 0;
        const auto key = KeyOfMenuItem(info.hSubMenu != nullptr, static_cast<int>(info.wID), firstSubItem);
        if (!key) continue;

        std::string text = TranslateText(writeTemplate, section, key->prefix, key->number, parts.text, parts.text);
        text += parts.suffix;
        // Only the text changes: command, sub-menu, state and right-justification stay.
        MENUITEMINFOA change{};
        change.cbSize = sizeof change;
        change.fMask = MIIM_STRING;
        change.dwTypeData = text.data();
        ::SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &change);
    }
}

bool UiLanguage::TranslateToolBar(bool writeTemplate, HWND toolbar, UniqueWindow& tooltip, int toolbarId) const {
    if (!::IsWindow(toolbar) || language_.empty()) return false;
    const int buttons = static_cast<int>(::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    if (buttons <= 0) return false;

    tooltip.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, toolbar,
                                    nullptr, ::GetModuleHandleA(nullptr), nullptr));
    if (!tooltip) return false;

    const std::string section = ToolBarSection(toolbarId);
    for (int index = 0; index < buttons; ++index) {
        TBBUTTON button{};
        RECT rect{};
        if (!::SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button))) continue;
        ::SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        // Separators have no string, and neither has a button nobody wrote a tip for.
        const std::string tip = StringResource(static_cast<UINT>(button.idCommand));
        if (tip.empty()) continue;

        const TextAndSuffix parts = SplitToolTipText(tip);
        std::string text =
            TranslateText(writeTemplate, section, {}, button.idCommand, parts.text, parts.text);
        text += parts.suffix;

        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = toolbar;
        tool.uId = static_cast<UINT_PTR>(button.idCommand);
        tool.rect = rect;
        tool.hinst = nullptr;
        tool.lpszText = text.data();
        ::SendMessageA(tooltip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    ::SendMessageA(tooltip.get(), TTM_ACTIVATE, TRUE, 0);
    return true;
}
