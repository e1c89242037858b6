// Turning a local path into the file: URL a web browser control loads it by.
#pragma once

#include <string>
#include <string_view>

// "C:\My #1\100%.htm" gives "file:///C:/My%20%231/100%25.htm"; "\\server\share\a.htm" gives
// "file://server/share/a.htm". Separators become "/"; every byte that a URL would read as
// syntax ("#" starts a fragment, "%" an escape, "?" a query) or that is not printable ASCII
// (the UTF-8 bytes of non-ASCII names included) is percent-encoded, so the URL names exactly
// the file. An empty path gives an empty text.
std::string FileUrlFromPath(std::string_view path);
