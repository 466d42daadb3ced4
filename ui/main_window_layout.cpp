#include "main_window_layout.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "dice_text.h"
#include "fonts.h"
#include "touch_sizes.h"
#include "twips.h"

namespace dicewright {
namespace {

constexpr int kClientWidth = 9030;
constexpr int kClientHeight = 8685;
// With a test's controls: a row of fields and a line for the chance, and the same margin below.
constexpr int kClientHeightWithDifficulty = 9540;

// The designed step options stand in four columns of ten, steps 1 to 10 down the first.
constexpr int kColumnLeft[] = {1200, 3000, 4800, 6600};
constexpr int kGridTop = 1320;
constexpr int kRowPitch = 480;
constexpr int kOptionWidth = 1455;
constexpr int kOptionHeight = 255;

constexpr int kRows = 10;
constexpr int kColumns = StepTable::kStepCount / kRows;

// On a touch screen, in pixels: the window's edge and the space between its parts.
constexpr int kMargin = 8;
constexpr int kGap = 8;

// Steps 1 to 10 run down the first column, 11 to 20 down the second, and so on.
int ColumnOf(int step) {
    return (step - 1) / kRows;
}
int RowOf(int step) {
    return (step - 1) % kRows;
}

// The options in four columns of ten from the step area's corner.
void PlaceSteps(MainWindowLayout& layout, int columnWidth, int rowHeight) {
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        layout.steps[step - 1] =
            QRect(ColumnOf(step) * columnWidth, RowOf(step) * rowHeight, columnWidth, rowHeight);
    }
}

// The pixels a text of `ems` pixels a pixel of text size takes at `pixels`.
int Width(double ems, int pixels) {
    return static_cast<int>(std::ceil(ems * pixels));
}

// A caption's line, and the total's.
int LineHeight(int pixels) {
    return pixels * 3 / 2;
}

// A layout with its texts sized from a base size (the total the largest text in the window),
// and the heights of a caption's line and of the total's.
struct TextSized {
    MainWindowLayout layout;
    int line;
    int totalLine;
};
TextSized WithTextSize(int text) {
    TextSized sized;
    sized.layout.textPixels = text;
    sized.layout.buttonPixels = text + 2;
    sized.layout.totalPixels = 2 * text;
    sized.line = LineHeight(text);
    sized.totalLine = LineHeight(2 * text);
    return sized;
}

// "TOTAL" and the total on one line from (left, top); the caption is centred on the total.
void PlaceTotal(MainWindowLayout& layout, int left, int top, const TextWidths& widths) {
    const int line = LineHeight(layout.textPixels);
    const int totalLine = LineHeight(layout.totalPixels);
    const int captionWidth = Width(widths.totalCaption, layout.textPixels) + kGap;
    layout.totalCaption = QRect(left, top + (totalLine - line) / 2, captionWidth, line);
    layout.total = QRect(left + captionWidth + kGap, top, layout.textPixels, totalLine);
}

// A test field, its width, and whether the two fields with their captions fit side by side in
// `width`; where they do not, each stands on a row of its own.
int FieldWidth(const MainWindowLayout& layout) {
    return std::max(kThumbTarget, 3 * layout.textPixels);
}
bool DifficultyFieldsSideBySide(const MainWindowLayout& layout, int width,
                                const TextWidths& widths) {
    const int half = (width - kGap) / 2;
    return Width(widths.difficultyCaption, layout.textPixels) + kGap / 2 + FieldWidth(layout) <=
           half;
}

// The test's two fields, each after its caption, sharing `width` from (left, top): side by side
// in rows of `height`, or one above the other where the captions need the room. Returns the
// height they take.
int PlaceDifficultyFields(MainWindowLayout& layout, int left, int top, int width, int height,
                          const TextWidths& widths) {
    const bool sideBySide = DifficultyFieldsSideBySide(layout, width, widths);
    const int column = sideBySide ? (width - kGap) / 2 : width;
    const int field = FieldWidth(layout);
    const int caption = column - field - kGap / 2;
    const int captionHeight = LineHeight(layout.textPixels);
    const auto place = [&](QRect& captionRect, QRect& fieldRect, int columnLeft, int rowTop) {
        captionRect =
            QRect(columnLeft, rowTop + (height - captionHeight) / 2, caption, captionHeight);
        fieldRect = QRect(columnLeft + caption + kGap / 2, rowTop, field, height);
    };
    auto& fields = layout.difficulty;
    place(fields.difficultyCaption, fields.difficulty, left, top);
    if (sideBySide) {
        place(fields.bonusCaption, fields.bonus, left + column + kGap, top);
        return height;
    }
    place(fields.bonusCaption, fields.bonus, left, top + height + kGap);
    return 2 * height + kGap;
}

// ROLL and EXIT side by side, sharing `width` from (left, top).
void PlaceButtons(MainWindowLayout& layout, int left, int top, int width, int height) {
    const int half = (width - kGap) / 2;
    layout.roll = QRect(left, top, half, height);
    layout.exit = QRect(left + half + kGap, top, half, height);
}

MainWindowLayout Upright(QSize available, bool withDifficulty, const TextWidths& widths) {
    const int width = available.width();
    const int height = available.height();
    // The narrowest phones keep a thin edge, so that four captions fit across at a legible size.
    const int margin = width < 360 ? 2 : kMargin;
    auto [layout, line, totalLine] = WithTextSize(std::clamp(width / 20, kLeastTouchText, 22));
    const int button = std::clamp(height / 12, kThumbButton, 64);
    // The fields (on one row, or two where their captions need it), two lines for the chance
    // and one for the verdict.
    const int fieldRows = DifficultyFieldsSideBySide(layout, width - 2 * margin, widths)
                              ? kThumbTarget
                              : 2 * kThumbTarget + kGap;
    const int difficultyHeight = withDifficulty ? fieldRows + 3 * line + 3 * kGap : 0;
    const int fixed = 2 * margin + line + totalLine + button + 3 * kGap + difficultyHeight;
    // Rows a thumb picks out; a screen too short for ten of them scrolls the steps.
    const int room = height - fixed;
    const int row = std::clamp(room / kRows, kThumbTarget, 64);
    const int areaHeight = std::min(room, kRows * row);
    // What a tall screen has left over is shared between the parts.
    const int extra = std::max(0, room - areaHeight) / 4;

    int top = margin + extra;
    const int captionWidth = Width(widths.stepDiceCaption, layout.textPixels) + kGap;
    layout.stepDiceCaption = QRect(margin, top, captionWidth, line);
    layout.stepDice = QRect(margin + captionWidth + kGap, top, layout.textPixels, line);
    top += line + kGap + extra;
    const int columnWidth = (width - 2 * margin) / kColumns;
    layout.stepArea = QRect(margin, top, kColumns * columnWidth, areaHeight);
    PlaceSteps(layout, columnWidth, row);
    top += areaHeight + kGap + extra;
    if (withDifficulty) {
        top +=
            PlaceDifficultyFields(layout, margin, top, width - 2 * margin, kThumbTarget, widths) +
            kGap;
        layout.difficulty.chance = QRect(margin, top, width - 2 * margin, 2 * line);
        top += 2 * line + kGap;
    }
    PlaceTotal(layout, margin, top, widths);
    top += totalLine + kGap;
    if (withDifficulty) {
        layout.difficulty.result = QRect(margin, top, width - 2 * margin, line);
        top += line + kGap;
    }
    top += extra;
    PlaceButtons(layout, margin, top, width - 2 * margin, button);
    return layout;
}

MainWindowLayout Sideways(QSize available, bool withDifficulty, const TextWidths& widths) {
    const int width = available.width();
    const int height = available.height();
    auto [layout, line, totalLine] = WithTextSize(std::clamp(height / 22, kLeastTouchText, 20));
    // The test's fields and the chance take a strip across the foot of the screen.
    const int strip = withDifficulty ? 2 * line : 0;
    const int room = height - 2 * kMargin - (withDifficulty ? strip + kGap : 0);
    const int row = std::clamp(room / kRows, kLeastTarget, kThumbButton);
    // The dice, the total and the buttons stand beside the steps in a panel wide enough for the
    // longest dice label, "Rule of One" and two buttons; the steps take the rest, up to what a
    // caption needs.
    const int leastPanel = Width(widths.panel, layout.textPixels);
    const int columnWidth =
        std::min(Width(widths.stepCaption, layout.textPixels) + widths.optionMark + kGap,
                 (width - 2 * kMargin - 2 * kGap - leastPanel) / kColumns);
    const int areaHeight = std::min(room, kRows * row);
    layout.stepArea =
        QRect(kMargin, kMargin + (room - areaHeight) / 2, kColumns * columnWidth, areaHeight);
    PlaceSteps(layout, columnWidth, row);

    // The dice, the total and the buttons, one above the other, beside the steps.
    const int left = layout.stepArea.right() + 1 + 2 * kGap;
    const int panelWidth = width - left - kMargin;
    const int panelHeight = (withDifficulty ? 4 : 3) * line + totalLine + kThumbButton + 3 * kGap;
    int top = kMargin + std::max(0, (room - panelHeight) / 2);
    layout.stepDiceCaption = QRect(left, top, panelWidth, line);
    top += line;
    layout.stepDice = QRect(left, top, layout.textPixels, line);
    top += line + kGap;
    // "TOTAL" above the total, which may be as wide as the panel.
    layout.totalCaption = QRect(left, top, panelWidth, line);
    top += line;
    layout.total = QRect(left, top, layout.textPixels, totalLine);
    top += totalLine;
    if (withDifficulty) {
        layout.difficulty.result = QRect(left, top, panelWidth, line);
        top += line;
    }
    top += kGap;
    PlaceButtons(layout, left, top, panelWidth, kThumbButton);
    if (withDifficulty) {
        // The fields at the left, as wide as their captions need, the chance beside them.
        const int stripTop = height - kMargin - strip;
        const int fieldsWidth =
            2 * (Width(widths.difficultyCaption, layout.textPixels) + FieldWidth(layout) + kGap) +
            kGap;
        PlaceDifficultyFields(layout, kMargin, stripTop, fieldsWidth, strip, widths);
        const int chanceLeft = kMargin + fieldsWidth + 2 * kGap;
        layout.difficulty.chance = QRect(chanceLeft, stripTop, width - chanceLeft - kMargin, strip);
    }
    return layout;
}

}  // namespace

