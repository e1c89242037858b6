// The user-visible text of a numbered message in the current interface language.
#pragma once

#include <string>

class UiLanguage;

// The application's one language object, set at start-up and cleared before it goes away.
// Until then the texts are the built-in English ones.
void SetCurrentLanguage(UiLanguage* language);
// The language set at start-up, or an inert one without a language that changes nothing.
UiLanguage& CurrentLanguage();

// Makes a language current for the lifetime of the scope.
class CurrentLanguageScope {
public:
    explicit CurrentLanguageScope(UiLanguage& language) { SetCurrentLanguage(&language); }
    ~CurrentLanguageScope() { SetCurrentLanguage(nullptr); }
    CurrentLanguageScope(const CurrentLanguageScope&) = delete;
    CurrentLanguageScope& operator=(const CurrentLanguageScope&) = delete;
};

// Never fails: an ID without a text gives the empty string.
std::string MessageText(unsigned id);
