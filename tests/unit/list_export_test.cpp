// The exported list: which format a file name picks, escaping and quoting of every kind of
// text, and whole files compared byte for byte with pages and texts written by hand.
#include "panes/list_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

constexpr char kRowCell[] =
    "<td style=\"font-family: Verdana, Arial, Helvetica;font-size: 8pt;background-color:#eeeeee;"
    "border-color:#aaaaaa;padding-left:12\">";
constexpr char kHeaderCell[] =
    "<td style=\"font-family: Verdana, Arial, Helvetica;font-size: 8pt;font-weight:bold; "
    "background-color:#dddddd;border-color:#aaaaaa;padding-left:12\">";

TEST(ListExportFormatFor, OnlyHtmInAnyCaseIsHtml) {
    struct Case {
        const char* name;
        ListExportFormat format;
    };
    const Case cases[] = {
        {"list.htm", ListExportFormat::Html},      {"C:\\out\\LIST.HTM", ListExportFormat::Html},
        {"a.HtM", ListExportFormat::Html},         {"a.txt.htm", ListExportFormat::Html},
        {"a.html", ListExportFormat::Text},        {"a.txt", ListExportFormat::Text},
        {"list", ListExportFormat::Text},          {"list.", ListExportFormat::Text},
        {"C:\\x.htm\\list", ListExportFormat::Text}, {"a.htm.txt", ListExportFormat::Text},
        {"a.ht", ListExportFormat::Text},          {"", ListExportFormat::Text},
    };
    for (const Case& c : cases) EXPECT_EQ(ListExportFormatFor(c.name), c.format) << c.name;
}

// One row, its HTML line: the Name cell links to Folder + Name as a file URL.
TEST(ListExportHtml, EscapesTextsAndLinksTheFileUrl) {
    struct Case {
        Row row;
        std::vector<const char*> cells;  // expected cell contents
    };
    const Case cases[] = {
        {{"a.txt", "C:\\d\\", "3"}, {"<a href=\"file:///C:/d/a.txt\">a.txt</a>", "C:\\d\\", "3"}},
        {{"x & y.txt", "C:\\R&D\\"}, {"<a href=\"file:///C:/R&amp;D/x%20&amp;%20y.txt\">x &amp; y.txt</a>", "C:\\R&amp;D\\"}},
        {{"<b>\"q\".txt", "C:\\"}, {"<a href=\"file:///C:/%3Cb%3E%22q%22.txt\">&lt;b&gt;&quot;q&quot;.txt</a>", "C:\\"}},
        {{"#1 ?.txt", "\\\\srv\\share\\"}, {"<a href=\"file://srv/share/%231%20%3F.txt\">#1 ?.txt</a>", "\\\\srv\\share\\"}},
        // Past ASCII: numeric references, astral planes included, in the link too.
        {{"\xC3\xA9\xF0\x9F\x98\x80.txt", "C:\\\xD0\x96\\"},
         {"<a href=\"file:///C:/&#1046;/&#233;&#128512;.txt\">&#233;&#128512;.txt</a>", "C:\\&#1046;\\"}},
        // Bytes that are not UTF-8 (a legacy code page): one replacement character each, and
        // percent-encoded in the link, which then still names the bytes.
        {{"caf\xE9.txt", "C:\\\xE6\x97\\"}, {"<a href=\"file:///C:/%E6%97/caf%E9.txt\">caf&#65533;.txt</a>", "C:\\&#65533;&#65533;\\"}},
        // A row without a folder still links to its name.
        {{"only.txt"}, {"<a href=\"file:///only.txt\">only.txt</a>"}},
    };
    for (const Case& c : cases) {
        const std::string page = ListExportHtml({"T", {}, {c.row}});
        std::string line = "<tr>";
        for (const char* cell : c.cells) line += std::string(kRowCell) + cell + "</td>";
        line += "</tr>\r\n";
        EXPECT_NE(page.find(line), std::string::npos) << c.row[0] << "\n" << page;
        for (const char ch : page) EXPECT_LT(static_cast<unsigned char>(ch), 0x80u) << c.row[0];
    }
}

