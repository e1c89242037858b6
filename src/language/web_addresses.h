// Where the program's own pages are, and the support address, in one place. There is no web
// site: the help pages ship in a folder beside the program, and the maker's page is among them.
#pragma once

#include <string_view>

inline constexpr std::string_view kHelpFolderName = "help";
inline constexpr std::string_view kMakerPage = "maker.htm";
inline constexpr std::string_view kMakerPageRussian = "maker_ru.htm";
inline constexpr std::string_view kSupportEmail = "support@example.com";
