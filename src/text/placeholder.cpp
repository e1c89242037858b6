// A single pass over the text: never a printf-style format, whatever the translation holds.
#include "text/placeholder.h"

std::string FillPlaceholder(std::string_view text, std::string_view value) {
    std::string out;
    out.reserve(text.size() + value.size());
    size_t pos = 0;
    for (bool filled = false; pos < text.size() && !filled; ++pos) {
        if (text[pos] != '%' || pos + 1 == text.size()) {
            out += text[pos];
        } else if (text[pos + 1] == '%') {
            out += '%';
            ++pos;
        } else if (text[pos + 1] == 's') {
            out += value;
            ++pos;
            filled = true;
        } else {
            out += '%';
        }
    }
    out += text.substr(pos);
    return out;
}
