// The custom controls' tests: a dialog holding every control, a main frame that records help
// requests, and keyboard and pointer helpers.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls_test_ids.h"
#include "framework/application.h"
#include "framework/frame_window.h"
#include "framework/message_filters.h"
#include "framework/wide_text.h"
#include "framework/window.h"
#include "resource.h"
#include "ui/color_label.h"
#include "ui/dialog_base.h"
#include "ui/help_topic.h"
#include "ui/history_combo_box.h"
#include "ui/link_label.h"
#include "ui/util_button_sys.h"

// Every control of ours on one dialog of the common frame. The frame is set up in
// OnInitDialog when `frame` says so, as the program's dialogs do; tests may also call
// SetupFrame later.
class CControlsDialog : public DialogBase {
public:
    struct Frame {
        int largeIcon = IDI_COPY;
        int smallIcon = IDI_HELP_LINK;
        std::string topic = "copy_move.htm";
    };

    CControlsDialog() : DialogBase(IDD_CONTROLS) {}
    explicit CControlsDialog(Frame frame) : DialogBase(IDD_CONTROLS), frame_(std::move(frame)), setUpFrame_(true) {}

    CUtilButtonSys helpButton;
    CUtilButtonSys restoreButton;
    CUtilButtonSys closeButton;
    LinkLabel link;
    ColorLabel version;
    HistoryComboBox history;
    bool frameResult = false;

    HWND Edit() const { return Item(IDC_TEST_EDIT); }
    // The combo box's edit field, where typing happens.
    HWND HistoryEdit() const {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        return ::GetComboBoxInfo(Item(IDC_TEST_HISTORY), &info) ? info.hwndItem : nullptr;
    }

protected:
    bool OnInitDialog() override {
        helpButton.Subclass(Item(IDC_TEST_HELP_BUTTON));
        restoreButton.Subclass(Item(IDC_TEST_RESTORE_BUTTON));
        closeButton.Subclass(Item(IDC_TEST_CLOSE_BUTTON));
        link.Subclass(Item(IDC_TEST_LINK));
        version.Subclass(Item(IDC_TEST_COLOR));
        history.Subclass(Item(IDC_TEST_HISTORY));
        if (setUpFrame_) frameResult = SetupFrame(frame_.largeIcon, frame_.smallIcon, frame_.topic);
        return true;
    }

private:
    Frame frame_;
    bool setUpFrame_ = false;
};

// What the main frame was sent.
struct HelpRequest {
    std::string topic;
    bool withMessage = false;
    UINT message = 0;
    WPARAM key = 0;
};

// WM_SHOW_HELP_TOPIC decoded.
struct HelpArgs {
    HelpArgs(WPARAM w, LPARAM l) : topic(reinterpret_cast<const char*>(w)), message(reinterpret_cast<const MSG*>(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_SHOW_HELP_TOPIC; }
    const char* topic;
    const MSG* message;
};

class CHelpFrame : public CFrameWindow {
public:
    std::vector<HelpRequest> requests;
    // The answer to requests that carry a message; the frame takes those it answers 1 to.
    LRESULT messageAnswer = 0;
    // Which messages it takes: 0 takes every one (with messageAnswer 1).
    UINT takenMessage = 0;

    bool CreateFrame() {
        static const bool registered = RegisterWindowClass(
            {.name = "KestrumControlsTestFrame", .cursor = ::LoadCursorA(nullptr, IDC_ARROW),
             .background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)});
        return registered && Create({.className = "KestrumControlsTestFrame", .title = "Main", .style = WS_OVERLAPPEDWINDOW,
                                     .x = 0, .y = 0, .width = 200, .height = 100});
    }

    // Requests without a message (the Help link and the help icon).
    std::vector<std::string> Topics() const {
        std::vector<std::string> topics;
        for (const HelpRequest& r : requests) {
            if (!r.withMessage) topics.push_back(r.topic);
        }
        return topics;
    }

protected:
    const MessageMap& Map() const override {
        static constexpr MessageEntry kMessages[] = {
            route::Message<WM_SHOW_HELP_TOPIC, &CHelpFrame::OnShowHelpTopic>(),
        };
        static constexpr MessageMap kMap{.messages = kMessages};
        return kMap;
    }

private:
    LRESULT OnShowHelpTopic(const HelpArgs& args) {
        HelpRequest request{args.topic != nullptr ? args.topic : "(null)"};
        if (args.message != nullptr) {
            request.withMessage = true;
            request.message = args.message->message;
            request.key = args.message->wParam;
        }
        requests.push_back(request);
        if (args.message == nullptr) return 1;
        return takenMessage == 0 || takenMessage == args.message->message ? messageAnswer : 0;
    }
};

// An application object whose main frame is a CHelpFrame; no message loop of its own.
class CHelpApplication : public CApplicationBase {
public:
    CHelpFrame& MakeFrame() {
        auto& frame = static_cast<CHelpFrame&>(SetMainWindow(std::make_unique<CHelpFrame>()));
        frame.CreateFrame();
        return frame;
    }

protected:
    bool Start() override { return false; }
};

// Typing as the keyboard queues it: a key goes down (Shift, which types nothing itself), the
// character follows, the key comes up. Each message passes the pre-translation hooks. The
// characters go in as UTF-16, as the keyboard gives them to the (Unicode) edit controls.
inline void TypeText(HWND target, const std::string& text) {
    for (wchar_t c : WideFromUtf8(text)) {
        ::PostMessageA(target, WM_KEYDOWN, VK_SHIFT, 1);
        ::PostMessageW(target, WM_CHAR, c, 1);
        ::PostMessageA(target, WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC0000001u));
    }
    PumpPendingMessages();
}

// A key press; the character it types, if any, comes from TranslateMessage.
inline void PressKey(HWND target, UINT key) {
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    PumpPendingMessages();
}

inline std::string TextOf(HWND window) {
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// Shows the dialog and paints it now.
inline void ShowAndPaint(HWND window) {
    ::SetWindowPos(window, HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPendingMessages();
}
