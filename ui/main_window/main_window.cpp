#include "main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "accessibility/accessibility.h"
#include "app/error_boundary.h"
#include "app/fonts.h"
#include "main_window/difficulty_controls.h"
#include "main_window/main_window_layout.h"
#include "main_window/press_and_hold.h"
#include "main_window/total_display.h"
#include "roll_log/roll_log_model.h"
#include "roll_log/roll_log_window.h"
#include "roll_press.h"
#include "step_table.h"
#include "widgets/caption_fit.h"
#include "widgets/fitted_label.h"
#include "wording/dice_text.h"
#include "wording/odds_text.h"

namespace dicewright {
namespace {

const QColor kBackground(0, 64, 0);
const QColor kForeground(192, 192, 0);

// The designed fonts, made once the application's own font is known.
QFont DesignedText() {
    return ArialNarrow(12);
}
QFont DesignedButton() {
    return ArialNarrow(18, QFont::Bold);
}

// A press anywhere on a step option's rectangle, caption and blank alike, chooses the step, as
// with the option buttons it was designed after; on a touch screen the whole cell is the target.
class StepOption : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QLabel* MakeCaption(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

template <typename Display>
Display* MakeDisplay(const QString& name, const QString& description, QWidget* parent) {
    auto* display = new Display(QRect(), Qt::AlignHCenter, parent);
    display->setObjectName(name);
    // The accessible name stays the text itself, so a screen reader reads the value and hears
    // it change; the description says what the value is.
    display->setAccessibleDescription(description);
    return display;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Buttons keep the platform's own colours rather than inherit the window's.
    const QPalette platform = QApplication::palette(button);
    QPalette own = button->palette();
    for (const auto role : {QPalette::Window, QPalette::WindowText})
        own.setColor(role, platform.color(role));
    button->setPalette(own);
    return button;
}

}  // namespace

MainWindow::MainWindow(RandomSource& random, QWidget* parent) : QWidget(parent), m_random(random) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("Dicewright"));
    setWindowTitle(QStringLiteral("Dicewright"));
    resize(DesignedSize());

    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kForeground);
    setPalette(colours);

    //: The caption before the chosen step's dice ("2D6"), in capitals; its box is narrow, so
    //: the language's short word for the dice is best.
    m_stepDiceCaption = MakeCaption(QStringLiteral("StepDiceLabel"), tr("STEP DICE"), this);
    m_stepDice = MakeDisplay<FittedLabel>(QStringLiteral("lblStepDice"),
                                          tr("Dice of the chosen step"), this);
    createStepOptions();
    //: The caption before the total of the last roll, in capitals.
    m_totalCaption = MakeCaption(QStringLiteral("Label1"), tr("TOTAL"), this);
    m_total = MakeDisplay<TotalDisplay>(QStringLiteral("lblTotal"), TotalDisplay::Purpose(), this);
    //: The button that throws the dice, in capitals; the button is small (about 8 capitals of
    //: this size), so a short word keeps it legible.
    m_roll = MakeButton(QStringLiteral("Command1"), tr("ROLL"), this);
    m_roll->setAccessibleDescription(tr("Roll the dice of the chosen step"));
    //: The button that ends the program, in capitals; as small as the one beside it.
    m_exit = MakeButton(QStringLiteral("cmdExit"), tr("EXIT"), this);
    m_exit->setAccessibleDescription(tr("End the program"));
    setFocusOrder();
    m_difficulty = new DifficultyControls(this, m_exit, m_roll);
    createLogActions();
    createDifficultyAction();
    applyLayout(DesignedLayout());
    connect(m_steps, &QButtonGroup::idToggled, this, Guarded([this](int step, bool checked) {
                if (checked) optStep_Click(step);
            }));
    connect(m_difficulty, &DifficultyControls::changed, this, Guarded([this] { showChance(); }));
    connect(m_roll, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(m_exit, &QPushButton::clicked, this, Guarded([this] { cmdExit_Click(); }));

    Form_Load();
}

