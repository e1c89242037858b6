// Handler tables find the right entry, chain to the base class, and route commands in order.
#include "framework/command_routing.h"
#include "framework/handler_map.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr MessageId kSize = 5;
constexpr MessageId kPaint = 15;
constexpr MessageId kPrivate = 0x857;

// Decodes like WM_SIZE: the type in wParam, width and height in the low and high words.
struct SizeArgs {
    SizeArgs(WParam w, LParam l)
        : type(static_cast<unsigned>(w)), width(static_cast<int>(l & 0xFFFF)),
          height(static_cast<int>((l >> 16) & 0xFFFF)) {}
    static constexpr bool Accepts(MessageId m) { return m == kSize; }
    unsigned type;
    int width;
    int height;
};

struct Header {
    unsigned code;
    int item;
};

class CBaseWindow : public CommandTarget {
public:
    std::vector<std::string> log;

    const MessageMap& Map() const override {
        static constexpr MessageEntry kMessages[] = {
            route::Message<kPaint, &CBaseWindow::OnPaint>(),
            route::Message<kSize, &CBaseWindow::OnSize>(),
        };
        static constexpr CommandEntry kCommands[] = {
            route::Command<100, &CBaseWindow::OnBaseCommand>(),
            route::Command<101, &CBaseWindow::OnBaseCommand>(),
        };
        static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands};
        return kMap;
    }

private:
    bool OnPaint() {
        log.push_back("base paint");
        return true;
    }
    void OnSize(const SizeArgs&) { log.push_back("base size"); }
    void OnBaseCommand() { log.push_back("base command"); }
};

class CDerivedWindow : public CBaseWindow {
public:
    const MessageMap& Map() const override {
        static constexpr MessageEntry kMessages[] = {
            route::Message<kSize, &CDerivedWindow::OnSize>(),
            route::Message<kPrivate, &CDerivedWindow::OnPrivate>(),
        };
        static constexpr CommandEntry kCommands[] = {
            route::Command<101, &CDerivedWindow::OnOwnCommand>(),
            route::CommandRange<200, 205, &CDerivedWindow::OnSortKey>(),
        };
        static constexpr NotifyEntry kNotifications[] = {
            route::Notify<-2, 40, &CDerivedWindow::OnClick>(),
            route::Control<0x300, 40, &CDerivedWindow::OnEditChange>(),
        };
        static const MessageMap kMap{.messages = kMessages,
                                     .commands = kCommands,
                                     .notifications = kNotifications,
                                     .base = &CBaseWindow::Map()};
        return kMap;
    }

private:
    void OnSize(const SizeArgs& size) {
        log.push_back("size " + std::to_string(size.type) + " " + std::to_string(size.width) + "x" +
                      std::to_string(size.height));
    }
    const char* OnPrivate() { return "handle"; }
    void OnOwnCommand() { log.push_back("own command"); }
    void OnSortKey(unsigned id) { log.push_back("sort " + std::to_string(id - 200)); }
    MessageResult OnClick(const Header& header) {
        log.push_back("click item " + std::to_string(header.item));
        return 7;
    }
    void OnEditChange() { log.push_back("edit change"); }
};

MessageResult Send(CommandTarget& target, MessageId message, WParam w = 0, LParam l = 0) {
    const MessageEntry* entry = FindMessage(target.Map(), message);
    return entry ? entry->invoke(target, w, l) : -1;
}

TEST(HandlerMap, DecodesParametersBeforeTheHandler) {
    CDerivedWindow window;
    EXPECT_EQ(Send(window, kSize, 2, (300 << 16) | 640), 0);
    ASSERT_EQ(window.log.size(), 1u);
    EXPECT_EQ(window.log[0], "size 2 640x300");
}

TEST(HandlerMap, DerivedEntriesOverrideAndBaseEntriesRemain) {
    CDerivedWindow window;
    EXPECT_EQ(Send(window, kPaint), 1);  // only the base lists it; a true result reads as 1
    EXPECT_TRUE(window.HandleCommand(100));
    EXPECT_TRUE(window.HandleCommand(101));
    EXPECT_EQ(window.log, (std::vector<std::string>{"base paint", "base command", "own command"}));

    CBaseWindow base;
    EXPECT_EQ(Send(base, kSize), 0);
    EXPECT_EQ(base.log, (std::vector<std::string>{"base size"}));
}

