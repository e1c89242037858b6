// Key and section names of the language files, language names and file locations.
#include "language/language_keys.h"

#include <gtest/gtest.h>

#include "language/web_addresses.h"

namespace {

TEST(LanguageKey, FormatsPrefixAndNumber) {
    EXPECT_EQ(LanguageKey("", 2800), "ID_2800");
    EXPECT_EQ(LanguageKey("Sub", 57601), "SubID_57601");
    EXPECT_EQ(LanguageKey("", 0), "ID_0");
    EXPECT_EQ(LanguageKey("", 65520), "ID_65520");
}

TEST(LanguageKey, TrimsPunctuationAndBlanksAtBothEndsOnly) {
    EXPECT_EQ(LanguageKey(" :;.,\t", 7), "ID_7");
    EXPECT_EQ(LanguageKey("\r\nSub", 7), "SubID_7");
    EXPECT_EQ(NormaliseKey(" ID_12. "), "ID_12");
    EXPECT_EQ(NormaliseKey("a b:c"), "a b:c");
    EXPECT_EQ(NormaliseKey("ID_-1"), "ID_-1");
    EXPECT_EQ(NormaliseKey(":;., \t\r\n"), "");
    EXPECT_EQ(NormaliseKey(""), "");
}

TEST(LanguageSections, NameDialogsPagesAndControls) {
    EXPECT_EQ(SectionOrCommon(""), "Common");
    EXPECT_EQ(SectionOrCommon("Translator"), "Translator");
    EXPECT_EQ(DialogSection(139), "DialogID_139");
    const std::string page = PageSection(DialogSection(106), 2);
    EXPECT_EQ(page, "DialogID_106 - PageNo_2");
    EXPECT_EQ(ComboBoxSection(page, 1043), "DialogID_106 - PageNo_2 - ComboBoxID_1043");
    EXPECT_EQ(ListViewSection("DialogID_224", 1100), "DialogID_224 - ListCtrlID_1100");
    EXPECT_EQ(ListBoxSection("DialogID_141", 7), "DialogID_141 - ListBoxID_7");
    EXPECT_EQ(TabControlSection("DialogID_136", 9), "DialogID_136 - TabCtrlID_9");
    EXPECT_EQ(ToolBarSection(128), "ToolBarID_128");
    EXPECT_EQ(MenuSection(157), "MenuID_157");
}

TEST(LanguageName, TrimsWhiteSpaceAndIgnoresCase) {
    EXPECT_EQ(TrimLanguageName("  german \t\r\n"), "german");
    EXPECT_EQ(TrimLanguageName("brazilian portuguese"), "brazilian portuguese");
    EXPECT_EQ(TrimLanguageName(" \t "), "");
    EXPECT_TRUE(SameLanguageName("English", "english"));
    EXPECT_TRUE(SameLanguageName("", ""));
    EXPECT_FALSE(SameLanguageName("english", "englis"));
    EXPECT_FALSE(SameLanguageName("english", ""));
}

TEST(LanguageName, NamesThatCouldLeaveTheProgramFolderMeanEnglish) {
    const struct {
        const char* stored;
        const char* used;
    } cases[] = {
        {"german", "german"},
        {"  brazilian portuguese ", "brazilian portuguese"},
        {"", "english"},
        {" \t", "english"},
        {"..\\..\\windows\\win", "english"},
        {"../etc/passwd", "english"},
        {"sub\\german", "english"},
        {"sub/german", "english"},
        {"C:german", "english"},
        {"..", "english"},
        {"german..old", "english"},
        {"german.old", "german.old"},
    };
    for (const auto& c : cases) EXPECT_EQ(UsableLanguageName(c.stored), c.used) << c.stored;
}

TEST(LanguageFiles, LiveInTheProgramFolder) {
    EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Kestrum\\Kestrum.exe"), "C:\\Program Files\\Kestrum\\");
    EXPECT_EQ(ProgramFolderOf("C:/tools/Kestrum.exe"), "C:/tools/");
    EXPECT_EQ(ProgramFolderOf("\\\\server\\share\\Kestrum.exe"), "\\\\server\\share\\");
    EXPECT_EQ(ProgramFolderOf("Kestrum.exe"), "");
    EXPECT_EQ(LanguageFilePath("C:\\K\\", "german"), "C:\\K\\german.lng");
    EXPECT_EQ(LanguageFilePath("C:\\K\\", kTemplateLanguage), "C:\\K\\english.lng");
}

TEST(MakerWebAddress, RussianPageForRussianInAnyCase) {
    for (const char* russian : {"russian", "Russian", "RUSSIAN"}) EXPECT_EQ(MakerPageFor(russian), kMakerPageRussian);
    for (const char* other : {"english", "russian2", ""}) EXPECT_EQ(MakerPageFor(other), kMakerPage);
    EXPECT_NE(kMakerPage, kMakerPageRussian);
}

TEST(HelpFolderAddress, IsTheHelpFolderBesideTheProgramAsAFileUrl) {
    EXPECT_EQ(HelpFolderAddress("C:\\Program Files\\Kestrum\\"), "file:///C:/Program%20Files/Kestrum/help");
    EXPECT_EQ(HelpFolderAddress("\\\\server\\tools #1\\"), "file://server/tools%20%231/help");
    EXPECT_EQ(HelpFolderAddress(""), "");
}

struct Utf8TailCase {
    const char* text;
    const char* kept;
};

class DropIncompleteUtf8TailTest : public testing::TestWithParam<Utf8TailCase> {};

TEST_P(DropIncompleteUtf8TailTest, KeepsWholeCharactersOnly) {
    std::string text = GetParam().text;
    DropIncompleteUtf8Tail(text);
    EXPECT_EQ(text, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropIncompleteUtf8TailTest,
    testing::Values(Utf8TailCase{"", ""}, Utf8TailCase{"Name", "Name"},
                    Utf8TailCase{"Gr\xC3\xBC\xC3\x9F", "Gr\xC3\xBC\xC3\x9F"},  // complete two-byte
                    Utf8TailCase{"ab\xC3", "ab"},                              // lead byte alone
                    Utf8TailCase{"a\xE2\x80", "a"},                            // two of three bytes
                    Utf8TailCase{"a\xE2\x80\x94", "a\xE2\x80\x94"},            // complete em dash
                    Utf8TailCase{"x\xF0\x9F\x98", "x"},                        // three of four bytes
                    Utf8TailCase{"x\xF0\x9F\x98\x80", "x\xF0\x9F\x98\x80"},
                    Utf8TailCase{"\x80\x80", "\x80\x80"}));                    // no lead: left alone

}  // namespace
