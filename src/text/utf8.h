// UTF-8 validity, for telling lines we wrote from lines written in a legacy code page.
#pragma once

#include <string_view>

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF). Plain ASCII is valid.
bool IsValidUtf8(std::string_view text);
