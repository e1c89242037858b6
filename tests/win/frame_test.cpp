// The frame and the application object: command routing, menu and toolbar states, accelerators, the run.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/dialog.h"
#include "framework/frame_window.h"
#include "framework/win_handles.h"
#include "framework_test_ids.h"
#include "framework_test_support.h"

namespace {

constexpr unsigned kSortCommands[] = {ID_TEST_SORT_NAME, 32797, ID_TEST_SORT_SIZE, 32794, 32793, 32795};

// What the enabled and checked rules read.
struct Snapshot {
    int selected = 0;
    bool toolbar = true;
    int sortKey = 0;
};

class CTestFrame : public CFrameWindow {
public:
    Snapshot snapshot;
    std::vector<std::string> log;

    bool CreateFrame() {
        return Create({.className = kTestWindowClass, .title = "Frame", .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       .x = 20, .y = 20, .width = 400, .height = 300});
    }

protected:
    const MessageMap& Map() const override {
        static constexpr CommandEntry kCommands[] = {
            route::Command<ID_TEST_OPEN, &CTestFrame::OnOpen>(),
            route::Command<ID_TEST_PRINT, &CTestFrame::OnPrint>(),
        };
        static constexpr UpdateEntry kUpdates[] = {
            route::Update<ID_TEST_OPEN, &CTestFrame::UpdateNeedsSelection>(),
            route::Update<ID_TEST_PRINT, &CTestFrame::UpdateNeedsSelection>(),
            route::Update<ID_TEST_TOOLBAR, &CTestFrame::UpdateToolbar>(),
            route::UpdateRange<32792, 32797, &CTestFrame::UpdateSortKey>(),
        };
        static constexpr MessageMap kMap{.commands = kCommands, .updates = kUpdates};
        return kMap;
    }

private:
    void OnOpen() { log.push_back("frame open"); }
    void OnPrint() { log.push_back("frame print"); }
    void UpdateNeedsSelection(CommandState& state) { state.Enable(snapshot.selected > 0); }
    void UpdateToolbar(CommandState& state) { state.Check(snapshot.toolbar); }
    void UpdateSortKey(CommandState& state) { state.Check(state.Id() == kSortCommands[snapshot.sortKey]); }
};

class CTestApplication : public CApplicationBase {
public:
    std::vector<std::string> log;
    bool aboutEnabled = true;
    std::function<bool(CTestApplication&)> start;
    int exitCalls = 0;
    int quitCode = -1;

    using CApplicationBase::SetMainWindow;

protected:
    const MessageMap& Map() const override {
        static constexpr CommandEntry kCommands[] = {
            route::Command<ID_TEST_OPEN, &CTestApplication::OnCommand>(),
            route::Command<ID_TEST_ABOUT, &CTestApplication::OnCommand>(),
            route::CommandRange<32792, 32797, &CTestApplication::OnCommand>(),
        };
        static constexpr UpdateEntry kUpdates[] = {
            route::Update<ID_TEST_ABOUT, &CTestApplication::UpdateAbout>(),
            route::Update<ID_TEST_OPEN, &CTestApplication::UpdateAbout>(),  // the frame's rule comes first
        };
        static constexpr MessageMap kMap{.commands = kCommands, .updates = kUpdates};
        return kMap;
    }
    bool Start() override { return start && start(*this); }
    int Exit(int code) override {
        ++exitCalls;
        quitCode = code;
        return code + 100;
    }

private:
    void OnCommand(unsigned id) { log.push_back("application " + std::to_string(id)); }
    void UpdateAbout(CommandState& state) { state.Enable(aboutEnabled); }
};

void SendCommand(HWND window, unsigned id, WORD code = 0, HWND control = nullptr) {
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

class FrameTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterTestWindowClass());
        ASSERT_TRUE(frame.CreateFrame());
    }
    CTestApplication application;
    CTestFrame frame;
};

TEST_F(FrameTest, TheFrameHandlesACommandFirstAndAlone) {
    frame.snapshot.selected = 1;
    SendCommand(frame.hwnd(), ID_TEST_OPEN);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame open"}));
    EXPECT_TRUE(application.log.empty());
}

TEST_F(FrameTest, CommandsTheFrameLacksGoToTheApplication) {
    SendCommand(frame.hwnd(), ID_TEST_ABOUT);
    SendCommand(frame.hwnd(), ID_TEST_SORT_SIZE, 1);  // as from an accelerator
    EXPECT_TRUE(frame.log.empty());
    EXPECT_EQ(application.log, (std::vector<std::string>{"application 32813", "application 32796"}));
}

