// The Quick Intro's page paths, caption, button states, placement and layout.
#include "intro/intro_rules.h"

#include <algorithm>

#include "text/path_split.h"
#include "ui/dialog_units.h"

int ClampIntroPage(int page) { return std::clamp(page, 0, kIntroPageCount - 1); }

std::string IntroPagePath(std::string_view programPath, int page) {
    const PathParts parts = SplitPath(programPath);
    std::string folder = parts.folder;
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    const int shown = ClampIntroPage(page);
    std::string name = shown == 0 ? "index" : "index" + std::to_string(shown);
    return parts.drive + folder + "\\Tourlet\\" + name + ".htm";
}

std::string IntroCaption(int page) {
    return "Kestrum Quick Intro - Page " + std::to_string(ClampIntroPage(page) + 1) + "/" +
           std::to_string(kIntroPageCount);
}

IntroButtons IntroButtonStates(int page) {
    const int shown = ClampIntroPage(page);
    return {shown > 0, shown < kIntroPageCount - 1};
}

PixelRect IntroWindowRect(const PixelRect& workArea, int width) {
    const int half = (workArea.right - workArea.left) / 2;
    const int left = width < half ? workArea.right - width : workArea.left + half;
    return {left, workArea.top, workArea.right, workArea.bottom};
}

IntroLayout IntroControlLayout(const PixelRect& client, std::uint32_t baseUnits) {
    const auto across = [&](int n) { return DialogUnitsFromBase(n, true, baseUnits); };
    const auto down = [&](int n) { return DialogUnitsFromBase(n, false, baseUnits); };
    const int buttonTop = client.bottom - down(14);
    const int checkBoxTop = client.bottom - down(26);
    // The browser's bottom margin is measured in horizontal units, as the row below was first
    // laid out; where the base units make that margin smaller than the row, the browser stops
    // above the check box instead of covering it.
    return {
        .browser = {client.left + across(3), client.top + down(3), client.right - across(3),
                    std::min(client.bottom - across(27), checkBoxTop - down(1))},
        .checkBox = {client.left + across(4), checkBoxTop},
        .back = {client.left + across(3), buttonTop},
        .next = {client.left + across(63), buttonTop},
        .close = {client.right - across(39), buttonTop},
    };
}
