#include "odds_text.h"

#include <QStringList>

#include "program_locale.h"
#include "step_odds.h"
#include "step_table.h"

namespace dicewright {

QString AverageTotalLabel(const StepOdds& odds) {
    // A Rule of One shows no total, so where one can come the average leaves it out: say so.
    return odds.ruleOfOneOneIn == 0 ? QObject::tr("Average total")
                                    : QObject::tr("Average total (Rule of One aside)");
}

QString OddsText(int step) {
    const StepOdds odds = OddsOf(step);
    // Digit groups make "1 in 1,152,000" readable.
    const QLocale english = ProgramLocale();
    QStringList lines{QString::fromStdString(StepTable::Step(step).diceLabel).trimmed()};
    lines << AverageTotalLabel(odds) + QStringLiteral(": ") +
                 english.toString(odds.averageTotal, 'f', 2);
    lines << (odds.ruleOfOneOneIn == 0
                  ? QObject::tr("Rule of One: none")
                  : QObject::tr("Rule of One: 1 in %1")
                        .arg(english.toString(static_cast<qulonglong>(odds.ruleOfOneOneIn))));
    lines << (odds.explosionChance == 0.0
                  ? QObject::tr("Explosion: never")
                  : QObject::tr("Explosion: %1% of rolls")
                        .arg(english.toString(100.0 * odds.explosionChance, 'f', 1)));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace dicewright
