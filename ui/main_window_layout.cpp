#include "main_window_layout.h"

#include <algorithm>

#include "twips.h"

namespace dicewright {
namespace {

constexpr int kClientWidth = 9030;
constexpr int kClientHeight = 8685;

// The designed step options stand in four columns of ten, steps 1 to 10 down the first.
constexpr int kColumnLeft[] = {1200, 3000, 4800, 6600};
constexpr int kGridTop = 1320;
constexpr int kRowPitch = 480;
constexpr int kOptionWidth = 1455;
constexpr int kOptionHeight = 255;

// On a touch screen, in pixels: the window's edge, the space between its parts, and the least
// height of a button a thumb presses.
constexpr int kMargin = 8;
constexpr int kGap = 8;
constexpr int kLeastButton = 48;

// The 40 options in four columns of ten from (left, top), steps 1 to 10 down the first.
void PlaceSteps(MainWindowLayout& layout, int left, int top, int columnWidth, int rowHeight) {
    for (int step = 1; step <= 40; ++step) {
        const int column = (step - 1) / 10;
        const int row = (step - 1) % 10;
        layout.steps[step - 1] =
            QRect(left + column * columnWidth, top + row * rowHeight, columnWidth, rowHeight);
    }
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
void PlaceTotal(MainWindowLayout& layout, int left, int top) {
    const int line = LineHeight(layout.textPixels);
    const int totalLine = LineHeight(layout.totalPixels);
    const int captionWidth = 4 * layout.textPixels;
    layout.totalCaption = QRect(left, top + (totalLine - line) / 2, captionWidth, line);
    layout.total = QRect(left + captionWidth + kGap, top, layout.textPixels, totalLine);
}

// ROLL and EXIT side by side, sharing `width` from (left, top).
void PlaceButtons(MainWindowLayout& layout, int left, int top, int width, int height) {
    const int half = (width - kGap) / 2;
    layout.roll = QRect(left, top, half, height);
    layout.exit = QRect(left + half + kGap, top, half, height);
}

MainWindowLayout Upright(QSize available) {
    const int width = available.width();
    const int height = available.height();
    auto [layout, line, totalLine] = WithTextSize(std::clamp(width / 20, 16, 22));
    const int button = std::clamp(height / 12, kLeastButton, 64);
    const int fixed = 2 * kMargin + line + totalLine + button + 3 * kGap;
    const int row = std::min((height - fixed) / 10, 64);
    // What a tall screen has left over is shared between the parts.
    const int extra = std::max(0, height - fixed - 10 * row) / 4;

    int top = kMargin + extra;
    const int captionWidth = 6 * layout.textPixels;
    layout.stepDiceCaption = QRect(kMargin, top, captionWidth, line);
    layout.stepDice = QRect(kMargin + captionWidth + kGap, top, layout.textPixels, line);
    top += line + kGap + extra;
    PlaceSteps(layout, kMargin, top, (width - 2 * kMargin) / 4, row);
    top += 10 * row + kGap + extra;
    PlaceTotal(layout, kMargin, top);
    top += totalLine + kGap + extra;
    PlaceButtons(layout, kMargin, top, width - 2 * kMargin, button);
    return layout;
}

MainWindowLayout Sideways(QSize available) {
    const int width = available.width();
    const int height = available.height();
    auto [layout, line, totalLine] = WithTextSize(std::clamp(height / 22, 16, 20));
    const int row = std::min((height - 2 * kMargin) / 10, 48);
    const int columnWidth = std::min(layout.textPixels * 11 / 2, (width - 2 * kMargin) / 8);
    PlaceSteps(layout, kMargin, (height - 10 * row) / 2, columnWidth, row);

    // The dice, the total and the buttons, one above the other, beside the steps.
    const int left = kMargin + 4 * columnWidth + 2 * kGap;
    const int panelWidth = width - left - kMargin;
    const int panelHeight = 2 * line + totalLine + kLeastButton + 3 * kGap;
    int top = std::max(kMargin, (height - panelHeight) / 2);
    layout.stepDiceCaption = QRect(left, top, panelWidth, line);
    top += line;
    layout.stepDice = QRect(left, top, layout.textPixels, line);
    top += line + kGap;
    PlaceTotal(layout, left, top);
    top += totalLine + kGap;
    PlaceButtons(layout, left, top, panelWidth, kLeastButton);
    return layout;
}

}  // namespace

MainWindowLayout DesignedLayout() {
    MainWindowLayout layout;
    layout.stepDiceCaption = TwipsRect(2160, 480, 1335, 375);
    layout.stepDice = TwipsRect(4350, 480, 75, 300);
    for (int step = 1; step <= 40; ++step) {
        const int column = (step - 1) / 10;
        const int row = (step - 1) % 10;
        layout.steps[step - 1] =
            TwipsRect(kColumnLeft[column], kGridTop + kRowPitch * row, kOptionWidth, kOptionHeight);
    }
    layout.totalCaption = TwipsRect(3000, 6360, 1335, 375);
    layout.total = TwipsRect(5190, 6360, 75, 300);
    layout.roll = TwipsRect(2880, 7320, 1215, 495);
    layout.exit = TwipsRect(4440, 7320, 1215, 495);
    return layout;
}

QSize DesignedSize() {
    return {FromTwips(kClientWidth), FromTwips(kClientHeight)};
}

bool FitsDesignedLayout(QSize available) {
    const QSize designed = DesignedSize();
    return available.width() >= designed.width() && available.height() >= designed.height();
}

MainWindowLayout TouchLayout(QSize available) {
    return available.height() >= available.width() ? Upright(available) : Sideways(available);
}

}  // namespace dicewright
