// The language object's files and lookups, through the Windows profile functions.
#include "language/ui_language.h"

#include <vector>

#include "framework/program_path.h"
#include "language/language_keys.h"
#include "language/message_table.h"
#include "language/translation_rules.h"
#include "language/web_addresses.h"

namespace {

// Values longer than this are cut, as every reader of these files does.
constexpr DWORD kReadBufferSize = 1024;

// The translator entries.
constexpr unsigned kTranslatorEntries = 3;

}  // namespace

UiLanguage::UiLanguage() : folder_(ProgramFolderOf(ProgramPath())) {}

void UiLanguage::SetProgramFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    folder_ = std::move(folder);
    read_.clear();
}

std::string UiLanguage::LanguageFile() const { return LanguageFilePath(folder_, language_); }
std::string UiLanguage::TemplateFile() const { return LanguageFilePath(folder_, kTemplateLanguage); }

bool UiLanguage::SetLanguage(std::string_view name) {
    std::string trimmed = TrimLanguageName(name);
    if (trimmed.empty() || SameLanguageName(trimmed, language_)) return false;
    language_ = std::move(trimmed);
    read_.clear();
    // The template always holds the built-in texts; with the language "english" it is the file
    // read, so it is completed before anything is looked up.
    for (unsigned id = 0; id <= LastBuiltInMessageId(); ++id) {
        const std::string_view english = BuiltInMessageText(id);
        if (!english.empty()) WriteTemplate(kCommonSection, {}, static_cast<int>(id), english);
    }
    for (unsigned index = 0; index < kTranslatorEntries; ++index) {
        const std::string_view english = BuiltInTranslatorText(index);
        if (!english.empty()) WriteTemplate(kTranslatorSection, {}, static_cast<int>(index), english);
    }
    return true;
}

std::string UiLanguage::Read(std::string_view section, std::string_view prefix, int number,
                             std::string_view defaultText) const {
    const std::string key = LanguageKey(prefix, number);
    if (language_.empty() || key.empty()) return std::string(defaultText);
    // The template is the translators' copy of the built-in texts: with English current, hand
    // edits of it never take effect.
    if (SameLanguageName(language_, kTemplateLanguage)) return std::string(defaultText);
    const std::string sectionName(SectionOrCommon(section));
    const std::string cacheKey = sectionName + '\n' + key;
    auto found = read_.find(cacheKey);
    if (found == read_.end()) {
        char buffer[kReadBufferSize] = {};
        ::GetPrivateProfileStringA(sectionName.c_str(), key.c_str(), "", buffer, kReadBufferSize,
                                   LanguageFile().c_str());
        std::string value(buffer);
        DropIncompleteUtf8Tail(value);
        found = read_.emplace(cacheKey, std::move(value)).first;
    }
    return found->second.empty() ? std::string(defaultText) : found->second;
}

bool UiLanguage::WriteTemplate(std::string_view section, std::string_view prefix, int number,
                               std::string_view englishText) const {
    const std::string key = LanguageKey(prefix, number);
    if (language_.empty() || key.empty()) return false;
    const std::string sectionName(SectionOrCommon(section));
    const std::string value(englishText);
    // A read-only program folder only costs the template; the interface is not affected.
    return ::WritePrivateProfileStringA(sectionName.c_str(), key.c_str(), value.c_str(),
                                        TemplateFile().c_str()) != FALSE;
}

std::string UiLanguage::MessageText(unsigned id) const {
    const std::string_view english = BuiltInMessageText(id);
    if (english.empty()) return {};
    return Read(kCommonSection, {}, static_cast<int>(id), english);
}

std::string UiLanguage::TranslatorText(unsigned index) const {
    const std::string_view english = BuiltInTranslatorText(index);
    if (english.empty()) return {};
    return Read(kTranslatorSection, {}, static_cast<int>(index), english);
}

std::string UiLanguage::MakerWebAddress() const {
    const std::string folder = ProductWebAddress();
    return folder.empty() ? folder : folder + "/" + std::string(MakerPageFor(language_));
}
std::string UiLanguage::ProductWebAddress() const { return HelpFolderAddress(folder_); }

std::string UiLanguage::TranslateText(bool writeTemplate, const std::string& section, std::string_view prefix,
                                      int number, const std::string& english,
                                      std::string_view defaultText) const {
    if (writeTemplate) WriteTemplate(section, prefix, number, english);
    return Read(section, prefix, number, defaultText);
}

void ExcludeFromTranslation(HWND control) {
    if (::IsWindow(control)) ::SetWindowLongPtrA(control, GWLP_USERDATA, kExclusionMark);
}
