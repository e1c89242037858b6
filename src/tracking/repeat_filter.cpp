// The two-second rule for shortcuts the shell writes in steps.
#include "tracking/repeat_filter.h"

#include <iterator>

namespace {
uint64_t Distance(uint64_t a, uint64_t b) { return a > b ? a - b : b - a; }
}  // namespace

bool RepeatFilter::IsSameOpening(const std::string& shortcut, const std::string& target,
                                 uint64_t lastWrite) const {
    const auto found = recorded_.find(shortcut);
    return found != recorded_.end() && found->second.target == target &&
           Distance(found->second.lastWrite, lastWrite) < kSameOpeningWindow;
}

void RepeatFilter::Remember(const std::string& shortcut, const std::string& target,
                            uint64_t lastWrite) {
    recorded_[shortcut] = Recorded{target, lastWrite};
}

void RepeatFilter::Forget(uint64_t now) {
    for (auto it = recorded_.begin(); it != recorded_.end();) {
        it = now > it->second.lastWrite && now - it->second.lastWrite >= kSameOpeningWindow
                 ? recorded_.erase(it)
                 : std::next(it);
    }
}
