// Caption and status bar texts of the main window, help requests and tool bar resources.
#include "app/frame_texts.h"

std::string CaptionText(std::string_view title, std::string_view tabTypeName, bool typesAll) {
    std::string caption(title);
    if (!typesAll && !tabTypeName.empty()) {
        caption += " - [";
        caption += tabTypeName;
        caption += "]";
    }
    return caption;
}

std::string FilterPaneText(const StatusWords& words, bool dateFilterActive, bool typesAll) {
    std::string text = words.filter + ":";
    if (dateFilterActive) text += " " + words.date + ",";
    if (!typesAll) text += " " + words.type + "  ";
    while (!text.empty() && text.back() == ',') text.pop_back();
    if (!text.empty() && text.back() == ':') text += " " + words.none + "  ";
    return text;
}

std::string CountPaneText(std::string_view word, int count) {
    return std::string(word) + ": " + std::to_string(count) + "  ";
}

std::string HelpPaneText(const StatusWords& words) { return words.help + " - F1"; }

bool HelpRequestOpensPage(std::string_view topic, HelpRequestKind kind) {
    if (topic.empty()) return false;
    return kind == HelpRequestKind::Direct || kind == HelpRequestKind::F1KeyUp;
}

std::string HelpTopicAddress(std::string_view productAddress, std::string_view topic) {
    std::string address(productAddress);
    address += "/";
    address += topic;
    return address;
}

bool ParseToolBarResource(std::span<const std::uint8_t> data, ToolBarResource& out) {
    out = {};
    const auto word = [&](std::size_t index) {
        return static_cast<unsigned>(data[2 * index]) | static_cast<unsigned>(data[2 * index + 1]) << 8;
    };
    constexpr std::size_t kHeaderWords = 4;
    if (data.size() < 2 * kHeaderWords || word(0) != 1) return false;
    const std::size_t count = word(3);
    if (data.size() < 2 * (kHeaderWords + count)) return false;
    out.width = static_cast<int>(word(1));
    out.height = static_cast<int>(word(2));
    for (std::size_t item = 0; item < count; ++item) out.commands.push_back(word(kHeaderWords + item));
    return true;
}
