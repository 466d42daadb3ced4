#include "roll_log/roll_log_model.h"

#include <QFont>
#include <algorithm>
#include <variant>

#include "languages/program_locale.h"
#include "step_table.h"
#include "wording/dice_text.h"
#include "wording/difficulty_text.h"

namespace dicewright {
namespace {

bool IsRuleOfOne(const RollThrows& roll) {
    return std::holds_alternative<RuleOfOne>(OutcomeOf(roll));
}

}  // namespace

RollLogModel::RollLogModel(QObject* parent, qsizetype capacity)
    : QAbstractListModel(parent), m_record(static_cast<std::size_t>(capacity)) {}

void RollLogModel::add(const StepThrows& roll, const QDateTime& when) {
    add(RollThrows{.step = roll, .bonus = {}, .difficulty = kNoDifficulty}, when);
}

void RollLogModel::add(const RollThrows& roll, const QDateTime& when) {
    if (m_record.full() && rowCount() > 0) {
        const int oldest = rowCount() - 1;
        beginRemoveRows({}, oldest, oldest);
        m_record.dropOldest();
        endRemoveRows();
    }
    beginInsertRows({}, 0, 0);
    m_record.add(roll, when.toMSecsSinceEpoch());
    endInsertRows();
}

int RollLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_record.size());
}

const RollRecord::Entry& RollLogModel::entry(int row) const {
    return m_record.row(static_cast<std::size_t>(row));
}

QVariant RollLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return line(index.row());
        case Qt::FontRole:
            if (IsRuleOfOne(entry(index.row()).roll)) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            break;
        default:
            break;
    }
    return {};
}

QString RollLogModel::chatLine(int row) const {
    const RollThrows& roll = entry(row).roll;
    const auto diceOf = [](const StepThrows& thrown) { return DiceLabel(thrown.step).trimmed(); };
    QString steps = tr("Step %1").arg(roll.step.step);
    QString dice = diceOf(roll.step);
    if (roll.hasBonus()) {
        steps = tr("%1 + step %2").arg(steps).arg(roll.bonus.step);
        dice = tr("%1 + %2").arg(dice, diceOf(roll.bonus));
    }
    //: A roll log line's steps and their dice: "Step 8 (2D6)".
    QString head = tr("%1 (%2)").arg(steps, dice);
    const RollOutcome outcome = OutcomeOf(roll);
    QString result = TotalText(outcome);
    if (roll.hasDifficulty()) {
        //: A test in a roll log line: %1 the steps and dice, %2 the difficulty.
        head = tr("%1 against %2").arg(head).arg(roll.difficulty);
        //: The total and the test's verdict in a roll log line: "15, success".
        result = tr("%1, %2").arg(result, LoggedVerdictText(Judge(outcome, roll.difficulty)));
    }
    //: A whole roll log line: %1 the steps and dice, %2 the total, %3 each die's faces.
    return tr("%1: %2 \u2014 %3").arg(head, result, ThrowsText(roll));
}

QDateTime RollLogModel::when(int row) const {
    return QDateTime::fromMSecsSinceEpoch(entry(row).msecsSinceEpoch);
}

bool RollLogModel::startsADay(int row) const {
    // Higher rows are older; the oldest kept has no roll before it to differ from.
    return row + 1 < rowCount() && when(row).date() != when(row + 1).date();
}

QString RollLogModel::timedLine(int row) const {
    return ProgramLocale().toString(when(row).time(), TimeWithSeconds(ProgramLocale())) +
           QStringLiteral("  ") + chatLine(row);
}

QString RollLogModel::line(int row) const {
    if (!startsADay(row)) return timedLine(row);
    return DayText(when(row).date()) + QStringLiteral("  ") + timedLine(row);
}

QString RollLogModel::linesOf(QList<int> rows) const {
    // Higher rows are older.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    QStringList lines;
    for (const int row : rows) lines << line(row);
    return lines.join(QLatin1Char('\n'));
}

QString RollLogModel::record(const QDate& today) const {
    const QDate first = rowCount() == 0 ? today : when(rowCount() - 1).date();
    QStringList lines{tr("Dicewright roll log, %1").arg(DayText(first))};
    if (const qint64 gone = dropped(); gone > 0) {
        lines << tr("(%1 earlier roll(s) no longer kept)", nullptr, CountForPlural(gone))
                     .arg(CountText(gone));
    }
    for (int row = rowCount() - 1; row >= 0; --row) {
        if (startsADay(row)) lines << DayText(when(row).date());
        lines << timedLine(row);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace dicewright
