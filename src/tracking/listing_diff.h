// Comparing two listings of the Recent folder by file name and last-write time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RecentEntry {
    std::string name;        // file name within the Recent folder
    uint64_t lastWrite = 0;  // last-write time, UTC, in 100 ns units since 1601
};

struct ListingChanges {
    std::vector<RecentEntry> added;      // names the previous listing did not have
    std::vector<RecentEntry> rewritten;  // names whose last-write time changed
};

// Both lists keep the order of the current listing. Names compare byte for byte; entries
// that disappeared are not reported.
ListingChanges CompareListings(const std::vector<RecentEntry>& previous,
                               const std::vector<RecentEntry>& current);
