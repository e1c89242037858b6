// Windows built on CWindow: the object pointer's lifetime, decoded handlers, contained exceptions.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/message_args.h"
#include "framework/subclass_window.h"
#include "framework/window.h"
#include "framework_test_support.h"

namespace {

constexpr UINT WM_TEST_THROW = WM_APP + 1;
constexpr LONG_PTR kInstanceMarker = 197103092;

// Counts kept outside the object, so they can be read after it is gone.
struct Record {
    std::vector<std::string> log;
    int destroyMessages = 0;
    int goneCalls = 0;
    HWND goneWindow = nullptr;
    LONG_PTR slotWhenGone = -1;
    bool handleNullWhenGone = false;
};

class CTestWindow : public CWindow {
public:
    explicit CTestWindow(Record& record, bool failCreation = false) : record_(record), failCreation_(failCreation) {}

    bool CreateTopLevel(const char* title = "Test") {
        return Create({.className = kTestWindowClass, .title = title, .style = WS_OVERLAPPEDWINDOW,
                       .x = 10, .y = 10, .width = 300, .height = 200});
    }

protected:
    const MessageMap& Map() const override {
        static constexpr MessageEntry kMessages[] = {
            route::Message<WM_CREATE, &CTestWindow::OnCreate>(),
            route::Message<WM_SIZE, &CTestWindow::OnSize>(),
            route::Message<WM_LBUTTONDOWN, &CTestWindow::OnLeftButtonDown>(),
            route::Message<WM_SYSCOMMAND, &CTestWindow::OnSysCommand>(),
            route::Message<WM_HOTKEY, &CTestWindow::OnHotKey>(),
            route::Message<WM_DESTROY, &CTestWindow::OnDestroy>(),
            route::Message<WM_TEST_THROW, &CTestWindow::OnThrow>(),
        };
        static constexpr MessageMap kMap{.messages = kMessages};
        return kMap;
    }

    void OnWindowGone() override {
        ++record_.goneCalls;
        record_.handleNullWhenGone = hwnd() == nullptr;
        record_.slotWhenGone = ::GetWindowLongPtrA(record_.goneWindow, 0);
    }

private:
    LRESULT OnCreate(const CreateArgs& args) {
        record_.goneWindow = hwnd();
        record_.log.push_back(std::string("create ") + args.create.lpszName);
        if (failCreation_) throw std::runtime_error("creation failed");
        return 0;
    }
    void OnSize(const SizeArgs& size) {
        record_.log.push_back("size " + std::to_string(size.type) + " " + std::to_string(size.width) + "x" +
                              std::to_string(size.height));
    }
    void OnLeftButtonDown(const MouseArgs& mouse) {
        record_.log.push_back("click " + std::to_string(mouse.point.x) + "," + std::to_string(mouse.point.y) +
                              ((mouse.keys & MK_CONTROL) ? " ctrl" : ""));
    }
    LRESULT OnSysCommand(const SysCommandArgs& args) {
        record_.log.push_back(args.command == SC_CLOSE ? "syscommand close" : "syscommand other");
        return 0;
    }
    void OnHotKey(const HotKeyArgs& key) {
        record_.log.push_back("hotkey " + std::to_string(key.id) + " " + std::to_string(key.modifiers) + " " +
                              std::to_string(key.key));
    }
    void OnDestroy() { ++record_.destroyMessages; }
    LRESULT OnThrow() { throw std::runtime_error("handler failed"); }

    Record& record_;
    bool failCreation_;
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterTestWindowClass());
        ReportedFailures().clear();
        SetHandlerFailureReporter(&RecordFailure);
    }
    void TearDown() override { SetHandlerFailureReporter(nullptr); }
    Record record;
};

TEST_F(WindowTest, HandlersReceiveDecodedParameters) {
    CTestWindow window(record);
    ASSERT_TRUE(window.CreateTopLevel("Zoë"));
    record.log.clear();
    const HWND hwnd = window.hwnd();

    ::SendMessageA(hwnd, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    // Coordinates left of and above the client area arrive negative, not as 65000-odd.
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(-5, -12));
    // The system may set the low four bits of a system command.
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE | 0x3, 0);
    ::SendMessageA(hwnd, WM_HOTKEY, 1, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'U'));

    EXPECT_EQ(record.log, (std::vector<std::string>{"size 2 640x480", "click -5,-12 ctrl", "syscommand close",
                                                    "hotkey 1 6 85"}));
    EXPECT_TRUE(::IsWindow(hwnd)) << "the handled SC_CLOSE must not reach the default procedure";
}

TEST_F(WindowTest, CreationArgumentsAndUnlistedMessagesReachTheirDestinations) {
    CTestWindow window(record);
    ASSERT_TRUE(window.CreateTopLevel("Zoë"));
    EXPECT_EQ(record.log.front(), "create Zoë");
    // WM_SETTEXT is not listed: the default procedure stores the text.
    ::SetWindowTextA(window.hwnd(), "Renamed");
    char text[32] = {};
    ::GetWindowTextA(window.hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "Renamed");
}

TEST_F(WindowTest, UserDataStaysFreeForTheInstanceMarker) {
    CTestWindow window(record);
    ASSERT_TRUE(window.CreateTopLevel());
    EXPECT_EQ(::GetWindowLongPtrA(window.hwnd(), GWLP_USERDATA), 0);
    ::SetWindowLongPtrA(window.hwnd(), GWLP_USERDATA, kInstanceMarker);
    record.log.clear();
    ::SendMessageA(window.hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(1, 2));
    EXPECT_EQ(record.log, (std::vector<std::string>{"size 0 1x2"}));
    EXPECT_EQ(::GetWindowLongPtrA(window.hwnd(), GWLP_USERDATA), kInstanceMarker);
}

