#include "test_text.h"

#include <QObject>

#include "program_locale.h"
#include "test_odds.h"

namespace dicewright {
namespace {

// The bonus a player usually buys: step 4, a D6.
constexpr int kUsualBonus = 4;

QString Percent(double chance) {
    return ProgramLocale().toString(100.0 * chance, 'f', 1) + QLatin1Char('%');
}

}  // namespace

QString VerdictText(const TestVerdict& verdict) {
    if (!verdict.success) return QObject::tr("Failure");
    if (verdict.extraSuccesses == 0) return QObject::tr("Success");
    return QObject::tr("Success, %1 extra success(es)", nullptr, verdict.extraSuccesses)
        .arg(ProgramLocale().toString(verdict.extraSuccesses));
}

QString LoggedVerdictText(const TestVerdict& verdict) {
    if (!verdict.success) return QObject::tr("failure");
    if (verdict.extraSuccesses == 0) return QObject::tr("success");
    return QObject::tr("success, %1 extra").arg(ProgramLocale().toString(verdict.extraSuccesses));
}

QString ChanceText(int step, int bonusStep, int difficulty) {
    const QString chance = QObject::tr("Chance of success: %1")
                               .arg(Percent(ChanceOfSuccess(step, bonusStep, difficulty)));
    if (bonusStep != kNoBonus) {
        return QObject::tr("%1 (without the bonus: %2)")
            .arg(chance, Percent(ChanceOfSuccess(step, kNoBonus, difficulty)));
    }
    return QObject::tr("%1 (with step %2 as bonus: %3)")
        .arg(chance)
        .arg(kUsualBonus)
        .arg(Percent(ChanceOfSuccess(step, kUsualBonus, difficulty)));
}

}  // namespace dicewright
