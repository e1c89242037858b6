// The Quick Intro's rules: its pages, caption, buttons, placement and control layout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/window_rules.h"

inline constexpr int kIntroPageCount = 5;

// Any number brought into 0 ... kIntroPageCount - 1, so a stray step never leaves the pages.
int ClampIntroPage(int page);

// The page file beside the program: "<folder>\Tourlet\index.htm" for page 0 and
// "<folder>\Tourlet\index<n>.htm" for pages 1 to 4 (the page is clamped first). `programPath`
// is the program file's full path; trailing separators of its folder are dropped.
std::string IntroPagePath(std::string_view programPath, int page);

// "Kestrum Quick Intro - Page 1/5" for page 0.
std::string IntroCaption(int page);

struct IntroButtons {
    bool back;
    bool next;
    friend bool operator==(const IntroButtons&, const IntroButtons&) = default;
};
IntroButtons IntroButtonStates(int page);

// The window fills the work area's height along its right-hand side: `width` wide when that is
// less than half the work area, otherwise its right half. Work areas not starting at 0 (a task
// bar on the left or top) are respected.
PixelRect IntroWindowRect(const PixelRect& workArea, int width);

// Where the controls go in a client rectangle, from the packed dialog base units.
struct IntroLayout {
    PixelRect browser;
    PixelPoint checkBox;
    PixelPoint back;
    PixelPoint next;
    PixelPoint close;
};
IntroLayout IntroControlLayout(const PixelRect& client, std::uint32_t baseUnits);
