// ThemeApi: UxTheme.dll resolved by name, so the program also starts where it is missing, and
// every entry point checked before use (a library can lack some of them).
#include "ui/theme_api.h"

#include <string>

#include "framework/proc_address.h"
#include "framework/wide_text.h"

namespace {

// Theme part, states and property of the push button whose accent hints give the scheme colours.
constexpr int kPushButtonPart = 1;
constexpr int kHotState = 2;
constexpr int kDefaultState = 5;
constexpr int kAccentColorHint = 3823;

}  // namespace

// Theme data of one window and class, closed when it leaves scope.
class ThemeApi::ThemeData {
public:
    ThemeData(const ThemeApi& api, HWND window, const char* className) : api_(api) {
        if (api.openThemeData_ == nullptr || api.closeThemeData_ == nullptr) return;
        const std::wstring wideClass = WideFromUtf8(className);
        theme_ = api.openThemeData_(window, wideClass.c_str());
    }
    ~ThemeData() {
        if (theme_ != nullptr) api_.closeThemeData_(theme_);
    }
    ThemeData(const ThemeData&) = delete;
    ThemeData& operator=(const ThemeData&) = delete;

    HTHEME get() const { return theme_; }

private:
    const ThemeApi& api_;
    HTHEME theme_ = nullptr;
};

ThemeApi::ThemeApi() : library_(::LoadLibraryA("UxTheme.dll")) {
    const HMODULE module = library_.get();
    openThemeData_ = ProcAddress<OpenThemeDataFn>(module, "OpenThemeData");
    closeThemeData_ = ProcAddress<CloseThemeDataFn>(module, "CloseThemeData");
    drawThemeBackground_ = ProcAddress<DrawThemeBackgroundFn>(module, "DrawThemeBackground");
    drawThemeText_ = ProcAddress<DrawThemeTextFn>(module, "DrawThemeText");
    isAppThemed_ = ProcAddress<IsAppThemedFn>(module, "IsAppThemed");
    isThemeActive_ = ProcAddress<IsThemeActiveFn>(module, "IsThemeActive");
    getThemeColor_ = ProcAddress<GetThemeColorFn>(module, "GetThemeColor");
    setWindowTheme_ = ProcAddress<SetWindowThemeFn>(module, "SetWindowTheme");
}

bool ThemeApi::IsThemed() const { return isAppThemed_ != nullptr && isAppThemed_() != FALSE; }

bool ThemeApi::IsThemeActive() const {
    return isThemeActive_ != nullptr && isThemeActive_() != FALSE;
}

namespace {

bool CanUseTheme(HWND window, const char* className) {
    return ::IsWindow(window) && className != nullptr && *className != '\0';
}

}  // namespace

bool ThemeApi::DrawThemed(HWND window, HDC dc, const RECT* rect, const char* className, int part,
                          int state) const {
    if (dc == nullptr || rect == nullptr || !CanUseTheme(window, className) || !IsThemed() ||
        drawThemeBackground_ == nullptr) {
        return false;
    }
    const ThemeData theme(*this, window, className);
    if (theme.get() == nullptr) return false;
    drawThemeBackground_(theme.get(), dc, part, state, rect, nullptr);
    return true;
}

bool ThemeApi::DrawThemedText(HWND window, HDC dc, const RECT* rect, const char* className,
                              int part, int state, const char* text, DWORD format) const {
    if (dc == nullptr || rect == nullptr || text == nullptr || !CanUseTheme(window, className) ||
        !IsThemed() || drawThemeText_ == nullptr) {
        return false;
    }
    const ThemeData theme(*this, window, className);
    if (theme.get() == nullptr) return false;
    const std::wstring wideText = WideFromUtf8(text);
    return SUCCEEDED(drawThemeText_(theme.get(), dc, part, state, wideText.c_str(),
                                    static_cast<int>(wideText.size()), format, 0, rect));
}

COLORREF ThemeApi::ThemeColorOf(HWND window, const char* className, int part, int state,
                                int property, COLORREF fallback) const {
    if (!CanUseTheme(window, className) || !IsThemed() || getThemeColor_ == nullptr) {
        return fallback;
    }
    const ThemeData theme(*this, window, className);
    if (theme.get() == nullptr) return fallback;
    COLORREF color = 0;
    if (FAILED(getThemeColor_(theme.get(), part, state, property, &color))) return fallback;
    return color & 0xFFFFFF;
}

COLORREF ThemeApi::ThemeColour(int k) const {
    if (k != 0 && k != 1) return 0;
    const COLORREF system = ::GetSysColor(k == 0 ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    if (!IsThemed()) return system;
    // A theme without the accent hint (or one that will not open) would otherwise paint the
    // Modern scheme around black: its system colour is the closest stand-in.
    return ThemeColorOf(::GetDesktopWindow(), "BUTTON", kPushButtonPart,
                        k == 0 ? kHotState : kDefaultState, kAccentColorHint, system);
}

bool ThemeApi::SetWindowTheme(HWND window, const wchar_t* appName, const wchar_t* idList) const {
    if (!::IsWindow(window) || setWindowTheme_ == nullptr) return false;
    return SUCCEEDED(setWindowTheme_(window, appName, idList));
}
