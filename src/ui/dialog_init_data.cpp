// Reading a dialog's initial data: records of control, message and text, checked before use.
#include "ui/dialog_init_data.h"

namespace {

// The add-string messages as 16-bit and 32-bit resource compilers write them.
constexpr unsigned kComboAddString16 = 0x0403;
constexpr unsigned kComboAddString32 = 0x0143;
constexpr unsigned kListAddString16 = 0x0401;
constexpr unsigned kListAddString32 = 0x0180;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

    bool Read(std::size_t bytes, std::uint32_t& value) {
        if (data_.size() - offset_ < bytes) return false;
        value = 0;
        for (std::size_t i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(data_[offset_ + i]) << (8 * i);
        offset_ += bytes;
        return true;
    }
    std::optional<std::span<const std::uint8_t>> Take(std::size_t bytes) {
        if (data_.size() - offset_ < bytes) return std::nullopt;
        const auto part = data_.subspan(offset_, bytes);
        offset_ += bytes;
        return part;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t offset_ = 0;
};

}  // namespace

std::optional<std::vector<InitialItem>> ParseDialogInitData(std::span<const std::uint8_t> data) {
    std::vector<InitialItem> items;
    Reader reader(data);
    for (;;) {
        std::uint32_t control = 0;
        if (!reader.Read(2, control)) return std::nullopt;
        if (control == 0) return items;
        std::uint32_t message = 0;
        std::uint32_t length = 0;
        if (!reader.Read(2, message) || !reader.Read(4, length)) return std::nullopt;
        InitialItem item;
        item.control = control;
        if (message == kComboAddString16 || message == kComboAddString32) {
            item.list = InitialItemList::ComboBox;
        } else if (message == kListAddString16 || message == kListAddString32) {
            item.list = InitialItemList::ListBox;
        } else {
            return std::nullopt;
        }
        const auto text = reader.Take(length);
        if (!text || text->empty() || text->back() != 0) return std::nullopt;
        item.text.assign(text->begin(), text->end() - 1);
        items.push_back(std::move(item));
    }
}
