#include "test_controls.h"

#include <QLabel>

#include "optional_number_field.h"
#include "step_table.h"
#include "test_roll.h"
#include "test_text.h"

namespace dicewright {
namespace {

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* window) {
    auto* label = new QLabel(text, window);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// The caption is not the field's buddy: a screen reader would say it before the field's own
// name, the same word twice.
OptionalNumberField* MakeField(const QString& name, const QString& accessibleName,
                               const QString& description, int maximum, QWidget* window) {
    auto* field = new OptionalNumberField(maximum, window);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setAccessibleDescription(description);
    return field;
}

}  // namespace

TestControls::TestControls(QWidget* window, QWidget* tabAfter, QWidget* readBefore)
    : QObject(window), m_window(window), m_tabAfter(tabAfter), m_readBefore(readBefore) {}

void TestControls::create() {
    m_difficultyCaption = MakeLabel(QStringLiteral("DifficultyLabel"), tr("DIFFICULTY"), m_window);
    // A screen reader hears an empty field as the value 0.
    m_difficulty = MakeField(QStringLiteral("txtDifficulty"), tr("Difficulty"),
                             tr("What the total must reach, 1 to 99; empty or 0 for none"),
                             kGreatestDifficulty, m_window);
    m_bonusCaption = MakeLabel(QStringLiteral("BonusStepLabel"), tr("BONUS STEP"), m_window);
    m_bonus = MakeField(
        QStringLiteral("txtBonusStep"), tr("Bonus step"),
        tr("A step whose dice are thrown with the chosen step's, 1 to 40; empty or 0 for none"),
        StepTable::kLastStep, m_window);
    // Both labels are read as the texts they show: they have no accessible name of their own,
    // which would take the text's place.
    m_chance = MakeLabel(QStringLiteral("lblChance"), QString(), m_window);
    m_chance->setWordWrap(true);
    m_result = MakeLabel(QStringLiteral("lblTestResult"), QString(), m_window);
    for (OptionalNumberField* field : {m_difficulty, m_bonus})
        connect(field, &QSpinBox::valueChanged, this, &TestControls::changed);
    QWidget::setTabOrder(m_tabAfter, m_difficulty);
    QWidget::setTabOrder(m_difficulty, m_bonus);
    m_result->stackUnder(m_readBefore);
}

void TestControls::place(const MainWindowLayout::Test& layout) {
    if (m_difficulty == nullptr) {
        if (!layout.isShown()) return;
        create();
    }
    const std::pair<QWidget*, QRect> places[] = {{m_difficultyCaption, layout.difficultyCaption},
                                                 {m_difficulty, layout.difficulty},
                                                 {m_bonusCaption, layout.bonusCaption},
                                                 {m_bonus, layout.bonus},
                                                 {m_chance, layout.chance},
                                                 {m_result, layout.result}};
    for (const auto& [control, place] : places) {
        control->setGeometry(place);
        control->setVisible(layout.isShown());
    }
}

int TestControls::difficulty() const {
    return m_difficulty == nullptr ? kNoDifficulty : m_difficulty->value();
}

int TestControls::bonusStep() const {
    return m_bonus == nullptr ? kNoBonus : m_bonus->value();
}

QList<QWidget*> TestControls::fields() const {
    if (m_difficulty == nullptr) return {};
    return {m_difficulty, m_bonus};
}

void TestControls::showChance(int step) {
    if (m_chance == nullptr) return;
    const bool set = step != 0 && difficulty() != kNoDifficulty;
    m_chance->setText(set ? ChanceText(step, bonusStep(), difficulty()) : QString());
}

QString TestControls::showVerdict(const RollOutcome& outcome) {
    if (m_result == nullptr) return {};
    const QString verdict =
        difficulty() == kNoDifficulty ? QString() : VerdictText(Judge(outcome, difficulty()));
    m_result->setText(verdict);
    return verdict;
}

}  // namespace dicewright
