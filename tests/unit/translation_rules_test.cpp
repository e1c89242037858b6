// What translation touches: symbol-only texts, shortcut suffixes, controls and menu keys.
#include "language/translation_rules.h"

#include <gtest/gtest.h>

#include "language/language_keys.h"

namespace {

struct TextCase {
    const char* text;
    bool translatable;
};

class IsTranslatableTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(IsTranslatableTextTest, SymbolsAloneAreNotTranslated) {
    EXPECT_EQ(IsTranslatableText(GetParam().text), GetParam().translatable) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsTranslatableTextTest,
    testing::Values(TextCase{"", false}, TextCase{"...", false}, TextCase{"+", false}, TextCase{"<", false},
                    TextCase{">", false}, TextCase{"0 %", false}, TextCase{"100 %", false},
                    TextCase{"12:30; 1,5 - 2.5!?", false}, TextCase{"&_", false}, TextCase{"\t ", false},
                    TextCase{"\x97", false}, TextCase{"\xE2\x80\x94 ", false},  // em dash, both forms
                    TextCase{"/", true}, TextCase{"=", true}, TextCase{"a", true}, TextCase{"Name", true},
                    TextCase{"< &Add", true}, TextCase{"\xC3\x9F", true},  // a letter outside ASCII
                    TextCase{"\xE2\x80\x93", true},                           // en dash is not in the set
                    TextCase{"\xE2\x80", true}));                             // a cut em dash is no em dash

struct SplitCase {
    TextAndSuffix (*split)(std::string_view);
    const char* input;
    const char* text;
    const char* suffix;
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, KeepsTheSuffixUnchanged) {
    const TextAndSuffix parts = GetParam().split(GetParam().input);
    EXPECT_EQ(parts.text, GetParam().text);
    EXPECT_EQ(parts.suffix, GetParam().suffix);
}

// Tool tips split at the first " (", menu items at the first tab.
INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTest,
    testing::Values(
        SplitCase{SplitToolTipText, "Save Current List of Documents (Ctrl+S)", "Save Current List of Documents",
                  " (Ctrl+S)"},
        SplitCase{SplitToolTipText, "Open Selected Document(s) (Enter)", "Open Selected Document(s)", " (Enter)"},
        SplitCase{SplitToolTipText, "Web-Site", "Web-Site", ""},
        SplitCase{SplitToolTipText, " (F1)", "", " (F1)"},
        SplitCase{SplitToolTipText, "Tab\t(x)", "Tab\t(x)", ""},
        SplitCase{SplitMenuItemText, "&Open\tEnter", "&Open", "\tEnter"},
        SplitCase{SplitMenuItemText, "A\tB\tC", "A", "\tB\tC"},
        SplitCase{SplitMenuItemText, "&Save List... (Ctrl+S)", "&Save List... (Ctrl+S)", ""},
        SplitCase{SplitMenuItemText, "E&xit", "E&xit", ""}));

TEST(ControlKindOf, RecognisesClassesWhateverTheirCase) {
    EXPECT_EQ(ControlKindOf("Button"), ControlKind::Text);
    EXPECT_EQ(ControlKindOf("BUTTON"), ControlKind::Text);
    EXPECT_EQ(ControlKindOf("static"), ControlKind::Text);
    EXPECT_EQ(ControlKindOf("SysListView32"), ControlKind::ListView);
    EXPECT_EQ(ControlKindOf("COMBOBOX"), ControlKind::ComboBox);
    EXPECT_EQ(ControlKindOf("ListBox"), ControlKind::ListBox);
    EXPECT_EQ(ControlKindOf("SysTabControl32"), ControlKind::TabControl);
    EXPECT_EQ(ControlKindOf("msctls_updown32"), ControlKind::UpDown);
    EXPECT_EQ(ControlKindOf("Edit"), ControlKind::Other);
    EXPECT_EQ(ControlKindOf("ComboBoxEx32"), ControlKind::Other);
    EXPECT_EQ(ControlKindOf("Butto"), ControlKind::Other);
    EXPECT_EQ(ControlKindOf(""), ControlKind::Other);
}

struct ControlCase {
    const char* what;
    ControlFacts facts;
    bool translated;
};

class ShouldTranslateControlTest : public testing::TestWithParam<ControlCase> {};

TEST_P(ShouldTranslateControlTest, Decides) {
    EXPECT_EQ(ShouldTranslateControl(GetParam().facts), GetParam().translated) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShouldTranslateControlTest,
    testing::Values(
        ControlCase{"labelled button", {1031, ControlKind::Text, "Close", 0}, true},
        ControlCase{"static ID in 16 bits", {0xFFFF, ControlKind::Text, "Label", 0}, false},
        ControlCase{"static ID in 32 bits", {-1, ControlKind::Text, "Label", 0}, false},
        ControlCase{"excluded", {1033, ControlKind::Text, "Label", kExclusionMark}, false},
        ControlCase{"any user data excludes", {1033, ControlKind::Text, "Label", 197103092}, false},
        ControlCase{"symbols only", {1551, ControlKind::Text, "0 %", 0}, false},
        ControlCase{"empty text", {1559, ControlKind::Text, "", 0}, false},
        ControlCase{"help link", {65520, ControlKind::Text, "Help", 0}, true},
        ControlCase{"list view without text", {1100, ControlKind::ListView, "", 0}, true},
        ControlCase{"excluded combo box", {1043, ControlKind::ComboBox, "", kExclusionMark}, false},
        ControlCase{"combo box", {1043, ControlKind::ComboBox, "", 0}, true},
        ControlCase{"list box with static ID", {-1, ControlKind::ListBox, "", 0}, false},
        ControlCase{"tab control without text", {1200, ControlKind::TabControl, "", 0}, false},
        ControlCase{"tab control with text", {1200, ControlKind::TabControl, "Tabs", 0}, true},
        ControlCase{"up-down control", {1046, ControlKind::UpDown, "Spin", 0}, false},
        ControlCase{"edit field", {1045, ControlKind::Other, "Hello", 0}, false}));

TEST(KeyOfMenuItem, PlainItemsByCommandSubMenusByTheirFirstCommand) {
    auto key = KeyOfMenuItem(false, 57601, 0);
    ASSERT_TRUE(key);
    EXPECT_EQ(LanguageKey(key->prefix, key->number), "ID_57601");

    key = KeyOfMenuItem(true, -1, 57601);
    ASSERT_TRUE(key);
    EXPECT_EQ(LanguageKey(key->prefix, key->number), "SubID_57601");

    EXPECT_FALSE(KeyOfMenuItem(true, -1, 0)) << "sub-menu opening with a separator";
    EXPECT_FALSE(KeyOfMenuItem(true, -1, -1)) << "sub-menu opening with a sub-menu";
}

}  // namespace
