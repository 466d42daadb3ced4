#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "dice.h"
#include "step_roll.h"

namespace dicewright::testing {

// Replays chosen draws in order and records every call, so tests can check both what the engine
// computes from given throws and the order in which it asks for them.
class ScriptedRandomSource : public RandomSource {
public:
    ScriptedRandomSource(std::initializer_list<float> draws) : m_draws(draws) {}
    explicit ScriptedRandomSource(std::vector<float> draws) : m_draws(std::move(draws)) {}

    void Reseed() override { calls.emplace_back("Reseed"); }
    float Next() override {
        if (m_position == m_draws.size()) {
            throw std::logic_error("the scripted draws ran out");
        }
        calls.emplace_back("Next");
        return m_draws[m_position++];
    }

    std::size_t DrawsLeft() const { return m_draws.size() - m_position; }

    // Shared with the test's own callbacks so one list shows the interleaving.
    std::vector<std::string> calls;

private:
    std::vector<float> m_draws;
    std::size_t m_position = 0;
};

// A draw that gives the wanted face on an N-sided die: the middle of its interval.
inline float DrawFor(int face, int faces) {
    return (static_cast<float>(face) - 0.5f) / faces;
}

// A roll of `step` whose dice came out at these values, as the engine records it.
inline StepThrows Roll(int step, std::initializer_list<DieRoll> values) {
    StepThrows roll{.step = static_cast<std::int8_t>(step),
                    .count = static_cast<std::uint8_t>(values.size())};
    std::copy(values.begin(), values.end(), roll.values.begin());
    return roll;
}

}  // namespace dicewright::testing
