#include "step_type_ahead.h"

#include <QDeadlineTimer>
#include <utility>

#include "step_table.h"

namespace dicewright {
namespace {

int StepNamed(const QString& digits) {
    const int number = digits.toInt();
    return number >= StepTable::kFirstStep && number <= StepTable::kLastStep ? number : 0;
}

}  // namespace

StepTypeAhead::StepTypeAhead(Clock clock) : m_clock(std::move(clock)) {}

qint64 StepTypeAhead::SteadyClockMs() {
    return QDeadlineTimer::current().deadline();
}

int StepTypeAhead::type(QChar digit) {
    const qint64 now = m_clock();
    if (!m_lastTyped || now - *m_lastTyped > kPauseMs) m_typed.clear();
    m_lastTyped = now;
    // Three digits never name a step; a number that is no step gives way to the new digit.
    m_typed += digit;
    if (m_typed.size() > 2 || StepNamed(m_typed) == 0) m_typed = digit;
    return StepNamed(m_typed);
}

}  // namespace dicewright