void MainWindow::createStepOptions() {
    m_steps = new QButtonGroup(this);
    m_steps->setObjectName(QStringLiteral("grpSteps"));
    for (const StepDefinition& step : StepTable::All()) {
        auto* option = new StepOption(StepCaption(step.number), this);
        option->setObjectName(QString::fromStdString(step.optionName));
        const QString odds = OddsText(step.number);
        option->setToolTip(odds);
        option->setAccessibleDescription(odds);
        m_steps->addButton(option, step.number);
    }
}

// Tab visits the steps column by column, but ROLL comes before STEP 29 and STEP 30, and EXIT
// last of all.
void MainWindow::setFocusOrder() {
    QList<QWidget*> order;
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        if (step != 29 && step != 30) order.append(m_steps->button(step));
    }
    order << m_roll << m_steps->button(29) << m_steps->button(30) << m_exit;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    order.first()->setFocus();
}

void MainWindow::applyLayout(const MainWindowLayout& layout) {
    // Fonts first: the displays fit their text in the font they will show it in.
    setFont(DesignedText());
    m_total->setFont(font());
    m_stepDiceCaption->setGeometry(layout.stepDiceCaption);
    m_stepDice->place(layout.stepDice);
    placeSteps(layout);
    m_totalCaption->setGeometry(layout.totalCaption);
    m_total->place(layout.total);
    m_roll->setGeometry(layout.roll);
    m_exit->setGeometry(layout.exit);
    // Placed, the captions take the window's fonts, smaller where a language's text is longer.
    for (QWidget* caption : {m_stepDiceCaption, m_totalCaption}) FitCaption(caption, font());
    // The steps in one size, the largest that all of them fit in; ROLL and EXIT likewise.
    QFont steps = font();
    for (QAbstractButton* option : m_steps->buttons()) steps = FitCaption(option, steps);
    for (QAbstractButton* option : m_steps->buttons()) option->setFont(steps);
    QFont buttons = DesignedButton();
    for (QPushButton* button : {m_roll, m_exit}) buttons = FitCaption(button, buttons);
    for (QPushButton* button : {m_roll, m_exit}) button->setFont(buttons);
    m_difficulty->place(layout.difficulty);
}

void MainWindow::placeSteps(const MainWindowLayout& layout) {
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step)
        m_steps->button(step)->setGeometry(layout.steps[step - 1]);
}

void MainWindow::createDifficultyAction() {
    m_difficultyAction = new QAction(tr("Test against a difficulty"), this);
    m_difficultyAction->setObjectName(QStringLiteral("actDifficulty"));
    m_difficultyAction->setCheckable(true);
    // The menu names Ctrl+T. Alt+T works too, as on the web page, whose browser keeps Ctrl+T
    // for a new tab: a player who knows one edition's keys has them in the other.
    m_difficultyAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_T), QKeySequence(Qt::ALT | Qt::Key_T)});
    connect(m_difficultyAction, &QAction::toggled, this,
            Guarded([this](bool shown) { showDifficulty(shown); }));
    addAction(m_difficultyAction);
    m_menu->addAction(m_difficultyAction);
}

void MainWindow::showDifficulty(bool shown) {
    if (shown == m_difficultyShown) return;
    m_difficultyShown = shown;
    m_difficultyAction->setChecked(shown);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        // A desktop window grows to hold the controls, and goes back to the designed size when
        // they go, unless the player sized it since.
        if (shown) {
            resize(size().expandedTo(DesignedSize(true)));
        } else if (size() == DesignedSize(true)) {
            resize(DesignedSize());
        }
    }
    const bool fieldHadFocus = m_difficulty->fields().contains(focusWidget());
    if (shown) m_focusBeforeDifficulty = focusWidget();
    applyLayout(DesignedLayout(m_difficultyShown));
    showChance();
    if (shown) {
        m_difficulty->fields().first()->setFocus(Qt::OtherFocusReason);
    } else if (fieldHadFocus) {
        (m_focusBeforeDifficulty != nullptr ? m_focusBeforeDifficulty.data() : m_roll)
            ->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::showChance() {
    m_difficulty->showChance(std::max(0, m_steps->checkedId()));
}

// Shortcuts and the context menu (a right-click anywhere in the window, or a finger held on
// it): no control is added. The menu pops up and returns at once, so that the window's own
// handlers never run inside a nested event loop.
void MainWindow::createLogActions() {
    setContextMenuPolicy(Qt::CustomContextMenu);
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuContext"));
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(mapToGlobal(pos)); });
    new PressAndHold(this);
    auto* showLog = new QAction(tr("Roll log"), this);
    showLog->setObjectName(QStringLiteral("actRollLog"));
    showLog->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(showLog, &QAction::triggered, this, Guarded([this] { showRollLog(); }));
    // Nothing to copy before the first roll.
    m_copyLast = new QAction(tr("Copy last roll"), this);
    m_copyLast->setObjectName(QStringLiteral("actCopyLastRoll"));
    m_copyLast->setShortcut(QKeySequence::Copy);
    m_copyLast->setEnabled(false);
    connect(m_copyLast, &QAction::triggered, this, Guarded([this] { copyLastRoll(); }));
    addActions({showLog, m_copyLast});
    m_menu->addActions({showLog, m_copyLast});
}

