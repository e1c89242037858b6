// Passes carried on over appended lines, and new rows merged into a sorted list: whatever the
// split, the result is that of one pass (and one stable sort) over the whole history.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tracking/history_view.h"
#include "tracking/row_merge.h"

namespace {

constexpr int32_t kMonday = 46363;  // 7 December 2026

std::string Line(int dayOffset, const std::string& path) {
    return std::to_string(kMonday + dayOffset) + ".250000 " + path + "\r\n";
}

struct Filters {
    DateFilter dates;
    const char* type;  // nullptr: all types
    ViewSettings view;
};

// One pass over `before`, carried on over `appended`, beside one pass over both at once.
struct Outcome {
    std::vector<uint32_t> rows;
    std::vector<uint32_t> tabs;  // extension ids in tab order
};

Outcome Carried(const std::string& before, const std::string& appended, const Filters& f,
                const std::set<std::string, std::less<>>& missing) {
    HistoryIndex index;
    index.AddText(before);
    const DocumentExists exists = [&](uint32_t document) { return !missing.count(index.Document(document).path); };
    // The type is looked up in the whole history, as a tab chosen after the append would be.
    HistoryIndex whole;
    whole.AddText(before + appended);
    const uint32_t type = f.type ? whole.FindExtension(f.type) : kAllTypes;
    std::vector<bool> shown;
    std::vector<bool> seen;
    Outcome outcome;
    outcome.rows = SelectRowsFrom(index, 0, f.dates, type, f.view, exists, shown);
    for (const TabType& tab : SelectTabsFrom(index, 0, f.dates, f.view.showDeleted, exists, seen)) {
        outcome.tabs.push_back(tab.extension);
    }
    const auto first = static_cast<uint32_t>(index.Lines().size());
    index.AddText(appended);
    for (uint32_t row : SelectRowsFrom(index, first, f.dates, type, f.view, exists, shown)) outcome.rows.push_back(row);
    for (const TabType& tab : SelectTabsFrom(index, first, f.dates, f.view.showDeleted, exists, seen)) {
        outcome.tabs.push_back(tab.extension);
    }
    return outcome;
}

Outcome Whole(const std::string& text, const Filters& f, const std::set<std::string, std::less<>>& missing) {
    HistoryIndex index;
    index.AddText(text);
    const DocumentExists exists = [&](uint32_t document) { return !missing.count(index.Document(document).path); };
    const uint32_t type = f.type ? index.FindExtension(f.type) : kAllTypes;
    Outcome outcome;
    outcome.rows = SelectRows(index, f.dates, type, f.view, exists);
    for (const TabType& tab : SelectTabs(index, f.dates, f.view.showDeleted, exists)) outcome.tabs.push_back(tab.extension);
    return outcome;
}

TEST(CarriedPass, AppendedLinesAddWhatAWholePassWouldShow) {
    const std::set<std::string, std::less<>> missing = {"C:\\gone.txt", "C:\\gone.pdf"};
    const ViewSettings all{true, true}, once{false, true}, existing{true, false}, onceExisting{false, false};
    const struct {
        const char* name;
        std::string before;
        std::string appended;
        Filters filters;
        size_t newRows;
        size_t newTabs;
    } cases[] = {
        {"a new document", Line(0, "C:\\a.txt"), Line(0, "C:\\b.txt"), {DateFilter::All(), nullptr, all}, 1, 0},
        {"a new type adds a tab at the end", Line(0, "C:\\a.txt") + Line(0, "C:\\b.pdf"), Line(0, "C:\\c.docx"),
         {DateFilter::All(), nullptr, all}, 1, 1},
        {"the type's spelling does not make a new tab", Line(0, "C:\\a.txt"), Line(0, "C:\\b.TXT"),
         {DateFilter::All(), nullptr, all}, 1, 0},
        {"a shown document keeps its first line", Line(0, "C:\\a.txt"), Line(0, "C:\\A.TXT") + Line(0, "C:\\b.txt"),
         {DateFilter::All(), nullptr, once}, 1, 0},
        {"every opening with duplicates shown", Line(0, "C:\\a.txt"), Line(0, "C:\\a.txt") + Line(0, "C:\\a.txt"),
         {DateFilter::All(), nullptr, all}, 2, 0},
        {"a line outside the dates adds nothing", Line(0, "C:\\a.txt"), Line(-3, "C:\\b.pdf"),
         {DateFilter::Day(kMonday), nullptr, all}, 0, 0},
        {"a document shown only outside the dates appears", Line(-3, "C:\\a.txt"), Line(0, "C:\\a.txt"),
         {DateFilter::Range(kMonday - 1, kMonday), nullptr, once}, 1, 1},
        {"another type adds a tab but no row", Line(0, "C:\\a.txt"), Line(0, "C:\\b.pdf") + Line(0, "C:\\c.TXT"),
         {DateFilter::All(), "txt", all}, 1, 1},
        {"a missing document is left out when hidden", Line(0, "C:\\a.txt"), Line(0, "C:\\gone.pdf") + Line(0, "C:\\b.txt"),
         {DateFilter::All(), nullptr, existing}, 1, 0},
        {"a missing document's type gets a tab when shown", Line(0, "C:\\a.txt"), Line(0, "C:\\gone.pdf"),
         {DateFilter::All(), nullptr, all}, 1, 1},
        {"hidden twice over", Line(0, "C:\\gone.txt") + Line(0, "C:\\a.txt"),
         Line(0, "C:\\gone.txt") + Line(0, "C:\\A.txt") + Line(0, "C:\\c.rtf"), {DateFilter::All(), nullptr, onceExisting}, 1, 1},
        {"into an empty history", "", Line(0, "C:\\a.txt") + Line(0, "C:\\a.txt") + Line(0, "C:\\noext"),
         {DateFilter::All(), nullptr, once}, 2, 1},
        {"a document without extension has no tab", Line(0, "C:\\a.txt"), Line(0, "C:\\README"),
         {DateFilter::All(), nullptr, all}, 1, 0},
        {"listed days", Line(0, "C:\\a.txt"), Line(-2, "C:\\b.txt") + Line(-1, "C:\\c.pdf"),
         {DateFilter::Days({kMonday, kMonday - 2}), nullptr, all}, 1, 0},
        {"nothing appended", Line(0, "C:\\a.txt"), "", {DateFilter::All(), nullptr, all}, 0, 0},
    };
    for (const auto& c : cases) {
        const Outcome whole = Whole(c.before + c.appended, c.filters, missing);
        const Outcome carried = Carried(c.before, c.appended, c.filters, missing);
        EXPECT_EQ(carried.rows, whole.rows) << c.name;
        EXPECT_EQ(carried.tabs, whole.tabs) << c.name;
        const Outcome before = Whole(c.before, c.filters, missing);
        EXPECT_EQ(whole.rows.size() - before.rows.size(), c.newRows) << c.name;
        EXPECT_EQ(whole.tabs.size() - before.tabs.size(), c.newTabs) << c.name;
    }
}

TEST(CarriedPass, AnySplitOfARandomHistoryGivesTheWholePass) {
    const char* const names[] = {"C:\\a.txt", "C:\\A.TXT", "C:\\b.pdf", "C:\\gone.txt", "C:\\c.Docx", "C:\\d",
                                 "C:\\e.PDF", "C:\\f.rtf"};
    const std::set<std::string, std::less<>> missing = {"C:\\gone.txt", "C:\\e.PDF"};
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> lines;
        const int count = static_cast<int>(random() % 30);
        for (int i = 0; i < count; ++i) lines.push_back(Line(static_cast<int>(random() % 5) - 4, names[random() % std::size(names)]));
        const size_t split = lines.empty() ? 0 : random() % (lines.size() + 1);
        std::string before, appended;
        for (size_t i = 0; i < lines.size(); ++i) (i < split ? before : appended) += lines[i];
        const Filters filters{random() % 2 ? DateFilter::All() : DateFilter::Range(kMonday - 2, kMonday),
                              random() % 3 == 0 ? "txt" : nullptr, ViewSettings{random() % 2 == 0, random() % 2 == 0}};
        const Outcome whole = Whole(before + appended, filters, missing);
        const Outcome carried = Carried(before, appended, filters, missing);
        ASSERT_EQ(carried.rows, whole.rows) << "round " << round;
        ASSERT_EQ(carried.tabs, whole.tabs) << "round " << round;
    }
}

