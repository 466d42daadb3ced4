#pragma once

#include <QAbstractListModel>
#include <QDateTime>
#include <deque>

#include "difficulty_roll.h"
#include "roll_record.h"
#include "step_roll.h"

namespace dicewright {

// Every roll since the program started, newest in the first row, as the record keeps them.
class RollLogModel : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollLogModel)

public:
    static constexpr qsizetype kCapacity = RollRecord::kCapacity;

    explicit RollLogModel(QObject* parent = nullptr, qsizetype capacity = kCapacity);

    void add(const StepThrows& roll, const QDateTime& when = QDateTime::currentDateTime());
    void add(const RollThrows& roll, const QDateTime& when = QDateTime::currentDateTime());

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // How many of the oldest rolls went to keep the log within its capacity.
    qint64 dropped() const { return static_cast<qint64>(m_record.dropped()); }
    const RollTally& tally() const { return m_record.tally(); }

    // The roll of a row as one line for a chat, as the total display showed it:
    // "Step 26 (D20+D10+D8+D6): 56 — D20: 20 + 20 + 5 = 45 · D10: 7 · D8: 3 · D6: 1", and a
    // test with its bonus step, its difficulty and its verdict:
    // "Step 8 + step 4 (2D6 + D6) against 9: 14, success, 1 extra — D6: 5 · D6: 3 · D6: 6".
    QString chatLine(int row) const;
    // The line a row shows: its time of day, then its chat line; where the day changed since
    // the roll before, the date first.
    QString line(int row) const;
    // The lines of these rows, oldest first, one a line.
    QString linesOf(QList<int> rows) const;
    // The whole log as a game-night record: a line with the date of the first roll (of today
    // when there is none), then every roll, oldest first, with a line with the date wherever
    // the day changes.
    QString record(const QDate& today = QDate::currentDate()) const;

private:
    const RollRecord::Entry& entry(int row) const;
    QDateTime when(int row) const;
    // Whether a row's roll came on another day than the roll before it.
    bool startsADay(int row) const;
    // A row's time of day and chat line.
    QString timedLine(int row) const;

    RollRecord m_record;
};

}  // namespace dicewright
