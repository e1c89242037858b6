// UTF-8 validity, for telling lines we wrote from lines written in a legacy code page, and
// decoding code points for formats that must spell them out.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF). Plain ASCII is valid.
bool IsValidUtf8(std::string_view text);

// Decodes the code point at `pos` and moves `pos` past it. A byte that does not start a
// well-formed sequence gives nothing and `pos` moves on by that one byte only, so decoding
// resumes at the next byte. `pos` must be below the text's size.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos);
