// The one pair of UTF-8 <-> UTF-16 conversions, for the APIs that have no -A form (COM, shell).
#pragma once

#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
