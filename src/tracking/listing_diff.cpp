// Listing comparison in linear time, so a crowded Recent folder scans as fast as a small one.
#include "tracking/listing_diff.h"

#include <string_view>
#include <unordered_map>

ListingChanges CompareListings(const std::vector<RecentEntry>& previous,
                               const std::vector<RecentEntry>& current) {
    std::unordered_map<std::string_view, uint64_t> before;
    before.reserve(previous.size());
    for (const RecentEntry& entry : previous) before.emplace(entry.name, entry.lastWrite);

    ListingChanges changes;
    for (const RecentEntry& entry : current) {
        const auto found = before.find(entry.name);
        if (found == before.end()) {
            changes.added.push_back(entry);
        } else if (found->second != entry.lastWrite) {
            changes.rewritten.push_back(entry);
        }
    }
    return changes;
}