TEST_F(FrameTest, DisabledCommandsRunNowhere) {
    frame.snapshot.selected = 0;
    SendCommand(frame.hwnd(), ID_TEST_OPEN);
    application.aboutEnabled = false;
    SendCommand(frame.hwnd(), ID_TEST_ABOUT);
    EXPECT_TRUE(frame.log.empty());
    EXPECT_TRUE(application.log.empty());
}

TEST_F(FrameTest, ToolbarButtonClicksAreCommands) {
    const HWND toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD, 0, 0, 0, 0, frame.hwnd(), nullptr,
                                           nullptr, nullptr);
    frame.snapshot.selected = 1;
    SendCommand(frame.hwnd(), ID_TEST_PRINT, BN_CLICKED, toolbar);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame print"}));
}

TEST_F(FrameTest, OpeningAMenuAppliesTheUpdateHandlers) {
    UniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_MENU)));
    ASSERT_TRUE(menu);
    const HMENU file = ::GetSubMenu(menu.get(), 0);
    const HMENU sort = ::GetSubMenu(file, 5);
    const auto state = [](HMENU popup, UINT id) { return ::GetMenuState(popup, id, MF_BYCOMMAND); };
    const auto open = [&](HMENU popup, BOOL systemMenu = FALSE) {
        ::SendMessageA(frame.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, systemMenu));
    };

    open(file);
    EXPECT_TRUE(state(file, ID_TEST_OPEN) & MF_GRAYED);
    EXPECT_TRUE(state(file, ID_TEST_PRINT) & MF_GRAYED);
    EXPECT_TRUE(state(file, ID_TEST_TOOLBAR) & MF_CHECKED);
    EXPECT_FALSE(state(file, ID_TEST_TOOLBAR) & MF_GRAYED) << "a check-only rule leaves the item enabled";
    EXPECT_FALSE(state(file, ID_TEST_ABOUT) & MF_GRAYED) << "the application's rule enables it";
    EXPECT_FALSE(state(sort, ID_TEST_SORT_NAME) & MF_CHECKED) << "a sub-menu waits for its own opening";

    open(sort);
    EXPECT_TRUE(state(sort, ID_TEST_SORT_NAME) & MF_CHECKED);
    EXPECT_FALSE(state(sort, ID_TEST_SORT_SIZE) & MF_CHECKED);

    frame.snapshot = {2, false, 2};
    application.aboutEnabled = false;
    open(file);
    open(sort);
    EXPECT_FALSE(state(file, ID_TEST_OPEN) & MF_GRAYED);
    EXPECT_FALSE(state(file, ID_TEST_TOOLBAR) & MF_CHECKED);
    EXPECT_TRUE(state(file, ID_TEST_ABOUT) & MF_GRAYED);
    EXPECT_FALSE(state(sort, ID_TEST_SORT_NAME) & MF_CHECKED);
    EXPECT_TRUE(state(sort, ID_TEST_SORT_SIZE) & MF_CHECKED);

    // The system menu is not ours.
    frame.snapshot = {0, true, 0};
    open(file, TRUE);
    EXPECT_FALSE(state(file, ID_TEST_OPEN) & MF_GRAYED);
    EXPECT_FALSE(state(file, ID_TEST_TOOLBAR) & MF_CHECKED);
}

TEST_F(FrameTest, AcceleratorsWorkInsideTheFrameOnly) {
    const ACCEL keys[] = {{FVIRTKEY, VK_F5, ID_TEST_PRINT}};
    UniqueAccelerators table(::CreateAcceleratorTableA(const_cast<ACCEL*>(keys), 1));
    frame.UseAccelerators(table.get());
    frame.snapshot.selected = 1;
    PressKey(frame.hwnd(), VK_F5);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame print"}));

    frame.snapshot.selected = 0;
    PressKey(frame.hwnd(), VK_F5);
    EXPECT_EQ(frame.log.size(), 1u) << "a disabled command does not run from its accelerator";

    frame.snapshot.selected = 1;
    UniqueWindow other(::CreateWindowExA(0, kTestWindowClass, "Other", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                         nullptr, nullptr, nullptr, nullptr));
    PressKey(other.get(), VK_F5);
    EXPECT_EQ(frame.log.size(), 1u);
    frame.UseAccelerators(nullptr);
    PressKey(frame.hwnd(), VK_F5);
    EXPECT_EQ(frame.log.size(), 1u);
}

