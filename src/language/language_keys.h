// Section and key names of the language files, and where those files live.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kCommonSection = "Common";
inline constexpr std::string_view kTranslatorSection = "Translator";
// The language whose file is the translators' template, written while the program runs.
inline constexpr std::string_view kTemplateLanguage = "english";
inline constexpr std::string_view kLanguageFileExtension = ".lng";

// Key numbers with a fixed meaning inside a section.
inline constexpr int kCaptionNumber = 0;       // a dialog's or page's caption
inline constexpr int kHeaderNumberBase = 1000;  // list-view column j is kHeaderNumberBase + j
// Prefix of the key of a menu item that opens a sub-menu.
inline constexpr std::string_view kSubMenuPrefix = "Sub";

// "<prefix>ID_<number>" trimmed of ":;., \t\r\n" at both ends. Empty when nothing remains.
std::string LanguageKey(std::string_view prefix, int number);
std::string NormaliseKey(std::string_view key);

// Section names. An empty section name stands for "Common".
std::string_view SectionOrCommon(std::string_view section);
std::string DialogSection(int dialogId);                                   // DialogID_139
std::string PageSection(std::string_view dialogSection, int pageIndex);   // DialogID_106 - PageNo_2
std::string ListViewSection(std::string_view ownerSection, int controlId);
std::string ComboBoxSection(std::string_view ownerSection, int controlId);
std::string ListBoxSection(std::string_view ownerSection, int controlId);
std::string TabControlSection(std::string_view ownerSection, int controlId);
std::string ToolBarSection(int toolbarId);  // ToolBarID_128
std::string MenuSection(int menuId);        // MenuID_128

// Language names: white space around them is dropped; letter case never matters.
std::string TrimLanguageName(std::string_view name);
bool SameLanguageName(std::string_view a, std::string_view b);
// The language to use for a stored name: the trimmed name, or kTemplateLanguage when it is
// empty or could reach a file outside the program's folder (a path separator, a drive colon
// or "..").
std::string UsableLanguageName(std::string_view stored);

// The drive and folder of a program's path, with its trailing separator ("" without one).
std::string ProgramFolderOf(std::string_view modulePath);
// "<folder><language>.lng".
std::string LanguageFilePath(std::string_view folder, std::string_view language);

// The help pages' folder beside the program (`programFolder` ends with its separator) as a file:
// URL without a trailing "/"; help topics and the maker's page are opened under it. Empty when
// the program's folder is not known.
std::string HelpFolderAddress(std::string_view programFolder);
// The maker's page in that folder for the language: the Russian-language page for "russian".
std::string_view MakerPageFor(std::string_view language);

// Removes a multibyte UTF-8 sequence cut short at the end of the text, as a fixed-size read
// buffer may leave it.
void DropIncompleteUtf8Tail(std::string& text);
