// Percent-encoding a local path into a file: URL.
#include "text/file_url.h"

#include "text/utf8.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Characters that stand for themselves in a URL path: letters, digits and the marks that carry
// no meaning there. Everything else is encoded, which is always allowed.
bool KeptAsIs(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
        case '-': case '.': case '_': case '~': case '!': case '$': case '&': case '\'': case '(':
        case ')': case '*': case '+': case ',': case ';': case '=': case ':': case '@':
            return true;
        default:
            return false;
    }
}

void AppendEncoded(std::string& out, std::string_view part, bool keepNonAscii) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (size_t pos = 0; pos < part.size(); ++pos) {
        const char ch = part[pos];
        const auto c = static_cast<unsigned char>(ch);
        if (keepNonAscii && c >= 0x80) {
            size_t end = pos;
            if (NextCodePoint(part, end)) {
                out += part.substr(pos, end - pos);
                pos = end - 1;
                continue;
            }
        }
        if (IsSeparator(ch)) {
            out += '/';
        } else if (KeptAsIs(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
}

std::string FileUrl(std::string_view path, bool keepNonAscii) {
    if (path.empty()) return {};
    std::string url = "file://";
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // A share: the server is the URL's host.
        AppendEncoded(url, path.substr(2), keepNonAscii);
        return url;
    }
    if (!IsSeparator(path[0])) url += '/';
    AppendEncoded(url, path, keepNonAscii);
    return url;
}

}  // namespace

std::string FileUrlFromPath(std::string_view path) { return FileUrl(path, false); }

std::string FileIriFromPath(std::string_view path) { return FileUrl(path, true); }
