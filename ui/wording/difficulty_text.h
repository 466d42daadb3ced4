#pragma once

#include <QString>

#include "difficulty_roll.h"

namespace dicewright {

// What the verdict label says: "Success", "Success, 1 extra success", "Failure".
QString VerdictText(const Verdict& verdict);

// The verdict as the roll log writes it after the total: "success, 1 extra", "failure".
QString LoggedVerdictText(const Verdict& verdict);

// The exact chance of the test as set, then of the other choice of bonus: "Chance of success:
// 75.5% (without the bonus: 38.0%)", or with no bonus set "Chance of success: 38.0% (with step 4
// as bonus: 75.5%)", step 4's D6 being the usual bonus.
QString ChanceText(int step, int bonusStep, int difficulty);

// What the chance says while there is none to show, so that a screen reader that meets it (as
// the fields are shown) hears what it waits for.
QString NoChanceYetText();

}  // namespace dicewright
