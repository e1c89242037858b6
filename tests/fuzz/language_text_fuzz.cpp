// Any bytes as what a language file or the registry hands the translation code: a value cut by
// the read buffer, a language name, a menu or tool tip text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "language/language_keys.h"
#include "language/translation_rules.h"
#include "text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // A value read into a fixed buffer loses at most one cut sequence, and only at its end;
    // a valid text cut anywhere becomes valid again.
    std::string value(input);
    DropIncompleteUtf8Tail(value);
    FUZZ_CHECK(input.starts_with(value) && input.size() - value.size() <= 4);
    if (IsValidUtf8(input) && !input.empty()) {
        std::string cut(input.substr(0, input.size() - 1));
        DropIncompleteUtf8Tail(cut);
        FUZZ_CHECK(IsValidUtf8(cut));
    }

    // Whatever the registry says, the language file stays in the program's folder.
    const std::string name = UsableLanguageName(input);
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(name.find_first_of("\\/:") == std::string::npos && name.find("..") == std::string::npos);
    const std::string file = LanguageFilePath("C:\\Program\\", name);
    FUZZ_CHECK(file.starts_with("C:\\Program\\") && file.find('\\', 11) == std::string::npos);

    // Splitting a text for the translator loses nothing.
    const TextAndSuffix menu = SplitMenuItemText(input);
    FUZZ_CHECK(menu.text + menu.suffix == input);
    const TextAndSuffix tip = SplitToolTipText(input);
    FUZZ_CHECK(tip.text + tip.suffix == input);
    (void)IsTranslatableText(input);
    FUZZ_CHECK(NormaliseKey(input).size() <= input.size());
    return 0;
}
