// The main window at 96 and 144 dpi: tool bar buttons, list rows and their icons, the tray icon
// and the recent-documents popup measured from a real main window, which must come out half as
// large again at 144 dpi, and a shown window that stays inside the work area; and the move to a
// display of another DPI.
//
// The system DPI is read once per process, from HKCU\Control Panel\Desktop\LogPixels: each DPI
// is measured by this program started again with --measure after the value was written.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "app/frame_application.h"
#include "framework/com_ptr.h"
#include "framework/message_filters.h"
#include "framework/program_path.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "registry_test_support.h"
#include "resource.h"
#include "tracking/system_document_list_model.h"
#include "wine_test_support.h"

using namespace testsupport;

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kMeasureFlag[] = "--measure";

std::string HistoryPath() {
    const std::string path = ProgramPath();
    return path.substr(0, path.size() - 3) + "dat";
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    ::GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

int ImageListIconSize(HIMAGELIST images) {
    int width = 0;
    int height = 0;
    return images != nullptr && ::ImageList_GetIconSize(images, &width, &height) ? height : 0;
}

int RowHeight(HWND list) {
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    return ::SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)) != 0 ? row.bottom - row.top : 0;
}

// The figures of a real main window in this process, at whatever DPI the process runs at, as
// "name value" lines. The history beside the program (written by the parent) has one document
// opened today.
// A real main window of this process on the history beside the program, not yet created.
struct MainWindow {
    ComInit com;
    UiLanguage language;
    CurrentLanguageScope languageScope{language};
    DocumentListModel model = MakeSystemDocumentListModel();
    CFrameApplication frame{model};
};

std::map<std::string, int> MeasureMainWindow() {
    std::map<std::string, int> figures;
    MainWindow main;
    CFrameApplication& frame = main.frame;
    if (!frame.CreateFrame()) return figures;
    frame.ShowMainWindow();
    PumpPendingMessages();

    const HWND window = frame.hwnd();
    figures["dpi"] = static_cast<int>(::GetDpiForWindow(window));
    if (const HWND toolBar = ::GetDlgItem(window, IDC_TOOLBAR)) {
        const auto size = static_cast<DWORD>(::SendMessageA(toolBar, TB_GETBUTTONSIZE, 0, 0));
        figures["toolbar.button.width"] = LOWORD(size);
        figures["toolbar.button.height"] = HIWORD(size);
    }
    if (CFilesListCtrl* list = frame.FilesPane().ListControl()) {
        figures["list.row.height"] = RowHeight(list->hwnd());
        figures["list.row.icon"] = ImageListIconSize(ListView_GetImageList(list->hwnd(), LVSIL_SMALL));
    }
    figures["tray.icon"] = IconWidth(frame.Tray().Record().hIcon);
    figures["caption.icon"] = IconWidth(reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0)));

    RECT placed{};
    ::GetWindowRect(window, &placed);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    figures["window.inside.work.area"] = placed.left >= work.left && placed.top >= work.top &&
                                         placed.right <= work.right && placed.bottom <= work.bottom;

    ::ShowWindow(window, SW_HIDE);
    frame.ShowRecentPopup();
    PumpPendingMessages();
    if (RecentPopup* popup = frame.Popup()) {
        figures["popup.row.height"] = RowHeight(popup->List());
        figures["popup.row.icon"] = ImageListIconSize(ListView_GetImageList(popup->List(), LVSIL_SMALL));
    }
    frame.HideRecentPopup();
    ::DestroyWindow(window);
    return figures;
}

int MeasureInto(const std::string& path) {
    std::string text;
    for (const auto& [name, value] : MeasureMainWindow()) text += name + " " + std::to_string(value) + "\n";
    return WriteFile(path, text) ? 0 : 1;
}

class DisplayScaleTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteSettingsBranch();
        // Shown at once, with no note about the tray icon in the way.
        SettingsStore().WriteNumber(Setting::Minimized, 0);
        WriteFile(HistoryPath(), std::to_string(TodayDayNumber()) + ".500000 " + document_ + "\r\n");
        WriteFile(document_, "x");
    }
    void TearDown() override {
        SetLogPixels(96);
        DeleteSettingsBranch();
        ::DeleteFileA(HistoryPath().c_str());
    }

    static void SetLogPixels(DWORD dpi) {
        SetRaw(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    }

    // The figures of a new process at `dpi`.
    std::map<std::string, int> MeasureAt(DWORD dpi) {
        SetLogPixels(dpi);
        const std::string out = folder_.Path() + "figures-" + std::to_string(dpi) + ".txt";
        EXPECT_EQ(RunAndWait(ProgramPath(), {kMeasureFlag, out}), 0);
        std::map<std::string, int> figures;
        std::istringstream lines(ReadFile(out));
        std::string name;
        int value = 0;
        while (lines >> name >> value) figures[name] = value;
        return figures;
    }

    ScratchFolder folder_{"kestrum-dpi"};
    const std::string document_ = folder_.Path() + "report.txt";
};

