#pragma once

#include <QObject>
#include <QTimer>

#include "difficulty_roll.h"
#include "main_window/main_window_layout.h"
#include "roll_settings.h"

class QLabel;
class QWidget;

namespace dicewright {

class OptionalNumberField;

// The controls of a test against a difficulty, on the main window: the difficulty and the bonus
// step, the exact chance before the roll and the verdict after it. They are made when first
// shown, so that until then the window holds the designed controls and no others.
class DifficultyControls : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DifficultyControls)

public:
    // The controls stand on `window`. Tab reaches the fields after `tabAfter`, as they stand
    // below it; a screen reader, which reads the window's controls in the order of its children,
    // reads the verdict just before `readBefore`, right after the total.
    DifficultyControls(QWidget* window, QWidget* tabAfter, QWidget* readBefore);

    // Places the controls where the layout puts them, in the window's font; hidden where it
    // leaves them out.
    void place(const MainWindowLayout::Difficulty& layout);
    // The difficulty (kNoDifficulty where none is set) and the bonus step (kNoBonus).
    int difficulty() const;
    int bonusStep() const;
    RollSettings settings() const { return {.bonusStep = bonusStep(), .difficulty = difficulty()}; }
    // The two fields, in the order Tab reaches them.
    QList<QWidget*> fields() const;
    // The chance of the test as set, for step 0 to 40 (0: none chosen); empty until a step and a
    // difficulty are set. Once the player stops changing it, a screen reader hears it.
    void showChance(int step);
    // The verdict of a roll against the difficulty it was rolled against; empty for a roll
    // without one. Returns what it shows.
    QString showVerdict(const RollThrows& throws, const RollOutcome& outcome);
    // A verdict belongs to the total beside it and to the test it was rolled in: a change of the
    // step, the difficulty or the bonus step takes it away.
    void clearVerdict();

signals:
    // The difficulty or the bonus step changed.
    void changed();

private:
    void create();
    // The chance in the window's font, smaller where its lines would not fit.
    void fitChance();

    QWidget* m_window;
    QWidget* m_tabAfter;
    QWidget* m_readBefore;
    QLabel* m_difficultyCaption = nullptr;
    OptionalNumberField* m_difficulty = nullptr;
    QLabel* m_bonusCaption = nullptr;
    OptionalNumberField* m_bonus = nullptr;
    QLabel* m_chance = nullptr;
    QLabel* m_result = nullptr;
    // Typing "12" changes the chance twice: it is spoken once the typing has settled.
    QTimer m_chanceSettles;
};

}  // namespace dicewright
