// The interface language: text lookups and the translation of dialogs, menus and toolbar tips.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "framework/win_handles.h"

// Translations come from "<language>.lng" in the program's folder; the English texts are written
// into the translators' template english.lng there: message and translator texts when a language
// is set, dialog, menu and tool bar texts when a walk is asked to. Until a language is
// set, lookups give their English defaults and the walks change nothing.
class UiLanguage {
public:
    // The language files live beside the program's own executable.
    UiLanguage();
    // Another folder for the language files (with or without its trailing separator).
    void SetProgramFolder(std::string folder);
    const std::string& ProgramFolder() const { return folder_; }

    const std::string& Language() const { return language_; }
    // True when the language changed; then the template's "Common" and "Translator" sections
    // are complete. An empty name or the current one (case ignored) changes nothing.
    bool SetLanguage(std::string_view name);

    std::string LanguageFile() const;
    std::string TemplateFile() const;

    // The value of <prefix>ID_<number> in the section (empty means "Common") of the current
    // language file, or the default when it is missing or empty.
    std::string Read(std::string_view section, std::string_view prefix, int number,
                     std::string_view defaultText) const;
    // Writes the English text into the template; false when nothing was written.
    bool WriteTemplate(std::string_view section, std::string_view prefix, int number,
                       std::string_view englishText) const;

    std::string MessageText(unsigned id) const;
    std::string TranslatorText(unsigned index) const;
    // The maker's page and the help pages' folder beside the program, as file: URLs.
    std::string MakerWebAddress() const;
    std::string ProductWebAddress() const;

    // Translates a dialog (its caption when asked), its controls and the pages of a property
    // sheet among them. An empty section receives "DialogID_<dialogId>"; a given one is the
    // dialog's section and the window is its page number pageIndex.
    bool TranslateWindow(bool writeTemplate, bool translateCaption, HWND window, int dialogId,
                         int pageIndex, std::string& section) const;
    bool TranslateWindow(bool writeTemplate, bool translateCaption, HWND window, int dialogId) const;
    // Rebuilds the toolbar's tooltip control with the translated tips of its buttons. The
    // toolbar's owner relays mouse messages to it (TTM_RELAYEVENT).
    bool TranslateToolBar(bool writeTemplate, HWND toolbar, UniqueWindow& tooltip, int toolbarId) const;
    // Translates the menu and its sub-menus in place, keeping each item's shortcut suffix.
    bool TranslateMenu(bool writeTemplate, HMENU menu, int menuId) const;

private:
    void TranslateChildren(bool writeTemplate, HWND window, int dialogId, const std::string& section) const;
    void TranslatePropertySheet(bool writeTemplate, HWND sheet, HWND tabs, int dialogId,
                                const std::string& section) const;
    void TranslateControlText(bool writeTemplate, HWND control, const std::string& section) const;
    void TranslateListView(bool writeTemplate, HWND list, const std::string& section) const;
    void TranslateItemList(bool writeTemplate, HWND control, bool comboBox, const std::string& section) const;
    void TranslateTabs(bool writeTemplate, HWND tabs, const std::string& section) const;
    void TranslateMenuItems(bool writeTemplate, HMENU menu, const std::string& section) const;
    std::string TranslateText(bool writeTemplate, const std::string& section, std::string_view prefix,
                              int number, const std::string& english, std::string_view defaultText) const;

    std::string folder_;
    std::string language_;
    // Every value read from the current language file, by section and key: a language file is
    // read once per language, not at every lookup.
    mutable std::map<std::string, std::string, std::less<>> read_;
};

// Marks a control so that no translation walk ever changes it.
void ExcludeFromTranslation(HWND control);