MainWindowLayout DesignedLayout(bool withDifficulty) {
    MainWindowLayout layout;
    layout.stepDiceCaption = TwipsRect(2160, 480, 1335, 375);
    layout.stepDice = TwipsRect(4350, 480, 75, 300);
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        layout.steps[step - 1] =
            TwipsRect(kColumnLeft[ColumnOf(step)], kGridTop + kRowPitch * RowOf(step), kOptionWidth,
                      kOptionHeight);
    }
    layout.totalCaption = TwipsRect(3000, 6360, 1335, 375);
    layout.total = TwipsRect(5190, 6360, 75, 300);
    layout.roll = TwipsRect(2880, 7320, 1215, 495);
    layout.exit = TwipsRect(4440, 7320, 1215, 495);
    if (withDifficulty) {
        // The verdict under the total; the fields under the buttons, on the steps' columns, with
        // the chance below them.
        layout.difficulty.result = TwipsRect(kColumnLeft[1], 6780, 5400, 300);
        layout.difficulty.difficultyCaption = TwipsRect(kColumnLeft[0], 8220, kOptionWidth, 375);
        layout.difficulty.difficulty = TwipsRect(kColumnLeft[1], 8160, 900, 375);
        layout.difficulty.bonusCaption = TwipsRect(kColumnLeft[2], 8220, kOptionWidth, 375);
        layout.difficulty.bonus = TwipsRect(kColumnLeft[3], 8160, 900, 375);
        layout.difficulty.chance = TwipsRect(kColumnLeft[0], 8760, 7200, 300);
    }
    return layout;
}

