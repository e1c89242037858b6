// Decoding rules for registry data, kept apart from the registry calls so they are tested natively.
#include "settings/registry_data.h"

#include <algorithm>

namespace {

std::uint64_t LittleEndian(std::span<const std::uint8_t> data) {
    std::uint64_t value = 0;
    for (std::size_t i = data.size(); i-- > 0;) value = (value << 8) | data[i];
    return value;
}

std::string UpToFirstZero(std::span<const std::uint8_t> data) {
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    return std::string(data.begin(), end);
}

bool IsTextType(std::uint32_t type) {
    return type == registry_type::kString || type == registry_type::kExpandString;
}

}  // namespace

std::optional<std::uint32_t> NumberFromRegistryData(std::uint32_t type, std::span<const std::uint8_t> data) {
    if (type != registry_type::kDword || data.size() != 4) return std::nullopt;
    return static_cast<std::uint32_t>(LittleEndian(data));
}

std::optional<std::string> TextFromRegistryData(std::uint32_t type, std::span<const std::uint8_t> data) {
    if (!IsTextType(type)) return std::nullopt;
    return UpToFirstZero(data);
}

std::string ListTextFromRegistryData(std::uint32_t type, std::span<const std::uint8_t> data) {
    if ((type == registry_type::kDword && data.size() == 4) || (type == registry_type::kQword && data.size() == 8)) {
        return std::to_string(LittleEndian(data));
    }
    return UpToFirstZero(data);
}
