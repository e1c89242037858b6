// Sortable list rules: the state in the header values, header clicks, sort keys, the centring
// of a selected row and selections carried across a reordering.
#include "ui/sort_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SortStateFromHeaderValues, FirstPositiveValueIsTheSortedColumn) {
    const std::vector<std::intptr_t> none = {0, 0, 0};
    EXPECT_EQ(SortStateFromHeaderValues(none), (SortState{-1, true}));
    EXPECT_EQ(SortStateFromHeaderValues({}), (SortState{-1, true}));

    const std::vector<std::intptr_t> second = {0, kHeaderDescending, 0};
    EXPECT_EQ(SortStateFromHeaderValues(second), (SortState{1, false}));
    const std::vector<std::intptr_t> first = {kHeaderAscending, 0};
    EXPECT_EQ(SortStateFromHeaderValues(first), (SortState{0, true}));

    // Odd values: negative ones are not a sort mark; any positive value but 1 reads as
    // descending; of two marks the first wins.
    const std::vector<std::intptr_t> odd = {-4, 7, kHeaderAscending};
    EXPECT_EQ(SortStateFromHeaderValues(odd), (SortState{1, false}));
}

TEST(SortStateAfterClick, ReversesTheSortedColumnAndCarriesTheDirectionToAnother) {
    // Nothing sorted yet: the clicked column, ascending.
    EXPECT_EQ(SortStateAfterClick({}, 2), (SortState{2, true}));
    // Clicking the sorted column twice returns it to its first direction.
    SortState state{2, true};
    state = SortStateAfterClick(state, 2);
    EXPECT_EQ(state, (SortState{2, false}));
    state = SortStateAfterClick(state, 2);
    EXPECT_EQ(state, (SortState{2, true}));
    // Size descending, then Name: Name descending.
    EXPECT_EQ(SortStateAfterClick({2, false}, 0), (SortState{0, false}));
    EXPECT_EQ(SortStateAfterClick({5, true}, 1), (SortState{1, true}));
}

TEST(HeaderValues, AscendingIsOneAndTheFirstImage) {
    EXPECT_EQ(HeaderValueFor(true), 1);
    EXPECT_EQ(HeaderValueFor(false), 2);
    EXPECT_EQ(SortImageFor(true), 0);
    EXPECT_EQ(SortImageFor(false), 1);
}

TEST(SortKeyPrefix, CutsAfter1023CharactersNeverInsideOne) {
    EXPECT_EQ(SortKeyPrefix(""), "");
    const std::string exact(1023, 'a');
    EXPECT_EQ(SortKeyPrefix(exact), exact);
    const std::string longer = std::string(1023, 'a') + "bcd";
    EXPECT_EQ(SortKeyPrefix(longer), exact);

    // Two-byte characters count once each: 1023 of them are 2046 bytes.
    std::string umlauts;
    for (int i = 0; i < 1100; ++i) umlauts += "\xC3\xA4";
    const std::string_view cut = SortKeyPrefix(umlauts);
    EXPECT_EQ(cut.size(), 2046u);
    EXPECT_EQ(cut.substr(cut.size() - 2), "\xC3\xA4");

    // A four-byte character right at the boundary stays whole or goes whole.
    const std::string mixed = std::string(1022, 'x') + "\xF0\x9F\x93\x84" + "tail";
    EXPECT_EQ(SortKeyPrefix(mixed), std::string(1022, 'x') + "\xF0\x9F\x93\x84");
}

TEST(CompareAsNumbers, ComparesLeadingWholeNumbers) {
    EXPECT_EQ(CompareAsNumbers("9", "10"), -1);
    EXPECT_EQ(CompareAsNumbers("100", "25"), 1);
    EXPECT_EQ(CompareAsNumbers("42", "42"), 0);
    // Empty and non-numeric texts count as 0 (a missing document's size).
    EXPECT_EQ(CompareAsNumbers("", "0"), 0);
    EXPECT_EQ(CompareAsNumbers("", "1"), -1);
    EXPECT_EQ(CompareAsNumbers("n/a", ""), 0);
    // Only the leading digits count.
    EXPECT_EQ(CompareAsNumbers("12 KB", "12"), 0);
    EXPECT_EQ(CompareAsNumbers("3.9", "3"), 0);
    EXPECT_EQ(CompareAsNumbers("  7", "8"), -1);
    EXPECT_EQ(CompareAsNumbers("-5", "2"), -1);
    EXPECT_EQ(CompareAsNumbers("+5", "5"), 0);
    // Numbers beyond 64 bits saturate instead of wrapping around.
    EXPECT_EQ(CompareAsNumbers("99999999999999999999999", "9223372036854775807"), 0);
    EXPECT_EQ(CompareAsNumbers("99999999999999999999999", "1"), 1);
    EXPECT_EQ(CompareAsNumbers("-99999999999999999999999", "-1"), -1);
    EXPECT_EQ(CompareAsNumbers("9223372036854775808", "9223372036854775807"), 0);
}

