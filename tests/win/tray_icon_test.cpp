// The notification-area record: its size, flags and tip, and when the shell is asked at all.
#include "app/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kCallback = WM_USER + 5;

// Stands in for the shell: records each request and answers as told.
struct FakeShell {
    std::vector<DWORD> operations;
    std::vector<NOTIFYICONDATAA> records;
    BOOL answer = TRUE;
    BOOL modifyAnswer = FALSE;

    TrayIcon::ShellCall Call() {
        return [this](DWORD operation, NOTIFYICONDATAA* record) {
            operations.push_back(operation);
            records.push_back(*record);
            return operation == NIM_MODIFY ? modifyAnswer : answer;
        };
    }
};

HICON SomeIcon() { return ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); }

TEST(TrayIcon, RecordIsTheFirstFormOfThisProgramsPointerWidth) {
    FakeShell shell;
    TrayIcon icon(shell.Call());
    const HWND owner = ::GetDesktopWindow();
    ASSERT_TRUE(icon.Add(owner, kCallback, "Kestrum", SomeIcon()));
    ASSERT_EQ(shell.operations, std::vector<DWORD>{NIM_ADD});
    const NOTIFYICONDATAA& sent = shell.records[0];
    // 88 bytes is the first form of a 32-bit program; a 64-bit shell rejects it.
    EXPECT_EQ(sent.cbSize, sizeof(void*) == 8 ? 104u : 88u);
    EXPECT_EQ(sent.hWnd, owner);
    EXPECT_EQ(sent.uID, 0u);
    EXPECT_EQ(sent.uCallbackMessage, kCallback);
    EXPECT_EQ(sent.hIcon, SomeIcon());
}

TEST(TrayIcon, TipDecidesTheFlagsAndIsCut) {
    struct Case {
        std::string tip;
        UINT flags;
        std::string shown;
    };
    const Case cases[] = {
        {"", NIF_MESSAGE | NIF_ICON, ""},
        {"K", NIF_MESSAGE | NIF_ICON | NIF_TIP, "K"},
        {std::string(61, 'a'), NIF_MESSAGE | NIF_ICON | NIF_TIP, std::string(61, 'a')},
        {std::string(61, 'a') + "bcdefghij", NIF_MESSAGE | NIF_ICON | NIF_TIP, std::string(61, 'a')},
    };
    for (const Case& c : cases) {
        FakeShell shell;
        TrayIcon icon(shell.Call());
        icon.Add(nullptr, kCallback, c.tip, SomeIcon());
        ASSERT_EQ(shell.records.size(), 1u);
        EXPECT_EQ(shell.records[0].uFlags, c.flags) << c.tip;
        EXPECT_EQ(std::string(shell.records[0].szTip), c.shown) << c.tip;
    }
}

TEST(TrayIcon, ShellIsAskedOnlyWhenTheStateChanges) {
    FakeShell shell;
    {
        TrayIcon icon(shell.Call());
        EXPECT_FALSE(icon.Remove()) << "never added";
        EXPECT_FALSE(icon.AddAgain()) << "nothing to add again";
        EXPECT_TRUE(shell.operations.empty());

        ASSERT_TRUE(icon.Add(nullptr, kCallback, "Kestrum", SomeIcon()));
        EXPECT_TRUE(icon.Add(nullptr, kCallback, "Kestrum", SomeIcon())) << "a second add keeps the first answer";
        EXPECT_EQ(shell.operations.size(), 1u);

        EXPECT_TRUE(icon.Remove());
        EXPECT_FALSE(icon.Remove());
        ASSERT_TRUE(icon.Add(nullptr, kCallback, "Kestrum", SomeIcon()));
    }
    // The destructor takes the icon out.
    EXPECT_EQ(shell.operations, (std::vector<DWORD>{NIM_ADD, NIM_DELETE, NIM_ADD, NIM_DELETE}));
}

TEST(TrayIcon, RefusedAddLeavesItOutUntilTheShellAccepts) {
    FakeShell shell;
    shell.answer = FALSE;
    TrayIcon icon(shell.Call());
    EXPECT_FALSE(icon.Add(nullptr, kCallback, "Kestrum", SomeIcon()));
    EXPECT_FALSE(icon.IsAdded());
    EXPECT_FALSE(icon.Remove()) << "nothing to remove";
    EXPECT_FALSE(icon.AddAgain());

    shell.answer = TRUE;
    EXPECT_TRUE(icon.AddAgain());
    EXPECT_TRUE(icon.IsAdded());
    // The same record every time.
    ASSERT_EQ(shell.operations, (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_MODIFY, NIM_ADD}));
    EXPECT_EQ(std::string(shell.records[3].szTip), "Kestrum");
    EXPECT_EQ(shell.records[3].cbSize, shell.records[0].cbSize);
}

TEST(TrayIcon, AnnouncedTaskBarThatStillHoldsTheIconKeepsIt) {
    FakeShell shell;
    TrayIcon icon(shell.Call());
    ASSERT_TRUE(icon.Add(nullptr, kCallback, "Kestrum", SomeIcon()));
    shell.answer = FALSE;       // an add of an icon that is there is refused
    shell.modifyAnswer = TRUE;  // but it can be updated
    EXPECT_TRUE(icon.AddAgain());
    EXPECT_TRUE(icon.IsAdded());
    shell.modifyAnswer = FALSE;
    EXPECT_FALSE(icon.AddAgain()) << "neither added nor there";
    EXPECT_FALSE(icon.IsAdded());
}

}  // namespace