TEST(HandlerMap, UnlistedKeysAreNotFound) {
    CDerivedWindow window;
    EXPECT_EQ(FindMessage(window.Map(), 0x10), nullptr);
    EXPECT_FALSE(window.HandleCommand(99));
    CommandState state(100);
    EXPECT_FALSE(window.UpdateCommand(state));
    EXPECT_FALSE(state.Enabled().has_value());
    EXPECT_TRUE(window.log.empty());
}

TEST(HandlerMap, PointerResultsPassThroughAsTheirValue) {
    CDerivedWindow window;
    const MessageResult result = Send(window, kPrivate);
    EXPECT_STREQ(reinterpret_cast<const char*>(result), "handle");
}

TEST(HandlerMap, RangesIncludeBothEndsAndNothingBeyond) {
    CDerivedWindow window;
    EXPECT_FALSE(window.HandleCommand(199));
    EXPECT_TRUE(window.HandleCommand(200));
    EXPECT_TRUE(window.HandleCommand(205));
    EXPECT_FALSE(window.HandleCommand(206));
    EXPECT_EQ(window.log, (std::vector<std::string>{"sort 0", "sort 5"}));
}

TEST(HandlerMap, NotificationsMatchSourceCodeAndControl) {
    CDerivedWindow window;
    const MessageMap& map = window.Map();
    Header header{static_cast<unsigned>(-2), 12};
    const NotifyEntry* click = FindNotify(map, NotifySource::Notify, static_cast<unsigned>(-2), 40);
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(click->invoke(window, reinterpret_cast<LParam>(&header)), 7);
    EXPECT_EQ(window.log.back(), "click item 12");

    EXPECT_EQ(FindNotify(map, NotifySource::Notify, static_cast<unsigned>(-2), 41), nullptr);
    // The same code from WM_COMMAND is another event: lParam would be a window, not a header.
    EXPECT_EQ(FindNotify(map, NotifySource::Command, static_cast<unsigned>(-2), 40), nullptr);
    EXPECT_EQ(FindNotify(map, NotifySource::Notify, 0x300, 40), nullptr);

    const NotifyEntry* change = FindNotify(map, NotifySource::Command, 0x300, 40);
    ASSERT_NE(change, nullptr);
    change->invoke(window, 0);
    EXPECT_EQ(window.log.back(), "edit change");
}

// Routing: a frame and an application object with overlapping tables.
struct Snapshot {
    int selected = 0;
    bool large = false;
};

class CFrame : public CommandTarget {
public:
    Snapshot snapshot;
    std::vector<std::string> log;

    const MessageMap& Map() const override {
        static constexpr CommandEntry kCommands[] = {
            route::Command<1, &CFrame::OnShared>(),
            route::Command<3, &CFrame::OnLarge>(),
        };
        static constexpr UpdateEntry kUpdates[] = {
            route::Update<2, &CFrame::UpdateNeedsSelection>(),
            route::Update<3, &CFrame::UpdateLarge>(),
            route::Update<4, &CFrame::UpdateNeedsSelection>(),
        };
        static constexpr MessageMap kMap{.commands = kCommands, .updates = kUpdates};
        return kMap;
    }

private:
    void OnShared() { log.push_back("frame 1"); }
    void OnLarge() { log.push_back("frame 3"); }
    void UpdateNeedsSelection(CommandState& state) const { state.Enable(snapshot.selected > 0); }
    void UpdateLarge(CommandState& state) const noexcept { state.Check(snapshot.large); }
};

class CApp : public CommandTarget {
public:
    std::vector<std::string> log;

    const MessageMap& Map() const override {
        static constexpr CommandEntry kCommands[] = {
            route::CommandRange<1, 2, &CApp::OnDocument>(),
        };
        static constexpr UpdateEntry kUpdates[] = {
            route::Update<2, &CApp::UpdateAlwaysOn>(),
            route::Update<5, &CApp::UpdateAlwaysOn>(),
        };
        static constexpr MessageMap kMap{.commands = kCommands, .updates = kUpdates};
        return kMap;
    }

private:
    void OnDocument(unsigned id) { log.push_back("app " + std::to_string(id)); }
    void UpdateAlwaysOn(CommandState& state) {
        state.Enable(true);
        state.Check(true);
    }
};

