#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "difficulty_roll.h"
#include "roll_tally.h"

namespace dicewright {

// Every roll since the program started, up to a capacity of them, each kept compact as its time
// and its dice, so that its text is formed only when it is shown. The tally counts every roll,
// also those no longer kept.
class RollRecord {
public:
    static constexpr std::size_t kCapacity = 100000;

    struct Entry {
        std::int64_t msecsSinceEpoch = 0;
        RollThrows roll;
    };

    explicit RollRecord(std::size_t capacity = kCapacity) : m_capacity(capacity) {}

    // Keeps the roll; true where the oldest roll kept went to make room for it.
    bool add(const RollThrows& roll, std::int64_t msecsSinceEpoch);
    // Lets the oldest roll go, as a full record does on its own when a roll comes: for a list
    // that tells its view of the two changes apart.
    void dropOldest();
    bool full() const { return m_entries.size() >= m_capacity; }

    std::size_t size() const { return m_entries.size(); }
    std::size_t capacity() const { return m_capacity; }
    // Row 0 is the newest roll. Throws std::out_of_range past the last row.
    const Entry& row(std::size_t row) const;
    // How many of the oldest rolls went to keep the record within its capacity.
    std::uint64_t dropped() const { return m_dropped; }
    const RollTally& tally() const { return m_tally; }

private:
    std::size_t m_capacity;
    std::deque<Entry> m_entries;  // oldest first
    std::uint64_t m_dropped = 0;
    RollTally m_tally;
};

}  // namespace dicewright
