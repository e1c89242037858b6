// The main window's tray side on a scratch history: clicks on the icon, the task bar's restart,
// the recent-documents popup (placement, rows, keys, hiding) and the Options dialog's OK.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "app/frame_application.h"
#include "app/options_dialog.h"
#include "framework/com_ptr.h"
#include "framework/message_filters.h"
#include "framework/program_path.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "panes/document_images.h"
#include "tracking/system_document_list_model.h"
#include "ui/dialog_units.h"
#include "registry_test_support.h"
#include "frame_test_fixture.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

class TrayFrameTest : public FrameFixture {
protected:
    void Tray(UINT mouseMessage) { ::SendMessageA(Window(), WM_USER + 5, 0, mouseMessage); }
    RecentPopup& Popup() { return *frame_->Popup(); }
    std::vector<std::string> PopupRows() {
        std::vector<std::string> rows;
        const HWND list = Popup().List();
        for (int row = 0; row < ListView_GetItemCount(list); ++row) rows.push_back(ListCellText(list, row, 0));
        return rows;
    }
    // Whether the shell holds an icon of the frame: changing nothing of it succeeds only then.
    bool ShellHasIcon() {
        NOTIFYICONDATAA record{};
        record.cbSize = NOTIFYICONDATAA_V1_SIZE;
        record.hWnd = Window();
        record.uID = 0;
        return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
    }

};

TEST_F(TrayFrameTest, IconIsAddedAndComesBackAfterTheTaskBarRestarts) {
    Open(Line(today_, Doc("a.txt")));
    ASSERT_TRUE(frame_->Tray().IsAdded());
    EXPECT_TRUE(ShellHasIcon());

    // The task bar went away with every icon, then announces itself again.
    NOTIFYICONDATAA record = frame_->Tray().Record();
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &record));
    EXPECT_FALSE(ShellHasIcon());
    ::SendMessageA(Window(), frame_->TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(ShellHasIcon());

    frame_->SaveStateAndClose();
    EXPECT_FALSE(frame_->Tray().IsAdded());
}

TEST_F(TrayFrameTest, ClicksOnTheIcon) {
    struct Case {
        const char* name;
        std::uint32_t mainShow;
        const char* password;
        bool promptAnswer;
        UINT mouse;
        bool shown;
        int prompts;
    };
    const Case cases[] = {
        {"left click shows", 0, "", true, WM_LBUTTONDOWN, true, 0},
        {"double click ignored", 0, "", true, WM_LBUTTONDBLCLK, false, 0},
        {"right button up ignored", 0, "", true, WM_RBUTTONUP, false, 0},
        {"password accepted", 1, "secret", true, WM_LBUTTONDOWN, true, 1},
        {"password cancelled", 1, "secret", false, WM_LBUTTONDOWN, false, 1},
    };
    for (const Case& c : cases) {
        Store(Setting::MainShow, c.mainShow);
        SettingsStore().WriteText(Setting::Pass, c.password);
        Open(Line(today_, Doc("a.txt")));
        int prompts = 0;
        frame_->SetPasswordPrompt([&](HWND) {
            ++prompts;
            return c.promptAnswer;
        });
        Tray(c.mouse);
        EXPECT_EQ(::IsWindowVisible(Window()) != FALSE, c.shown) << c.name;
        EXPECT_EQ(prompts, c.prompts) << c.name;
        frame_.reset();
    }
}

