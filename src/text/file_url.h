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

// The same URL with the characters past ASCII left as they are (an IRI), for links in web
// pages: a page writes them as character references and every browser, and the system's own
// URL-to-path conversion, reads them as those characters, whereas percent-encoded UTF-8 is
// read by the system as one character per byte. Bytes that are not UTF-8 are still
// percent-encoded.
std::string FileIriFromPath(std::string_view path);
