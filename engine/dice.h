#pragma once

#include <cstdint>
#include <random>
#include <stdexcept>

namespace dicewright {

// The program's one uniform generator. Each ROLL press reseeds it once, then draws one value per
// throw of a die, re-throws included.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    // A value r with 0 <= r < 1, never 1.0.
    virtual float Next() = 0;
};

class ClockRandomSource final : public RandomSource {
public:
    using Clock = std::uint64_t (*)();

    ClockRandomSource();
    explicit ClockRandomSource(std::uint64_t seed);
    // For tests that need to hold the clock still.
    ClockRandomSource(std::uint64_t seed, Clock clock);

    // Mixes a high-resolution clock reading into the current state, so that two presses within
    // one clock tick still throw different dice.
    void Reseed() override;
    float Next() override;

private:
    std::mt19937 m_engine;
    Clock m_clock;
};

// The value of one finished exploding die; at least 1.
using DieRoll = std::int16_t;

// A die's value, a modified value or a step's total left the signed 16-bit range.
class OverflowError : public std::runtime_error {
public:
    OverflowError() : std::runtime_error("Overflow") {}
};

// Forming a face or a modified value signalled a floating-point exception.
class FloatingPointError : public std::runtime_error {
public:
    enum class Kind { DivisionByZero, Overflow, InvalidOperation };

    explicit FloatingPointError(Kind kind);
    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// One throw of an N-sided die: floor(r * N + 1), formed in double precision. Returns 1 to N.
float RollFace(int faces, RandomSource& source);

// One exploding die: re-thrown and added up for as long as it shows its highest face.
DieRoll RollDie(int faces, RandomSource& source);

// The four-sided die of steps 1 and 2: one throw plus the modifier, never re-thrown.
std::int16_t RollModifiedDie(int modifier, RandomSource& source);

}  // namespace dicewright
