// The main window's caption and status bar texts, and its answer to a help request.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The words of the status bar, looked up in the current language by the caller.
struct StatusWords {
    std::string filter;    // 2100 "Filter"
    std::string type;      // 2200 "Type"
    std::string date;      // 2300 "Date"
    std::string none;      // 2400 "None"
    std::string total;     // 2500 "Total"
    std::string selected;  // 2600 "Selected"
    std::string help;      // 2700 "Help"
    std::string checking;  // 3750 "Checking"
};

// "Kestrum - [Text Document]" while a type tab with a name is selected and the types are not
// listed together; the bare title otherwise.
std::string CaptionText(std::string_view title, std::string_view tabTypeName, bool typesAll);

// Pane 0: which filters apply, e.g. "Filter: Date, Type  ", "Filter: Date", "Filter: None  ".
std::string FilterPaneText(const StatusWords& words, bool dateFilterActive, bool typesAll);
// Panes 1 and 2: "Total: 12  ".
std::string CountPaneText(std::string_view word, int count);
// Pane 3: "Help - F1", or while documents are still being checked "Checking: 1200  ".
std::string HelpPaneText(const StatusWords& words, size_t documentsBeingChecked = 0);

// What a help request asks of the frame. A dialog that is pre-translating a message passes it
// along: the key-down of F1 is left to the dialog, and only the matching key-up opens the page.
enum class HelpRequestKind { Direct, F1KeyDown, F1KeyUp, OtherMessage };
bool HelpRequestOpensPage(std::string_view topic, HelpRequestKind kind);
// The page of a help topic below the product's web address.
std::string HelpTopicAddress(std::string_view productAddress, std::string_view topic);

// The commands of a TOOLBAR resource, 0 for a separator, in either compiler's layout. False
// (and empty) when the data is cut short.
struct ToolBarResource {
    int width = 0;
    int height = 0;
    std::vector<unsigned> commands;
};
bool ParseToolBarResource(std::span<const std::uint8_t> data, ToolBarResource& out);
