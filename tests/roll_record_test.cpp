#include "roll_record.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dicewright {
namespace {

// A roll of step 4 whose one die is worth `value`, kept at time `value`.
RollThrows Worth(int value) {
    RollThrows roll;
    roll.step = {.step = 4, .count = 1, .values = {static_cast<DieRoll>(value)}};
    return roll;
}

struct RecordCase {
    const char* name;
    std::size_t capacity;
    int rolls;
    std::size_t kept;
    std::uint64_t dropped;
};

void PrintTo(const RecordCase& c, std::ostream* out) {
    *out << c.name;
}

class KeptRolls : public ::testing::TestWithParam<RecordCase> {};

// A full record lets its oldest roll go for each new one, counts what went, and tallies every
// roll, kept or not; row 0 is always the newest.
TEST_P(KeptRolls, KeepsTheNewestUpToItsCapacity) {
    const RecordCase& c = GetParam();
    RollRecord record(c.capacity);
    int madeRoom = 0;
    for (int i = 1; i <= c.rolls; ++i) madeRoom += record.add(Worth(i), i) ? 1 : 0;
    EXPECT_EQ(record.size(), c.kept);
    EXPECT_EQ(record.dropped(), c.dropped);
    EXPECT_EQ(static_cast<std::uint64_t>(madeRoom), c.dropped);
    ASSERT_EQ(record.tally().reports().size(), c.rolls > 0 ? 1u : 0u);
    if (c.rolls == 0) {
        EXPECT_THROW(record.row(0), std::out_of_range);
        return;
    }
    EXPECT_EQ(record.tally().reports()[0].rolls, static_cast<std::uint64_t>(c.rolls));
    EXPECT_EQ(record.row(0).msecsSinceEpoch, c.rolls);
    EXPECT_EQ(record.row(0).roll, Worth(c.rolls));
    EXPECT_EQ(record.row(c.kept - 1).msecsSinceEpoch, c.rolls - static_cast<int>(c.kept) + 1);
    EXPECT_THROW(record.row(c.kept), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(RollRecord, KeptRolls,
                         ::testing::Values(RecordCase{"empty", 3, 0, 0, 0},
                                           RecordCase{"below_capacity", 3, 2, 2, 0},
                                           RecordCase{"at_capacity", 3, 3, 3, 0},
                                           RecordCase{"one_past_capacity", 3, 4, 3, 1},
                                           RecordCase{"far_past_capacity", 3, 10, 3, 7},
                                           RecordCase{"capacity_of_one", 1, 5, 1, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dicewright