TEST(ClampRowIndex, ClampsToTheLastRowAndRefusesTheRest) {
    EXPECT_EQ(ClampRowIndex(0, 0), -1);
    EXPECT_EQ(ClampRowIndex(5, 0), -1);
    EXPECT_EQ(ClampRowIndex(-1, 10), -1);
    EXPECT_EQ(ClampRowIndex(0, 10), 0);
    EXPECT_EQ(ClampRowIndex(9, 10), 9);
    EXPECT_EQ(ClampRowIndex(10, 10), 9);
    EXPECT_EQ(ClampRowIndex(1000000, 10), 9);
}

struct CentreCase {
    int row, rowCount, topRow, perPage;
    bool centre;
    int target;
};

class ScrollTargetForRowTest : public testing::TestWithParam<CentreCase> {};

TEST_P(ScrollTargetForRowTest, Target) {
    const CentreCase& c = GetParam();
    EXPECT_EQ(ScrollTargetForRow(c.row, c.rowCount, c.topRow, c.perPage, c.centre), c.target);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollTargetForRowTest,
    testing::Values(
        // Row 25 of 100, 20 rows shown from row 0: below the middle, so item 35 is made visible.
        CentreCase{25, 100, 0, 20, true, 35},
        // Without centring the row itself.
        CentreCase{25, 100, 0, 20, false, 25},
        // Above the middle of the page shown: half a page higher.
        CentreCase{52, 100, 50, 20, true, 42},
        // Far above the page, near the top: not below row 0.
        CentreCase{4, 100, 60, 20, true, 0},
        // Far below, near the end: not past the last row.
        CentreCase{95, 100, 0, 20, true, 99},
        // Exactly in the middle: where it is.
        CentreCase{60, 100, 50, 20, true, 60},
        // A list too small to show a full row has no page to centre in.
        CentreCase{7, 100, 0, 0, true, 7},
        // A million rows: the arithmetic does not overflow.
        CentreCase{999990, 1000000, 0, 30, true, 999999},
        CentreCase{500000, 1000000, 999970, 30, true, 499985}));

TEST(RowsAfterReorder, GivesEachOldRowItsNewPosition) {
    // Rows 0..4 reversed: the row now at 0 was at 4.
    const std::vector<int> reversed = {4, 3, 2, 1, 0};
    const std::vector<int> selected = {0, 3};
    EXPECT_EQ(RowsAfterReorder(selected, reversed), (std::vector<int>{1, 4}));

    // Rows the order does not know (out of range, negative) are dropped.
    const std::vector<int> odd = {7, -1, 2};
    EXPECT_EQ(RowsAfterReorder(odd, reversed), (std::vector<int>{2}));

    // An order that lost rows (a malformed permutation) keeps what it can.
    const std::vector<int> partial = {2, -5, 9};
    const std::vector<int> oldRows = {0, 1, 2};
    EXPECT_EQ(RowsAfterReorder(oldRows, partial), (std::vector<int>{0}));
    EXPECT_TRUE(RowsAfterReorder(oldRows, {}).empty());

    // Rows 1 and 2 of four removed: the last row moves up, the removed ones are dropped.
    const std::vector<int> kept = {0, 3};
    const std::vector<int> selectedBefore = {1, 3};
    EXPECT_EQ(RowsAfterReorder(selectedBefore, kept), (std::vector<int>{1}));
}

TEST(RowsAfterInsertions, EachOldRowMovesDownByTheNewRowsBeforeIt) {
    const struct {
        const char* name;
        std::vector<int> old;
        std::vector<std::size_t> inserted;
        std::vector<int> moved;
    } cases[] = {
        {"one new row in the middle", {0, 1, 2}, {1}, {0, 2, 3}},
        {"a new first row moves all", {0, 4}, {0}, {1, 5}},
        {"new rows side by side", {0, 1}, {0, 1}, {2, 3}},
        {"after the last old row nothing moves", {0, 5}, {6, 9}, {0, 5}},
        {"a new row where an old one was goes before it", {3}, {3}, {4}},
        {"spread out", {1, 3, 7}, {0, 3, 6, 11}, {2, 5, 10}},
        {"no new rows", {2, 8}, {}, {2, 8}},
        {"no old rows", {}, {0, 1}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowsAfterInsertions(c.old, c.inserted), c.moved) << c.name;
    }
}

}  // namespace
