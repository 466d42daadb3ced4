#include "wording/odds_text.h"

#include <QCoreApplication>
#include <QStringList>

#include "languages/program_locale.h"
#include "step_odds.h"
#include "step_table.h"
#include "wording/dice_text.h"

namespace dicewright {
namespace {

// The context translators see for a step's odds, in the tooltip of its option.
struct OddsWords {
    Q_DECLARE_TR_FUNCTIONS(OddsWords)
};

}  // namespace

QString AverageTotalLabel(const StepOdds& odds) {
    // A Rule of One shows no total, so where one can come the average leaves it out: say so.
    return odds.ruleOfOneOneIn == 0 ? OddsWords::tr("Average total")
                                    : OddsWords::tr("Average total (Rule of One aside)");
}

QString OddsText(int step) {
    const StepOdds odds = OddsOf(step);
    // Digit groups make "1 in 1,152,000" readable.
    const QLocale locale = ProgramLocale();
    QStringList lines{DiceLabel(step).trimmed()};
    lines << OddsWords::tr("%1: %2").arg(AverageTotalLabel(odds),
                                         locale.toString(odds.averageTotal, 'f', 2));
    lines << (odds.ruleOfOneOneIn == 0
                  ? OddsWords::tr("Rule of One: none")
                  : OddsWords::tr("Rule of One: 1 in %1")
                        .arg(CountText(static_cast<qint64>(odds.ruleOfOneOneIn))));
    lines << (odds.explosionChance == 0.0
                  ? OddsWords::tr("Explosion: never")
                  : OddsWords::tr("Explosion: %1% of rolls")
                        .arg(locale.toString(100.0 * odds.explosionChance, 'f', 1)));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace dicewright
