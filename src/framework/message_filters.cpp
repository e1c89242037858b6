// The per-thread registrations that PreTranslateQueuedMessage consults.
#include "framework/message_filters.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A handful of windows at most: plain vectors beat any map here.
struct Registrations {
    std::vector<std::pair<HWND, MessageHook*>> hooks;
    std::vector<HWND> dialogs;
    std::vector<std::pair<HWND, HACCEL>> accelerators;
};

Registrations& Registered() {
    thread_local Registrations registrations;
    return registrations;
}

template <typename Pairs>
auto FindKey(Pairs& pairs, HWND window) {
    return std::find_if(pairs.begin(), pairs.end(), [&](const auto& p) { return p.first == window; });
}

template <typename Pairs, typename Value>
void Put(Pairs& pairs, HWND window, Value value) {
    auto it = FindKey(pairs, window);
    if (it != pairs.end()) {
        it->second = value;
    } else {
        pairs.emplace_back(window, value);
    }
}

template <typename Pairs>
void Erase(Pairs& pairs, HWND window) {
    auto it = FindKey(pairs, window);
    if (it != pairs.end()) pairs.erase(it);
}

// The next window outwards within one top-level window; GetParent alone would also climb from
// a popup to its owner, which is another window tree.
HWND Container(HWND window) {
    if ((::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) return nullptr;
    return ::GetParent(window);
}

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

MessageHook* HookOf(HWND window) {
    auto& hooks = Registered().hooks;
    auto it = FindKey(hooks, window);
    return it != hooks.end() ? it->second : nullptr;
}

}  // namespace

void AddMessageHook(HWND window, MessageHook& hook) { Put(Registered().hooks, window, &hook); }

void AddDialogWindow(HWND dialog) {
    auto& dialogs = Registered().dialogs;
    if (std::find(dialogs.begin(), dialogs.end(), dialog) == dialogs.end()) dialogs.push_back(dialog);
}

void SetAccelerators(HWND topLevel, HACCEL accelerators) {
    if (accelerators != nullptr) {
        Put(Registered().accelerators, topLevel, accelerators);
    } else {
        Erase(Registered().accelerators, topLevel);
    }
}

void ForgetWindow(HWND window) {
    Registrations& registered = Registered();
    Erase(registered.hooks, window);
    Erase(registered.accelerators, window);
    std::erase(registered.dialogs, window);
}

bool PreTranslateQueuedMessage(MSG& message) {
    if (message.hwnd == nullptr || !::IsWindow(message.hwnd)) return false;

    // A hook may destroy windows, so each step looks the next hook up afresh.
    for (HWND window = message.hwnd; window != nullptr; window = Container(window)) {
        if (MessageHook* hook = HookOf(window); hook != nullptr && hook->PreTranslate(message)) return true;
        if (!::IsWindow(message.hwnd)) return true;  // the hook destroyed the target: nothing to deliver
    }
    if (!IsKeyboardMessage(message.message)) return false;

    const Registrations& registered = Registered();
    const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    for (const auto& [window, table] : registered.accelerators) {
        if (window == root) {
            if (::TranslateAcceleratorA(root, table, &message)) return true;
            break;
        }
    }

    HWND outermostDialog = nullptr;
    for (HWND window = message.hwnd; window != nullptr; window = Container(window)) {
        if (std::find(registered.dialogs.begin(), registered.dialogs.end(), window) != registered.dialogs.end()) {
            outermostDialog = window;
        }
    }
    return outermostDialog != nullptr && ::IsDialogMessageA(outermostDialog, &message);
}

bool PumpPendingMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (!PreTranslateQueuedMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return true;
}
