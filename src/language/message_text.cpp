// Message texts through the application's language object, so any code can look one up.
#include "language/message_text.h"

#include "language/ui_language.h"

namespace {

// Only the user-interface thread looks texts up, so a plain pointer is enough.
UiLanguage* current = nullptr;

}  // namespace

void SetCurrentLanguage(UiLanguage* language) { current = language; }

UiLanguage& CurrentLanguage() {
    static UiLanguage inert;
    return current ? *current : inert;
}

std::string MessageText(unsigned id) { return CurrentLanguage().MessageText(id); }
