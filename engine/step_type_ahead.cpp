#include "step_type_ahead.h"

#include <chrono>
#include <utility>

#include "step_table.h"

namespace dicewright {
namespace {

int StepNamed(int number) {
    return number >= StepTable::kFirstStep && number <= StepTable::kLastStep ? number : 0;
}

}  // namespace

StepTypeAhead::StepTypeAhead(Clock clock) : m_clock(std::move(clock)) {}

std::int64_t StepTypeAhead::SteadyClockMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int StepTypeAhead::type(int digit) {
    const std::int64_t now = m_clock();
    if (!m_lastTyped || now - *m_lastTyped > kPauseMs) m_digits = 0;
    m_lastTyped = now;
    // Three digits never name a step; a number that is no step gives way to the new digit.
    if (m_digits == 1 && StepNamed(m_typed * 10 + digit) != 0) {
        m_typed = m_typed * 10 + digit;
        m_digits = 2;
    } else {
        m_typed = digit;
        m_digits = 1;
    }
    return StepNamed(m_typed);
}

}  // namespace dicewright
