// Building the exported list: one pass over the table per format.
#include "panes/list_export.h"

#include <cstddef>
#include <optional>

#include "text/file_url.h"
#include "text/path_split.h"
#include "text/utf8.h"

namespace {

constexpr std::string_view kHeaderCell =
    "<td style=\"font-family: Verdana, Arial, Helvetica;font-size: 8pt;font-weight:bold; "
    "background-color:#dddddd;border-color:#aaaaaa;padding-left:12\">";
constexpr std::string_view kRowCell =
    "<td style=\"font-family: Verdana, Arial, Helvetica;font-size: 8pt;background-color:#eeeeee;"
    "border-color:#aaaaaa;padding-left:12\">";
constexpr char32_t kReplacement = 0xFFFD;

// Good for both element content and a double-quoted attribute.
void AppendHtml(std::string& out, std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const char byte = text[pos];
        const std::optional<char32_t> point = NextCodePoint(text, pos);
        if (point && *point < 0x80) {
            switch (byte) {
                case '&': out += "&amp;"; break;
                case '<': out += "&lt;"; break;
                case '>': out += "&gt;"; break;
                case '"': out += "&quot;"; break;
                default: out += byte;
            }
        } else {
            out += "&#";
            out += std::to_string(static_cast<unsigned long>(point.value_or(kReplacement)));
            out += ';';
        }
    }
}

std::string_view Cell(const std::vector<std::string>& row, std::size_t column) {
    return column < row.size() ? std::string_view(row[column]) : std::string_view();
}

void AppendNameLink(std::string& out, const std::vector<std::string>& row) {
    std::string path(Cell(row, 1));
    path += Cell(row, 0);
    out += "<a href=\"";
    AppendHtml(out, FileIriFromPath(path));
    out += "\">";
    AppendHtml(out, Cell(row, 0));
    out += "</a>";
}

// A field as comma-separated files write it: quoted, quotes doubled, only when it must be.
void AppendField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// The fields joined by commas, up to the last non-empty one.
void AppendLine(std::string& out, const std::vector<std::string_view>& fields) {
    std::size_t used = fields.size();
    while (used > 0 && fields[used - 1].empty()) --used;
    for (std::size_t i = 0; i < used; ++i) {
        if (i > 0) out += ',';
        AppendField(out, fields[i]);
    }
    out += "\r\n";
}

}  // namespace

ListExportFormat ListExportFormatFor(std::string_view fileName) {
    std::string_view extension = PathExtension(fileName);
    if (!extension.empty()) extension.remove_prefix(1);
    if (extension.size() != 3) return ListExportFormat::Text;
    constexpr std::string_view kHtml = "htm";
    for (std::size_t i = 0; i < kHtml.size(); ++i) {
        const char c = extension[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != kHtml[i]) return ListExportFormat::Text;
    }
    return ListExportFormat::Html;
}

std::string ListExportHtml(const ListExportTable& table) {
    std::string out = "<html>\r\n<head>\r\n<title>";
    AppendHtml(out, table.title);
    out += "</title>\r\n</head>\r\n<body>\r\n<h1>";
    AppendHtml(out, table.title);
    out += "</h1>\r\n<table cellspacing=1>\r\n<tr>\r\n";
    for (const std::string& header : table.headers) {
        if (header.empty()) continue;
        out += kHeaderCell;
        AppendHtml(out, header);
        out += "</td>";
    }
    out += "</tr>\r\n";
    for (const std::vector<std::string>& row : table.rows) {
        out += "<tr>";
        for (std::size_t column = 0; column < row.size(); ++column) {
            out += kRowCell;
            if (column == 0) {
                AppendNameLink(out, row);
            } else {
                AppendHtml(out, row[column]);
            }
            out += "</td>";
        }
        out += "</tr>\r\n";
    }
    out += "</table>\r\n</body>\r\n</html>";
    return out;
}

std::string ListExportText(const ListExportTable& table) {
    std::string out;
    AppendLine(out, {table.title});
    std::vector<std::string_view> fields;
    for (const std::string& header : table.headers) {
        if (!header.empty()) fields.push_back(header);
    }
    AppendLine(out, fields);
    out += "\r\n";
    for (const std::vector<std::string>& row : table.rows) {
        fields.assign(row.begin(), row.end());
        AppendLine(out, fields);
    }
    return out;
}

std::string ListExportContent(const ListExportTable& table, ListExportFormat format) {
    return format == ListExportFormat::Html ? ListExportHtml(table) : ListExportText(table);
}
