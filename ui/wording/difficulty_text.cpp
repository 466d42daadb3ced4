#include "wording/difficulty_text.h"

#include <QCoreApplication>
#include <cmath>

#include "languages/program_locale.h"
#include "roll_settings.h"
#include "success_chance.h"

namespace dicewright {
namespace {

// The context translators see for the verdict of a test against a difficulty and its chance.
struct ChanceWords {
    Q_DECLARE_TR_FUNCTIONS(ChanceWords)
};

// A chance to a tenth of a percent; "100%" and "0%" only where they are exact, since a player
// reads them as certain, and "> 99.9%" or "< 0.1%" for what only rounds to them.
QString Percent(double chance) {
    const QLocale locale = ProgramLocale();
    const auto percent = [&locale](double value, int decimals) {
        //: A percentage: %1 is the number. The space before the sign, if any, is the one the
        //: language's own number forms use (CLDR).
        return ChanceWords::tr("%1%").arg(locale.toString(value, 'f', decimals));
    };
    if (chance >= 1.0) return percent(100, 0);
    if (chance <= 0.0) return percent(0, 0);
    const double tenths = std::round(1000.0 * chance);
    //: A chance above 99.9% that does not reach certainty; it is spoken, so a word reads better
    //: than a sign.
    if (tenths >= 1000.0) return ChanceWords::tr("> %1").arg(percent(99.9, 1));
    //: A chance below 0.1% that is not impossible; spoken, like "> %1".
    if (tenths <= 0.0) return ChanceWords::tr("< %1").arg(percent(0.1, 1));
    return percent(tenths / 10.0, 1);
}

}  // namespace

QString VerdictText(const Verdict& verdict) {
    if (!verdict.success) return ChanceWords::tr("Failure");
    if (verdict.extraSuccesses == 0) return ChanceWords::tr("Success");
    return ChanceWords::tr("Success, %1 extra success(es)", nullptr, verdict.extraSuccesses)
        .arg(CountText(verdict.extraSuccesses));
}

QString LoggedVerdictText(const Verdict& verdict) {
    //: A test's verdict inside a roll log line, after the total: "9, failure".
    if (!verdict.success) return ChanceWords::tr("failure");
    //: A test's verdict inside a roll log line, after the total: "15, success".
    if (verdict.extraSuccesses == 0) return ChanceWords::tr("success");
    //: A success with extra successes in a roll log line: "20, success, 2 extra". %1 is their
    //: number.
    return ChanceWords::tr("success, %1 extra").arg(CountText(verdict.extraSuccesses));
}

QString ChanceText(int step, int bonusStep, int difficulty) {
    const QString chance = ChanceWords::tr("Chance of success: %1")
                               .arg(Percent(ChanceOfSuccess(step, bonusStep, difficulty)));
    if (bonusStep != kNoBonus) {
        return ChanceWords::tr("%1 (without the bonus: %2)")
            .arg(chance, Percent(ChanceOfSuccess(step, kNoBonus, difficulty)));
    }
    return ChanceWords::tr("%1 (with step %2 as bonus: %3)")
        .arg(chance)
        .arg(kUsualBonusStep)
        .arg(Percent(ChanceOfSuccess(step, kUsualBonusStep, difficulty)));
}

}  // namespace dicewright
