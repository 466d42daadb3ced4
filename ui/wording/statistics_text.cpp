#include "wording/statistics_text.h"

#include <QCoreApplication>

#include "languages/program_locale.h"
#include "step_odds.h"
#include "wording/odds_text.h"

namespace dicewright {
namespace {

// The context translators see for the lines of the roll log that judge each step's dice.
struct FairnessWords {
    Q_DECLARE_TR_FUNCTIONS(FairnessWords)
};

}  // namespace

QString StatisticsLine(const StepTallyReport& report) {
    const QLocale locale = ProgramLocale();
    const auto number = [&](double value) {
        return locale.toString(value, 'f', StatisticDecimals(value));
    };
    const auto count = [&](std::uint64_t value) { return CountText(static_cast<qint64>(value)); };
    const std::uint64_t shown = report.rolls - report.rulesOfOne;
    const QString range = FairnessWords::tr("%1 to %2")
                              .arg(number(report.fairRange.low), number(report.fairRange.high));
    QString verdict;
    switch (report.verdict) {
        case FairnessVerdict::NotJudged:
            verdict = FairnessWords::tr("judged once %1 total(s) are in (%2 so far)", nullptr,
                                        static_cast<int>(RollTally::kFewestToJudge))
                          .arg(count(RollTally::kFewestToJudge), count(shown));
            break;
        case FairnessVerdict::Lower:
            verdict =
                FairnessWords::tr("lower than fair dice give 99 times in 100 (%1)").arg(range);
            break;
        case FairnessVerdict::Within:
            verdict = FairnessWords::tr("within the range fair dice give 99 times in 100 (%1)")
                          .arg(range);
            break;
        case FairnessVerdict::Higher:
            verdict =
                FairnessWords::tr("higher than fair dice give 99 times in 100 (%1)").arg(range);
            break;
    }
    QStringList parts;
    const int rolls = CountForPlural(static_cast<qint64>(report.rolls));
    parts << (report.bonusStep == kNoBonus
                  ? FairnessWords::tr("Step %1: %2 roll(s)", nullptr, rolls)
                        .arg(report.step)
                        .arg(count(report.rolls))
                  : FairnessWords::tr("Step %1 + step %2: %3 roll(s)", nullptr, rolls)
                        .arg(report.step)
                        .arg(report.bonusStep)
                        .arg(count(report.rolls)));
    //: %1 is "Average total" (or its Rule of One form), %2 the average of the rolls so far, %3
    //: the average fair dice give, %4 the verdict on the dice: "Average total 8.75, exact 8.58:
    //: within the range fair dice give 99 times in 100 (6.10 to 11.06)".
    parts << FairnessWords::tr("%1 %2, exact %3: %4")
                 .arg(AverageTotalLabel(OddsOf(report.step, report.bonusStep)),
                      //: What stands for the average where every roll so far was a Rule of
                      //: One, so no total came yet.
                      shown == 0 ? FairnessWords::tr("none") : number(report.averageShown),
                      number(report.exactAverage), verdict);
    if (report.expectedRulesOfOne > 0.0) {
        parts << FairnessWords::tr("Rule of One: %1, expected %2")
                     .arg(count(report.rulesOfOne), number(report.expectedRulesOfOne));
    }
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString DroppedText(qint64 dropped, qint64 kept) {
    return QCoreApplication::translate(
               "dicewright::RollLogWindow",
               "%1 earlier roll(s) are no longer kept: the log holds the last %2.", nullptr,
               CountForPlural(dropped))
        .arg(CountText(dropped), CountText(kept));
}

}  // namespace dicewright
