// Decoding legacy ANSI text: the process itself runs with UTF-8 as its code page, so the
// legacy one is asked of the system locale.
#include "text/legacy_code_page.h"

#include <windows.h>

#include "framework/wide_text.h"

unsigned LegacyAnsiCodePage() {
    DWORD codePage = 0;
    const int got = ::GetLocaleInfoEx(LOCALE_NAME_SYSTEM_DEFAULT,
                                      LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                      reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR));
    // Locales without an ANSI code page (0) or a UTF-8 one give nothing to decode from.
    if (!got || codePage == 0 || codePage == CP_UTF8) return 1252;
    return codePage;
}

std::string DecodeLegacyAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    static const unsigned codePage = LegacyAnsiCodePage();
    const int size = static_cast<int>(bytes.size());
    const int count = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(count), L'\0');
    if (count > 0) ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), count);
    return Utf8FromWide(wide);
}
