#include "dice_text.h"

#include <QObject>
#include <QRegularExpression>
#include <variant>

#include "step_table.h"

namespace dicewright {

QString DiceText(const std::string& text) {
    //: The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).
    const QString letter = QObject::tr("D", "die letter");
    QString written = QString::fromStdString(text);
    if (letter == QLatin1String("D")) return written;
    // A die is a d or D just before its number of faces, so no other letter changes.
    static const QRegularExpression die(QStringLiteral("[dD](?=[0-9])"));
    return written.replace(die, letter);
}

QString DiceLabel(int step) {
    return DiceText(StepTable::Step(step).diceLabel);
}

QString StepCaption(int step) {
    return QObject::tr("STEP %1").arg(step);
}

QString TotalText(const RollOutcome& outcome) {
    if (std::holds_alternative<RuleOfOne>(outcome)) return QObject::tr("Rule of One");
    return QString::fromStdString(OutcomeText(outcome));
}

}  // namespace dicewright
