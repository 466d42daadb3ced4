#pragma once

namespace dicewright {

// How large a target a finger meets, in CSS pixels: phone makers ask 44 to 48 for a thumb, and
// WCAG 2.2 at least 24 where a target can be no larger (a phone held sideways).
constexpr int kThumbTarget = 44;
constexpr int kThumbButton = 48;
constexpr int kLeastTarget = 24;
// The least size of a text on a phone held at arm's length.
constexpr int kLeastTouchText = 16;

}  // namespace dicewright
