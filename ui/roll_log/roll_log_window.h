#pragma once

#include <QPersistentModelIndex>
#include <QWidget>

class QLabel;
class QListView;
class QListWidget;

namespace dicewright {

class RollLogModel;

// A window of its own beside the main window: every roll since the program started, newest on
// top, what the dice have done so far, and copies for a chat or a game-night record. Closing
// it only hides it, so it keeps its size and place while the program runs.
class RollLogWindow : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("AccessibleRole", "Window")
    Q_DISABLE_COPY_MOVE(RollLogWindow)

public:
    RollLogWindow(RollLogModel& model, QWidget* parent);

    // Shows the window in front with the newest roll selected.
    void present();
    // The selected rolls, oldest first, onto the clipboard.
    void copySelection();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refreshSummary();
    // Makes `row` the current roll, alone selected, or with `extend` the end of the selection.
    void moveTo(int row, bool extend);
    void scrollToTarget();
    void placeBesideParent();

    RollLogModel& m_model;
    QListView* m_rolls = nullptr;
    QLabel* m_dropped = nullptr;
    QListWidget* m_statistics = nullptr;
    // The row that Home or End went to, until it has been scrolled into view.
    QPersistentModelIndex m_scrollTarget;
    int m_scrollTries = 0;
    bool m_placed = false;
};

}  // namespace dicewright
