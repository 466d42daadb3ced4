#include "optional_number.h"

#include <algorithm>

namespace dicewright {

OptionalNumber ReadOptionalNumber(std::span<const int> digits, int greatest) {
    if (digits.empty()) return {};
    if (std::any_of(digits.begin(), digits.end(), [](int d) { return d < 0 || d > 9; }))
        return {.refusal = Refusal::NotANumber};
    if (digits.front() == 0) return {.refusal = Refusal::LeadingZero};
    int number = 0;
    for (const int digit : digits) {
        number = 10 * number + digit;
        // Stops before a long paste can overflow.
        if (number > greatest) return {.refusal = Refusal::TooLarge};
    }
    return {.value = number};
}

}  // namespace dicewright