TEST_F(TrayFrameTest, RightClickOpensTheTrayMenuWithOpenAsDefaultOnlyWhileHidden) {
    Open(Line(today_, Doc("a.txt")));
    // The menu runs its own loop on this thread; a helper closes it once it is up.
    const DWORD process = ::GetCurrentProcessId();
    auto closer = std::async(std::launch::async, [process] {
        for (int i = 0; i < 300; ++i) {
            HWND menu = nullptr;
            while ((menu = ::FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(menu, &owner);
                if (owner == process && ::IsWindowVisible(menu)) {
                    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
                    return true;
                }
            }
            ::Sleep(10);
        }
        return false;
    });
    Tray(WM_RBUTTONDOWN);
    EXPECT_TRUE(closer.get()) << "the menu came up";
    EXPECT_EQ(::GetMenuDefaultItem(::GetSubMenu(frame_->TrayMenu(), 0), TRUE, 0), 0u) << "Open, drawn bold";

    // While the window is up the right click does nothing.
    frame_->ShowMainWindow();
    auto none = std::async(std::launch::async, [process] {
        ::Sleep(500);
        return ::FindWindowExA(nullptr, nullptr, "#32768", nullptr);
    });
    Tray(WM_RBUTTONDOWN);
    const HWND menu = none.get();
    EXPECT_TRUE(menu == nullptr || !::IsWindowVisible(menu));
}

TEST_F(TrayFrameTest, WithoutAPromptAPasswordKeepsTheWindowHidden) {
    Store(Setting::MainShow, 1);
    SettingsStore().WriteText(Setting::Pass, "secret");
    Open(Line(today_, Doc("a.txt")));
    Tray(WM_LBUTTONDOWN);
    EXPECT_FALSE(::IsWindowVisible(Window()));
}

TEST_F(TrayFrameTest, PopupListsExistingDocumentsOfTheLastDaysOnceOldestFirst) {
    const std::string a = Doc("a.txt"), b = Doc("b.pdf"), c = Doc("c.doc");
    Store(Setting::TipDays, 3);
    Open(Line(today_ - 4, c) +                  // before the range
         Line(today_ - 3, a) + Line(today_ - 2, b) + Line(today_ - 1, documents_.Path() + "gone.txt") +
         Line(today_, a) + Line(today_, c) + Line(today_ + 1, b));  // a again; after today
    ASSERT_NE(frame_->Popup(), nullptr);
    ASSERT_TRUE(frame_->ShowRecentPopup());
    EXPECT_EQ(PopupRows(), (std::vector<std::string>{"a.txt", "b.pdf", "c.doc"}));
    EXPECT_EQ(Popup().Paths().back(), c);
    EXPECT_TRUE(Popup().HasSingleSelection());
    EXPECT_EQ(ListView_GetNextItem(Popup().List(), -1, LVNI_SELECTED), 2) << "the newest is selected";
    EXPECT_FALSE(frame_->ShowRecentPopup()) << "already up";

    // Zero days leaves the rows as they are.
    Popup().Fill(0);
    EXPECT_EQ(PopupRows().size(), 3u);

    // Filled again over fewer days: the new rows are served, and only the newest is selected.
    Popup().Fill(1);
    EXPECT_EQ(PopupRows(), (std::vector<std::string>{"a.txt", "c.doc"}));
    EXPECT_EQ(ListView_GetSelectedCount(Popup().List()), 1u);
    EXPECT_EQ(ListView_GetNextItem(Popup().List(), -1, LVNI_SELECTED), 1);
}

TEST_F(TrayFrameTest, PopupSitsAtTheBottomRightOnTopAndTranslucent) {
    Store(Setting::TrayTransp, 50);
    Open(Line(today_, Doc("a.txt")));
    ASSERT_TRUE(frame_->ShowRecentPopup());
    const HWND popup = Popup().hwnd();
    RECT work{}, placed{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::GetWindowRect(popup, &placed);
    EXPECT_EQ(placed.right, work.right - 2);
    EXPECT_EQ(placed.bottom, work.bottom - 2);
    EXPECT_EQ(placed.left, work.right - DialogUnitsToPixels(100, true));
    EXPECT_EQ(placed.top, work.bottom - DialogUnitsToPixels(200, false));
    EXPECT_TRUE(::GetWindowLongPtrA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_TRUE(::GetWindowLongPtrA(popup, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(popup, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 125);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));

    // Back to opaque: no longer layered at the next show.
    frame_->HideRecentPopup();
    Store(Setting::TrayTransp, 100);
    ASSERT_TRUE(frame_->ShowRecentPopup());
    EXPECT_FALSE(::GetWindowLongPtrA(popup, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(TrayFrameTest, PopupShowsOnlyWhileTheWindowIsHiddenAndUnguarded) {
    Open(Line(today_, Doc("a.txt")));
    Store(Setting::MainShow, 1);
    SettingsStore().WriteText(Setting::Pass, "secret");
    EXPECT_FALSE(frame_->ShowRecentPopup());
    Store(Setting::MainShow, 0);
    frame_->ShowMainWindow();
    EXPECT_FALSE(frame_->ShowRecentPopup());
    ::ShowWindow(Window(), SW_HIDE);
    Store(Setting::Tray, 0);
    Tray(WM_MOUSEMOVE);
    EXPECT_FALSE(::IsWindowVisible(Popup().hwnd())) << "Tray off: hovering shows nothing";
    Store(Setting::Tray, 1);
    Tray(WM_MOUSEMOVE);
    EXPECT_TRUE(::IsWindowVisible(Popup().hwnd()));
}

TEST_F(TrayFrameTest, PopupHidesOnceTheMouseHasLeft) {
    Store(Setting::TrayAnim, 0);
    Open(Line(today_, Doc("a.txt")));
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::SetCursorPos(work.right - 20, work.bottom - 20);  // inside the popup-to-be
    ASSERT_TRUE(frame_->ShowRecentPopup());
    const HWND popup = Popup().hwnd();
    WaitUntil([] { return false; }, 700ms);
    EXPECT_TRUE(::IsWindowVisible(popup)) << "the mouse is over it";

    ::SetCursorPos(work.left + 5, work.top + 5);
    const auto left = std::chrono::steady_clock::now();
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }, 2s));
    EXPECT_LT(std::chrono::steady_clock::now() - left, 1s) << "about 300 ms";
}

TEST_F(TrayFrameTest, EnterOpensTheSelectedDocumentOnceAndEscapeHides) {
    const std::string a = Doc("a.txt");
    WriteFile(HistoryPath(), Line(today_, a));
    ASSERT_TRUE(model_.Attach(ProgramPath()));
    DocumentImages images;
    ASSERT_TRUE(images.Create(16));
    std::vector<std::string> opened;
    PopupHost host;
    host.open = [&](HWND, const std::string& path) {
        opened.push_back(path);
        return true;
    };
    RecentPopup popup(model_, images, host);
    ASSERT_TRUE(popup.CreatePopup());
    popup.Fill(1);
    popup.ShowOnTop();
    ASSERT_TRUE(popup.HasSingleSelection());

    // Through the program's own queue handling, where the dialog manager sees the key too.
    ::PostMessageA(popup.List(), WM_KEYDOWN, VK_RETURN, 0);
    PumpPendingMessages();
    EXPECT_EQ(opened, std::vector<std::string>{a}) << "once, not again as the dialog's OK";
    EXPECT_TRUE(::IsWindow(popup.hwnd())) << "Enter never ends the popup";

    // Only the context menu's commands reach the command handler; OK and Cancel do nothing.
    ::SendMessageA(popup.hwnd(), WM_COMMAND, IDOK, 0);
    ::SendMessageA(popup.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(::IsWindowVisible(popup.hwnd()));
    ::SendMessageA(popup.hwnd(), WM_COMMAND, ID_POPUP_OPEN, 0);
    EXPECT_EQ(opened.size(), 2u);

    ::PostMessageA(popup.List(), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPendingMessages();
    EXPECT_FALSE(::IsWindowVisible(popup.hwnd()));
    EXPECT_TRUE(::IsWindow(popup.hwnd()));
}

}  // namespace
