// Dialogs on CDialog: modal results, values in and out, keyboard handling and pre-translation.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/message_args.h"
#include "framework/subclass_window.h"
#include "framework/win_handles.h"
#include "framework_test_ids.h"
#include "framework_test_support.h"

namespace {

struct Values {
    std::string name;
    bool enabled = false;
    int count = 0;
};

// The pattern every dialog follows: a plain struct in, the same struct out on OK.
class CValuesDialog : public CDialog {
public:
    explicit CValuesDialog(Values values, bool endAtOnce = false)
        : CDialog(IDD_VALUES), values_(std::move(values)), endAtOnce_(endAtOnce) {}
    const Values& values() const { return values_; }
    int applyClicks = 0;
    int nameChanges = 0;
    std::vector<std::string> preTranslated;

protected:
    const MessageMap& Map() const override {
        static constexpr CommandEntry kCommands[] = {route::Command<IDC_APPLY, &CValuesDialog::OnApply>()};
        static constexpr NotifyEntry kNotifications[] = {
            route::Control<EN_CHANGE, IDC_NAME, &CValuesDialog::OnNameChange>()};
        static constexpr MessageMap kMap{.commands = kCommands, .notifications = kNotifications};
        return kMap;
    }

    bool OnInitDialog() override {
        SetItemText(IDC_NAME, values_.name);
        SetChecked(IDC_ENABLED, values_.enabled);
        SetItemText(IDC_COUNT, std::to_string(values_.count));
        nameChanges = 0;
        if (endAtOnce_) End(IDRETRY);
        return true;
    }

    void OnOK() override {
        BOOL valid = FALSE;
        const UINT count = ::GetDlgItemInt(hwnd(), IDC_COUNT, &valid, FALSE);
        if (!valid) return;  // stays open on a count that is not a number
        values_ = {ItemText(IDC_NAME), IsChecked(IDC_ENABLED), static_cast<int>(count)};
        End(IDOK);
    }

    // F1 and Delete are the dialog's own keys, as a help request would be.
    bool PreTranslateMessage(MSG& message) override {
        if (message.message != WM_KEYDOWN) return false;
        preTranslated.push_back("dialog " + std::to_string(message.wParam));
        return message.wParam == VK_F1 || message.wParam == VK_DELETE;
    }

private:
    void OnApply() { ++applyClicks; }
    void OnNameChange() { ++nameChanges; }

    Values values_;
    bool endAtOnce_;
};

void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

class DialogTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(RegisterTestWindowClass()); }
    Values start{"first", false, 3};
};