TEST_F(WindowTest, ThePointerIsClearedBeforeTheObjectHearsItsWindowIsGone) {
    CTestWindow window(record);
    ASSERT_TRUE(window.CreateTopLevel());
    const HWND hwnd = window.hwnd();
    ::DestroyWindow(hwnd);
    EXPECT_EQ(record.destroyMessages, 1);
    EXPECT_EQ(record.goneCalls, 1);
    EXPECT_TRUE(record.handleNullWhenGone);
    EXPECT_EQ(record.slotWhenGone, 0);
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));
    // The object can make a new window afterwards.
    EXPECT_TRUE(window.CreateTopLevel());
}

TEST_F(WindowTest, DeletingTheObjectDestroysTheWindowWithoutCallingIntoIt) {
    auto window = std::make_unique<CTestWindow>(record);
    ASSERT_TRUE(window->CreateTopLevel());
    const HWND hwnd = window->hwnd();
    window.reset();
    EXPECT_FALSE(::IsWindow(hwnd));
    // The derived part was already gone when the base destroyed the window.
    EXPECT_EQ(record.destroyMessages, 0);
    EXPECT_EQ(record.goneCalls, 0);
}

TEST_F(WindowTest, ExceptionsStopAtTheWindowProcedure) {
    CTestWindow window(record);
    ASSERT_TRUE(window.CreateTopLevel());
    EXPECT_EQ(::SendMessageA(window.hwnd(), WM_TEST_THROW, 0, 0), 0);
    EXPECT_EQ(ReportedFailures(), (std::vector<std::string>{"handler failed"}));
    EXPECT_TRUE(::IsWindow(window.hwnd()));
}

TEST_F(WindowTest, AFailingCreationHandlerFailsTheCreation) {
    CTestWindow window(record, /*failCreation=*/true);
    EXPECT_FALSE(window.CreateTopLevel());
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_EQ(record.goneCalls, 1);
    EXPECT_EQ(ReportedFailures(), (std::vector<std::string>{"creation failed"}));
}

// A static control whose colours its own object answers, through its parent's reflection.
class CColorLabel : public CSubclassWindow {
public:
    explicit CColorLabel(int& goneCalls) : goneCalls_(goneCalls) {}
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    ~CColorLabel() override { ::DeleteObject(brush); }

protected:
    const MessageMap& Map() const override {
        static constexpr MessageEntry kMessages[] = {
            route::Message<Reflected(WM_CTLCOLORSTATIC), &CColorLabel::OnColor>(),
            route::Message<WM_SETTEXT, &CColorLabel::OnSetText>(),
        };
        static constexpr MessageMap kMap{.messages = kMessages};
        return kMap;
    }
    void OnWindowGone() override { ++goneCalls_; }

private:
    HBRUSH OnColor(const ColorArgs& args) {
        ::SetTextColor(args.dc, RGB(0, 0, 255));
        return brush;
    }
    // Swallows text changes: proves the control's messages pass the object first.
    bool OnSetText() { return true; }

    int& goneCalls_;
};

TEST_F(WindowTest, ASubclassedControlAnswersReflectedMessagesUntilItLetsGo) {
    CTestWindow parent(record);
    ASSERT_TRUE(parent.CreateTopLevel());
    const HWND label = ::CreateWindowExA(0, "STATIC", "before", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent.hwnd(),
                                         reinterpret_cast<HMENU>(100), nullptr, nullptr);
    int goneCalls = 0;
    auto object = std::make_unique<CColorLabel>(goneCalls);
    ASSERT_TRUE(object->Subclass(label));
    EXPECT_FALSE(object->Subclass(label)) << "one object serves one window";

    const HDC dc = ::GetDC(label);
    const auto answer = [&] {
        return reinterpret_cast<HBRUSH>(
            ::SendMessageA(parent.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    };
    EXPECT_EQ(answer(), object->brush);
    ::SetWindowTextA(label, "after");
    char text[16] = {};
    ::GetWindowTextA(label, text, sizeof text);
    EXPECT_STREQ(text, "before");

    const HBRUSH ownBrush = object->brush;
    object.reset();  // the control stays, without its object
    EXPECT_TRUE(::IsWindow(label));
    EXPECT_NE(answer(), ownBrush);
    ::SetWindowTextA(label, "after");
    ::GetWindowTextA(label, text, sizeof text);
    EXPECT_STREQ(text, "after");
    ::ReleaseDC(label, dc);
    EXPECT_EQ(goneCalls, 0);
}

TEST_F(WindowTest, ASubclassedControlHearsOnceWhenItsWindowIsDestroyed) {
    CTestWindow parent(record);
    ASSERT_TRUE(parent.CreateTopLevel());
    const HWND label = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 10, 10, parent.hwnd(), nullptr, nullptr, nullptr);
    int goneCalls = 0;
    CColorLabel object(goneCalls);
    ASSERT_TRUE(object.Subclass(label));
    ::DestroyWindow(label);
    EXPECT_EQ(goneCalls, 1);
    EXPECT_EQ(object.hwnd(), nullptr);
}

}  // namespace
