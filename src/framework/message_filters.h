// What looks at a queued message before it is dispatched: window hooks, accelerators, dialog keys.
#pragma once

#include <windows.h>

// A window's pre-translation hook. True consumes the message: it is not dispatched.
class MessageHook {
public:
    virtual bool PreTranslate(MSG& message) = 0;

protected:
    ~MessageHook() = default;
};

// Registrations are per thread and keyed by window; ForgetWindow must remove them before the
// handle can be reused (the window objects do so at WM_NCDESTROY).
void AddMessageHook(HWND window, MessageHook& hook);
// A dialog window whose keyboard navigation IsDialogMessage provides.
void AddDialogWindow(HWND dialog);
// The accelerator table of a top-level window and everything inside it; null removes it.
void SetAccelerators(HWND topLevel, HACCEL accelerators);
void ForgetWindow(HWND window);

// Offers a queued message, in this order, to:
// 1. the hooks of its window and of each parent up to the top-level window, innermost first;
// 2. for keyboard messages, the accelerators of its top-level window (before dialog keys,
//    which would otherwise swallow keys such as Enter that are the frame's accelerators);
// 3. for keyboard messages, IsDialogMessage of the outermost registered dialog around it, which
//    also serves the controls of nested child dialogs (panes, property pages).
// True when one of them consumed it; the caller then neither translates nor dispatches it.
bool PreTranslateQueuedMessage(MSG& message);

// Pumps every message already queued for this thread through the same path; for tests and for
// waiting out a short operation. False when WM_QUIT was seen (it is posted again).
bool PumpPendingMessages();
