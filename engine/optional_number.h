#pragma once

#include <cstdint>
#include <span>

namespace dicewright {

// A character of a number field as the rule reads it: the value 0 to 9 of a decimal digit of
// any script (each face knows its own characters), or kNotADigit.
inline constexpr int kNotADigit = -1;

// Why a field's text was refused.
enum class Refusal : std::int32_t { None, NotANumber, LeadingZero, TooLarge };

struct OptionalNumber {
    // The number, 0 for none; meaningful only where nothing was refused.
    int value = 0;
    Refusal refusal = Refusal::None;
    bool accepted() const { return refusal == Refusal::None; }
};

// The rule of a field that may be left empty, such as a test's difficulty: empty means none (0);
// otherwise a whole number from 1 to `greatest`, written without a leading zero. Anything else,
// "0", "07", "12abc" or a number past `greatest`, is refused whole, and the field keeps its last
// good value.
OptionalNumber ReadOptionalNumber(std::span<const int> digits, int greatest);

}  // namespace dicewright
