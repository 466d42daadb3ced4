#include "dice_text.h"

#include <QObject>
#include <QRegularExpression>
#include <QStringList>
#include <cstdlib>
#include <variant>

#include "step_table.h"

namespace dicewright {

namespace {

QString DieLetter() {
    //: The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).
    return QObject::tr("D", "die letter");
}

// One step's dice: each die's faces in the order thrown, their sum where it exploded, and the
// modifier of steps 1 and 2 with a true minus sign, as printed dice notation has it.
QStringList DiceThrown(const StepThrows& throws) {
    const StepDefinition& step = StepTable::Step(throws.step);
    QStringList dice;
    for (std::size_t die = 0; die < throws.count; ++die) {
        QStringList faces;
        for (const int face : FacesShown(throws, die)) faces << QString::number(face);
        QString text = DieLetter() + QString::number(step.dice[die]) + QStringLiteral(": ") +
                       faces.join(QStringLiteral(" + "));
        if (faces.size() > 1) text += QStringLiteral(" = ") + QString::number(throws.values[die]);
        if (step.modifier != 0) {
            text += (step.modifier < 0 ? QStringLiteral(" \u2212 ") : QStringLiteral(" + ")) +
                    QString::number(std::abs(step.modifier));
        }
        dice << text;
    }
    return dice;
}

}  // namespace

QString DiceText(const std::string& text) {
    const QString letter = DieLetter();
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

QString ThrowsText(const RollThrows& throws) {
    QStringList dice = DiceThrown(throws.step);
    if (throws.hasBonus()) dice << DiceThrown(throws.bonus);
    return dice.join(QStringLiteral(" \u00b7 "));
}

QString TotalText(const RollOutcome& outcome) {
    if (std::holds_alternative<RuleOfOne>(outcome)) return QObject::tr("Rule of One");
    return QString::fromStdString(OutcomeText(outcome));
}

}  // namespace dicewright
