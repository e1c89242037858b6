// The document list written out as a file: an HTML page with a table, or comma-separated text.
// Pure formatting; which rows and texts go in is the list's business, writing the file the
// caller's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The list as it is shown, all texts UTF-8.
struct ListExportTable {
    std::string title;                          // the heading of the page, the first text line
    std::vector<std::string> headers;           // column headers in column order
    std::vector<std::vector<std::string>> rows; // display order; cells in column order:
                                                // 0 = Name, 1 = Folder (ends with "\"), ...
};

enum class ListExportFormat { Html, Text };

// HTML for the extension "htm" in any case, text for everything else ("html", "txt", none).
ListExportFormat ListExportFormatFor(std::string_view fileName);

// The whole page, pure ASCII: texts are escaped, and characters past ASCII are written as
// numeric character references (a byte that is not UTF-8 as U+FFFD). A Name cell links to
// the document's file: URL, its characters past ASCII kept (FileIriFromPath) so that both
// browsers and the system read the link back as the document's path.
std::string ListExportHtml(const ListExportTable& table);

// The whole text: the title, the header line, a blank line, one line per row, each ending in
// CR LF. A field holding a comma, a quote, CR or LF is quoted with its quotes doubled; empty
// cells at the end of a line leave no commas.
std::string ListExportText(const ListExportTable& table);

std::string ListExportContent(const ListExportTable& table, ListExportFormat format);