QSize DesignedSize(bool withDifficulty) {
    return {FromTwips(kClientWidth),
            FromTwips(withDifficulty ? kClientHeightWithDifficulty : kClientHeight)};
}

bool FitsDesignedLayout(QSize available, bool withDifficulty) {
    const QSize designed = DesignedSize(withDifficulty);
    return available.width() >= designed.width() && available.height() >= designed.height();
}

MainWindowLayout TouchLayout(QSize available, bool withDifficulty, const TextWidths& widths) {
    return available.height() >= available.width() ? Upright(available, withDifficulty, widths)
                                                   : Sideways(available, withDifficulty, widths);
}

TextWidths TextWidths::Measured() {
    // Measured large, so that rounding leaves nothing out at any size.
    constexpr int kPixels = 100;
    QFont text = ArialNarrow(12);
    text.setPixelSize(kPixels);
    QFont bold = text;
    bold.setBold(true);
    QFont button = ArialNarrow(18, QFont::Bold);
    button.setPixelSize(kPixels + 2 * kPixels / 16);
    const QFontMetricsF plain(text), total(bold), buttons(button);
    const auto ems = [](const QFontMetricsF& metrics, const QString& words) {
        return metrics.horizontalAdvance(words) / kPixels;
    };
    // The captions as the windows that show them translate them.
    TextWidths widths;
    widths.stepDiceCaption =
        ems(plain, QCoreApplication::translate("dicewright::MainWindow", "STEP DICE"));
    widths.totalCaption =
        ems(plain, QCoreApplication::translate("dicewright::MainWindow", "TOTAL"));
    widths.difficultyCaption = std::max(
        ems(plain, QCoreApplication::translate("dicewright::DifficultyControls", "DIFFICULTY")),
        ems(plain, QCoreApplication::translate("dicewright::DifficultyControls", "BONUS STEP")));
    // The total is drawn twice the caption's size.
    double panel = 2 * ems(total, TotalText(RuleOfOne{}));
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        widths.stepCaption = std::max(widths.stepCaption, ems(plain, StepCaption(step)));
        panel = std::max(panel, ems(plain, DiceLabel(step)));
    }
    const double margins = 2.0;  // a button's margins, in text pixels
    widths.panel = std::max(
        panel, ems(buttons, QCoreApplication::translate("dicewright::MainWindow", "ROLL")) +
                   ems(buttons, QCoreApplication::translate("dicewright::MainWindow", "EXIT")) +
                   2 * margins);
    const QStyle* style = QApplication::style();
    widths.optionMark = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                        style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    return widths;
}

}  // namespace dicewright
