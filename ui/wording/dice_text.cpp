#include "wording/dice_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstdlib>
#include <variant>

#include "step_table.h"

namespace dicewright {
namespace {

// The context translators see for the dice, the step captions and the total.
struct DiceWords {
    Q_DECLARE_TR_FUNCTIONS(DiceWords)
};

QString DieLetter() {
    //: The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).
    return DiceWords::tr("D", "die letter");
}

// English writes step 1's single die "d4-2", as the printed step tables do.
QString SmallDieLetter() {
    //: The die letter where step 1's dice write it small in English: "d4-2". A language whose
    //: dice are always written with a capital gives its capital letter here.
    return DiceWords::tr("d", "die letter, small");
}

// One step's dice: each die's faces in the order thrown, their sum where it exploded, and the
// modifier of steps 1 and 2 with a true minus sign, as printed dice notation has it.
QStringList DiceThrown(const StepThrows& throws) {
    const StepDefinition& step = StepTable::Step(throws.step);
    QStringList dice;
    for (std::size_t die = 0; die < throws.count; ++die) {
        QStringList faces;
        for (const int face : FacesShown(throws, die)) faces << QString::number(face);
        //: A die and the faces it showed, in the roll log: "D6: 6 + 4 = 10". %1 is the die, %2
        //: its faces with their sum.
        QString text = DiceWords::tr("%1: %2").arg(DieLetter() + QString::number(step.dice[die]),
                                                   faces.join(QStringLiteral(" + ")));
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
    QString written = QString::fromStdString(text);
    // A die is a d or D just before its number of faces, so no other letter changes.
    static const QRegularExpression small(QStringLiteral("d(?=[0-9])"));
    static const QRegularExpression capital(QStringLiteral("D(?=[0-9])"));
    return written.replace(small, SmallDieLetter()).replace(capital, DieLetter());
}

QString DiceLabel(int step) {
    return DiceText(StepTable::Step(step).diceLabel);
}

QString StepCaption(int step) {
    //: A step option's caption, in capitals as the window draws it: "STEP 8".
    return DiceWords::tr("STEP %1").arg(step);
}

QString ThrowsText(const RollThrows& throws) {
    QStringList dice = DiceThrown(throws.step);
    if (throws.hasBonus()) dice << DiceThrown(throws.bonus);
    return dice.join(QStringLiteral(" \u00b7 "));
}

QString TotalText(const RollOutcome& outcome) {
    //: The total shown when every die of a step came up 1: the game's name for that roll.
    if (std::holds_alternative<RuleOfOne>(outcome)) return DiceWords::tr("Rule of One");
    return QString::fromStdString(OutcomeText(outcome));
}

}  // namespace dicewright