TEST(ListExportHtml, TitleAndHeadersAreEscapedAndEmptyHeadersLeftOut) {
    const std::string page = ListExportHtml({"A&B \xC3\xBC", {"Name", "", "<Size>"}, {}});
    EXPECT_NE(page.find("<title>A&amp;B &#252;</title>"), std::string::npos);
    EXPECT_NE(page.find("<h1>A&amp;B &#252;</h1>"), std::string::npos);
    const std::string headerRow =
        std::string("<tr>\r\n") + kHeaderCell + "Name</td>" + kHeaderCell + "&lt;Size&gt;</td></tr>\r\n";
    EXPECT_NE(page.find(headerRow), std::string::npos) << page;
}

// One row, its text line: fields quoted only when they must be, trailing empty cells dropped.
TEST(ListExportText, QuotesFieldsAndDropsTrailingEmptyCells) {
    struct Case {
        Row row;
        const char* line;
    };
    const Case cases[] = {
        {{"a.txt", "C:\\", "", "d", "", ""}, "a.txt,C:\\,,d"},
        {{"a, b.txt", "C:\\"}, "\"a, b.txt\",C:\\"},
        {{"end,", "", "", ""}, "\"end,\""},
        {{"x", "trail,"}, "x,\"trail,\""},
        {{"say \"hi\".txt"}, "\"say \"\"hi\"\".txt\""},
        {{"two\r\nlines", "cr\ronly", "lf\nonly"}, "\"two\r\nlines\",\"cr\ronly\",\"lf\nonly\""},
        {{"", "C:\\"}, ",C:\\"},
        {{"", "", ""}, ""},
        {{"M\xC3\xBCller.doc", "caf\xE9"}, "M\xC3\xBCller.doc,caf\xE9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListExportText({"T", {}, {c.row}}), std::string("T\r\n\r\n\r\n") + c.line + "\r\n") << c.line;
    }
}

TEST(ListExportText, HeaderLineSkipsEmptyHeadersAndQuotesLikeCells) {
    EXPECT_EQ(ListExportText({"Kestrum, test", {"Name", "", "Size, KB", ""}, {}}),
              "\"Kestrum, test\"\r\nName,\"Size, KB\"\r\n\r\n");
}

std::string ReadExpected(const std::string& name) {
    std::ifstream in(std::string(KESTRUM_EXPORT_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<std::string> kHeaders = {"Name", "Folder", "Size (KB)", "Accessed", "Created", "Modified"};

// The rows of documents.htm / documents.txt; the second is a document that no longer exists.
const std::vector<Row> kDocuments = {
    {"report.doc", "C:\\Docs\\", "12", "05.01.2026 10:00", "04.01.2026 09:30", "Jan 5, 2026"},
    {"gone.txt", "D:\\Old files\\", "", "05.01.2026 11:00", "", ""},
    {"a, b & c.txt", "C:\\R&D\\", "1", "05.01.2026 12:00", "05.01.2026 12:00", "05.01.2026 12:00"},
    {"say \"hi\" <now>.txt", "C:\\Q\\", "0", "06.01.2026 08:00", "06.01.2026 08:00", "06.01.2026 08:00"},
    {"C# notes 100%.txt", "\\\\server\\share\\Team\\", "3", "07.01.2026 09:15", "01.12.2025 14:00",
     "02.12.2025 16:45"},
    {"M\xC3\xBCller.doc", "C:\\Users\\J\xC3\xB6rg\\", "7", "08.01.2026 10:30", "03.01.2026 10:00",
     "08.01.2026 10:29"},
    {"\xE6\x97\xA5\xE6\x9C\xAC.txt", "C:\\Docs\\", "2048", "09.01.2026 18:00", "09.01.2026 17:00",
     "09.01.2026 17:30"},
};

TEST(ListExportFiles, MatchTheFilesWrittenByHand) {
    struct Case {
        const char* file;
        std::vector<Row> rows;
    };
    const Case cases[] = {{"empty", {}}, {"documents", kDocuments}};
    for (const Case& c : cases) {
        const ListExportTable table{"Kestrum 2.1", kHeaders, c.rows};
        const std::string name = c.file;
        EXPECT_EQ(ListExportContent(table, ListExportFormatFor(name + ".htm")), ReadExpected(name + ".htm"));
        EXPECT_EQ(ListExportContent(table, ListExportFormatFor(name + ".txt")), ReadExpected(name + ".txt"));
    }
}

}  // namespace
