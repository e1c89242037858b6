// History combo box rules: the stored list in and out, completion of typed text, and its keys.
#include "ui/history_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using List = std::vector<std::string>;

TEST(EditLength, CountsCharactersAsTheEditControlDoes) {
    EXPECT_EQ(EditLength(""), 0u);
    EXPECT_EQ(EditLength("C:\\a"), 4u);
    EXPECT_EQ(EditLength("C:\\Ärger"), 8u);      // two-byte letter
    EXPECT_EQ(EditLength("\xE6\x97\xA5\xE6\x9C\xAC"), 2u);  // two three-byte characters
    EXPECT_EQ(EditLength("\xF0\x9F\x93\x81"), 2u);          // beyond the basic plane: a pair
    EXPECT_EQ(EditLength("a\xFFz"), 3u);                    // a stray byte counts once
}

TEST(TrimmedText, RemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimmedText("  C:\\My Files \t\r\n"), "C:\\My Files");
    EXPECT_EQ(TrimmedText(" \t "), "");
    EXPECT_EQ(TrimmedText(""), "");
    EXPECT_EQ(TrimmedText("x"), "x");
}

TEST(HistoryFromStored, TrimsAndSkipsEmptyOverlongAndRepeatedEntries) {
    const List stored{" C:\\Archive ", "", "   ", "c:\\archive", "D:\\Work", std::string(261, 'x'),
                      std::string(260, 'y')};
    EXPECT_EQ(HistoryFromStored(stored, 10, 260), (List{"C:\\Archive", "D:\\Work", std::string(260, 'y')}));
}

TEST(HistoryFromStored, TakesAtMostTheMaximumOfUsableEntries) {
    const List stored{"", "a", "b", "", "c", "d"};
    EXPECT_EQ(HistoryFromStored(stored, 3, 260), (List{"a", "b", "c"}));
    EXPECT_TRUE(HistoryFromStored(stored, 0, 260).empty());
    EXPECT_TRUE(HistoryFromStored({}, 10, 260).empty());
}

TEST(HistoryWithRecent, PutsTheTextFirstAndDropsItsOlderCopyIgnoringCase) {
    EXPECT_EQ(HistoryWithRecent({"C:\\A", "C:\\B", "C:\\C"}, "  c:\\b ", 10, 260),
              (List{"c:\\b", "C:\\A", "C:\\C"}));
    EXPECT_EQ(HistoryWithRecent({"C:\\Ärger"}, "c:\\ärger", 10, 260), (List{"c:\\ärger"}));
}

TEST(HistoryWithRecent, AFullListKeepsTheNewTextAndTheNineMostRecent) {
    List full;
    for (int i = 0; i < 10; ++i) full.push_back("entry " + std::to_string(i));
    List expected{"new"};
    expected.insert(expected.end(), full.begin(), full.begin() + 9);
    EXPECT_EQ(HistoryWithRecent(full, "new", 10, 260), expected);
    // Using an entry of a full list again only moves it: nothing is lost.
    List moved{"entry 9"};
    moved.insert(moved.end(), full.begin(), full.begin() + 9);
    EXPECT_EQ(HistoryWithRecent(full, "entry 9", 10, 260), moved);
}

TEST(HistoryWithRecent, EmptyOrOverlongTextIsNotAdded) {
    const List entries{"a", "", "b"};
    EXPECT_EQ(HistoryWithRecent(entries, "  ", 10, 260), (List{"a", "b"}));
    EXPECT_EQ(HistoryWithRecent(entries, std::string(261, 'z'), 10, 260), (List{"a", "b"}));
    EXPECT_EQ(HistoryWithRecent(entries, std::string(260, 'z'), 10, 260), (List{std::string(260, 'z'), "a", "b"}));
}

TEST(HistoryWithRecent, NeverStoresMoreThanTheMaximum) {
    const List many{"a", "b", "c", "d"};
    EXPECT_EQ(HistoryWithRecent(many, "", 2, 260), (List{"a", "b"}));
    EXPECT_EQ(HistoryWithRecent(many, "x", 2, 260), (List{"x", "a"}));
    EXPECT_EQ(HistoryWithRecent(many, "x", 1, 260), (List{"x"}));
    EXPECT_TRUE(HistoryWithRecent(many, "x", 0, 260).empty());
}

TEST(CompletionIndex, FirstEntryFromTheTopThatBeginsWithTheTypedText) {
    const List entries{"D:\\Docs", "C:\\Archive", "C:\\Apps", "c:\\a"};
    EXPECT_EQ(CompletionIndex(entries, "c:\\a"), 1u);
    EXPECT_EQ(CompletionIndex(entries, "C:\\AP"), 2u);
    EXPECT_EQ(CompletionIndex(entries, "d"), 0u);
    EXPECT_EQ(CompletionIndex(entries, "E:"), std::nullopt);
    EXPECT_EQ(CompletionIndex(entries, "C:\\Archive\\old"), std::nullopt);  // longer than every entry
    EXPECT_EQ(CompletionIndex({"Ärger"}, "äR"), 0u);
}

TEST(CompletionIndex, EmptyTextCompletesNothing) {
    EXPECT_EQ(CompletionIndex({"C:\\Archive"}, ""), std::nullopt);
    EXPECT_EQ(CompletionIndex({}, "C"), std::nullopt);
}

TEST(HistoryKeys, BackspaceAndDeleteStopCompletionOtherKeysResumeIt) {
    EXPECT_FALSE(CompletesAfterKeyDown(0x08));
    EXPECT_FALSE(CompletesAfterKeyDown(0x2E));
    for (unsigned key : {0x41u, 0x25u, 0x10u, 0xBEu, 0x20u}) EXPECT_TRUE(CompletesAfterKeyDown(key)) << key;
}

TEST(HistoryKeys, PrintableCharacterRefusedOnlyAtTheLimitWithoutSelection) {
    EXPECT_TRUE(RefusesTypedCharacter('a', 260, false, 260));
    EXPECT_TRUE(RefusesTypedCharacter(' ', 261, false, 260));
    EXPECT_FALSE(RefusesTypedCharacter('a', 259, false, 260));
    EXPECT_FALSE(RefusesTypedCharacter('a', 260, true, 260));  // replaces the selection
}

TEST(HistoryKeys, BackspaceAndEditingShortcutsPassAtTheLimit) {
    for (unsigned character : {0x08u, 0x01u, 0x03u, 0x16u, 0x18u, 0x1Au, 0x7Fu}) {
        EXPECT_FALSE(RefusesTypedCharacter(character, 260, false, 260)) << character;
    }
}

}  // namespace
