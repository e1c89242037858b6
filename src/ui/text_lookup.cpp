// ASCII case folding only: it is locale-independent and never splits a UTF-8 sequence.
#include "ui/text_lookup.h"

#include <algorithm>

namespace {
char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

int IndexOfText(std::span<const std::string> items, std::string_view text) {
    if (text.empty()) return -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].empty() && EqualsIgnoringCase(items[i], text)) return static_cast<int>(i);
    }
    return -1;
}
