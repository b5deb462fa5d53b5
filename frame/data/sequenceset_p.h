// TSequenceSet: sequences (texts, token strings) stored once each, found again by hash.
#pragma once

#include <QHashFunctions>

#include <cstdint>
#include <vector>

namespace vek::sortkeys {

// Sequences of T laid out one after the other in one array, with an open addressing
// table over their hashes that finds a sequence added before. The sorts use it to make
// each distinct cell text once: most columns repeat their texts. Where they do not, the
// table costs more than it saves, and it can be dropped.
template <typename T>
class TSequenceSet {
public:
    // The index of the sequence equal to [data, data + length), added when new.
    std::uint32_t Add(const T* data, std::size_t length)
    {
        if (FUnindexed)
            return Store(data, length);
        if (2 * (Count() + 1) > FSlots.size())
            Grow();
        const std::uint64_t hash = Mixed(qHashBits(data, length * sizeof(T)));
        const std::size_t mask = FSlots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = FSlots[i];
            if (slot.IndexPlusOne == 0) {
                slot = Slot{hash, std::uint32_t(Count() + 1), std::uint32_t(FItems.size())};
                return Store(data, length);
            }
            if (slot.Hash == hash && Equal(slot, data, length))
                return slot.IndexPlusOne - 1;
        }
    }
    // Adds sequences as new ones from now on, without looking for them (the table is
    // dropped).
    void StopLooking()
    {
        FUnindexed = true;
        FSlots = {};
    }
    std::size_t Count() const { return FStarts.size() - 1; }
    // Sequence index starts at Start(index) in Items() and has Length(index) items.
    std::uint32_t Start(std::uint32_t index) const { return FStarts[index]; }
    std::uint32_t Length(std::uint32_t index) const { return FStarts[index + 1] - FStarts[index]; }
    const std::vector<T>& Items() const { return FItems; }

private:
    std::uint32_t Store(const T* data, std::size_t length)
    {
        FItems.insert(FItems.end(), data, data + length);
        FStarts.push_back(std::uint32_t(FItems.size()));
        return std::uint32_t(Count() - 1);
    }

    // The slot knows where its sequence starts: a lookup reads the table and the items,
    // not the starts in between (each a cache miss in a large column).
    struct Slot {
        std::uint64_t Hash = 0;
        std::uint32_t IndexPlusOne = 0; // 0: free
        std::uint32_t Start = 0;
    };

    // Qt may hash by CRC32, which is linear: similar texts differ in a few fixed bit
    // patterns and pile up in a table indexed by the low bits. Murmur's finalizer
    // spreads every bit over all of them.
    static std::uint64_t Mixed(std::uint64_t h)
    {
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdULL;
        h ^= h >> 33;
        h *= 0xc4ceb9fe1a85ec53ULL;
        return h ^ (h >> 33);
    }

    // Equal hashes make a different length unlikely: the stored sequence is compared
    // up to the length given, and its end checked after.
    bool Equal(const Slot& slot, const T* data, std::size_t length) const
    {
        if (slot.Start + length > FItems.size())
            return false;
        const T* stored = FItems.data() + slot.Start;
        for (std::size_t i = 0; i < length; ++i)
            if (stored[i] != data[i])
                return false;
        return Length(slot.IndexPlusOne - 1) == length;
    }

    // Doubles the table (at least 1024 slots), keeping it at most half full.
    void Grow()
    {
        std::vector<Slot> table(FSlots.empty() ? 1024 : 2 * FSlots.size());
        const std::size_t mask = table.size() - 1;
        for (const Slot& slot : FSlots) {
            if (slot.IndexPlusOne == 0)
                continue;
            std::size_t i = slot.Hash & mask;
            while (table[i].IndexPlusOne != 0)
                i = (i + 1) & mask;
            table[i] = slot;
        }
        FSlots = std::move(table);
    }

    std::vector<T> FItems;
    std::vector<std::uint32_t> FStarts{0};
    std::vector<Slot> FSlots;
    bool FUnindexed = false;
};

} // namespace vek::sortkeys
