// Caption and status bar texts of the main window, help requests and tool bar resources.
#include "app/frame_texts.h"

#include <algorithm>
#include <cstdint>

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

std::string HelpPaneText(const StatusWords& words, size_t documentsBeingChecked) {
    if (documentsBeingChecked > 0) return CountPaneText(words.checking, static_cast<int>(std::min<size_t>(documentsBeingChecked, INT32_MAX)));
    return words.help + " - F1";
}

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

// Two layouts exist: the 16-bit one of Microsoft's resource compiler (version 1, then width,
// height, count and the commands) and the 32-bit one of GNU windres (width, height, count and
// the commands, without a version). A version-1 header would be a 1-pixel-wide windres button.
bool ParseToolBarResource(std::span<const std::uint8_t> data, ToolBarResource& out) {
    out = {};
    const auto read = [&](std::size_t offset, std::size_t bytes) {
        unsigned value = 0;
        for (std::size_t byte = 0; byte < bytes; ++byte) value |= static_cast<unsigned>(data[offset + byte]) << (8 * byte);
        return value;
    };
    const auto parse = [&](std::size_t field, std::size_t header) {
        if (data.size() < header * field) return false;
        const std::size_t first = header - 3;  // width, height and count end the header
        const std::size_t count = read((first + 2) * field, field);
        if ((data.size() / field) - header < count) return false;
        out.width = static_cast<int>(read(first * field, field));
        out.height = static_cast<int>(read((first + 1) * field, field));
        for (std::size_t item = 0; item < count; ++item) out.commands.push_back(read((header + item) * field, field));
        return true;
    };
    if (data.size() >= 2 && read(0, 2) == 1) return parse(2, 4);
    return parse(4, 3);
}
