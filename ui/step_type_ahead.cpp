#include "step_type_ahead.h"

#include "step_table.h"

namespace dicewright {
namespace {

int StepNamed(const QString& digits) {
    const int number = digits.toInt();
    return number >= StepTable::kFirstStep && number <= StepTable::kLastStep ? number : 0;
}

}  // namespace

int StepTypeAhead::type(QChar digit) {
    if (!m_sinceLast.isValid() || m_sinceLast.elapsed() > kPauseMs) m_typed.clear();
    m_sinceLast.start();
    // Three digits never name a step; a number that is no step gives way to the new digit.
    m_typed += digit;
    if (m_typed.size() > 2 || StepNamed(m_typed) == 0) m_typed = digit;
    return StepNamed(m_typed);
}

}  // namespace dicewright
