// A property sheet embedded in a dialog: pages created, values in and out, keys through the host.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/property_sheet.h"
#include "framework_test_ids.h"
#include "framework_test_support.h"

namespace {

struct Settings {
    std::string text;
    bool remember = false;
};

class CPageOne : public CPropertyPage {
public:
    explicit CPageOne(std::string& text) : CPropertyPage(IDD_PAGE_ONE), text_(text) {}
    void Apply() { text_ = ItemText(IDC_PAGE_ONE_EDIT); }

protected:
    bool OnInitDialog() override {
        SetItemText(IDC_PAGE_ONE_EDIT, text_);
        return true;
    }

private:
    std::string& text_;
};

class CPageTwo : public CPropertyPage {
public:
    explicit CPageTwo(bool& remember) : CPropertyPage(IDD_PAGE_TWO), remember_(remember) {}
    void Apply() { remember_ = IsChecked(IDC_PAGE_TWO_CHECK); }

protected:
    bool OnInitDialog() override {
        SetChecked(IDC_PAGE_TWO_CHECK, remember_);
        return true;
    }

private:
    bool& remember_;
};

// Like the options dialog: the host creates the sheet, activates every page once, and on OK has
// the pages store their values in page order.
class CSheetHost : public CDialog {
public:
    explicit CSheetHost(Settings settings) : CDialog(IDD_SHEET_HOST), settings_(std::move(settings)) {}
    const Settings& settings() const { return settings_; }
    CPropertySheet sheet;
    CPageOne one{settings_.text};
    CPageTwo two{settings_.remember};

protected:
    bool OnInitDialog() override {
        sheet.AddPage(one);
        sheet.AddPage(two);
        if (!sheet.CreateChild(hwnd())) {
            End(-1);
            return false;
        }
        sheet.SetActivePage(1);
        sheet.SetActivePage(0);
        return true;
    }
    void OnOK() override {
        one.Apply();
        two.Apply();
        End(IDOK);
    }

private:
    Settings settings_;
};

class SheetTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create(nullptr));
        ::ShowWindow(host.hwnd(), SW_SHOW);
        PumpPendingMessages();
    }
    void TearDown() override {
        if (host.hwnd() != nullptr) host.End(IDCANCEL);
    }
    CSheetHost host{Settings{"Ünïcode", true}};
};

TEST_F(SheetTest, TheSheetIsAChildControlOfItsDialog) {
    const HWND sheet = host.sheet.hwnd();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(::GetParent(sheet), host.hwnd());
    const LONG style = ::GetWindowLongA(sheet, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & (WS_POPUP | WS_CAPTION));
    EXPECT_TRUE(::GetWindowLongA(sheet, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    for (int id : {IDOK, IDCANCEL}) {
        const HWND button = ::GetDlgItem(sheet, id);
        if (button != nullptr) {
            EXPECT_FALSE(::IsWindowVisible(button)) << "the sheet's own button " << id;
        }
    }
    // Shrunk to its tab control, inside the host above the host's buttons.
    RECT sheetRect{};
    RECT okRect{};
    ::GetWindowRect(sheet, &sheetRect);
    ::GetWindowRect(host.Item(IDOK), &okRect);
    EXPECT_LT(sheetRect.bottom, okRect.top);
}

TEST_F(SheetTest, EveryPageIsCreatedAndFilled) {
    EXPECT_EQ(TabCtrl_GetItemCount(host.sheet.TabControl()), 2);
    ASSERT_NE(host.one.hwnd(), nullptr);
    ASSERT_NE(host.two.hwnd(), nullptr);
    EXPECT_EQ(::GetAncestor(host.one.hwnd(), GA_PARENT), host.sheet.hwnd());
    EXPECT_EQ(host.one.ItemText(IDC_PAGE_ONE_EDIT), "Ünïcode");
    EXPECT_TRUE(host.two.IsChecked(IDC_PAGE_TWO_CHECK));
    EXPECT_EQ(host.sheet.ActivePage(), 0);
    EXPECT_TRUE(host.sheet.SetActivePage(1));
    EXPECT_EQ(host.sheet.ActivePage(), 1);
    EXPECT_FALSE(host.sheet.SetActivePage(2));
    EXPECT_FALSE(host.sheet.SetActivePage(-1));
}

TEST_F(SheetTest, OkHasThePagesStoreTheirValues) {
    ::SetDlgItemTextA(host.one.hwnd(), IDC_PAGE_ONE_EDIT, "changed");
    ::SendMessageA(host.two.Item(IDC_PAGE_TWO_CHECK), BM_CLICK, 0, 0);
    ::SendMessageA(host.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(host.Result(), IDOK);
    EXPECT_EQ(host.settings().text, "changed");
    EXPECT_FALSE(host.settings().remember);
    EXPECT_EQ(host.one.hwnd(), nullptr) << "the pages went with the sheet";
    EXPECT_EQ(host.sheet.hwnd(), nullptr);
}

TEST_F(SheetTest, KeysInAPageServeTheWholeDialog) {
    const HWND edit = host.one.Item(IDC_PAGE_ONE_EDIT);
    ::SetForegroundWindow(host.hwnd());
    ::SetFocus(edit);
    ::SetWindowTextA(edit, "typed");
    PressKey(edit, VK_ESCAPE);
    EXPECT_EQ(host.Result(), IDCANCEL);
    EXPECT_EQ(host.settings().text, "Ünïcode") << "Cancel stores nothing";
}

TEST(SheetModal, TheHostRunsModallyWithItsSheet) {
    CSheetHost host(Settings{"modal", false});
    RunSoon([&] {
        ::SetDlgItemTextA(host.one.hwnd(), IDC_PAGE_ONE_EDIT, "from the modal run");
        ::SendMessageA(host.Item(IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(host.DoModal(nullptr), IDOK);
    EXPECT_EQ(host.settings().text, "from the modal run");
}

}  // namespace
