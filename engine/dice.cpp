#include "dice.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace dicewright {
namespace {

// The die of steps 1 and 2.
constexpr int kModifiedDieFaces = 4;

constexpr double kLargestValue = std::numeric_limits<std::int16_t>::max();
constexpr double kSmallestValue = std::numeric_limits<std::int16_t>::min();

std::uint64_t ClockReading() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

const char* KindText(FloatingPointError::Kind kind) {
    switch (kind) {
        case FloatingPointError::Kind::DivisionByZero:
            return "Division by zero";
        case FloatingPointError::Kind::Overflow:
            return "Floating-point overflow";
        case FloatingPointError::Kind::InvalidOperation:
            break;
    }
    return "Invalid floating-point operation";
}

}  // namespace

FloatingPointError::FloatingPointError(Kind kind)
    : std::runtime_error(KindText(kind)), m_kind(kind) {}

ClockRandomSource::ClockRandomSource() : ClockRandomSource(ClockReading()) {}

ClockRandomSource::ClockRandomSource(std::uint64_t seed) : ClockRandomSource(seed, ClockReading) {}

ClockRandomSource::ClockRandomSource(std::uint64_t seed, Clock clock) : m_clock(clock) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    m_engine.seed(sequence);
}

void ClockRandomSource::Reseed() {
    // The new state depends on the old one as well as on the clock: a repeated clock reading
    // cannot bring back a sequence that was already thrown.
    const std::uint64_t now = m_clock();
    std::seed_seq sequence{
        static_cast<std::uint32_t>(now),        static_cast<std::uint32_t>(now >> 32),
        static_cast<std::uint32_t>(m_engine()), static_cast<std::uint32_t>(m_engine()),
        static_cast<std::uint32_t>(m_engine()), static_cast<std::uint32_t>(m_engine())};
    m_engine.seed(sequence);
}

float ClockRandomSource::Next() {
    // 24 random bits fill a float's significand exactly; the largest result is 1 - 2^-24.
    // (std::generate_canonical<float> can round up to 1.0 in libstdc++.)
    return static_cast<float>(static_cast<std::uint32_t>(m_engine()) >> 8) * 0x1p-24f;
}

float RollFace(int faces, RandomSource& source) {
    const float r = source.Next();
    // With 0 <= r < 1 and a small positive N, r * N + 1 is exact in double precision and can
    // signal nothing; a faulty source is the only way to an invalid operation.
    if (!(r >= 0.0f && r < 1.0f)) {
        throw FloatingPointError(FloatingPointError::Kind::InvalidOperation);
    }
    const double x = static_cast<double>(r) * faces + 1.0;
    // x is at least 1, so truncation is the floor, and it avoids a call to the library's floor.
    return static_cast<float>(static_cast<int>(x));
}

DieRoll RollDie(int faces, RandomSource& source) {
    const auto highest = static_cast<float>(faces);
    float runningSum = 0.0f;
    for (;;) {
        const float face = RollFace(faces, source);
        if (face != highest) {
            const float value = runningSum + face;
            if (value > kLargestValue) {
                throw OverflowError();
            }
            return static_cast<DieRoll>(value);
        }
        runningSum += face;
        // Even the smallest last face would now overflow: stop here rather than keep throwing
        // for ever on a source stuck at its highest value. The sum stays exact in a float.
        if (runningSum + 1.0f > kLargestValue) {
            throw OverflowError();
        }
    }
}

std::int16_t RollModifiedDie(int modifier, RandomSource& source) {
    const float face = RollFace(kModifiedDieFaces, source);
    const double value = static_cast<double>(face) + modifier;
    const double rounded = std::nearbyint(value);
    if (rounded < kSmallestValue || rounded > kLargestValue) {
        throw OverflowError();
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace dicewright
