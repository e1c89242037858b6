// Reading the list for the export: header texts from the control, cells from the model.
#include "panes/list_export_source.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "kestrum_version.h"
#include "tracking/document_list_model.h"

namespace {

// A header text of any length: the buffer grows until the text no longer fills it.
std::string HeaderText(HWND list, int column) {
    std::vector<char> buffer(256);
    while (true) {
        buffer.assign(buffer.size(), '\0');
        LVCOLUMNA item{};
        item.mask = LVCF_TEXT;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        if (!::SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) {
            return {};
        }
        // The text may live elsewhere than the buffer handed in.
        const char* text = item.pszText != nullptr ? item.pszText : buffer.data();
        const size_t length = ::strnlen(text, buffer.size());
        if (length + 1 < buffer.size() || buffer.size() >= (1u << 20)) return std::string(text, length);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

ListExportTable ListExportTableOf(HWND list, DocumentListModel& model) {
    ListExportTable table;
    table.title = "Kestrum " KESTRUM_VERSION;
    const HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int column = 0; column < columns; ++column) table.headers.push_back(HeaderText(list, column));
    table.rows.reserve(model.RowCount());
    for (size_t row = 0; row < model.RowCount(); ++row) {
        std::vector<std::string> cells;
        cells.reserve(kColumnCount);
        for (int column = 0; column < kColumnCount; ++column) cells.push_back(model.CellText(row, column));
        table.rows.push_back(std::move(cells));
    }
    return table;
}
