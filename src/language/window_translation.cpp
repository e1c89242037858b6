// Translating a dialog in place: its caption, its controls and the pages of an embedded sheet.
#include "language/ui_language.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "framework/window_text.h"
#include "language/language_keys.h"
#include "language/translation_rules.h"

namespace {

// Header and tab labels are read into buffers of this size, as the controls' own editors do.
constexpr int kLabelBufferSize = 260;

// A property sheet answers PSM_GETTABCONTROL with its own tab strip. Other dialogs leave the
// message to the default procedure, which answers 0; the class check guards against a dialog
// that gives the number a meaning of its own.
HWND SheetTabControl(HWND window) {
    if (!::IsWindow(window) || WindowClassName(window) != "#32770") return nullptr;
    const auto tabs = reinterpret_cast<HWND>(::SendMessageA(window, PSM_GETTABCONTROL, 0, 0));
    if (!tabs || !::IsChild(window, tabs)) return nullptr;
    return ControlKindOf(WindowClassName(tabs)) == ControlKind::TabControl ? tabs : nullptr;
}

// A wizard keeps its tab strip hidden and shows one page at a time.
bool IsWizardSheet(HWND tabs) { return (::GetWindowLongPtrA(tabs, GWL_STYLE) & WS_VISIBLE) == 0; }

void SetTabLabel(HWND tabs, int index, const std::string& label) {
    std::string text = label;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    ::SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::string TabLabel(HWND tabs, int index) {
    char text[kLabelBufferSize] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kLabelBufferSize;
    if (!::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
    return item.pszText ? std::string(item.pszText) : std::string();
}

std::string ListViewItemText(HWND list, int row) {
    std::vector<char> text(1024);
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length = ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::string(text.data(), static_cast<std::size_t>(length));
}

void SetListViewItemText(HWND list, int row, const std::string& label) {
    std::string text = label;
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = text.data();
    ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string HeaderText(HWND header, int column) {
    char text[kLabelBufferSize] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = kLabelBufferSize;
    if (!::SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) return {};
    return item.pszText ? std::string(item.pszText) : std::string();
}

void SetHeaderText(HWND header, int column, const std::string& label) {
    std::string text = label;
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    ::SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
}

// The messages that differ between a combo box's list and a list box.
struct ItemListMessages {
    UINT getCount, getTextLength, getText, deleteItem, insertItem, getSelection, setSelection, getData,
        setData;
};
constexpr ItemListMessages kComboBoxMessages{CB_GETCOUNT,   CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                             CB_DELETESTRING, CB_INSERTSTRING, CB_GETCURSEL,
                                             CB_SETCURSEL,  CB_GETITEMDATA,  CB_SETITEMDATA};
constexpr ItemListMessages kListBoxMessages{LB_GETCOUNT,   LB_GETTEXTLEN,   LB_GETTEXT,
                                            LB_DELETESTRING, LB_INSERTSTRING, LB_GETCURSEL,
                                            LB_SETCURSEL,  LB_GETITEMDATA,  LB_SETITEMDATA};

std::string ItemText(HWND control, const ItemListMessages& messages, int index) {
    const auto length = ::SendMessageA(control, messages.getTextLength, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = ::SendMessageA(control, messages.getText, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

}  // namespace

bool UiLanguage::TranslateWindow(bool writeTemplate, bool translateCaption, HWND window, int dialogId) const {
    std::string section;
    return TranslateWindow(writeTemplate, translateCaption, window, dialogId, 0, section);
}

bool UiLanguage::TranslateWindow(bool writeTemplate, bool translateCaption, HWND window, int dialogId,
                                 int pageIndex, std::string& section) const {
    if (!::IsWindow(window) || dialogId == 0 || language_.empty()) return false;
    std::string ownSection;
    if (section.empty()) {
        section = DialogSection(dialogId);
        ownSection = section;
    } else {
        ownSection = PageSection(section, pageIndex);
    }

    if (translateCaption) {
        const std::string caption = WindowText(window);
        if (!caption.empty()) {
            const std::string translated =
                TranslateText(writeTemplate, ownSection, {}, kCaptionNumber, caption, caption);
            // A page shows its caption on the sheet's tab, not as a window text.
            const HWND parent = (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) ? ::GetParent(window) : nullptr;
            if (const HWND tabs = SheetTabControl(parent)) {
                const int tab = IsWizardSheet(tabs) ? TabCtrl_GetCurSel(tabs) : pageIndex;
                SetTabLabel(tabs, tab, translated);
            } else {
                ::SetWindowTextA(window, translated.c_str());
            }
        }
    }
    TranslateChildren(writeTemplate, window, dialogId, ownSection);
    return true;
}

void UiLanguage::TranslateChildren(bool writeTemplate, HWND window, int dialogId, const std::string& section) const {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (const HWND tabs = SheetTabControl(child)) {
            TranslatePropertySheet(writeTemplate, child, tabs, dialogId, section);
            continue;
        }
        const std::string text = WindowText(child);
        ControlFacts facts;
        facts.id = ::GetDlgCtrlID(child);
        facts.kind = ControlKindOf(WindowClassName(child));
        facts.text = text;
        facts.userData = ::GetWindowLongPtrA(child, GWLP_USERDATA);
        if (!ShouldTranslateControl(facts)) continue;
        switch (facts.kind) {
            case ControlKind::Text: TranslateControlText(writeTemplate, child, section); break;
            case ControlKind::ListView: TranslateListView(writeTemplate, child, section); break;
            case ControlKind::ComboBox: TranslateItemList(writeTemplate, child, true, section); break;
            case ControlKind::ListBox: TranslateItemList(writeTemplate, child, false, section); break;
            case ControlKind::TabControl: TranslateTabs(writeTemplate, child, section); break;
            case ControlKind::UpDown:
            case ControlKind::Other: break;
        }
    }
}

void UiLanguage::TranslatePropertySheet(bool writeTemplate, HWND sheet, HWND tabs, int dialogId,
                                        const std::string& section) const {
    const auto activeIndex = [sheet] {
        const auto current = ::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
        return static_cast<int>(::SendMessageA(sheet, PSM_HWNDTOINDEX, static_cast<WPARAM>(current), 0));
    };
    const int active = activeIndex();
    const int pages = TabCtrl_GetItemCount(tabs);
    for (int index = 0; index < pages; ++index) {
        // A page is created when it is first shown; one never shown has nothing to translate.
        const auto page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_INDEXTOHWND, static_cast<WPARAM>(index), 0));
        if (!::IsWindow(page)) continue;
        std::string dialogSection = section;
        TranslateWindow(writeTemplate, true, page, dialogId, index, dialogSection);
    }
    if (active >= 0 && activeIndex() != active) ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(active), 0);
}

void UiLanguage::TranslateControlText(bool writeTemplate, HWND control, const std::string& section) const {
    const std::string translated =
        TranslateText(writeTemplate, section, {}, ::GetDlgCtrlID(control), WindowText(control), {});
    if (!translated.empty()) ::SetWindowTextA(control, translated.c_str());
}

void UiLanguage::TranslateListView(bool writeTemplate, HWND list, const std::string& section) const {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    if (columns <= 0) return;
    const std::string listSection = ListViewSection(section, ::GetDlgCtrlID(list));
    const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        const std::string text = ListViewItemText(list, row);
        if (!IsTranslatableText(text)) continue;
        const std::string translated = TranslateText(writeTemplate, listSection, {}, row, text, {});
        if (!translated.empty()) SetListViewItemText(list, row, translated);
    }
    for (int column = 0; column < columns; ++column) {
        const std::string text = HeaderText(header, column);
        if (!IsTranslatableText(text)) continue;
        const std::string translated =
            TranslateText(writeTemplate, listSection, {}, kHeaderNumberBase + column, text, {});
        if (!translated.empty()) SetHeaderText(header, column, translated);
    }
}

void UiLanguage::TranslateItemList(bool writeTemplate, HWND control, bool comboBox, const std::string& section) const {
    const ItemListMessages& messages = comboBox ? kComboBoxMessages : kListBoxMessages;
    const int count = static_cast<int>(::SendMessageA(control, messages.getCount, 0, 0));
    if (count <= 0) return;
    const int id = ::GetDlgCtrlID(control);
    const std::string listSection = comboBox ? ComboBoxSection(section, id) : ListBoxSection(section, id);
    const auto selection = ::SendMessageA(control, messages.getSelection, 0, 0);
    for (int index = 0; index < count; ++index) {
        const std::string text = ItemText(control, messages, index);
        if (!IsTranslatableText(text)) continue;
        const std::string translated = TranslateText(writeTemplate, listSection, {}, index, text, {});
        if (translated.empty()) continue;
        // Neither control can change an item's text; the item is replaced, keeping its data.
        const auto data = ::SendMessageA(control, messages.getData, static_cast<WPARAM>(index), 0);
        ::SendMessageA(control, messages.deleteItem, static_cast<WPARAM>(index), 0);
        ::SendMessageA(control, messages.insertItem, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(translated.c_str()));
        ::SendMessageA(control, messages.setData, static_cast<WPARAM>(index), data);
    }
    ::SendMessageA(control, messages.setSelection, static_cast<WPARAM>(selection), 0);
}

void UiLanguage::TranslateTabs(bool writeTemplate, HWND tabs, const std::string& section) const {
    const std::string tabSection = TabControlSection(section, ::GetDlgCtrlID(tabs));
    const int count = TabCtrl_GetItemCount(tabs);
    for (int index = 0; index < count; ++index) {
        const std::string text = TabLabel(tabs, index);
        if (!IsTranslatableText(text)) continue;
        const std::string translated = TranslateText(writeTemplate, tabSection, {}, index, text, {});
        if (!translated.empty()) SetTabLabel(tabs, index, translated);
    }
}
