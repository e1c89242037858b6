// Percent-encoding a local path into a file: URL.
#include "text/file_url.h"

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

void AppendEncoded(std::string& out, std::string_view part) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char ch : part) {
        const auto c = static_cast<unsigned char>(ch);
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

}  // namespace

std::string FileUrlFromPath(std::string_view path) {
    if (path.empty()) return {};
    std::string url = "file://";
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // A share: the server is the URL's host.
        AppendEncoded(url, path.substr(2));
        return url;
    }
    if (!IsSeparator(path[0])) url += '/';
    AppendEncoded(url, path);
    return url;
}
