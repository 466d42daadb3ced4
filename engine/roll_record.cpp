#include "roll_record.h"

#include <stdexcept>

namespace dicewright {

bool RollRecord::add(const RollThrows& roll, std::int64_t msecsSinceEpoch) {
    m_tally.add(roll);
    const bool makingRoom = full();
    if (makingRoom) dropOldest();
    m_entries.push_back({msecsSinceEpoch, roll});
    return makingRoom;
}

void RollRecord::dropOldest() {
    if (m_entries.empty()) return;
    m_entries.pop_front();
    ++m_dropped;
}

const RollRecord::Entry& RollRecord::row(std::size_t row) const {
    if (row >= m_entries.size()) throw std::out_of_range("no roll in row " + std::to_string(row));
    return m_entries[m_entries.size() - 1 - row];
}

}  // namespace dicewright
