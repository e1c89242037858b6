// Naming rules of the language files: keys, sections, file locations.
#include "language/language_keys.h"

#include "text/file_url.h"

#include <algorithm>

#include "language/web_addresses.h"

namespace {

std::string_view Trim(std::string_view text, std::string_view unwanted) {
    const auto first = text.find_first_not_of(unwanted);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(unwanted);
    return text.substr(first, last - first + 1);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Join(std::string_view owner, std::string_view kind, int number) {
    std::string section(owner);
    section += " - ";
    section += kind;
    section += std::to_string(number);
    return section;
}

std::string Numbered(std::string_view name, int number) {
    std::string section(name);
    section += std::to_string(number);
    return section;
}

}  // namespace

std::string NormaliseKey(std::string_view key) { return std::string(Trim(key, ":;., \t\r\n")); }

std::string LanguageKey(std::string_view prefix, int number) {
    std::string key(prefix);
    key += "ID_";
    key += std::to_string(number);
    return NormaliseKey(key);
}

std::string_view SectionOrCommon(std::string_view section) {
    return section.empty() ? kCommonSection : section;
}

std::string DialogSection(int dialogId) { return Numbered("DialogID_", dialogId); }
std::string PageSection(std::string_view dialogSection, int pageIndex) {
    return Join(dialogSection, "PageNo_", pageIndex);
}
std::string ListViewSection(std::string_view ownerSection, int controlId) {
    return Join(ownerSection, "ListCtrlID_", controlId);
}
std::string ComboBoxSection(std::string_view ownerSection, int controlId) {
    return Join(ownerSection, "ComboBoxID_", controlId);
}
std::string ListBoxSection(std::string_view ownerSection, int controlId) {
    return Join(ownerSection, "ListBoxID_", controlId);
}
std::string TabControlSection(std::string_view ownerSection, int controlId) {
    return Join(ownerSection, "TabCtrlID_", controlId);
}
std::string ToolBarSection(int toolbarId) { return Numbered("ToolBarID_", toolbarId); }
std::string MenuSection(int menuId) { return Numbered("MenuID_", menuId); }

std::string TrimLanguageName(std::string_view name) { return std::string(Trim(name, " \t\r\n\v\f")); }

bool SameLanguageName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string UsableLanguageName(std::string_view stored) {
    std::string name = TrimLanguageName(stored);
    const bool leavesFolder = name.find_first_of("\\/:") != std::string::npos || name.find("..") != std::string::npos;
    if (name.empty() || leavesFolder) return std::string(kTemplateLanguage);
    return name;
}

std::string ProgramFolderOf(std::string_view modulePath) {
    const auto separator = modulePath.find_last_of("\\/");
    return separator == std::string_view::npos ? std::string() : std::string(modulePath.substr(0, separator + 1));
}

std::string LanguageFilePath(std::string_view folder, std::string_view language) {
    std::string path(folder);
    path += language;
    path += kLanguageFileExtension;
    return path;
}

std::string HelpFolderAddress(std::string_view programFolder) {
    if (programFolder.empty()) return {};
    std::string folder(programFolder);
    folder += kHelpFolderName;
    return FileUrlFromPath(folder);
}

std::string_view MakerPageFor(std::string_view language) {
    return SameLanguageName(language, "russian") ? kMakerPageRussian : kMakerPage;
}

void DropIncompleteUtf8Tail(std::string& text) {
    // Walk back over continuation bytes to the lead byte of the last sequence.
    std::size_t lead = text.size();
    std::size_t continuation = 0;
    while (lead > 0 && continuation < 4 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80) {
        --lead;
        ++continuation;
    }
    if (lead == 0) return;
    const auto byte = static_cast<unsigned char>(text[lead - 1]);
    std::size_t expected = 0;
    if ((byte & 0xE0) == 0xC0) expected = 1;
    else if ((byte & 0xF0) == 0xE0) expected = 2;
    else if ((byte & 0xF8) == 0xF0) expected = 3;
    else return;  // ASCII or a stray byte: nothing was cut
    if (continuation < expected) text.resize(lead - 1);
}
