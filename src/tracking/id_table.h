// A hash table of ids whose keys live elsewhere: the caller hashes a key and says whether an
// id's key is the one sought. No key is copied and no entry allocates, so interning the
// documents of a long history costs no allocation per line.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class IdTable {
public:
    static constexpr uint32_t kEmpty = UINT32_MAX;

    struct Slot {
        uint32_t id = kEmpty;
        uint32_t hash = 0;
    };

    // The id whose key `matches` accepts among those inserted with `hash`, or nothing.
    template <class Matches>
    std::optional<uint32_t> Find(uint32_t hash, Matches&& matches) const {
        if (slots_.empty()) return std::nullopt;
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.id == kEmpty) return std::nullopt;
            if (slot.hash == hash && matches(slot.id)) return slot.id;
        }
    }

    // Adds an id under the hash of its key; the caller has made sure the key is new.
    void Insert(uint32_t hash, uint32_t id) {
        if ((size_ + 1) * 2 > slots_.size()) Reserve(size_ + 1);
        Place({id, hash});
        ++size_;
    }

    // Makes room for `count` ids at once: growing step by step would place every id again at
    // each doubling.
    void Reserve(size_t count) {
        size_t slots = slots_.empty() ? 64 : slots_.size();
        while (count * 2 > slots) slots *= 2;
        if (slots == slots_.size()) return;
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(slots, Slot{});
        for (const Slot& slot : old) {
            if (slot.id != kEmpty) Place(slot);
        }
    }

    void Clear() {
        slots_.clear();
        size_ = 0;
    }

    size_t Size() const { return size_; }

    // The slots as they stand, to be kept and adopted again for the same keys.
    const std::vector<Slot>& Slots() const { return slots_; }
    // Takes slots kept earlier. False, leaving the table empty, when they cannot be such slots:
    // not a power of two in size, more than half full, or an id of `idLimit` or more.
    bool Adopt(std::vector<Slot> slots, uint32_t idLimit) {
        Clear();
        if (slots.empty()) return true;
        if (slots.size() < 64 || (slots.size() & (slots.size() - 1)) != 0) return false;
        size_t used = 0;
        for (const Slot& slot : slots) {
            if (slot.id == kEmpty) continue;
            if (slot.id >= idLimit) return false;
            ++used;
        }
        if (used * 2 > slots.size()) return false;
        slots_ = std::move(slots);
        size_ = used;
        return true;
    }

private:
    void Place(Slot entry) {
        const size_t mask = slots_.size() - 1;
        size_t i = entry.hash & mask;
        while (slots_[i].id != kEmpty) i = (i + 1) & mask;
        slots_[i] = entry;
    }


    std::vector<Slot> slots_;  // a power of two in size, at most half full
    size_t size_ = 0;
};
