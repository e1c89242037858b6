// Simple (one-to-one) case folding over the scripts file names commonly use.
#include "text/case_fold.h"

namespace {

char32_t FoldCodePoint(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c < 0xC0) return c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;           // Latin-1
    if (c >= 0x100 && c <= 0x17F) {                                       // Latin Extended-A
        if (c == 0x178) return 0xFF;  // Ÿ
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2) ? c + 1 : c;
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;            // Greek capitals
    if (c >= 0x410 && c <= 0x42F) return c + 32;                          // Cyrillic А-Я
    if (c >= 0x400 && c <= 0x40F) return c + 80;                          // Cyrillic Ѐ-Џ
    return c;
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string out;
    FoldCaseInto(text, out);
    return out;
}

void FoldCaseInto(std::string_view text, std::string& out) {
    // Every letter folded here is a two-byte sequence whose folded form is two bytes too, so
    // the text is folded in place.
    out.assign(text);
    for (size_t i = 0; i < out.size();) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c < 0x80) {
            if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
            ++i;
            continue;
        }
        const auto next = i + 1 < out.size() ? static_cast<unsigned char>(out[i + 1]) : 0;
        if ((c & 0xE0) == 0xC0 && (next & 0xC0) == 0x80) {
            const char32_t code = ((c & 0x1F) << 6) | (next & 0x3F);
            // An overlong form (below 0x80) is not a letter of ours: its bytes stay.
            if (code >= 0x80) {
                const char32_t folded = FoldCodePoint(code);
                out[i] = static_cast<char>(0xC0 | (folded >> 6));
                out[i + 1] = static_cast<char>(0x80 | (folded & 0x3F));
            }
            i += 2;
            continue;
        }
        ++i;
    }
}
