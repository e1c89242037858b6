// The C++ object behind a window: its handle, its handler tables and the dispatch between them.
#pragma once

#include <windows.h>

#include <type_traits>

#include "framework/handler_map.h"
#include "framework/message_filters.h"

static_assert(std::is_same_v<MessageId, UINT> && std::is_same_v<WParam, WPARAM> &&
              std::is_same_v<LParam, LPARAM> && std::is_same_v<MessageResult, LRESULT>);

// Messages a parent passes on to the child control they concern when its own tables do not
// handle them: Reflected(WM_CTLCOLORSTATIC), Reflected(WM_NOTIFY), Reflected(WM_COMMAND),
// Reflected(WM_DRAWITEM), Reflected(WM_HSCROLL), Reflected(WM_VSCROLL). Parameters are
// unchanged. Only controls attached to a CSubclassWindow receive them.
constexpr UINT kReflectedBase = WM_USER + 0x1C00;
constexpr UINT Reflected(UINT message) { return kReflectedBase + message; }

// Called with a description when a handler throws; the exception stops at the window procedure.
using HandlerFailureReporter = void (*)(const char* what);
void SetHandlerFailureReporter(HandlerFailureReporter reporter);
// Passes the exception being handled to the reporter; for catch blocks at procedure boundaries.
void ReportCurrentException() noexcept;

class CWindowObject : public CommandTarget, private MessageHook {
public:
    CWindowObject(const CWindowObject&) = delete;
    CWindowObject& operator=(const CWindowObject&) = delete;

    // Null before creation and from WM_NCDESTROY on.
    HWND hwnd() const { return hwnd_; }
    bool IsAlive() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }

    // The state of a command as this window's routing decides it; the default asks this
    // object's update handlers only.
    virtual void QueryCommandState(CommandState& state) { UpdateCommand(state); }

protected:
    CWindowObject() = default;
    ~CWindowObject() override = default;

    // The window has been destroyed and detached (hwnd() is null): the last call the object
    // gets for it. The object may delete itself here.
    virtual void OnWindowGone() {}
    // A queued message for this window or one of its children, before it is dispatched; true
    // consumes it. See PreTranslateQueuedMessage for the order.
    virtual bool PreTranslateMessage(MSG&) { return false; }
    // A command from a menu, accelerator, toolbar or push button; the default runs this
    // object's command table. True when something handled it.
    virtual bool ExecuteCommand(unsigned id) { return HandleCommand(id); }

    // The window procedures' part: binds the handle and registers the pre-translation hook.
    void Attach(HWND window);
    // Unbinds and forgets the window's registrations, then calls OnWindowGone. Touch nothing of the object afterwards.
    void Detach();
    // Unbinds without telling the object: for the destructor of a base class, when the
    // derived parts are already gone.
    void Abandon();
    // Runs the tables; false leaves the message to the default procedure. Never throws.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept;

private:
    bool PreTranslate(MSG& message) final { return PreTranslateMessage(message); }
    bool DispatchTables(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool DispatchCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
    void UpdateMenu(HMENU popup);
    // Framework work before OnWindowGone (a frame ends the message loop here).
    virtual void WindowDetached() {}

    HWND hwnd_ = nullptr;
};

// Finds the object of a control for reflection; defined with CSubclassWindow.
CWindowObject* SubclassedObject(HWND control);