TEST_F(DialogTest, ModalOkPullsTheValuesOut) {
    CValuesDialog dialog(start);
    RunSoon([&] {
        const HWND d = dialog.hwnd();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(dialog.ItemText(IDC_NAME), "first");
        EXPECT_TRUE(dialog.IsModal());
        ::SetDlgItemTextA(d, IDC_NAME, "Zoë 日本");
        Click(d, IDC_ENABLED);
        ::SetDlgItemTextA(d, IDC_COUNT, "42");
        Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_EQ(dialog.values().name, "Zoë 日本");
    EXPECT_TRUE(dialog.values().enabled);
    EXPECT_EQ(dialog.values().count, 42);
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST_F(DialogTest, ModalCancelKeepsTheValuesIn) {
    CValuesDialog dialog(start);
    RunSoon([&] {
        ::SetDlgItemTextA(dialog.hwnd(), IDC_NAME, "changed");
        Click(dialog.hwnd(), IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(dialog.values().name, "first");
}

TEST_F(DialogTest, InvalidInputKeepsTheDialogOpen) {
    CValuesDialog dialog(start);
    bool stayedOpen = false;
    RunSoon([&] {
        ::SetDlgItemTextA(dialog.hwnd(), IDC_COUNT, "many");
        Click(dialog.hwnd(), IDOK);
        stayedOpen = ::IsWindowVisible(dialog.hwnd()) != FALSE;
        ::SetDlgItemTextA(dialog.hwnd(), IDC_COUNT, "7");
        Click(dialog.hwnd(), IDOK);
    });
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialog.values().count, 7);
}

TEST_F(DialogTest, TheOwnerIsDisabledOnlyWhileTheDialogRuns) {
    UniqueWindow owner(::CreateWindowExA(0, kTestWindowClass, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                         100, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner);
    CValuesDialog dialog(start);
    bool ownerEnabledMeanwhile = true;
    HWND dialogOwner = nullptr;
    RunSoon([&] {
        ownerEnabledMeanwhile = ::IsWindowEnabled(owner.get()) != FALSE;
        dialogOwner = ::GetWindow(dialog.hwnd(), GW_OWNER);
        Click(dialog.hwnd(), IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(owner.get()), IDCANCEL);
    EXPECT_FALSE(ownerEnabledMeanwhile);
    EXPECT_EQ(dialogOwner, owner.get());
    EXPECT_TRUE(::IsWindowEnabled(owner.get()));
}

TEST_F(DialogTest, ADialogThatEndsWhileStartingIsNeverShown) {
    CValuesDialog dialog(start, /*endAtOnce=*/true);
    EXPECT_EQ(dialog.DoModal(nullptr), IDRETRY);
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST_F(DialogTest, QuittingDuringAModalDialogCancelsItAndKeepsTheQuit) {
    CValuesDialog dialog(start);
    RunSoon([] { ::PostQuitMessage(5); });
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    MSG message;
    ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 5u);
}

TEST_F(DialogTest, AMissingTemplateFailsToRun) {
    class CMissing : public CDialog {
    public:
        CMissing() : CDialog(4242) {}
    } dialog;
    EXPECT_EQ(dialog.DoModal(nullptr), -1);
    EXPECT_FALSE(dialog.Create(nullptr));
}

TEST_F(DialogTest, CommandsAndControlNotificationsReachTheirHandlers) {
    CValuesDialog dialog(start);
    ASSERT_TRUE(dialog.Create(nullptr));
    Click(dialog.hwnd(), IDC_APPLY);
    Click(dialog.hwnd(), IDC_APPLY);
    ::SetDlgItemTextA(dialog.hwnd(), IDC_NAME, "typed");
    EXPECT_EQ(dialog.applyClicks, 2);
    EXPECT_EQ(dialog.nameChanges, 1);
    EXPECT_TRUE(::IsWindow(dialog.hwnd())) << "a listed button must not end the dialog";
}

TEST_F(DialogTest, ModelessOkEndsAndDestroysTheDialog) {
    CValuesDialog dialog(start);
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_FALSE(dialog.IsModal());
    EXPECT_EQ(dialog.Result(), -1);
    const HWND d = dialog.hwnd();
    ::SetDlgItemTextA(d, IDC_NAME, "second");
    Click(d, IDOK);
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.values().name, "second");
    EXPECT_FALSE(::IsWindow(d));
}

class ModelessKeys : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(dialog.Create(nullptr));
        ::ShowWindow(dialog.hwnd(), SW_SHOW);
        ::SetForegroundWindow(dialog.hwnd());
        ::SetFocus(dialog.Item(IDC_NAME));
        PumpPendingMessages();
        ASSERT_EQ(::GetFocus(), dialog.Item(IDC_NAME));
    }
    CValuesDialog dialog{start};
};

TEST_F(ModelessKeys, TabMovesTheFocusThroughTheControls) {
    PressKey(dialog.Item(IDC_NAME), VK_TAB);
    EXPECT_EQ(::GetFocus(), dialog.Item(IDC_ENABLED));
    PressKey(dialog.Item(IDC_ENABLED), VK_TAB);
    EXPECT_EQ(::GetFocus(), dialog.Item(IDC_COUNT));
}

TEST_F(ModelessKeys, EnterIsOkAndEscapeIsCancel) {
    ::SetDlgItemTextA(dialog.hwnd(), IDC_NAME, "by keyboard");
    PressKey(dialog.Item(IDC_NAME), VK_RETURN);
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_EQ(dialog.values().name, "by keyboard");

    CValuesDialog other(start);
    ASSERT_TRUE(other.Create(nullptr));
    ::ShowWindow(other.hwnd(), SW_SHOW);
    ::SetFocus(other.Item(IDC_NAME));
    PressKey(other.Item(IDC_NAME), VK_ESCAPE);
    EXPECT_EQ(other.Result(), IDCANCEL);
    EXPECT_EQ(other.hwnd(), nullptr);
}

// A control-level hook, as an auto-completing combo box needs one.
class CKeyWatcher : public CSubclassWindow {
public:
    explicit CKeyWatcher(std::vector<std::string>& log) : log_(log) {}

protected:
    bool PreTranslateMessage(MSG& message) override {
        if (message.message != WM_KEYDOWN) return false;
        log_.push_back("control " + std::to_string(message.wParam));
        return message.wParam == VK_F2;
    }

private:
    std::vector<std::string>& log_;
};

TEST_F(ModelessKeys, HooksRunFromTheControlOutwardsAndMayConsume) {
    CKeyWatcher watcher(dialog.preTranslated);
    ASSERT_TRUE(watcher.Subclass(dialog.Item(IDC_NAME)));
    PressKey(dialog.Item(IDC_NAME), VK_F2);
    PressKey(dialog.Item(IDC_NAME), VK_F1);
    PressKey(dialog.Item(IDC_NAME), VK_ESCAPE);
    EXPECT_EQ(dialog.preTranslated,
              (std::vector<std::string>{"control 113", "control 112", "dialog 112", "control 27", "dialog 27"}));
    EXPECT_EQ(dialog.Result(), IDCANCEL) << "an unconsumed key goes on to the dialog keys";
}

TEST_F(ModelessKeys, AConsumedKeyNeverReachesTheControl) {
    const HWND name = dialog.Item(IDC_NAME);
    ::SetWindowTextA(name, "ab");
    ::SendMessageA(name, EM_SETSEL, 0, 0);
    PressKey(name, VK_DELETE);
    EXPECT_EQ(dialog.ItemText(IDC_NAME), "ab");
    PressKey(name, VK_END);  // not consumed: the edit moves its caret
    DWORD end = 0;
    ::SendMessageA(name, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, 2u);
    EXPECT_EQ(dialog.preTranslated, (std::vector<std::string>{"dialog 46", "dialog 35"}));
}

}  // namespace
