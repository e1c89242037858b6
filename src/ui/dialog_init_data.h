// The initial data of a dialog template (resource type 240): the items its combo boxes and
// list boxes start with, kept in the resources beside the template so that they are translated
// like the template's other texts.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr unsigned kDialogInitResourceType = 240;

// The list a record adds its text to.
enum class InitialItemList { ComboBox, ListBox };

struct InitialItem {
    unsigned control = 0;
    InitialItemList list = InitialItemList::ComboBox;
    std::string text;
};

// Records are: control ID (16 bits), add-string message (16 bits; the 16-bit and 32-bit numbers
// of CB_ADDSTRING and LB_ADDSTRING), byte length (32 bits), that many bytes of text ending in a
// zero byte; a control ID of 0 ends the list. All little-endian, without padding.
// Nothing when the data is cut short, lacks the end mark, or holds another message.
std::optional<std::vector<InitialItem>> ParseDialogInitData(std::span<const std::uint8_t> data);
