// The program's icons and bitmaps as the running program loads them, and IconSet over them:
// sizes, transparency, the tool-bar mask colour and the greyed look.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "dib_surface.h"
#include "resource.h"
#include "ui/icon_set.h"

namespace {

constexpr COLORREF kBackdrop = RGB(1, 2, 3);
constexpr COLORREF kMask = RGB(255, 0, 255);

// Every icon resource some window, menu, list or dialog of the program asks for.
const std::vector<int> kIcons = {
    IDR_MAINFRAME, IDI_SORT_DESCENDING, IDI_MISSING_DOCUMENT, IDI_HELP_LINK, IDI_COPY, IDI_MOVE,
    IDI_SAVE_LIST, IDI_SORT_ASCENDING, IDI_OPTIONS, IDI_PASSWORD, IDI_OPEN, IDI_EXPLORE, IDI_PRINT,
    IDI_DELETE, IDI_CLEAR_LIST, IDI_HELP_CONTENTS, IDI_WEB_SITE, IDI_NOTE, IDI_SHOW_WINDOW,
    IDI_HIDE_POPUP, IDI_HELP_BUTTON, IDI_INFO, IDI_PRODUCTS};

// A square painting surface filled with kBackdrop.
class Surface : public DibSurface {
public:
    explicit Surface(int size) : DibSurface(size, size, kBackdrop) {}
};

BITMAP BitmapInfoOf(int id) {
    BITMAP info{};
    HANDLE bitmap = ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                 LR_CREATEDIBSECTION);
    if (bitmap != nullptr) {
        ::GetObjectA(bitmap, sizeof(info), &info);
        ::DeleteObject(bitmap);
    }
    return info;
}

TEST(ProgramIcons, EachLoadsAtEverySizeTheProgramUsesAndHasATransparentEdge) {
    for (int size : {16, 24, 32}) {
        IconSet icons;
        ASSERT_TRUE(icons.SetSize(size));
        for (int id : kIcons) {
            ASSERT_TRUE(icons.Add(id)) << "icon " << id << " at " << size;
            Surface surface(size);
            ASSERT_TRUE(icons.Draw(surface.dc(), static_cast<int>(icons.Count()) - 1, true, 0, 0, 0));
            const int untouched = surface.CountOf(kBackdrop);
            // Drawn with its mask: the picture covers part of the square (at least a tenth: the
            // sort carets are the smallest), never all of it.
            EXPECT_GT(untouched, 0) << "icon " << id << " at " << size << " has no transparent pixel";
            EXPECT_LT(untouched, size * size * 9 / 10) << "icon " << id << " at " << size << " is nearly empty";
        }
        EXPECT_EQ(icons.Count(), kIcons.size());
    }
}

TEST(ProgramBitmaps, HaveTheSizesTheirWindowsExpect) {
    struct Expected {
        int id, width, height;
    };
    for (const Expected& e : {Expected{IDR_MAINFRAME, 14 * 16, 16}, Expected{IDR_TOOLBAR_LARGE, 14 * 24, 24},
                              Expected{IDB_NOTE, 240, 240}, Expected{IDB_ABOUT_BANNER, 400, 120}}) {
        const BITMAP info = BitmapInfoOf(e.id);
        EXPECT_EQ(info.bmWidth, e.width) << e.id;
        EXPECT_EQ(info.bmHeight, e.height) << e.id;
        EXPECT_EQ(info.bmBitsPixel, 24) << e.id;
    }
}

TEST(ProgramBitmaps, EveryToolBarButtonIsMaskedAroundAPicture) {
    for (const auto& [id, size] : {std::pair{IDR_MAINFRAME, 16}, std::pair{IDR_TOOLBAR_LARGE, 24}}) {
        HBITMAP strip = static_cast<HBITMAP>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(strip, nullptr) << id;
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ previous = ::SelectObject(dc, strip);
        for (int button = 0; button < 14; ++button) {
            int masked = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) masked += ::GetPixel(dc, button * size + x, y) == kMask ? 1 : 0;
            }
            EXPECT_GT(masked, 0) << "strip " << id << " button " << button;
            EXPECT_LT(masked, size * size * 3 / 4) << "strip " << id << " button " << button;
        }
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
        ::DeleteObject(strip);
    }
}

TEST(IconSet, SizeIsSetOncePositiveAndOnlyWhileEmpty) {
    IconSet icons;
    EXPECT_FALSE(icons.Add(IDI_OPEN));  // no size yet
    EXPECT_FALSE(icons.SetSize(0));
    EXPECT_FALSE(icons.SetSize(-16));
    EXPECT_EQ(icons.Size(), 0);
    ASSERT_TRUE(icons.SetSize(16));
    EXPECT_FALSE(icons.SetSize(16));
    EXPECT_FALSE(icons.SetSize(24));
    EXPECT_EQ(icons.Size(), 16);
}

TEST(IconSet, UnknownResourcesAreRefusedAndLeaveTheSetAlone) {
    IconSet icons;
    ASSERT_TRUE(icons.SetSize(16));
    ASSERT_TRUE(icons.Add(IDI_OPEN));
    EXPECT_FALSE(icons.Add(9999));
    EXPECT_FALSE(icons.Add(0));
    EXPECT_FALSE(icons.Add(-5));
    EXPECT_FALSE(icons.Add(0x10000));
    EXPECT_EQ(icons.Count(), 1u);
}

TEST(IconSet, DrawRefusesIndexesOutsideTheSet) {
    IconSet icons;
    ASSERT_TRUE(icons.SetSize(16));
    ASSERT_TRUE(icons.Add(IDI_OPEN));
    Surface surface(16);
    EXPECT_FALSE(icons.Draw(surface.dc(), 1, true, 0, 0, 0));
    EXPECT_FALSE(icons.Draw(surface.dc(), -1, true, 0, 0, 0));
    EXPECT_FALSE(icons.Draw(nullptr, 0, true, 0, 0, 0));
    EXPECT_EQ(surface.CountOf(kBackdrop), 16 * 16);
}

TEST(IconSet, DisabledIconsAreGreyedOnEveryEvenRow) {
    constexpr COLORREF grey = RGB(7, 77, 177);
    IconSet icons;
    ASSERT_TRUE(icons.SetSize(16));
    ASSERT_TRUE(icons.Add(IDI_DELETE));
    Surface enabled(16);
    ASSERT_TRUE(icons.Draw(enabled.dc(), 0, true, 0, 0, grey));
    EXPECT_EQ(enabled.CountOf(grey), 0);
    Surface disabled(16);
    ASSERT_TRUE(icons.Draw(disabled.dc(), 0, false, 0, 0, grey));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (y % 2 == 0) {
                EXPECT_EQ(disabled.At(x, y), grey) << x << "," << y;
            } else {
                EXPECT_EQ(disabled.At(x, y), enabled.At(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(IconSet, EmptyKeepsTheSize) {
    IconSet icons;
    ASSERT_TRUE(icons.SetSize(24));
    ASSERT_TRUE(icons.Add(IDI_COPY));
    ASSERT_TRUE(icons.Add(IDI_MOVE));
    icons.Empty();
    EXPECT_EQ(icons.Count(), 0u);
    EXPECT_EQ(icons.Size(), 24);
    EXPECT_FALSE(icons.SetSize(16));
    EXPECT_TRUE(icons.Add(IDI_PRINT));
}

}  // namespace
