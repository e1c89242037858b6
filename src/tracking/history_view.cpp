// Row and tab selection in one linear pass over the parsed history, with hash lookups for the
// duplicates rule, so a refresh costs the same whatever the history's age.
#include "tracking/history_view.h"

#include <algorithm>

#include "tracking/history_line.h"

DateFilter DateFilter::Days(std::vector<int32_t> days) {
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return {Kind::Days, 0, 0, std::move(days)};
}

bool DateFilter::Passes(int32_t day) const {
    switch (kind) {
        case Kind::None: return true;
        case Kind::Day: return day == first;
        case Kind::Range: return day >= first && day <= last;
        case Kind::Days: return std::binary_search(days.begin(), days.end(), day);
    }
    return false;
}

std::vector<uint32_t> SelectRows(const HistoryIndex& index, const DateFilter& dates, uint32_t extension,
                                 const ViewSettings& settings, const DocumentExists& exists) {
    std::vector<bool> shown;
    return SelectRowsFrom(index, 0, dates, extension, settings, exists, shown);
}

std::vector<uint32_t> SelectRowsFrom(const HistoryIndex& index, uint32_t firstLine, const DateFilter& dates,
                                     uint32_t extension, const ViewSettings& settings, const DocumentExists& exists,
                                     std::vector<bool>& shown) {
    std::vector<uint32_t> rows;
    if (!settings.showDuplicates && shown.size() < index.IdentityCount()) shown.resize(index.IdentityCount(), false);
    const auto& lines = index.Lines();
    for (uint32_t i = firstLine; i < lines.size(); ++i) {
        const HistoryIndex::Line& line = lines[i];
        if (!dates.Passes(line.day)) continue;
        const HistoryDocument& document = index.Document(line.document);
        if (extension != kAllTypes && document.extension != extension) continue;
        if (!settings.showDeleted && !exists(line.document)) continue;
        if (!settings.showDuplicates) {
            if (shown[document.identity]) continue;
            shown[document.identity] = true;
        }
        rows.push_back(i);
    }
    return rows;
}

std::vector<TabType> SelectTabs(const HistoryIndex& index, const DateFilter& dates, bool showDeleted,
                                const DocumentExists& exists) {
    std::vector<bool> seen;
    return SelectTabsFrom(index, 0, dates, showDeleted, exists, seen);
}

std::vector<TabType> SelectTabsFrom(const HistoryIndex& index, uint32_t firstLine, const DateFilter& dates,
                                    bool showDeleted, const DocumentExists& exists, std::vector<bool>& seen) {
    std::vector<TabType> tabs;
    const auto& lines = index.Lines();
    for (uint32_t i = firstLine; i < lines.size(); ++i) {
        const HistoryIndex::Line& line = lines[i];
        const uint32_t extension = index.Document(line.document).extension;
        if (extension == HistoryIndex::kNoExtension) continue;
        if (extension < seen.size() && seen[extension]) continue;
        if (!dates.Passes(line.day)) continue;
        if (!showDeleted && !exists(line.document)) continue;
        if (seen.size() <= extension) seen.resize(extension + 1, false);
        seen[extension] = true;
        tabs.push_back({extension, line.document});
    }
    return tabs;
}

std::optional<std::string> HistoryWithoutLines(const HistoryFile& file, const std::vector<uint32_t>& shown) {
    std::vector<uint32_t> sorted = shown;
    std::sort(sorted.begin(), sorted.end());
    std::string kept;
    uint32_t ordinal = 0;
    auto next = sorted.begin();
    const bool read = file.ReadLines([&](std::string_view line) {
        if (!ParseHistoryLine(line)) return;
        while (next != sorted.end() && *next < ordinal) ++next;
        const bool isShown = next != sorted.end() && *next == ordinal;
        ++ordinal;
        if (isShown) return;
        kept += line;
        kept += "\r\n";
    });
    if (!read) return std::nullopt;
    return kept;
}