// A pane: a modeless child dialog inside the frame.
class CTestPane : public CDialog {
public:
    CTestPane() : CDialog(IDD_PANE) {}
    int okCount = 0;

protected:
    void OnOK() override { ++okCount; }  // a pane never ends
};

TEST_F(FrameTest, PanesGetDialogKeysAndTheFrameItsAcceleratorsFirst) {
    CTestPane pane;
    ASSERT_TRUE(pane.Create(frame.hwnd()));
    EXPECT_EQ(::GetParent(pane.hwnd()), frame.hwnd());
    ::SetForegroundWindow(frame.hwnd());
    ::SetFocus(pane.Item(IDC_PANE_FIRST));
    PressKey(pane.Item(IDC_PANE_FIRST), VK_TAB);
    EXPECT_EQ(::GetFocus(), pane.Item(IDC_PANE_SECOND));

    const ACCEL keys[] = {{FVIRTKEY, VK_RETURN, ID_TEST_OPEN}};
    UniqueAccelerators table(::CreateAcceleratorTableA(const_cast<ACCEL*>(keys), 1));
    frame.UseAccelerators(table.get());
    frame.snapshot.selected = 1;
    PressKey(pane.Item(IDC_PANE_SECOND), VK_RETURN);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame open"}));
    EXPECT_EQ(pane.okCount, 0);

    frame.UseAccelerators(nullptr);
    PressKey(pane.Item(IDC_PANE_SECOND), VK_RETURN);
    EXPECT_EQ(pane.okCount, 1);
}

HWND MakeToolbar(HWND parent) {
    const HWND toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, 0, 0, 0,
                                           0, parent, reinterpret_cast<HMENU>(59392), nullptr, nullptr);
    ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[3] = {};
    buttons[0] = {I_IMAGENONE, ID_TEST_OPEN, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    buttons[1] = {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
    buttons[2] = {I_IMAGENONE, ID_TEST_TOOLBAR, TBSTATE_ENABLED, BTNS_CHECK, {}, 0, 0};
    ::SendMessageA(toolbar, TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(buttons));
    return toolbar;
}

struct ButtonStates {
    bool openEnabled;
    bool toolbarChecked;
    bool operator==(const ButtonStates&) const = default;
};

ButtonStates ReadButtons(HWND toolbar) {
    return {::SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_TEST_OPEN, 0) != 0,
            ::SendMessageA(toolbar, TB_ISBUTTONCHECKED, ID_TEST_TOOLBAR, 0) != 0};
}

TEST(ApplicationRun, IdleUpdatesTheToolbarAndTheMainWindowsEndEndsTheRun) {
    ASSERT_TRUE(RegisterTestWindowClass());
    CTestApplication application;
    std::vector<ButtonStates> seen;
    bool mainWindowWhileRunning = false;
    application.start = [&](CTestApplication& app) {
        auto& frame = static_cast<CTestFrame&>(app.SetMainWindow(std::make_unique<CTestFrame>()));
        if (!frame.CreateFrame()) return false;
        const HWND toolbar = MakeToolbar(frame.hwnd());
        frame.SetStateToolbar(toolbar);
        RunSoon([&, toolbar] {
            seen.push_back(ReadButtons(toolbar));
            mainWindowWhileRunning = app.MainWindow() == &frame;
            frame.snapshot.selected = 1;
            frame.snapshot.toolbar = false;
            // Timers earn no idle pass; a change comes with a message, as input does.
            ::PostMessageA(frame.hwnd(), WM_NULL, 0, 0);
            RunSoon([&, toolbar] {
                seen.push_back(ReadButtons(toolbar));
                ::DestroyWindow(frame.hwnd());
            });
        });
        return true;
    };

    EXPECT_EQ(application.Run(::GetModuleHandleA(nullptr)), 100);
    EXPECT_EQ(application.exitCalls, 1);
    EXPECT_EQ(application.quitCode, 0);
    EXPECT_EQ(seen, (std::vector<ButtonStates>{{false, true}, {true, false}}));
    EXPECT_TRUE(mainWindowWhileRunning);
    EXPECT_EQ(application.MainWindow(), nullptr);
}

TEST(ApplicationRun, AStartThatDeclinesEndsAtOnce) {
    CTestApplication application;
    application.start = [](CTestApplication&) { return false; };
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP, 0, 0);
    EXPECT_EQ(application.Run(::GetModuleHandleA(nullptr)), 0);
    EXPECT_EQ(application.exitCalls, 0);
    MSG message;
    EXPECT_TRUE(::PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_REMOVE)) << "no message loop ran";
}

}  // namespace
