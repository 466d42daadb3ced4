#include "dice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <exception>
#include <limits>
#include <new>
#include <set>
#include <stdexcept>
#include <vector>

#include "failure.h"
#include "scripted_random_source.h"

namespace dicewright {
namespace {

using testing::DrawFor;
using testing::ScriptedRandomSource;

constexpr float kBelowOne = 0x1.fffffep-1f;  // 1 - 2^-24, the largest float below 1

// Face boundaries at single precision: rounding r * N + 1 to float would give one too many.
struct FaceCase {
    const char* name;
    int faces;
    float r;
    float face;
};

void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.name;
}

class FaceBoundary : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceBoundary, GivesTheExpectedFace) {
    ScriptedRandomSource source{GetParam().r};
    EXPECT_EQ(RollFace(GetParam().faces, source), GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(
    Dice, FaceBoundary,
    ::testing::Values(
        FaceCase{"D4_zero", 4, 0.0f, 1}, FaceCase{"D6_zero", 6, 0.0f, 1},
        FaceCase{"D8_zero", 8, 0.0f, 1}, FaceCase{"D10_zero", 10, 0.0f, 1},
        FaceCase{"D12_zero", 12, 0.0f, 1}, FaceCase{"D20_zero", 20, 0.0f, 1},
        FaceCase{"D4_below_one", 4, kBelowOne, 4}, FaceCase{"D6_below_one", 6, kBelowOne, 6},
        FaceCase{"D8_below_one", 8, kBelowOne, 8}, FaceCase{"D10_below_one", 10, kBelowOne, 10},
        FaceCase{"D12_below_one", 12, kBelowOne, 12}, FaceCase{"D20_below_one", 20, kBelowOne, 20},
        FaceCase{"D6_below_a_third", 6, std::nextafter(1.0f / 3, 0.0f), 2},
        FaceCase{"D6_below_two_thirds", 6, std::nextafter(2.0f / 3, 0.0f), 4},
        FaceCase{"D10_below_a_fifth", 10, std::nextafter(0.2f, 0.0f), 2},
        FaceCase{"D6_at_a_half", 6, 0.5f, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dice, EveryFloatBelowOneGivesAFaceOneToN) {
    // Walk down from 1 - 2^-24 through the densest floats; none may give N + 1.
    for (const int faces : {4, 6, 8, 10, 12, 20}) {
        float r = kBelowOne;
        for (int i = 0; i < 100000; ++i, r = std::nextafter(r, 0.0f)) {
            ScriptedRandomSource source{r};
            const float face = RollFace(faces, source);
            ASSERT_GE(face, 1.0f);
            ASSERT_LE(face, static_cast<float>(faces)) << "r = " << r;
            ASSERT_EQ(face, std::floor(static_cast<double>(r) * faces) + 1);
        }
    }
}

// Explosion chains: a die is re-thrown on its highest face and keeps every face it showed.
struct ChainCase {
    const char* name;
    int faces;
    std::vector<int> shown;
    DieRoll value;
};

void PrintTo(const ChainCase& c, std::ostream* out) {
    *out << c.name;
}

class ExplosionChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ExplosionChain, AddsEveryFaceShown) {
    const ChainCase& chain = GetParam();
    std::vector<float> draws;
    for (const int face : chain.shown) draws.push_back(DrawFor(face, chain.faces));
    ScriptedRandomSource source(draws);
    EXPECT_EQ(RollDie(chain.faces, source), chain.value);
    EXPECT_EQ(source.DrawsLeft(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Dice, ExplosionChain,
    ::testing::Values(ChainCase{"D6_one", 6, {1}, 1}, ChainCase{"D6_six_one", 6, {6, 1}, 7},
                      ChainCase{"D6_six_six_three", 6, {6, 6, 3}, 15},
                      ChainCase{"D4_four_four_four_two", 4, {4, 4, 4, 2}, 14},
                      ChainCase{"D8_seven", 8, {7}, 7},
                      ChainCase{"D10_ten_ten_seven", 10, {10, 10, 7}, 27},
                      ChainCase{"D12_eleven", 12, {11}, 11},
                      ChainCase{"D12_twelve_one", 12, {12, 1}, 13},
                      ChainCase{"D20_twenty_twenty_five", 20, {20, 20, 5}, 45}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dice, DieValueIsNeverAMultipleOfItsSize) {
    ClockRandomSource source(7);
    for (const int faces : {4, 6, 8, 10, 12, 20}) {
        for (int i = 0; i < 20000; ++i) {
            const DieRoll value = RollDie(faces, source);
            ASSERT_GE(value, 1);
            ASSERT_NE(value % faces, 0);
        }
    }
}

// The modified four-sided die of steps 1 and 2.
TEST(Dice, ModifiedDieAddsItsModifierAndNeverExplodes) {
    struct Case {
        int modifier;
        float r;
        std::int16_t value;
    };
    for (const Case& c :
         {Case{-2, 0.0f, -1}, Case{-2, 0.2499999f, -1}, Case{-2, 0.25f, 0}, Case{-2, 0.5f, 1},
          Case{-2, 0.75f, 2}, Case{-2, kBelowOne, 2}, Case{-1, 0.0f, 0}, Case{-1, kBelowOne, 3}}) {
        ScriptedRandomSource source{c.r, 0.0f};
        EXPECT_EQ(RollModifiedDie(c.modifier, source), c.value) << c.modifier << " " << c.r;
        EXPECT_EQ(source.DrawsLeft(), 1u) << "a 4 must not be thrown again";
    }
}

TEST(Dice, ModifiedValueOutsideSixteenBitsOverflows) {
    ScriptedRandomSource low{0.0f};
    EXPECT_THROW(RollModifiedDie(-40000, low), OverflowError);
    ScriptedRandomSource high{0.0f};
    EXPECT_THROW(RollModifiedDie(32767, high), OverflowError);
    ScriptedRandomSource edge{0.0f};
    EXPECT_EQ(RollModifiedDie(32766, edge), 32767);
}

// The limits of a die's value.
TEST(Dice, DieWorthMoreThan32767Overflows) {
    // 1638 twenties make 32760; a final 7 gives 32767, the largest value that fits.
    std::vector<float> fits(1638, DrawFor(20, 20));
    fits.push_back(DrawFor(7, 20));
    ScriptedRandomSource fitsSource(fits);
    EXPECT_EQ(RollDie(20, fitsSource), 32767);

    std::vector<float> over(1638, DrawFor(20, 20));
    over.push_back(DrawFor(8, 20));
    ScriptedRandomSource overSource(over);
    EXPECT_THROW(RollDie(20, overSource), OverflowError);
}

TEST(Dice, SourceStuckAtItsHighestValueEndsInOverflowNotAHang) {
    class Stuck : public RandomSource {
    public:
        void Reseed() override {}
        float Next() override {
            ++draws;
            return kBelowOne;
        }
        int draws = 0;
    };
    for (const int faces : {4, 6, 8, 10, 12, 20}) {
        Stuck stuck;
        EXPECT_THROW(RollDie(faces, stuck), OverflowError) << faces;
        // It stops as soon as no last face could bring the die back into range.
        EXPECT_EQ(stuck.draws, 32767 / faces + 1) << faces;
    }
}

// A faulty source: draws outside [0, 1) never become a face.
TEST(Dice, DrawOutsideTheUnitIntervalIsAnInvalidOperation) {
    for (const float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity(), -0.25f, 1.0f, 1.5f, 1e30f}) {
        ScriptedRandomSource source{bad};
        try {
            RollFace(6, source);
            ADD_FAILURE() << "no error for r = " << bad;
        } catch (const FloatingPointError& error) {
            EXPECT_EQ(error.kind(), FloatingPointError::Kind::InvalidOperation);
            EXPECT_STREQ(error.what(), "Invalid floating-point operation");
        }
        ScriptedRandomSource modified{bad};
        EXPECT_THROW(RollModifiedDie(-2, modified), FloatingPointError) << bad;
    }
}

// Each error the engine raises is known by its failure, whose words are the error's own text.
TEST(Dice, EveryErrorIsKnownByItsWords) {
    using Kind = FloatingPointError::Kind;
    const std::vector<std::pair<std::exception_ptr, Failure>> errors{
        {std::make_exception_ptr(OverflowError()), Failure::Overflow},
        {std::make_exception_ptr(FloatingPointError(Kind::DivisionByZero)),
         Failure::DivisionByZero},
        {std::make_exception_ptr(FloatingPointError(Kind::Overflow)),
         Failure::FloatingPointOverflow},
        {std::make_exception_ptr(FloatingPointError(Kind::InvalidOperation)),
         Failure::InvalidOperation},
    };
    for (const auto& [error, failure] : errors) {
        EXPECT_EQ(FailureOf(error), failure);
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& thrown) {
            EXPECT_EQ(thrown.what(), WordsOf(failure).words);
        }
    }
    EXPECT_EQ(FailureOf(std::make_exception_ptr(std::bad_alloc())), Failure::OutOfMemory);
    EXPECT_EQ(FailureOf(std::make_exception_ptr(std::out_of_range("x"))), Failure::OutOfRange);
    EXPECT_EQ(FailureOf(std::make_exception_ptr(42)), Failure::Unknown);
}

// The program's generator.
TEST(ClockRandomSource, DrawsLieInTheUnitIntervalOnTheTwentyFourBitGrid) {
    ClockRandomSource source(12345);
    for (int i = 0; i < 1000000; ++i) {
        const float r = source.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(r * 0x1p24f, std::floor(r * 0x1p24f));
    }
}

TEST(ClockRandomSource, SameSeedSameDrawsAndReseedNeverRepeats) {
    ClockRandomSource first(99);
    ClockRandomSource second(99);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(first.Next(), second.Next());

    // Presses in quick succession, many within one clock tick, still start new sequences.
    std::set<std::vector<float>> starts;
    for (int press = 0; press < 2000; ++press) {
        first.Reseed();
        starts.insert({first.Next(), first.Next(), first.Next(), first.Next()});
    }
    EXPECT_EQ(starts.size(), 2000u);
}

TEST(ClockRandomSource, ReseedWithinOneClockTickStillChangesTheThrows) {
    ClockRandomSource source(1, [] { return std::uint64_t{42}; });
    std::set<std::vector<float>> starts;
    for (int press = 0; press < 100; ++press) {
        source.Reseed();
        starts.insert({source.Next(), source.Next(), source.Next(), source.Next()});
    }
    EXPECT_EQ(starts.size(), 100u);
}

}  // namespace
}  // namespace dicewright
