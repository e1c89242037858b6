// Tables that map window messages, commands, notifications and command-state updates to members.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <type_traits>

#include "framework/command_state.h"

// Win32's UINT, WPARAM, LPARAM and LRESULT spelt without <windows.h>, so that the tables and
// their lookup build and are tested natively. window_object.h checks they are the same types.
using MessageId = unsigned int;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using MessageResult = std::intptr_t;

class CommandTarget;

// A window message; the handler's argument type decodes the parameters.
struct MessageEntry {
    MessageId message;
    MessageResult (*invoke)(CommandTarget&, WParam, LParam);
};

// A command from a menu, an accelerator, a toolbar button or a push button: one ID or a range.
struct CommandEntry {
    unsigned first;
    unsigned last;
    void (*invoke)(CommandTarget&, unsigned id);
};

// How a control reported: WM_NOTIFY (lParam is the NMHDR) or WM_COMMAND with a notification code.
enum class NotifySource { Notify, Command };

struct NotifyEntry {
    NotifySource source;
    unsigned code;
    unsigned control;
    MessageResult (*invoke)(CommandTarget&, LParam);
};

// Decides the enabled and checked state of one command or a range of commands.
struct UpdateEntry {
    unsigned first;
    unsigned last;
    void (*invoke)(CommandTarget&, CommandState&);
};

// Everything one class handles. `base` is the base class's map, searched after this one, so a
// class lists only its own handlers and an entry here overrides the base's for the same key.
struct MessageMap {
    std::span<const MessageEntry> messages = {};
    std::span<const CommandEntry> commands = {};
    std::span<const NotifyEntry> notifications = {};
    std::span<const UpdateEntry> updates = {};
    const MessageMap* base = nullptr;
};

// An object that owns handler tables: windows, dialogs and the application object.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // The class's handlers. A class with handlers of its own overrides this, returning a map
    // held in static storage.
    virtual const MessageMap& Map() const {
        static constexpr MessageMap kEmpty{};
        return kEmpty;
    }

    // Runs this object's command handler; false when it has none.
    bool HandleCommand(unsigned id);
    // Whether this object has a command handler for the command.
    bool HasCommandHandler(unsigned id) const;
    // Lets this object's update handler decide; false when it has none.
    bool UpdateCommand(CommandState& state);

protected:
    CommandTarget() = default;
    CommandTarget(const CommandTarget&) = default;
    CommandTarget& operator=(const CommandTarget&) = default;
};

// The first entry, searching the map and then its bases, that matches.
template <auto Field, typename Match>
auto FindEntry(const MessageMap& map, Match match) {
    using Entry = typename std::remove_cvref_t<decltype(map.*Field)>::element_type;
    for (const MessageMap* m = &map; m != nullptr; m = m->base) {
        for (const Entry& entry : m->*Field) {
            if (match(entry)) return &entry;
        }
    }
    return static_cast<const Entry*>(nullptr);
}

inline const MessageEntry* FindMessage(const MessageMap& map, MessageId message) {
    return FindEntry<&MessageMap::messages>(
        map, [&](const MessageEntry& e) { return e.message == message; });
}

inline const CommandEntry* FindCommand(const MessageMap& map, unsigned id) {
    return FindEntry<&MessageMap::commands>(
        map, [&](const CommandEntry& e) { return e.first <= id && id <= e.last; });
}

inline const NotifyEntry* FindNotify(const MessageMap& map, NotifySource source, unsigned code,
                                     unsigned control) {
    return FindEntry<&MessageMap::notifications>(map, [&](const NotifyEntry& e) {
        return e.source == source && e.code == code && e.control == control;
    });
}

inline const UpdateEntry* FindUpdate(const MessageMap& map, unsigned id) {
    return FindEntry<&MessageMap::updates>(
        map, [&](const UpdateEntry& e) { return e.first <= id && id <= e.last; });
}

inline bool CommandTarget::HasCommandHandler(unsigned id) const { return FindCommand(Map(), id) != nullptr; }

inline bool CommandTarget::HandleCommand(unsigned id) {
    const CommandEntry* entry = FindCommand(Map(), id);
    if (entry == nullptr) return false;
    entry->invoke(*this, id);
    return true;
}

inline bool CommandTarget::UpdateCommand(CommandState& state) {
    const UpdateEntry* entry = FindUpdate(Map(), state.Id());
    if (entry == nullptr) return false;
    entry->invoke(*this, state);
    return true;
}

namespace handler_detail {

template <typename F>
struct Member;
template <typename C, typename R, typename... A>
struct Member<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    static constexpr std::size_t kArity = sizeof...(A);
    using First = std::tuple_element_t<0, std::tuple<A..., void>>;
};
template <typename C, typename R, typename... A>
struct Member<R (C::*)(A...) noexcept> : Member<R (C::*)(A...)> {};
template <typename C, typename R, typename... A>
struct Member<R (C::*)(A...) const> : Member<R (C::*)(A...)> {};
template <typename C, typename R, typename... A>
struct Member<R (C::*)(A...) const noexcept> : Member<R (C::*)(A...)> {};

