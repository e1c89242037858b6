// The system's cryptography for the password: PBKDF2-HMAC-SHA256 and random salt, through CNG.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Nothing when the system refuses (no provider, too many bytes asked).
std::optional<std::vector<std::uint8_t>> DerivePbkdf2Sha256(std::string_view password, std::span<const std::uint8_t> salt,
                                                           std::uint32_t iterations, std::size_t length);
// `count` bytes from the system's random generator; nothing when it fails.
std::optional<std::vector<std::uint8_t>> RandomBytes(std::size_t count);
