// Owner-drawn menu arithmetic. At 96 dpi items are 22 pixels high with a 23-pixel icon column;
// labels start at 31 (8 on the menu bar) and an accelerator column sits 10 pixels right of the
// widest label. Every length grows with the DPI.
#include "ui/menu_layout.h"

#include <algorithm>

#include "framework/dpi_scale.h"

namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

MenuTextParts SplitMenuText(std::string_view text) {
    const auto tab = text.find('\t');
    if (tab == std::string_view::npos) return {text, {}, false};
    return {text.substr(0, tab), text.substr(tab + 1), true};
}

std::string StripMnemonicMarkers(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') plain.push_back('&');
            ++i;
            if (i < text.size() && text[i] != '&') plain.push_back(text[i]);
            continue;
        }
        plain.push_back(text[i]);
    }
    return plain;
}

char MnemonicOf(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1];
        ++i;  // "&&" is a literal ampersand
    }
    return 0;
}

MnemonicMatch FindMnemonic(const std::vector<std::string>& texts, char key) {
    MnemonicMatch match;
    if (key == 0) return match;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const char mnemonic = MnemonicOf(texts[i]);
        if (mnemonic == 0 || FoldCase(mnemonic) != FoldCase(key)) continue;
        if (match.index < 0) {
            match.index = static_cast<int>(i);
            match.unique = true;
        } else {
            match.unique = false;
        }
    }
    return match;
}

MenuMetrics MenuMetricsAt(int dpi) {
    const auto scaled = [dpi](int length) { return ScaleToDpi(length, dpi); };
    const MenuMetrics& d = kDesignMenuMetrics;
    MenuMetrics m;
    m.itemHeight = scaled(d.itemHeight);
    m.separatorHeight = scaled(d.separatorHeight);
    m.iconColumnWidth = scaled(d.iconColumnWidth);
    m.iconLeft = scaled(d.iconLeft);
    m.iconTop = scaled(d.iconTop);
    m.iconSize = scaled(d.iconSize);
    m.popupTextLeft = scaled(d.popupTextLeft);
    m.menuBarTextLeft = scaled(d.menuBarTextLeft);
    m.commandExtraWidth = scaled(d.commandExtraWidth);
    m.subMenuExtraWidth = scaled(d.subMenuExtraWidth);
    m.acceleratorGap = scaled(d.acceleratorGap);
    m.checkBoxWidth = scaled(d.checkBoxWidth);
    return m;
}

MenuPopupWidths MeasurePopupWidths(const std::vector<MenuPopupItem>& items, const MenuTextMeasure& measure,
                                   const MenuMetrics& metrics) {
    int widestLabel = 0;
    int widestAccelerator = 0;
    bool anyAccelerator = false;
    for (const MenuPopupItem& item : items) {
        if (item.text.empty()) continue;
        const MenuTextParts parts = SplitMenuText(item.text);
        widestLabel = std::max(widestLabel, measure(parts.label, item.isDefault));
        if (!parts.accelerator.empty()) {
            anyAccelerator = true;
            widestAccelerator = std::max(widestAccelerator, measure(parts.accelerator, item.isDefault));
        }
    }
    if (!anyAccelerator) return {widestLabel, 0};
    return {widestLabel + widestAccelerator + metrics.acceleratorGap, widestLabel + metrics.acceleratorGap};
}

MenuItemKind MenuItemKindOf(unsigned long long identifier) {
    if (identifier == 0) return MenuItemKind::Separator;
    // 0xFFFF is -1 as the 16-bit identifier older calls report for a sub-menu item.
    return identifier >= 0xFFFF ? MenuItemKind::SubMenu : MenuItemKind::Command;
}

MenuItemSize MeasureMenuItem(MenuItemKind kind, int plainTextWidth, const MenuPopupWidths& popup,
                             bool topLevel, const MenuMetrics& metrics) {
    switch (kind) {
        case MenuItemKind::Separator: return {0, metrics.separatorHeight};
        case MenuItemKind::SubMenu: return {plainTextWidth + metrics.subMenuExtraWidth, metrics.itemHeight};
        case MenuItemKind::Command:
            // A plain command on the menu bar has no popup columns to follow: sized by the popup
            // rule it would be 37 pixels wide whatever its text.
            if (topLevel) return {plainTextWidth + metrics.subMenuExtraWidth, metrics.itemHeight};
            return {popup.labelWidth + metrics.commandExtraWidth, metrics.itemHeight};
    }
    return {};
}

MenuTextBoxes LayoutMenuText(bool topLevel, bool hasTab, const MenuPopupWidths& popup, int width, int height,
                             const MenuMetrics& metrics) {
    const int left = topLevel ? metrics.menuBarTextLeft : metrics.popupTextLeft;
    if (!hasTab) return {{left, 0, width, height}, {}};
    const int split = left + popup.acceleratorColumn;
    return {{left, 0, split, height}, {split, 0, width, height}};
}

MenuRect MenuCheckBox(int height, const MenuMetrics& metrics) { return {1, 1, 1 + metrics.checkBoxWidth, height - 1}; }

MenuPoint MenuCheckImageOrigin(int imageWidth, int imageHeight, const MenuRect& box) {
    const int x = imageWidth > 15 ? box.left : imageWidth / 2 - 1;
    const int y = imageHeight < 16 ? imageHeight / 2 - 2 : box.top;
    return {x, y};
}

MenuBackground MenuBackgroundOf(bool selected, bool greyed, bool hot, bool topLevel) {
    if ((selected && !greyed) || hot) return MenuBackground::Highlight;
    return topLevel ? MenuBackground::MenuBar : MenuBackground::IconColumnAndPlain;
}
