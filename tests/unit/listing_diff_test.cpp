// Which shortcuts of the Recent folder a scan treats as new or rewritten.
#include "tracking/listing_diff.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const std::vector<RecentEntry>& entries) {
    std::vector<std::string> names;
    for (const RecentEntry& e : entries) names.push_back(e.name);
    return names;
}

TEST(CompareListings, EqualListingsHaveNoChanges) {
    const std::vector<RecentEntry> listing{{"a.lnk", 1}, {"b.lnk", 2}};
    const ListingChanges changes = CompareListings(listing, listing);
    EXPECT_TRUE(changes.added.empty());
    EXPECT_TRUE(changes.rewritten.empty());
}

TEST(CompareListings, ReportsNewAndRewrittenInCurrentOrder) {
    const std::vector<RecentEntry> before{{"a.lnk", 1}, {"b.lnk", 2}, {"gone.lnk", 3}};
    const std::vector<RecentEntry> now{{"z.lnk", 9}, {"b.lnk", 5}, {"a.lnk", 4}, {"c.lnk", 1}};
    const ListingChanges changes = CompareListings(before, now);
    EXPECT_EQ(Names(changes.added), (std::vector<std::string>{"z.lnk", "c.lnk"}));
    EXPECT_EQ(Names(changes.rewritten), (std::vector<std::string>{"b.lnk", "a.lnk"}));
    EXPECT_EQ(changes.rewritten[0].lastWrite, 5u);
}

TEST(CompareListings, AnEarlierTimeCountsAsARewrite) {
    const ListingChanges changes = CompareListings({{"a.lnk", 10}}, {{"a.lnk", 7}});
    EXPECT_EQ(Names(changes.rewritten), (std::vector<std::string>{"a.lnk"}));
}

TEST(CompareListings, NamesCompareByteForByte) {
    const ListingChanges changes = CompareListings({{"Report.lnk", 1}}, {{"report.lnk", 1}});
    EXPECT_EQ(Names(changes.added), (std::vector<std::string>{"report.lnk"}));
}

TEST(CompareListings, FromAnEmptyFolderEverythingIsNew) {
    const ListingChanges changes = CompareListings({}, {{"a.lnk", 1}, {"b.lnk", 1}});
    EXPECT_EQ(changes.added.size(), 2u);
}

}  // namespace