// Rows are line numbers; each line's key decides the order.
std::vector<uint32_t> StableSorted(std::vector<uint32_t> rows, const RowLess& less) {
    std::sort(rows.begin(), rows.end());
    std::stable_sort(rows.begin(), rows.end(), less);
    return rows;
}

TEST(MergeSortedRows, NewRowsGoWhereAStableSortOfAllRowsPutsThem) {
    const struct {
        const char* name;
        std::vector<int> keys;  // by line
        std::vector<uint32_t> shown;
        std::vector<uint32_t> added;
        bool ascending;
        std::vector<size_t> positions;
    } cases[] = {
        {"before, between and after", {5, 1, 9, 0, 7, 10}, {0, 1, 2}, {3, 4, 5}, true, {0, 3, 5}},
        {"after the rows it equals", {2, 1, 2, 1}, {0, 1, 2}, {3}, true, {1}},
        {"equal new rows keep history order", {4, 4, 4, 4}, {0, 1}, {2, 3}, true, {2, 3}},
        {"new rows out of order among themselves", {1, 5, 9, 3}, {0}, {1, 2, 3}, true, {1, 2, 3}},
        {"descending", {5, 1, 9, 7, 0}, {0, 1, 2}, {3, 4}, false, {1, 4}},
        {"descending after its equals", {5, 5, 1, 5}, {0, 1, 2}, {3}, false, {2}},
        {"into no rows", {3, 1}, {}, {0, 1}, true, {0, 1}},
        {"nothing added", {3, 1}, {0, 1}, {}, true, {}},
        {"rows not all shown", {8, 0, 2, 0, 5}, {0, 2}, {4}, true, {1}},
    };
    for (const auto& c : cases) {
        const RowLess less = [&](uint32_t a, uint32_t b) {
            return c.ascending ? c.keys[a] < c.keys[b] : c.keys[b] < c.keys[a];
        };
        std::vector<uint32_t> rows = StableSorted(c.shown, less);
        std::vector<uint32_t> all = c.shown;
        all.insert(all.end(), c.added.begin(), c.added.end());
        EXPECT_EQ(MergeSortedRows(rows, c.added, less), c.positions) << c.name;
        EXPECT_EQ(rows, StableSorted(all, less)) << c.name;
    }
}

