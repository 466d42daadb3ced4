#include "wording/difficulty_text.h"

#include <QCoreApplication>

#include "chance_shown.h"
#include "languages/program_locale.h"
#include "roll_settings.h"
#include "success_chance.h"

namespace dicewright {
namespace {

// The context translators see for the verdict of a test against a difficulty and its chance.
struct ChanceWords {
    Q_DECLARE_TR_FUNCTIONS(ChanceWords)
};

// A chance as the engine shows it: "75.5%", "100%" only where certain, "> 99.9%" where it
// merely rounds to certainty.
QString Percent(double chance) {
    const QLocale locale = ProgramLocale();
    const auto percent = [&locale](double value, int decimals) {
        //: A percentage: %1 is the number. The space before the sign, if any, is the one the
        //: language's own number forms use (CLDR).
        return ChanceWords::tr("%1%").arg(locale.toString(value, 'f', decimals));
    };
    const ShownChance shown = ShowChance(chance);
    switch (shown.band) {
        case ChanceBand::Certain:
            return percent(100, 0);
        case ChanceBand::NearlyCertain:
            //: A chance above 99.9% that does not reach certainty; it is spoken, so a word
            //: reads better than a sign.
            return ChanceWords::tr("> %1").arg(percent(99.9, 1));
        case ChanceBand::Tenths:
            return percent(shown.tenths / 10.0, 1);
        case ChanceBand::NearlyImpossible:
            //: A chance below 0.1% that is not impossible; spoken, like "> %1".
            return ChanceWords::tr("< %1").arg(percent(0.1, 1));
        case ChanceBand::Impossible:
            break;
    }
    return percent(0, 0);
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
    const int compared = ComparedBonusStep(bonusStep);
    const QString other = Percent(ChanceOfSuccess(step, compared, difficulty));
    if (compared == kNoBonus)
        return ChanceWords::tr("%1 (without the bonus: %2)").arg(chance, other);
    return ChanceWords::tr("%1 (with step %2 as bonus: %3)").arg(chance).arg(compared).arg(other);
}

QString NoChanceYetText() {
    return QCoreApplication::translate("dicewright::DifficultyControls",
                                       "Set a step and a difficulty for the chance of success");
}

}  // namespace dicewright
