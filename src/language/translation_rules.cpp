// The rules that decide what a translation walk reads, writes and leaves alone.
#include "language/translation_rules.h"

#include <algorithm>

#include "language/language_keys.h"

namespace {

// Characters that carry no words: numbers, blanks and punctuation of labels like "0 %" or "...".
constexpr std::string_view kSymbolCharacters = "0123456789\t &_-%><.,?!+;:\x97";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

TextAndSuffix SplitAt(std::string_view text, std::string_view separator) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, at)), std::string(text.substr(at))};
}

// The control IDs dialog editors give to labels nobody refers to, in 16 and 32 bits.
bool IsStaticId(int id) { return id == 0xFFFF || id == -1; }

}  // namespace

bool IsTranslatableText(std::string_view text) {
    // Our texts are UTF-8, where the em dash is a three-byte sequence; it counts as the symbol
    // its Windows-1252 byte stands for.
    constexpr std::string_view kUtf8EmDash = "\xE2\x80\x94";
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, kUtf8EmDash.size()) == kUtf8EmDash) {
            at += kUtf8EmDash.size();
        } else if (kSymbolCharacters.find(text[at]) != std::string_view::npos) {
            ++at;
        } else {
            return true;
        }
    }
    return false;
}

TextAndSuffix SplitToolTipText(std::string_view tip) { return SplitAt(tip, " ("); }
TextAndSuffix SplitMenuItemText(std::string_view item) { return SplitAt(item, "\t"); }

ControlKind ControlKindOf(std::string_view className) {
    struct Entry {
        std::string_view name;
        ControlKind kind;
    };
    static constexpr Entry kClasses[] = {
        {"Button", ControlKind::Text},           {"Static", ControlKind::Text},
        {"SysListView32", ControlKind::ListView}, {"ComboBox", ControlKind::ComboBox},
        {"ListBox", ControlKind::ListBox},        {"SysTabControl32", ControlKind::TabControl},
        {"msctls_updown32", ControlKind::UpDown},
    };
    for (const Entry& entry : kClasses) {
        if (EqualsIgnoringCase(className, entry.name)) return entry.kind;
    }
    return ControlKind::Other;
}

bool ShouldTranslateControl(const ControlFacts& control) {
    if (IsStaticId(control.id) || CarriesExclusionMark(control.userData)) return false;
    switch (control.kind) {
        // Item lists are judged by their items, not by a window text they rarely have.
        case ControlKind::ListView:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
            return true;
        // A tab control without a window text is left alone, like any other empty control.
        case ControlKind::Text:
        case ControlKind::TabControl:
            return IsTranslatableText(control.text);
        case ControlKind::UpDown:
        case ControlKind::Other:
            return false;
    }
    return false;
}

std::optional<MenuItemKey> KeyOfMenuItem(bool opensSubMenu, int commandId, int firstSubItemId) {
    if (!opensSubMenu) return MenuItemKey{{}, commandId};
    if (firstSubItemId == 0 || firstSubItemId == -1) return std::nullopt;
    return MenuItemKey{kSubMenuPrefix, firstSubItemId};
}
