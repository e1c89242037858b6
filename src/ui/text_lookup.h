// Case-insensitive text comparison and lookup in lists of texts.
#pragma once

#include <span>
#include <string>
#include <string_view>

// Equal ignoring the case of ASCII letters; other bytes (UTF-8 sequences) must match exactly.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Index of the first non-empty entry equal to `text` ignoring case, or -1 (also for an empty
// list or an empty text).
int IndexOfText(std::span<const std::string> items, std::string_view text);
