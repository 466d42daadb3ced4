#pragma once

#include <array>
#include <exception>
#include <string_view>

namespace dicewright {

// What ended a call into the engine, as each face words it to the player: the overflow error,
// the floating-point error by its three causes, and what the language's runtime itself raises.
enum class Failure {
    Overflow,
    DivisionByZero,
    FloatingPointOverflow,
    InvalidOperation,
    OutOfMemory,
    OutOfRange,
    Unknown,
};

Failure FailureOf(const std::exception_ptr& error);

// Each failure's name and the words the player reads, in English: the desktop's message box
// and the web page take them from here, translated under the context the catalogues keep them
// in (kFailureContext).
struct FailureWords {
    Failure failure;
    std::string_view name;
    std::string_view words;
};

inline constexpr std::string_view kFailureContext = "dicewright::Application";

inline constexpr std::array kFailureWords{
    FailureWords{Failure::Overflow, "overflow", "Overflow"},
    FailureWords{Failure::DivisionByZero, "division-by-zero", "Division by zero"},
    FailureWords{Failure::FloatingPointOverflow, "floating-point-overflow",
                 "Floating-point overflow"},
    FailureWords{Failure::InvalidOperation, "invalid-operation",
                 "Invalid floating-point operation"},
    FailureWords{Failure::OutOfMemory, "out-of-memory", "Out of memory"},
    FailureWords{Failure::OutOfRange, "out-of-range", "A value out of range"},
    FailureWords{Failure::Unknown, "unknown", "Unknown error"},
};

constexpr const FailureWords& WordsOf(Failure failure) {
    return kFailureWords[static_cast<std::size_t>(failure)];
}

// The table is in the enumeration's order, so that WordsOf can index it.
static_assert([] {
    for (std::size_t i = 0; i < kFailureWords.size(); ++i)
        if (static_cast<std::size_t>(kFailureWords[i].failure) != i) return false;
    return kFailureWords.back().failure == Failure::Unknown;
}());

}  // namespace dicewright
