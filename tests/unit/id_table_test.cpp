// The id table finds ids through the caller's keys, including ids whose hashes collide.
#include "tracking/id_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class IdTableTest : public testing::Test {
protected:
    std::optional<uint32_t> Find(uint32_t hash, const std::string& key) const {
        return table.Find(hash, [&](uint32_t id) { return keys[id] == key; });
    }
    uint32_t Add(uint32_t hash, const std::string& key) {
        keys.push_back(key);
        const auto id = static_cast<uint32_t>(keys.size() - 1);
        table.Insert(hash, id);
        return id;
    }

    IdTable table;
    std::vector<std::string> keys;
};

TEST_F(IdTableTest, AnEmptyTableFindsNothing) {
    EXPECT_FALSE(Find(7, "a"));
    EXPECT_EQ(table.Size(), 0u);
}

TEST_F(IdTableTest, KeysWithTheSameHashAreToldApartByTheCaller) {
    const uint32_t a = Add(42, "a");
    const uint32_t b = Add(42, "b");
    const uint32_t c = Add(42 + 64, "c");  // same slot of the first table, other hash
    EXPECT_EQ(Find(42, "a"), a);
    EXPECT_EQ(Find(42, "b"), b);
    EXPECT_EQ(Find(42 + 64, "c"), c);
    EXPECT_FALSE(Find(42, "c")) << "the hash must match too";
    EXPECT_FALSE(Find(42, "d"));
}

TEST_F(IdTableTest, GrowingKeepsEveryIdFindable) {
    for (uint32_t i = 0; i < 10000; ++i) {
        // Room made ahead, between inserts, keeps what is there and what comes.
        if (i == 300) table.Reserve(5000);
        Add(i * 2654435761u, std::to_string(i));
    }
    EXPECT_EQ(table.Size(), 10000u);
    for (uint32_t i = 0; i < 10000; ++i) ASSERT_EQ(Find(i * 2654435761u, std::to_string(i)), i);
    EXPECT_FALSE(Find(3, "10000"));
    table.Clear();
    EXPECT_FALSE(Find(0, "0"));
    EXPECT_EQ(table.Size(), 0u);
}

TEST_F(IdTableTest, KeptSlotsAreAdoptedOnlyWhenTheyCanBeSlots) {
    for (uint32_t i = 0; i < 100; ++i) Add(i * 2654435761u, std::to_string(i));
    const std::vector<IdTable::Slot> kept = table.Slots();
    auto changed = [&](auto change) {
        std::vector<IdTable::Slot> slots = kept;
        change(slots);
        return slots;
    };
    const IdTable::Slot used{5, 5};
    const struct {
        const char* name;
        std::vector<IdTable::Slot> slots;
        uint32_t idLimit;
        bool adopted;
    } cases[] = {
        {"as kept", kept, 100, true},
        {"none", {}, 100, true},
        {"an id beyond the limit", kept, 99, false},
        {"not a power of two", changed([](auto& s) { s.pop_back(); }), 100, false},
        {"too small", std::vector<IdTable::Slot>(32), 100, false},
        {"more than half full", std::vector<IdTable::Slot>(64, used), 100, false},
    };
    for (const auto& c : cases) {
        IdTable adopting;
        adopting.Insert(1, 1);
        EXPECT_EQ(adopting.Adopt(c.slots, c.idLimit), c.adopted) << c.name;
        EXPECT_EQ(adopting.Size(), c.adopted && !c.slots.empty() ? 100u : 0u) << c.name;
    }
    IdTable adopted;
    ASSERT_TRUE(adopted.Adopt(kept, 100));
    for (uint32_t i = 0; i < 100; ++i) {
        ASSERT_EQ(adopted.Find(i * 2654435761u, [&](uint32_t id) { return keys[id] == std::to_string(i); }), i);
    }
    adopted.Insert(12345, 100);
    EXPECT_EQ(adopted.Find(12345, [](uint32_t id) { return id == 100; }), 100u) << "and goes on taking ids";
}

}  // namespace
