// History list rules. Case is ignored the way the file system compares names, since the lists
// hold folders and file names.
#include "ui/history_rules.h"

#include <algorithm>

#include "text/case_fold.h"

namespace {

constexpr unsigned kBackspaceKey = 0x08;  // VK_BACK
constexpr unsigned kDeleteKey = 0x2E;     // VK_DELETE
constexpr unsigned kFirstPrintable = 0x20;
constexpr unsigned kDeleteCharacter = 0x7F;  // what some keyboards type for Ctrl+Backspace

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool SameIgnoringCase(std::string_view a, std::string_view b) { return FoldCase(a) == FoldCase(b); }

bool Contains(const std::vector<std::string>& entries, std::string_view text) {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const std::string& entry) { return SameIgnoringCase(entry, text); });
}

}  // namespace

std::size_t EditLength(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;  // continuation byte of the character before
        // Four-byte sequences are the characters beyond the basic plane: a surrogate pair.
        units += (byte & 0xF8) == 0xF0 ? 2 : 1;
    }
    return units;
}

std::string TrimmedText(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::vector<std::string> HistoryFromStored(const std::vector<std::string>& stored, std::size_t maximum,
                                           std::size_t limit) {
    std::vector<std::string> entries;
    for (const std::string& raw : stored) {
        if (entries.size() >= maximum) break;
        std::string entry = TrimmedText(raw);
        if (entry.empty() || EditLength(entry) > limit || Contains(entries, entry)) continue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<std::string> HistoryWithRecent(const std::vector<std::string>& entries, std::string_view text,
                                           std::size_t maximum, std::size_t limit) {
    const std::string recent = TrimmedText(text);
    const bool keepsRecent = !recent.empty() && EditLength(recent) <= limit && maximum > 0;
    std::vector<std::string> result;
    for (const std::string& entry : entries) {
        if (entry.empty() || EditLength(entry) > limit) continue;
        if (keepsRecent && SameIgnoringCase(entry, recent)) continue;
        result.push_back(entry);
    }
    if (!keepsRecent) {
        if (result.size() > maximum) result.resize(maximum);
        return result;
    }
    if (result.size() >= maximum) result.resize(maximum - 1);
    result.insert(result.begin(), recent);
    return result;
}

std::optional<std::size_t> CompletionIndex(const std::vector<std::string>& entries, std::string_view typed) {
    if (typed.empty()) return std::nullopt;
    const std::string prefix = FoldCase(typed);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (FoldCase(entries[i]).starts_with(prefix)) return i;
    }
    return std::nullopt;
}

bool CompletesAfterKeyDown(unsigned virtualKey) { return virtualKey != kBackspaceKey && virtualKey != kDeleteKey; }

bool RefusesTypedCharacter(unsigned character, std::size_t textLength, bool hasSelection, std::size_t limit) {
    const bool printable = character >= kFirstPrintable && character != kDeleteCharacter;
    return printable && textLength >= limit && !hasSelection;
}
