// The web browser control in our own OLE container: created in place, moved, navigated and
// released; and a host without a control, where every call must stay harmless.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "framework/browser_host.h"
#include "framework/win_handles.h"

namespace {

RECT RectInParent(HWND child, HWND parent) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

class BrowserHostTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ole_.ok()); ASSERT_NE(parent_.get(), nullptr); }

    OleInit ole_;
    UniqueWindow parent_{::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400,
                                           300, nullptr, nullptr, nullptr, nullptr)};
};

TEST_F(BrowserHostTest, LivesInPlaceInsideItsParentAndFollowsItsRectangle) {
    WebBrowserHost browser;
    ASSERT_TRUE(browser.Create(parent_.get(), {10, 20, 210, 170}));
    const HWND control = browser.Window();
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(::IsChild(parent_.get(), control));
    ExpectRect(RectInParent(control, parent_.get()), {10, 20, 210, 170});

    browser.SetRect({5, 6, 105, 56});
    ExpectRect(RectInParent(control, parent_.get()), {5, 6, 105, 56});

    browser.Destroy();
    EXPECT_FALSE(browser.IsCreated());
    EXPECT_EQ(browser.Window(), nullptr);
    EXPECT_FALSE(::IsWindow(control)) << "the control's window goes with it";
    // Made again in the same parent after a release.
    EXPECT_TRUE(browser.Create(parent_.get(), {0, 0, 100, 100}));
}

TEST_F(BrowserHostTest, NavigatesToAFileUrl) {
    WebBrowserHost browser;
    ASSERT_TRUE(browser.Create(parent_.get(), {0, 0, 300, 200}));
    EXPECT_TRUE(browser.Navigate("file:///C:/windows/no%20such%20page.htm"));
}

TEST_F(BrowserHostTest, WithoutAControlEveryCallIsHarmless) {
    WebBrowserHost browser;
    EXPECT_FALSE(browser.Create(nullptr, {0, 0, 10, 10}));
    // A thread without COM cannot make the control: the host stays empty.
    std::thread([&] { EXPECT_FALSE(browser.Create(parent_.get(), {0, 0, 10, 10})); }).join();
    EXPECT_FALSE(browser.IsCreated());
    EXPECT_EQ(browser.Window(), nullptr);
    EXPECT_FALSE(browser.Navigate("file:///C:/a.htm"));
    browser.SetRect({0, 0, 5, 5});
    MSG key{parent_.get(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(browser.TranslateAccelerator(key));
    browser.Destroy();
    EXPECT_FALSE(browser.IsCreated());
}

}  // namespace
