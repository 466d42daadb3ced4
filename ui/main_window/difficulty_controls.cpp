#include "main_window/difficulty_controls.h"

#include <QLabel>

#include "accessibility/announcement.h"
#include "chance_shown.h"
#include "step_table.h"
#include "widgets/caption_fit.h"
#include "widgets/optional_number_field.h"
#include "wording/difficulty_text.h"

namespace dicewright {
namespace {

// The chance. Assistive technology meets it as a notification, which can be spoken although
// the focus is on a field; like any label it is read as its text.
class ChanceDisplay : public QLabel {
    Q_OBJECT
    Q_CLASSINFO("AccessibleRole", "Notification")

public:
    using QLabel::QLabel;
};

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

DifficultyControls::DifficultyControls(QWidget* window, QWidget* tabAfter, QWidget* readBefore)
    : QObject(window), m_window(window), m_tabAfter(tabAfter), m_readBefore(readBefore) {
    m_chanceSettles.setSingleShot(true);
    m_chanceSettles.setInterval(kChanceSettleMs);
    connect(&m_chanceSettles, &QTimer::timeout, this, [this] {
        if (m_chance->isVisible() && !m_chance->text().isEmpty())
            Announce(m_chance, m_chance->text());
    });
}

void DifficultyControls::create() {
    //: The caption of the field for what the total must reach, in capitals; a short word fits.
    m_difficultyCaption = MakeLabel(QStringLiteral("DifficultyLabel"), tr("DIFFICULTY"), m_window);
    // A screen reader hears an empty field as the value 0.
    m_difficulty = MakeField(QStringLiteral("txtDifficulty"), tr("Difficulty"),
                             tr("What the total must reach, 1 to 99; empty or 0 for none"),
                             kGreatestDifficulty, m_window);
    //: The caption of the field for a second step thrown with the chosen one, in capitals; the
    //: box is narrow, so a short word is better than a shrunken one.
    m_bonusCaption = MakeLabel(QStringLiteral("BonusStepLabel"), tr("BONUS STEP"), m_window);
    m_bonus = MakeField(
        QStringLiteral("txtBonusStep"), tr("Bonus step"),
        tr("A step whose dice are thrown with the chosen step's, 1 to 40; empty or 0 for none"),
        StepTable::kLastStep, m_window);
    // Both labels are read as the texts they show: they have no accessible name of their own,
    // which would take the text's place.
    m_chance = new ChanceDisplay(m_window);
    m_chance->setObjectName(QStringLiteral("lblChance"));
    m_chance->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_chance->setWordWrap(true);
    m_chance->setAccessibleName(NoChanceYetText());
    m_result = MakeLabel(QStringLiteral("lblVerdict"), QString(), m_window);
    for (OptionalNumberField* field : {m_difficulty, m_bonus}) {
        connect(field, &QSpinBox::valueChanged, this, &DifficultyControls::clearVerdict);
        connect(field, &QSpinBox::valueChanged, this, &DifficultyControls::changed);
    }
    QWidget::setTabOrder(m_tabAfter, m_difficulty);
    QWidget::setTabOrder(m_difficulty, m_bonus);
    m_result->stackUnder(m_readBefore);
}

void DifficultyControls::place(const MainWindowLayout::Difficulty& layout) {
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
    for (QLabel* caption : {m_difficultyCaption, m_bonusCaption})
        FitCaption(caption, m_window->font());
    fitChance();
}

void DifficultyControls::fitChance() {
    if (!m_chance->isHidden()) FitCaption(m_chance, m_window->font());
}

int DifficultyControls::difficulty() const {
    return m_difficulty == nullptr ? kNoDifficulty : m_difficulty->value();
}

int DifficultyControls::bonusStep() const {
    return m_bonus == nullptr ? kNoBonus : m_bonus->value();
}

QList<QWidget*> DifficultyControls::fields() const {
    if (m_difficulty == nullptr) return {};
    return {m_difficulty, m_bonus};
}

void DifficultyControls::showChance(int step) {
    if (m_chance == nullptr) return;
    const bool set = step != 0 && difficulty() != kNoDifficulty;
    const QString chance = set ? ChanceText(step, bonusStep(), difficulty()) : QString();
    if (chance == m_chance->text()) return;
    m_chance->setText(chance);
    fitChance();
    // Read as its text again until it is spoken.
    m_chance->setAccessibleName(chance.isEmpty() ? NoChanceYetText() : QString());
    if (!chance.isEmpty()) m_chanceSettles.start();
}

QString DifficultyControls::showVerdict(const RollThrows& throws, const RollOutcome& outcome) {
    if (m_result == nullptr) return {};
    // A roll made before the typing settled is spoken with its verdict; the chance it was made
    // at is no news after it.
    m_chanceSettles.stop();
    const QString verdict =
        throws.hasDifficulty() ? VerdictText(Judge(outcome, throws.difficulty)) : QString();
    m_result->setText(verdict);
    return verdict;
}

void DifficultyControls::clearVerdict() {
    if (m_result != nullptr) m_result->clear();
}

}  // namespace dicewright

#include "difficulty_controls.moc"