TEST(MergeSortedRows, RandomListsMatchAFullStableSort) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const size_t lines = random() % 40;
        std::vector<int> keys(lines);
        for (int& key : keys) key = static_cast<int>(random() % 6);
        const size_t split = lines == 0 ? 0 : random() % (lines + 1);
        std::vector<uint32_t> shown, added;
        for (uint32_t line = 0; line < lines; ++line) {
            if (random() % 4 == 0) continue;  // not every line is a row
            (line < split ? shown : added).push_back(line);
        }
        const bool ascending = random() % 2 == 0;
        const RowLess less = [&](uint32_t a, uint32_t b) { return ascending ? keys[a] < keys[b] : keys[b] < keys[a]; };
        std::vector<uint32_t> rows = StableSorted(shown, less);
        std::vector<uint32_t> all = shown;
        all.insert(all.end(), added.begin(), added.end());
        const std::vector<size_t> positions = MergeSortedRows(rows, added, less);
        const std::vector<uint32_t> expected = StableSorted(all, less);
        ASSERT_EQ(rows, expected) << "round " << round;
        ASSERT_EQ(positions.size(), added.size());
        ASSERT_TRUE(std::is_sorted(positions.begin(), positions.end()));
        for (size_t position : positions) ASSERT_GE(rows.at(position), split) << "round " << round << ": not a new row";
    }
}

}  // namespace
