// Owner-drawn menu arithmetic: column widths from measured texts, item sizes, text boxes, the
// check mark's place, backgrounds and mnemonics.
#include "ui/menu_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Widths looked up from a table; anything unlisted is 5 pixels a byte (bold: 6).
class FakeFont {
public:
    std::map<std::string, int> widths;
    std::vector<std::pair<std::string, bool>> calls;

    MenuTextMeasure Measure() {
        return [this](std::string_view text, bool bold) {
            calls.emplace_back(std::string(text), bold);
            const auto found = widths.find(std::string(text));
            if (found != widths.end()) return found->second;
            return static_cast<int>(text.size()) * (bold ? 6 : 5);
        };
    }
};

TEST(SplitMenuText, SplitsAtTheFirstTabOnly) {
    const auto parts = SplitMenuText("&Open\tEnter\tmore");
    EXPECT_EQ(parts.label, "&Open");
    EXPECT_EQ(parts.accelerator, "Enter\tmore");
    EXPECT_TRUE(parts.hasTab);
    const auto plain = SplitMenuText("E&xit");
    EXPECT_EQ(plain.label, "E&xit");
    EXPECT_TRUE(plain.accelerator.empty());
    EXPECT_FALSE(plain.hasTab);
}

TEST(MeasurePopupWidths, AcceleratorColumnSitsTenPixelsRightOfTheWidestLabel) {
    FakeFont font;
    font.widths = {{"&Open", 60}, {"Enter", 40}, {"E&xplore", 50}, {"F3", 15}};
    const auto widths = MeasurePopupWidths({{"&Open\tEnter"}, {"E&xplore\tF3"}, {""}}, font.Measure());
    EXPECT_EQ(widths.acceleratorColumn, 70);
    EXPECT_EQ(widths.labelWidth, 110);
    // The item's width and where its two texts go.
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 0, widths).width, 147);
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 0, widths).height, 22);
    const auto boxes = LayoutMenuText(false, true, widths, 147, 22);
    EXPECT_EQ(boxes.label, (MenuRect{31, 0, 101, 22}));
    EXPECT_EQ(boxes.accelerator, (MenuRect{101, 0, 147, 22}));
}

TEST(MeasurePopupWidths, WithoutAcceleratorsTheLabelRunsToTheRightEdge) {
    FakeFont font;
    font.widths = {{"Change Password...", 90}, {"Options...", 48}};
    const auto widths = MeasurePopupWidths({{"Change Password..."}, {"Options..."}}, font.Measure());
    EXPECT_EQ(widths.acceleratorColumn, 0);
    EXPECT_EQ(widths.labelWidth, 90);
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 0, widths).width, 127);
    const auto boxes = LayoutMenuText(false, false, widths, 127, 22);
    EXPECT_EQ(boxes.label, (MenuRect{31, 0, 127, 22}));
    EXPECT_EQ(boxes.accelerator, MenuRect{});
}

TEST(MeasurePopupWidths, DefaultItemsAreMeasuredBoldAndEmptyTextsNotAtAll) {
    FakeFont font;
    const auto widths = MeasurePopupWidths({{"Open", true}, {""}, {"Exit"}}, font.Measure());
    ASSERT_EQ(font.calls.size(), 2u);
    EXPECT_EQ(font.calls[0], (std::pair<std::string, bool>{"Open", true}));
    EXPECT_EQ(font.calls[1], (std::pair<std::string, bool>{"Exit", false}));
    EXPECT_EQ(widths.labelWidth, 24);  // bold "Open": 4 bytes * 6
}

TEST(MeasurePopupWidths, AnEmptyAcceleratorAfterATabIsNoAccelerator) {
    FakeFont font;
    const auto widths = MeasurePopupWidths({{"Item\t"}}, font.Measure());
    EXPECT_EQ(widths.acceleratorColumn, 0);
    EXPECT_EQ(widths.labelWidth, 20);
}

TEST(MeasureMenuItem, SeparatorsAreThreePixelsAndSubMenusFollowTheirText) {
    const MenuPopupWidths widths{110, 70};
    const auto separator = MeasureMenuItem(MenuItemKind::Separator, 0, widths);
    EXPECT_EQ(separator.height, 3);
    EXPECT_EQ(separator.width, 0);
    const auto subMenu = MeasureMenuItem(MenuItemKind::SubMenu, 33, widths);
    EXPECT_EQ(subMenu.width, 41);
    EXPECT_EQ(subMenu.height, 22);
}

TEST(MeasureMenuItem, PlainCommandsOnTheMenuBarFollowTheirText) {
    const MenuPopupWidths none{};
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 90, none, true).width, 98);
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 90, none, false).width, 37);
}

