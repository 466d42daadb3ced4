#pragma once

// The windows as they were designed, for a mouse and a desktop screen, in twips (15 to a
// device-independent pixel, widgets/twips.h): the one place their geometry is written. The
// desktop's layouts read it; the web build writes it as the page's CSS custom properties, in
// pixels (tools/designed_geometry.py); the shell tests take the places they press from it.
//
// Plain standard C++, no Qt, and one entry a line in one of three forms, which the script reads
// with a fixed pattern and refuses to guess past: C++ then needs no generated file (as it would
// with a JSON), and the script's reading cannot drift from the compiler's.
//   inline constexpr Twips kName = 9030;               a length
//   inline constexpr int kName = 10;                   a count
//   inline constexpr Box kName{left, top, width, height};
// The CSS names an entry as kebab case without its k, a box with -left, -top, -width, -height
// (kRoll: --roll-left ...); the shell tests in capitals, a box as its four numbers (ROLL).

namespace dicewright::design {

using Twips = int;

struct Box {
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

// The splash window: its client area, the frame that fills it but for a margin, and the
// frame's controls, each placed within the frame. The platform and version keep their right
// edges when their text is fitted, the others their left.
inline constexpr Twips kSplashWidth = 7380;
inline constexpr Twips kSplashHeight = 4245;
inline constexpr Box kSplashFrame{120, 135, 7080, 4050};
inline constexpr Box kSplashLogo{360, 795, 1815, 2385};
inline constexpr Box kSplashProductName{2520, 1140, 3405, 765};
inline constexpr Box kSplashPlatform{4950, 2340, 1905, 375};
inline constexpr Box kSplashVersion{5580, 2700, 1275, 285};
inline constexpr Box kSplashCopyright{4560, 3060, 2415, 255};
inline constexpr Box kSplashCompany{4560, 3270, 2415, 255};
inline constexpr Box kSplashStart{2550, 2820, 1485, 525};

// The main window's client area; with a test's controls it grows by a row of fields and a line
// for the chance, and the same margin below.
inline constexpr Twips kMainWidth = 9030;
inline constexpr Twips kMainHeight = 8685;
inline constexpr Twips kMainHeightWithDifficulty = 9540;

// The dice and total displays take the width of their text from the left edge given here.
inline constexpr Box kStepDiceCaption{2160, 480, 1335, 375};
inline constexpr Box kStepDice{4350, 480, 75, 300};

// The step options stand in columns of ten, steps 1 to 10 down the first: step 1's box, then
// each next row and column on by its pitch.
inline constexpr Box kFirstStep{1200, 1320, 1455, 255};
inline constexpr Twips kStepRowPitch = 480;
inline constexpr Twips kStepColumnPitch = 1800;
inline constexpr int kStepRows = 10;
inline constexpr int kStepColumns = 4;

inline constexpr Box kTotalCaption{3000, 6360, 1335, 375};
inline constexpr Box kTotal{5190, 6360, 75, 300};
inline constexpr Box kRoll{2880, 7320, 1215, 495};
inline constexpr Box kExit{4440, 7320, 1215, 495};

// A test's controls, shown only with it: the verdict under the total; the fields under the
// buttons, on the steps' columns, captions first; the chance below them.
inline constexpr Box kVerdict{3000, 6780, 5400, 300};
inline constexpr Box kDifficultyCaption{1200, 8220, 1455, 375};
inline constexpr Box kDifficulty{3000, 8160, 900, 375};
inline constexpr Box kBonusCaption{4800, 8220, 1455, 375};
inline constexpr Box kBonus{6600, 8160, 900, 375};
inline constexpr Box kChance{1200, 8760, 7200, 300};

// The left edge of the steps' column `column`, from 0, and the top of their row `row`.
constexpr Twips StepColumnLeft(int column) {
    return kFirstStep.left + kStepColumnPitch * column;
}
constexpr Twips StepRowTop(int row) {
    return kFirstStep.top + kStepRowPitch * row;
}

static_assert(kVerdict.left == StepColumnLeft(1) && kDifficultyCaption.left == StepColumnLeft(0) &&
                  kDifficulty.left == StepColumnLeft(1) &&
                  kBonusCaption.left == StepColumnLeft(2) && kBonus.left == StepColumnLeft(3) &&
                  kChance.left == StepColumnLeft(0),
              "a test's controls stand on the steps' columns");

}  // namespace dicewright::design