template <auto Fn>
auto& Self(CommandTarget& target) {
    using Class = typename Member<decltype(Fn)>::Class;
    static_assert(std::is_base_of_v<CommandTarget, Class>, "handlers are members of a CommandTarget");
    return static_cast<Class&>(target);
}

// A handler may return nothing (0), a number, a flag or a handle (a brush for WM_CTLCOLOR*).
template <typename R, typename Call>
MessageResult AsResult(Call&& call) {
    if constexpr (std::is_void_v<R>) {
        call();
        return 0;
    } else if constexpr (std::is_pointer_v<R>) {
        return reinterpret_cast<MessageResult>(call());
    } else {
        return static_cast<MessageResult>(call());
    }
}

template <auto Fn>
MessageResult InvokeMessage(CommandTarget& target, WParam w, LParam l) {
    using M = Member<decltype(Fn)>;
    auto& self = Self<Fn>(target);
    if constexpr (M::kArity == 0) {
        return AsResult<typename M::Result>([&] { return (self.*Fn)(); });
    } else {
        using Args = std::remove_cvref_t<typename M::First>;
        return AsResult<typename M::Result>([&] { return (self.*Fn)(Args(w, l)); });
    }
}

template <auto Fn>
void InvokeCommand(CommandTarget& target, unsigned id) {
    if constexpr (Member<decltype(Fn)>::kArity == 0) {
        (Self<Fn>(target).*Fn)();
    } else {
        (Self<Fn>(target).*Fn)(id);
    }
}

// lParam is the NMHDR (or the larger structure that starts with it) for WM_NOTIFY entries.
template <auto Fn>
MessageResult InvokeNotify(CommandTarget& target, LParam l) {
    using M = Member<decltype(Fn)>;
    auto& self = Self<Fn>(target);
    if constexpr (M::kArity == 0) {
        return AsResult<typename M::Result>([&] { return (self.*Fn)(); });
    } else {
        using Header = std::remove_reference_t<typename M::First>;
        return AsResult<typename M::Result>([&] { return (self.*Fn)(*reinterpret_cast<Header*>(l)); });
    }
}

template <auto Fn>
void InvokeUpdate(CommandTarget& target, CommandState& state) {
    (Self<Fn>(target).*Fn)(state);
}

}  // namespace handler_detail

// Entry builders: `route::Message<WM_SIZE, &CMyWindow::OnSize>()` and so on. Handlers may be
// private; the builders are used inside the class's Map().
namespace route {

// Handler: `R OnX()` or `R OnX(const Args&)`, where Args decodes (WPARAM, LPARAM) in its
// constructor and says with `static constexpr bool Accepts(MessageId)` which messages it fits.
template <MessageId Id, auto Fn>
constexpr MessageEntry Message() {
    using M = handler_detail::Member<decltype(Fn)>;
    static_assert(M::kArity <= 1, "a message handler takes nothing or its decoded arguments");
    if constexpr (M::kArity == 1) {
        static_assert(std::remove_cvref_t<typename M::First>::Accepts(Id),
                      "the handler's argument type does not decode this message");
    }
    return {Id, &handler_detail::InvokeMessage<Fn>};
}

// Handler: `void OnX()` or `void OnX(unsigned id)`.
template <unsigned Id, auto Fn>
constexpr CommandEntry Command() {
    static_assert(handler_detail::Member<decltype(Fn)>::kArity <= 1);
    return {Id, Id, &handler_detail::InvokeCommand<Fn>};
}

// Handler: `void OnX(unsigned id)` for every ID from First to Last.
template <unsigned First, unsigned Last, auto Fn>
constexpr CommandEntry CommandRange() {
    static_assert(First <= Last);
    static_assert(handler_detail::Member<decltype(Fn)>::kArity == 1);
    return {First, Last, &handler_detail::InvokeCommand<Fn>};
}

// WM_NOTIFY with this code from this control. Handler: `R OnX()` or `R OnX(const NMxxx&)`.
template <auto Code, unsigned ControlId, auto Fn>
constexpr NotifyEntry Notify() {
    static_assert(handler_detail::Member<decltype(Fn)>::kArity <= 1);
    return {NotifySource::Notify, static_cast<unsigned>(Code), ControlId, &handler_detail::InvokeNotify<Fn>};
}

// WM_COMMAND with a control notification code (EN_CHANGE, CBN_SELCHANGE...). Handler: `void OnX()`.
// BN_CLICKED is a command: list it with Command.
template <auto Code, unsigned ControlId, auto Fn>
constexpr NotifyEntry Control() {
    static_assert(handler_detail::Member<decltype(Fn)>::kArity == 0);
    return {NotifySource::Command, static_cast<unsigned>(Code), ControlId, &handler_detail::InvokeNotify<Fn>};
}

// Handler: `void UpdateX(CommandState&)`.
template <unsigned Id, auto Fn>
constexpr UpdateEntry Update() {
    return {Id, Id, &handler_detail::InvokeUpdate<Fn>};
}

template <unsigned First, unsigned Last, auto Fn>
constexpr UpdateEntry UpdateRange() {
    static_assert(First <= Last);
    return {First, Last, &handler_detail::InvokeUpdate<Fn>};
}

}  // namespace route
