// The maker's and the product's web addresses and the support address, in one place.
#pragma once

#include <string_view>

inline constexpr std::string_view kMakerWebAddress = "https://www.example.com";
inline constexpr std::string_view kMakerWebAddressRussian = "https://www.example.com/ru";
inline constexpr std::string_view kProductWebAddress = "https://kestrum.example.org";
inline constexpr std::string_view kSupportEmail = "support@example.com";
