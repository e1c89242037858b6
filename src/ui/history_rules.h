// The rules of the history combo box: its stored list, completion of typed text and its keys.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the dialogs with a history keep: the last 10 texts, each at most 260 characters.
inline constexpr std::size_t kHistoryEntries = 10;
inline constexpr std::size_t kHistoryTextLimit = 260;

// Length as an edit control counts characters (UTF-16 units; a stray byte counts as one).
std::size_t EditLength(std::string_view text);

// Without the spaces, tabs and line breaks at either end.
std::string TrimmedText(std::string_view text);

// The entries a combo box shows from a stored list, in stored order: each trimmed; empty ones,
// ones longer than `limit` characters and repeats (ignoring case) left out; at most `maximum`.
std::vector<std::string> HistoryFromStored(const std::vector<std::string>& stored, std::size_t maximum,
                                           std::size_t limit);

// The list to store after `text` was used: the trimmed text first, an equal entry (ignoring
// case) removed, the oldest entries dropped so that at most `maximum` remain. An empty text, or
// one longer than `limit` characters, is not added. Empty and overlong entries are never kept.
std::vector<std::string> HistoryWithRecent(const std::vector<std::string>& entries, std::string_view text,
                                           std::size_t maximum, std::size_t limit);

// The first entry, from the top, that begins with the typed text ignoring case; none for an
// empty text, which would otherwise complete to whatever comes first.
std::optional<std::size_t> CompletionIndex(const std::vector<std::string>& entries, std::string_view typed);

// Whether typing goes on completing after this key went down: not after Backspace or Delete,
// which remove text the user wants gone rather than fetch it back.
bool CompletesAfterKeyDown(unsigned virtualKey);

// Whether a typed character is refused: a printable one while the text already holds `limit`
// characters and nothing is selected that it would replace. Backspace and the control
// characters of editing shortcuts (select all, copy, undo...) always pass.
bool RefusesTypedCharacter(unsigned character, std::size_t textLength, bool hasSelection, std::size_t limit);
