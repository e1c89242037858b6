// The passes over the history that decide which lines become rows and which types get tabs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tracking/history_file.h"
#include "tracking/history_index.h"

struct DateFilter {
    enum class Kind { None, Day, Range, Days };

    static DateFilter All() { return {}; }
    static DateFilter Day(int32_t day) { return {Kind::Day, day, day, {}}; }
    static DateFilter Range(int32_t first, int32_t last) { return {Kind::Range, first, last, {}}; }
    static DateFilter Days(std::vector<int32_t> days);

    bool Passes(int32_t day) const;

    Kind kind = Kind::None;
    int32_t first = 0;
    int32_t last = 0;
    std::vector<int32_t> days;  // sorted, for Kind::Days

    friend bool operator==(const DateFilter&, const DateFilter&) = default;
};

struct ViewSettings {
    bool showDuplicates = true;  // a row per opening, not per document
    bool showDeleted = true;     // documents that no longer exist

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

// Whether a document of the index exists. Asked only when deleted documents are hidden, and
// then at most once per line: callers answer from a cache of file status.
using DocumentExists = std::function<bool(uint32_t document)>;

inline constexpr uint32_t kAllTypes = UINT32_MAX - 1;

// The lines shown, as indices into index.Lines(), in file order. `extension` is an extension
// id of the index, or kAllTypes. With duplicates hidden a document keeps its first line that
// passes the other tests.
std::vector<uint32_t> SelectRows(const HistoryIndex& index, const DateFilter& dates, uint32_t extension,
                                 const ViewSettings& settings, const DocumentExists& exists);

// The same pass gone on from `firstLine`, over lines appended after an earlier pass: the rows
// those lines add, as a pass over the whole history would add them. With duplicates hidden,
// `shown` (by identity) holds the documents the earlier rows show, and gains the new ones.
std::vector<uint32_t> SelectRowsFrom(const HistoryIndex& index, uint32_t firstLine, const DateFilter& dates,
                                     uint32_t extension, const ViewSettings& settings, const DocumentExists& exists,
                                     std::vector<bool>& shown);

// A type that gets a tab: its extension id and the document of the first line that passes the
// tests, whose spelling of the extension the tab shows.
struct TabType {
    uint32_t extension = 0;
    uint32_t document = 0;
};

// The types that get a tab, in the order they first occur among the lines that pass the date
// and existence tests.
std::vector<TabType> SelectTabs(const HistoryIndex& index, const DateFilter& dates, bool showDeleted,
                                 const DocumentExists& exists);

// The tabs that lines from `firstLine` on add to an earlier pass's, at the end. `seen` (by
// extension id) holds the types that have a tab, and gains the new ones.
std::vector<TabType> SelectTabsFrom(const HistoryIndex& index, uint32_t firstLine, const DateFilter& dates,
                                    bool showDeleted, const DocumentExists& exists, std::vector<bool>& seen);

// The history without the shown lines: every other well-formed line in file order, each with
// CR LF. `shown` holds indices into the well-formed lines, as SelectRows gives them.
// Empty when the file cannot be read.
std::optional<std::string> HistoryWithoutLines(const HistoryFile& file, const std::vector<uint32_t>& shown);
