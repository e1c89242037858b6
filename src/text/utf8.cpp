// Strict UTF-8 decoding following the well-formed byte sequences of the Unicode standard.
#include "text/utf8.h"

std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + pos;
    const std::size_t left = text.size() - pos;
    const unsigned char c = p[0];
    if (c < 0x80) {
        ++pos;
        return c;
    }
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    char32_t value = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        value = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        value = c & 0x0F;
        if (c == 0xE0) low = 0xA0;   // overlong
        if (c == 0xED) high = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        value = c & 0x07;
        if (c == 0xF0) low = 0x90;   // overlong
        if (c == 0xF4) high = 0x8F;  // past U+10FFFF
    }
    const bool wellFormed = length > 0 && left >= length && p[1] >= low && p[1] <= high;
    if (!wellFormed) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (p[i] < 0x80 || p[i] > 0xBF) {
            ++pos;
            return std::nullopt;
        }
        value = (value << 6) | (p[i] & 0x3F);
    }
    pos += length;
    return value;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (!NextCodePoint(text, pos)) return false;
    }
    return true;
}