class CommandRouting : public testing::Test {
protected:
    CFrame frame;
    CApp app;
    std::array<CommandTarget*, 2> targets{&frame, &app};
};

TEST_F(CommandRouting, TheFrameHandlesFirstAndTheApplicationNeverSeesIt) {
    EXPECT_EQ(RouteCommand(targets, 1), CommandRoute::Handled);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame 1"}));
    EXPECT_TRUE(app.log.empty());
}

TEST_F(CommandRouting, CommandsTheFrameLacksReachTheApplication) {
    frame.snapshot.selected = 1;
    EXPECT_EQ(RouteCommand(targets, 2), CommandRoute::Handled);
    EXPECT_TRUE(frame.log.empty());
    EXPECT_EQ(app.log, (std::vector<std::string>{"app 2"}));
}

TEST_F(CommandRouting, ADisabledCommandRunsNowhere) {
    frame.snapshot.selected = 0;
    EXPECT_EQ(RouteCommand(targets, 2), CommandRoute::Disabled);
    EXPECT_TRUE(frame.log.empty());
    EXPECT_TRUE(app.log.empty());
}

TEST_F(CommandRouting, UnknownCommandsAreReportedUnhandled) {
    EXPECT_EQ(RouteCommand(targets, 9), CommandRoute::Unhandled);
    // Enabled by its update handler but handled nowhere.
    EXPECT_EQ(RouteCommand(targets, 5), CommandRoute::Unhandled);
    std::array<CommandTarget*, 2> frameOnly{&frame, nullptr};
    EXPECT_EQ(RouteCommand(frameOnly, 2), CommandRoute::Disabled);
    EXPECT_EQ(RouteCommand(frameOnly, 7), CommandRoute::Unhandled);
}

TEST_F(CommandRouting, TheFirstUpdateHandlerDecidesAlone) {
    CommandState two(2);
    EXPECT_TRUE(RouteCommandState(targets, two));
    EXPECT_EQ(two.Enabled(), false);  // the frame's rule, not the application's
    EXPECT_FALSE(two.Checked().has_value());

    frame.snapshot.selected = 3;
    CommandState four(4);
    EXPECT_TRUE(RouteCommandState(targets, four));
    EXPECT_EQ(four.Enabled(), true);

    CommandState five(5);
    EXPECT_TRUE(RouteCommandState(targets, five));
    EXPECT_EQ(five.Enabled(), true);
    EXPECT_EQ(five.Checked(), true);

    CommandState none(6);
    EXPECT_FALSE(RouteCommandState(targets, none));
    EXPECT_FALSE(none.Enabled().has_value());
    EXPECT_FALSE(none.Checked().has_value());
}

TEST_F(CommandRouting, ACheckOnlyHandlerLeavesTheCommandRunnable) {
    frame.snapshot.large = true;
    CommandState three(3);
    EXPECT_TRUE(RouteCommandState(targets, three));
    EXPECT_EQ(three.Checked(), true);
    EXPECT_FALSE(three.Enabled().has_value());
    EXPECT_EQ(RouteCommand(targets, 3), CommandRoute::Handled);
    EXPECT_EQ(frame.log, (std::vector<std::string>{"frame 3"}));
}

TEST_F(CommandRouting, ShownStatesGreyEveryCommandNobodyCarriesOut) {
    frame.snapshot.selected = 1;
    struct Case {
        unsigned id;
        std::optional<bool> enabled;
    };
    const Case cases[] = {
        {1, std::nullopt},  // handled, no rule: left as the item is
        {2, true},          // the frame's rule, the application's handler
        {3, std::nullopt},  // check-only rule: still runnable
        {4, false},         // enabled by its rule, but nobody handles it
        {5, false},         // the same through the application's rule
        {6, false},         // no rule and no handler
    };
    for (const Case& c : cases) {
        CommandState state(c.id);
        RouteShownCommandState(targets, state);
        EXPECT_EQ(state.Enabled(), c.enabled) << c.id;
    }
    // The check mark a rule sets survives the greying.
    CommandState five(5);
    RouteShownCommandState(targets, five);
    EXPECT_EQ(five.Checked(), true);
}

}  // namespace