struct Scale {
    DWORD dpi;
};

class DisplayScaleFigures : public DisplayScaleTest, public testing::WithParamInterface<Scale> {};

// Every figure at the DPI is the 96-dpi one scaled, within two pixels (the controls add fixed
// borders and round on their own).
TEST_P(DisplayScaleFigures, GrowWithTheDpi) {
    const std::map<std::string, int> base = MeasureAt(96);
    const DWORD dpi = GetParam().dpi;
    const std::map<std::string, int> scaled = MeasureAt(dpi);
    ASSERT_EQ(base.count("dpi"), 1u) << "the measuring process made no main window";
    EXPECT_EQ(base.at("dpi"), 96);
    EXPECT_EQ(scaled.at("dpi"), static_cast<int>(dpi));
    for (const char* name : {"toolbar.button.width", "toolbar.button.height", "list.row.height", "list.row.icon",
                             "tray.icon", "caption.icon", "popup.row.height", "popup.row.icon"}) {
        ASSERT_EQ(scaled.count(name), 1u) << name;
        const double expected = base.at(name) * static_cast<double>(dpi) / 96.0;
        EXPECT_GT(base.at(name), 0) << name;
        EXPECT_LE(std::abs(scaled.at(name) - expected), 2.0)
            << name << ": " << base.at(name) << " at 96 dpi, " << scaled.at(name) << " at " << dpi;
        std::printf("%-24s %4d at 96 dpi %4d at %lu\n", name, base.at(name), scaled.at(name), dpi);
    }
    EXPECT_EQ(scaled.at("window.inside.work.area"), 1);
}

// The move to a display of 144 dpi, told by message in a process of 96: the window takes the
// suggested rectangle, and rows, tray and popup get icons of that DPI's small-icon size with
// every row keeping its picture.
TEST_F(DisplayScaleTest, ADpiChangeTakesTheSuggestedPlaceAndRedrawsTheIcons) {
    MainWindow main;
    ASSERT_TRUE(main.frame.CreateFrame());
    main.frame.ShowMainWindow();
    PumpPendingMessages();
    const HWND list = main.frame.FilesPane().ListControl()->hwnd();
    const HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
    const int imageCount = ::ImageList_GetImageCount(images);
    LVITEMA row{};
    row.mask = LVIF_IMAGE;
    ASSERT_TRUE(ListView_GetItem(list, &row));
    const int rowImage = row.iImage;
    ASSERT_EQ(ImageListIconSize(images), 16);
    const int nameWidth = ListView_GetColumnWidth(list, 0);
    RECT filter{};
    ::GetWindowRect(::GetDlgItem(main.frame.hwnd(), IDW_FILTER_PANE), &filter);

    RECT suggested{40, 30, 40 + 900, 30 + 700};
    ::SendMessageA(main.frame.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    PumpPendingMessages();

    RECT placed{};
    ::GetWindowRect(main.frame.hwnd(), &placed);
    EXPECT_TRUE(::EqualRect(&placed, &suggested));
    EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), images);
    EXPECT_EQ(ImageListIconSize(images), 24);
    EXPECT_EQ(::ImageList_GetImageCount(images), imageCount);
    ASSERT_TRUE(ListView_GetItem(list, &row));
    EXPECT_EQ(row.iImage, rowImage);
    EXPECT_GE(RowHeight(list), 24);
    const HWND header = ListView_GetHeader(list);
    EXPECT_EQ(ImageListIconSize(reinterpret_cast<HIMAGELIST>(::SendMessageA(header, HDM_GETIMAGELIST, 0, 0))), 24)
        << "the sort arrows";
    // Widths keep their physical size.
    EXPECT_NEAR(ListView_GetColumnWidth(list, 0), nameWidth * 3 / 2, 1);
    RECT grownFilter{};
    ::GetWindowRect(::GetDlgItem(main.frame.hwnd(), IDW_FILTER_PANE), &grownFilter);
    EXPECT_NEAR(grownFilter.right - grownFilter.left, (filter.right - filter.left) * 3 / 2, 1);
    EXPECT_TRUE(main.frame.Tray().IsAdded());
    EXPECT_EQ(IconWidth(main.frame.Tray().Record().hIcon), 24);
    ASSERT_NE(main.frame.Popup(), nullptr);
    EXPECT_EQ(ImageListIconSize(ListView_GetImageList(main.frame.Popup()->List(), LVSIL_SMALL)), 24);
    ::DestroyWindow(main.frame.hwnd());
}

INSTANTIATE_TEST_SUITE_P(Dpis, DisplayScaleFigures, testing::Values(Scale{96}, Scale{144}),
                         [](const testing::TestParamInfo<Scale>& info) { return "At" + std::to_string(info.param.dpi); });

}  // namespace

int main(int argc, char** argv) {
    // The measuring child: one main window at the DPI the parent set, its figures into a file.
    if (argc == 3 && std::string(argv[1]) == kMeasureFlag) return MeasureInto(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
