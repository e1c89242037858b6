// How raw registry data turns into a setting's number or text, whatever a stored value holds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Registry value types (the REG_* numbers), so these rules build without <windows.h>.
namespace registry_type {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1;          // REG_SZ
inline constexpr std::uint32_t kExpandString = 2;    // REG_EXPAND_SZ
inline constexpr std::uint32_t kBinary = 3;          // REG_BINARY
inline constexpr std::uint32_t kDword = 4;           // REG_DWORD (little-endian)
inline constexpr std::uint32_t kDwordBigEndian = 5;  // REG_DWORD_BIG_ENDIAN
inline constexpr std::uint32_t kMultiString = 7;     // REG_MULTI_SZ
inline constexpr std::uint32_t kQword = 11;          // REG_QWORD
}  // namespace registry_type

// A number setting: only a REG_DWORD of exactly 4 bytes. Anything else (2 or 8 bytes, a text
// that happens to be 4 bytes long) is not a stored number, and the caller uses the default.
std::optional<std::uint32_t> NumberFromRegistryData(std::uint32_t type, std::span<const std::uint8_t> data);

// A text setting: only REG_SZ or REG_EXPAND_SZ (taken as stored, not expanded). The text ends
// at the first zero byte or at the end of the data, so a value stored without its terminating
// zero never reads past its data.
std::optional<std::string> TextFromRegistryData(std::uint32_t type, std::span<const std::uint8_t> data);

// An entry of a recently-typed list, which takes every value of its subkey: texts as above,
// REG_DWORD and REG_QWORD as decimal numbers, anything else as its bytes up to the first zero.
std::string ListTextFromRegistryData(std::uint32_t type, std::span<const std::uint8_t> data);