RollLogModel& MainWindow::log() {
    if (m_log == nullptr) m_log = new RollLogModel(this);
    return *m_log;
}

void MainWindow::showRollLog() {
    if (m_logWindow == nullptr) m_logWindow = new RollLogWindow(log(), this);
    m_logWindow->present();
}

void MainWindow::copyLastRoll() {
    if (m_log != nullptr && m_log->rowCount() > 0)
        QGuiApplication::clipboard()->setText(m_log->chatLine(0));
}

bool MainWindow::isSelected(int step) const {
    const QAbstractButton* option = m_steps->button(step);
    if (option == nullptr) {
        throw std::out_of_range("no step option " + std::to_string(step));
    }
    return option->isChecked();
}

void MainWindow::showTotal(const QString& text) {
    m_total->showTotal(text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program, even while the splash window stays loaded.
    event->accept();
    QCoreApplication::exit(0);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // The options, ROLL and the test's fields pass on the keys they do not use, so they arrive
    // here.
    QWidget* focus = focusWidget();
    const bool onStepOrRoll = focus == m_roll ||
                              m_steps->buttons().contains(qobject_cast<QAbstractButton*>(focus)) ||
                              m_difficulty->fields().contains(focus);
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onStepOrRoll) {
        m_roll->click();
        return;
    }
    // A digit however the keyboard made it, in any script (Arabic-Indic, Persian, Devanagari...):
    // AZERTY keyboards need Shift for the top row, and the keypad counts too. With Ctrl or Alt
    // the key means something else.
    const QString text = event->text();
    const bool digit =
        text.size() == 1 && text[0].category() == QChar::Number_DecimalDigit &&
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ==
            Qt::NoModifier;
    if (!digit) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const int step = m_typeAhead.type(text[0].digitValue()); step != 0) {
        // As a click does: the option takes the focus and its handler runs.
        QAbstractButton* option = m_steps->button(step);
        option->setFocus(Qt::OtherFocusReason);
        option->setChecked(true);
    }
}

void MainWindow::Form_Load() {
    m_stepDice->showText(DiceText(std::string(StepTable::kStartDiceLabel)));
}

void MainWindow::optStep_Click(int step) {
    m_stepDice->showText(DiceLabel(step));
    m_difficulty->clearVerdict();
    showChance();
}

// With the test's controls hidden, a press rolls the chosen step alone, as designed.
void MainWindow::Command1_Click() {
    const RollSettings settings = m_difficultyShown ? m_difficulty->settings() : RollSettings{};
    RollSelectedSteps(
        m_random, settings, [this](int step) { return isSelected(step); },
        [this](const RollThrows& throws, const RollOutcome& outcome) {
            m_total->showThrows(ThrowsText(throws));
            const QString verdict = m_difficulty->showVerdict(throws, outcome);
            m_total->showTotal(TotalText(outcome), verdict);
            log().add(throws);
            m_copyLast->setEnabled(true);
        });
}

void MainWindow::cmdExit_Click() {
    close();
    QCoreApplication::exit(0);
}

}  // namespace dicewright
