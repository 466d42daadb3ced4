#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace dicewright {

// Type-ahead for step numbers, as in a list: digits typed within a second of each other add up
// to one number ("2" then "9" names step 29). A digit that would make no step starts afresh.
class StepTypeAhead {
public:
    static constexpr std::int64_t kPauseMs = 1000;
    // Milliseconds on a clock that only moves forward; the system's steady clock by default.
    using Clock = std::function<std::int64_t()>;

    explicit StepTypeAhead(Clock clock = SteadyClockMs);

    // Takes the value 0 to 9 of one typed digit, in whatever script the keyboard writes it;
    // returns the step the digits now name, or 0 for none.
    int type(int digit);

    static std::int64_t SteadyClockMs();

private:
    Clock m_clock;
    // The number the digits so far make, and how many digits make it (0 to 2).
    int m_typed = 0;
    int m_digits = 0;
    std::optional<std::int64_t> m_lastTyped;
};

}  // namespace dicewright
