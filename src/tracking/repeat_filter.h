// Tells a genuine re-opening from the shell finishing a shortcut it has just written.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

// The shell writes a shortcut in more than one step, so a scan can see a finished shortcut
// again, a moment later, as "rewritten". Such a rewrite that names the target just recorded
// for the same shortcut within kSameOpeningWindow is the same opening; anything later, or
// naming another target, is a new one.
class RepeatFilter {
public:
    static constexpr uint64_t kSameOpeningWindow = 2 * 10'000'000ull;  // 2 s in 100 ns units

    // True when a rewrite of `shortcut` to `target` at `lastWrite` is the opening recorded
    // last for that shortcut.
    bool IsSameOpening(const std::string& shortcut, const std::string& target,
                       uint64_t lastWrite) const;

    // Notes what was recorded for a shortcut.
    void Remember(const std::string& shortcut, const std::string& target, uint64_t lastWrite);

    // Drops what is older than the window before `now`, keeping the memory small.
    void Forget(uint64_t now);

private:
    struct Recorded {
        std::string target;
        uint64_t lastWrite = 0;
    };
    std::unordered_map<std::string, Recorded> recorded_;
};