TEST(MenuMetricsAt, ScalesEveryLengthWithTheDpi) {
    EXPECT_EQ(MenuMetricsAt(96), kDesignMenuMetrics);
    const MenuMetrics m = MenuMetricsAt(144);
    EXPECT_EQ(m.itemHeight, 33);
    EXPECT_EQ(m.separatorHeight, 5);  // 4.5 rounds up
    EXPECT_EQ(m.iconColumnWidth, 35);
    EXPECT_EQ(m.iconSize, 24);
    // The icon still fits its column with the same margins, and the text starts right of it.
    EXPECT_LE(m.iconLeft + m.iconSize, m.iconColumnWidth);
    EXPECT_LE(m.iconTop + m.iconSize, m.itemHeight);
    EXPECT_GT(m.popupTextLeft, m.iconColumnWidth);

    // Items and text boxes at 144 dpi follow.
    FakeFont font;
    font.widths = {{"&Open", 90}, {"Enter", 60}};
    const auto widths = MeasurePopupWidths({{"&Open\tEnter"}}, font.Measure(), m);
    EXPECT_EQ(widths.acceleratorColumn, 105);  // 90 + 15
    EXPECT_EQ(MeasureMenuItem(MenuItemKind::Command, 0, widths, false, m).width, 165 + 56);
    EXPECT_EQ(LayoutMenuText(false, true, widths, 221, 33, m).label, (MenuRect{47, 0, 152, 33}));
    EXPECT_EQ(LayoutMenuText(true, false, widths, 60, 33, m).label, (MenuRect{12, 0, 60, 33}));
    EXPECT_EQ(MenuCheckBox(33, m), (MenuRect{1, 1, 31, 32}));
}

TEST(MenuItemKindOf, ClassifiesIdentifiers) {
    EXPECT_EQ(MenuItemKindOf(0), MenuItemKind::Separator);
    EXPECT_EQ(MenuItemKindOf(57601), MenuItemKind::Command);
    EXPECT_EQ(MenuItemKindOf(0xFFFE), MenuItemKind::Command);
    EXPECT_EQ(MenuItemKindOf(0xFFFF), MenuItemKind::SubMenu);
    EXPECT_EQ(MenuItemKindOf(0xFFFFFFFFu), MenuItemKind::SubMenu);
    EXPECT_EQ(MenuItemKindOf(0x2A0135), MenuItemKind::SubMenu);  // a menu handle
}

TEST(LayoutMenuText, MenuBarTextStartsAtEight) {
    const auto boxes = LayoutMenuText(true, false, {}, 40, 19);
    EXPECT_EQ(boxes.label, (MenuRect{8, 0, 40, 19}));
}

TEST(MenuCheckImage, SmallImagesAreCentredByTheFixedOffsetsLargeOnesSitInTheCorner) {
    const MenuRect box = MenuCheckBox(22);
    EXPECT_EQ(box, (MenuRect{1, 1, 21, 21}));
    EXPECT_EQ(MenuCheckImageOrigin(13, 13, box), (MenuPoint{5, 4}));
    EXPECT_EQ(MenuCheckImageOrigin(15, 15, box), (MenuPoint{6, 5}));
    EXPECT_EQ(MenuCheckImageOrigin(16, 16, box), (MenuPoint{1, 1}));
    EXPECT_EQ(MenuCheckImageOrigin(20, 12, box), (MenuPoint{1, 4}));
}

TEST(MenuBackgroundOf, HighlightsOnlyUsableOrHotItems) {
    EXPECT_EQ(MenuBackgroundOf(true, false, false, false), MenuBackground::Highlight);
    EXPECT_EQ(MenuBackgroundOf(true, true, false, false), MenuBackground::IconColumnAndPlain);
    EXPECT_EQ(MenuBackgroundOf(true, true, false, true), MenuBackground::MenuBar);
    EXPECT_EQ(MenuBackgroundOf(false, false, true, true), MenuBackground::Highlight);
    EXPECT_EQ(MenuBackgroundOf(false, true, true, false), MenuBackground::Highlight);
    EXPECT_EQ(MenuBackgroundOf(false, false, false, true), MenuBackground::MenuBar);
}

TEST(StripMnemonicMarkers, DropsSingleMarkersAndKeepsDoubledOnes) {
    EXPECT_EQ(StripMnemonicMarkers("&File"), "File");
    EXPECT_EQ(StripMnemonicMarkers("Clea&r List"), "Clear List");
    EXPECT_EQ(StripMnemonicMarkers("Copy && &Move"), "Copy & Move");
    EXPECT_EQ(StripMnemonicMarkers("Trailing&"), "Trailing");
    EXPECT_EQ(StripMnemonicMarkers(""), "");
}

TEST(FindMnemonic, MatchesCaseInsensitivelyAndReportsClashes) {
    const std::vector<std::string> texts = {"&File", "&View", "Copy && paste", "&Help", "&Favourites", ""};
    const auto view = FindMnemonic(texts, 'v');
    EXPECT_EQ(view.index, 1);
    EXPECT_TRUE(view.unique);
    const auto f = FindMnemonic(texts, 'F');
    EXPECT_EQ(f.index, 0);
    EXPECT_FALSE(f.unique);
    EXPECT_EQ(FindMnemonic(texts, 'p').index, -1);  // "&&" marks no mnemonic
    EXPECT_EQ(FindMnemonic(texts, 0).index, -1);
    EXPECT_EQ(MnemonicOf("Copy && &Move"), 'M');
}

}  // namespace
