// Selecting a language, message texts and the translators' template, through the real profile files.
#include "language/ui_language.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include "framework/wide_text.h"
#include "language/language_keys.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "language/web_addresses.h"
#include "language_test_support.h"

namespace {

constexpr unsigned kMessageIds[] = {1000, 1010, 1020, 1800, 1810, 1820, 1830, 1840, 1850, 1860,
                                    1870, 1880, 1890, 1900, 2000, 2100, 2200, 2300, 2400, 2500,
                                    2600, 2700, 2800, 2900, 3000, 3100, 3200, 3300, 3400, 3500,
                                    3710, 3720, 3730, 3740, 3750};

class LanguageFilesTest : public testing::Test {
protected:
    LanguageFilesTest() { language.SetProgramFolder(folder.Path()); }

    std::string Template() const { return folder.File("english.lng"); }

    LanguageFolder folder;
    UiLanguage language;
};

TEST_F(LanguageFilesTest, SelectingALanguageWritesTheCompleteCommonAndTranslatorSections) {
    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_FALSE(folder.Exists("german.lng")) << "only the template is ever written";

    EXPECT_EQ(SectionNames(Template()), (std::set<std::string>{"Common", "Translator"}));
    const auto common = SectionEntries(Template(), "Common");
    ASSERT_EQ(common.size(), std::size(kMessageIds));
    for (const unsigned id : kMessageIds) {
        const std::string key = "ID_" + std::to_string(id);
        EXPECT_EQ(ProfileValue(Template(), "Common", key), BuiltInMessageText(id)) << key;
    }
    EXPECT_EQ(ProfileValue(Template(), "Common", "ID_1890"), "HTML Files (*.htm)|*.htm|Text Files (*.txt)|*.txt");

    EXPECT_EQ(SectionEntries(Template(), "Translator"),
              (std::map<std::string, std::string>{
                  {"ID_0", "Quillon Works"}, {"ID_1", std::string(kSupportEmail)}, {"ID_2", "Feb  9 2007"}}));
}

TEST_F(LanguageFilesTest, TheSameLanguageInAnotherCaseChangesNothing) {
    ASSERT_TRUE(language.SetLanguage("english"));
    folder.Remove("english.lng");

    EXPECT_FALSE(language.SetLanguage("English"));
    EXPECT_FALSE(language.SetLanguage("  ENGLISH "));
    EXPECT_EQ(language.Language(), "english");
    EXPECT_FALSE(folder.Exists("english.lng")) << "the message table was walked again";
}

TEST_F(LanguageFilesTest, NamesAreStoredWithoutSurroundingBlanks) {
    EXPECT_TRUE(language.SetLanguage("  german \t"));
    EXPECT_EQ(language.Language(), "german");
    EXPECT_EQ(language.LanguageFile(), folder.File("german.lng"));
    EXPECT_EQ(language.TemplateFile(), folder.File("english.lng"));

    EXPECT_FALSE(language.SetLanguage("   ")) << "an empty name keeps the current language";
    EXPECT_EQ(language.Language(), "german");
}

TEST_F(LanguageFilesTest, WithoutALanguageLookupsAreEnglishAndNothingIsWritten) {
    EXPECT_EQ(language.MessageText(kMsgColumnName), "Name");
    EXPECT_EQ(language.TranslatorText(0), "Quillon Works");
    EXPECT_EQ(language.Read("", "", 2800, "fallback"), "fallback");
    EXPECT_FALSE(language.WriteTemplate("", "", 2800, "Name"));
    EXPECT_FALSE(folder.Exists("english.lng"));
}

TEST_F(LanguageFilesTest, ATranslationReplacesTheTextAndTheTemplateKeepsEnglish) {
    folder.Write("german.lng", "[Common]\r\nID_2800=Spalte\r\nID_2900=\r\nID_3000=   \r\n"
                               "ID_1810=Dokument '%s' kann nicht gel\xC3\xB6scht werden\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));

    EXPECT_EQ(language.MessageText(2800), "Spalte");
    EXPECT_EQ(ProfileValue(Template(), "Common", "ID_2800"), "Name");
    EXPECT_EQ(language.MessageText(2900), "Folder") << "an empty translation keeps the English text";
    EXPECT_EQ(language.MessageText(3000), "Size") << "blanks alone are no translation";
    EXPECT_EQ(language.MessageText(1810), "Dokument '%s' kann nicht gel\xC3\xB6scht werden");
    EXPECT_EQ(language.MessageText(3100), "Accessed") << "a missing key keeps the English text";
}

TEST_F(LanguageFilesTest, AnIdWithoutTextTouchesNeitherFile) {
    folder.Write("german.lng", "[Common]\r\nID_1005=Zwischenwert\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));
    const std::string templateBefore = folder.Contents("english.lng");
    const std::string germanBefore = folder.Contents("german.lng");
    ASSERT_FALSE(templateBefore.empty());

    EXPECT_EQ(language.MessageText(1005), "");
    EXPECT_EQ(language.MessageText(3501), "");
    EXPECT_EQ(language.MessageText(0xFFFFFFFFu), "");
    EXPECT_EQ(folder.Contents("english.lng"), templateBefore);
    EXPECT_EQ(folder.Contents("german.lng"), germanBefore);
    EXPECT_EQ(ProfileValue(Template(), "Common", "ID_1005"), "");
}

TEST_F(LanguageFilesTest, WithEnglishCurrentHandEditsOfTheTemplateNeverTakeEffect) {
    ASSERT_TRUE(language.SetLanguage("english"));
    ::WritePrivateProfileStringA("Common", "ID_2800", "Edited", Template().c_str());
    EXPECT_EQ(language.MessageText(2800), "Name");
    // The next start writes the template anew.
    UiLanguage next;
    next.SetProgramFolder(folder.Path());
    ASSERT_TRUE(next.SetLanguage("english"));
    EXPECT_EQ(ProfileValue(Template(), "Common", "ID_2800"), "Name");
    EXPECT_EQ(next.MessageText(2800), "Name");
}

TEST_F(LanguageFilesTest, ALanguageFileIsReadOncePerLanguage) {
    folder.Write("german.lng", "[Common]\r\nID_2800=Name (de)\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_EQ(language.MessageText(2800), "Name (de)");
    folder.Write("german.lng", "[Common]\r\nID_2800=Changed\r\n");
    EXPECT_EQ(language.MessageText(2800), "Name (de)") << "held since the language was set";
    ASSERT_TRUE(language.SetLanguage("english"));
    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_EQ(language.MessageText(2800), "Changed") << "read anew when the language is set again";
}

TEST_F(LanguageFilesTest, TranslatorCredits) {
    folder.Write("german.lng", "[Translator]\r\nID_0=Hans M\xC3\xBCller\r\nID_2=1. M\xC3\xA4rz 2024\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_EQ(language.TranslatorText(0), "Hans M\xC3\xBCller");
    EXPECT_EQ(language.TranslatorText(1), kSupportEmail);
    EXPECT_EQ(language.TranslatorText(2), "1. M\xC3\xA4rz 2024");
    EXPECT_EQ(language.TranslatorText(3), "");
    EXPECT_EQ(ProfileValue(Template(), "Translator", "ID_3"), "");
}

TEST_F(LanguageFilesTest, WebAddressesAreTheHelpFolderBesideTheProgram) {
    const std::string help = HelpFolderAddress(folder.Path());
    ASSERT_EQ(help.rfind("file:///", 0), 0u) << help;
    EXPECT_EQ(language.ProductWebAddress(), help);
    EXPECT_EQ(language.MakerWebAddress(), help + "/" + std::string(kMakerPage));
    language.SetLanguage("Russian");
    EXPECT_EQ(language.MakerWebAddress(), help + "/" + std::string(kMakerPageRussian));

    // Followed, the address leads to the page in the folder beside the program.
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    ASSERT_EQ(::PathCreateFromUrlW(WideFromUtf8(help + "/help.htm").c_str(), path, &size, 0), S_OK);
    EXPECT_EQ(Utf8FromWide(path), folder.Path() + "help\\help.htm");
}

TEST_F(LanguageFilesTest, LongValuesAreCutAtWholeCharacters) {
    // 1022 letters and a two-byte letter: the read buffer ends in the middle of it.
    const std::string value = std::string(1022, 'a') + "\xC3\xBC" + "tail";
    folder.Write("german.lng", "[Common]\r\nID_2800=" + value + "\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));
    const std::string text = language.MessageText(2800);
    EXPECT_LE(text.size(), 1023u);
    EXPECT_GE(text.size(), 1022u);
    EXPECT_EQ(text, value.substr(0, text.size()));
    EXPECT_NE(text.back(), '\xC3') << "a cut character was left at the end";
}

TEST_F(LanguageFilesTest, AnUnwritableFolderStillGivesTexts) {
    language.SetProgramFolder(folder.File("missing\\deeper"));
    folder.Write("german.lng", "[Common]\r\nID_2800=Spalte\r\n");
    EXPECT_TRUE(language.SetLanguage("german"));
    EXPECT_EQ(language.MessageText(2800), "Name") << "the language file is looked for in the given folder";
    EXPECT_FALSE(language.WriteTemplate("", "", 2800, "Name"));
    EXPECT_FALSE(folder.Exists("english.lng"));
}

TEST_F(LanguageFilesTest, TheFreeMessageTextGoesThroughTheCurrentLanguage) {
    folder.Write("german.lng", "[Common]\r\nID_3400=Die dat-Datei kann nicht gespeichert werden\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_EQ(MessageText(kMsgCannotSaveHistory), "Cannot save to the dat-file") << "no language is current yet";
    {
        const CurrentLanguageScope current(language);
        EXPECT_EQ(&CurrentLanguage(), &language);
        EXPECT_EQ(MessageText(kMsgCannotSaveHistory), "Die dat-Datei kann nicht gespeichert werden");
        EXPECT_EQ(MessageText(1005), "");
    }
    EXPECT_NE(&CurrentLanguage(), &language);
    EXPECT_EQ(MessageText(kMsgCannotSaveHistory), "Cannot save to the dat-file");
}

}  // namespace
