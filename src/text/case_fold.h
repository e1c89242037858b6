// Case folding of UTF-8 text, for comparisons "without regard to case" of paths and extensions.
#pragma once

#include <string>
#include <string_view>

// Lower-cases ASCII and the letters of Latin-1, Latin Extended-A, Greek and Cyrillic, the
// way the file system compares names; other characters and invalid bytes pass unchanged.
std::string FoldCase(std::string_view text);

// The same into `out`, whose storage is reused: for callers folding many texts in a row.
void FoldCaseInto(std::string_view text, std::string& out);
