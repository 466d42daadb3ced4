#pragma once

#include <QElapsedTimer>
#include <QString>

namespace dicewright {

// Type-ahead for step numbers, as in a list: digits typed within a second of each other add up
// to one number ("2" then "9" names step 29). A digit that would make no step starts afresh.
class StepTypeAhead {
public:
    static constexpr qint64 kPauseMs = 1000;

    // Takes one typed digit '0' to '9'; returns the step the digits now name, or 0 for none.
    int type(QChar digit);

private:
    QString m_typed;
    QElapsedTimer m_sinceLast;
};

}  // namespace dicewright
