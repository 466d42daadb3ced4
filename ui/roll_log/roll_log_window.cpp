#include "roll_log/roll_log_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/error_boundary.h"
#include "languages/program_locale.h"
#include "roll_log/roll_log_model.h"
#include "wording/statistics_text.h"

namespace dicewright {

RollLogWindow::RollLogWindow(RollLogModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model) {
    setObjectName(QStringLiteral("frmRollLog"));
    setWindowTitle(tr("Roll log"));
    // A window of its own, in the platform's own colours and font, not the main window's.
    setPalette(QApplication::palette());
    setFont(QApplication::font());

    m_rolls = new QListView(this);
    m_rolls->setObjectName(QStringLiteral("lstRolls"));
    m_rolls->setAccessibleName(tr("Rolls, newest first"));
    m_rolls->setModel(&m_model);
    // Rows of one height, laid out a hundred at a time from the top: a roll inserted above
    // 100,000 others shows at once, and the rest of the layout waits for idle moments.
    m_rolls->setUniformItemSizes(true);
    m_rolls->setLayoutMode(QListView::Batched);
    m_rolls->setBatchSize(100);
    m_rolls->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_rolls->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rolls->installEventFilter(this);

    m_dropped = new QLabel(this);
    m_dropped->setObjectName(QStringLiteral("lblDropped"));
    m_dropped->hide();

    auto* statisticsCaption = new QLabel(tr("What the dice have done so far"), this);
    m_statistics = new QListWidget(this);
    m_statistics->setObjectName(QStringLiteral("lstStatistics"));
    m_statistics->setAccessibleName(statisticsCaption->text());
    m_statistics->setWordWrap(true);
    m_statistics->setMaximumHeight(fontMetrics().lineSpacing() * 9);
    statisticsCaption->setBuddy(m_statistics);
    // A range that fair dice keep to 99 times in 100 is looked at again after every roll: over
    // an evening, fair dice step outside it now and then.
    auto* fairnessNote = new QLabel(
        tr("Each step is judged again after every roll. Over many rolls, fair dice now and then "
           "land outside a range they keep to 99 times in 100, so one \u201clower\u201d or "
           "\u201chigher\u201d alone proves nothing."),
        this);
    fairnessNote->setObjectName(QStringLiteral("lblFairnessNote"));
    fairnessNote->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    auto* copyAll = buttons->addButton(tr("Copy all"), QDialogButtonBox::ActionRole);
    copyAll->setObjectName(QStringLiteral("cmdCopyAll"));
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(copyAll, &QPushButton::clicked, this,
            Guarded([this] { QGuiApplication::clipboard()->setText(m_model.record()); }));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rolls, 1);
    layout->addWidget(m_dropped);
    layout->addWidget(statisticsCaption);
    layout->addWidget(m_statistics);
    layout->addWidget(fairnessNote);
    layout->addWidget(buttons);
    resize(620, 460);

    // New rolls appear at the top while the window is open, and count in the statistics.
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, Guarded([this] {
        if (isVisible()) refreshSummary();
    }));
}

void RollLogWindow::present() {
    if (!m_placed) placeBesideParent();
    show();
    raise();
    activateWindow();
    m_rolls->setFocus(Qt::OtherFocusReason);
    if (m_model.rowCount() == 0) return;
    const QModelIndex newest = m_model.index(0);
    m_rolls->selectionModel()->setCurrentIndex(newest, QItemSelectionModel::ClearAndSelect);
    m_rolls->scrollToTop();
}

// The first time, beside the main window where the screen has room (right, else left, else
// the roomier side, narrowed down to a readable width), so the player sees the log and keeps
// rolling; after that wherever the player put it.
void RollLogWindow::placeBesideParent() {
    m_placed = true;
    const QWidget* main = parentWidget();
    const QScreen* screen = main->screen();
    if (screen == nullptr) return;
    constexpr int kGap = 8;
    constexpr int kNarrowest = 360;
    const QRect available = screen->availableGeometry();
    const QRect beside = main->frameGeometry();
    const int roomRight = available.right() - beside.right() - kGap;
    const int roomLeft = beside.left() - available.left() - kGap;
    int left = beside.right() + kGap;
    if (roomRight < width()) {
        if (roomLeft >= width()) {
            left = beside.left() - kGap - width();
        } else {
            resize(std::max(std::max(roomRight, roomLeft), kNarrowest), height());
            left = roomRight >= roomLeft ? available.right() - width() : available.left();
        }
    }
    const int top = std::clamp(beside.top(), available.top(),
                               std::max(available.top(), available.bottom() - height()));
    move(std::max(left, available.left()), top);
}

void RollLogWindow::copySelection() {
    QList<int> rows;
    for (const QModelIndex& index : m_rolls->selectionModel()->selectedIndexes())
        rows << index.row();
    if (!rows.isEmpty()) QGuiApplication::clipboard()->setText(m_model.linesOf(rows));
}

bool RollLogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_rolls || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // The list itself would copy only its current row.
    if (key->matches(QKeySequence::Copy)) {
        copySelection();
        return true;
    }
    // The list lays its rows out a batch at a time, and would stop Home or End at the last row
    // laid out so far: they reach the newest and the oldest roll at once.
    if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) && m_model.rowCount() > 0) {
        moveTo(key->key() == Qt::Key_Home ? 0 : m_model.rowCount() - 1,
               key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    }
    return false;
}

void RollLogWindow::moveTo(int row, bool extend) {
    const QModelIndex target = m_model.index(row);
    QItemSelectionModel* selection = m_rolls->selectionModel();
    if (extend && selection->currentIndex().isValid()) {
        selection->select(QItemSelection(selection->currentIndex(), target),
                          QItemSelectionModel::ClearAndSelect);
        selection->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    } else {
        selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }
    m_scrollTarget = target;
    m_scrollTries = 0;
    scrollToTarget();
}

// A row not yet laid out has no place to scroll to: asked again after each batch of the
// layout (a hundred rows), until the row shows, the window closes, or every batch is done.
void RollLogWindow::scrollToTarget() {
    if (!m_scrollTarget.isValid() || !isVisible()) return;
    m_rolls->scrollTo(m_scrollTarget);
    const QRect shown = m_rolls->visualRect(m_scrollTarget);
    const auto batches = static_cast<int>(RollLogModel::kCapacity / m_rolls->batchSize()) + 1;
    if ((shown.isValid() && m_rolls->viewport()->rect().contains(shown.center())) ||
        ++m_scrollTries > batches) {
        m_scrollTarget = QPersistentModelIndex();
        return;
    }
    QTimer::singleShot(0, this, &RollLogWindow::scrollToTarget);
}

void RollLogWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void RollLogWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // The keyboard goes back to the main window, where it was, whichever window the window
    // manager would activate next (openbox and a bare X server activate none).
    if (event->isAccepted() && parentWidget() != nullptr) parentWidget()->activateWindow();
}

void RollLogWindow::showEvent(QShowEvent* event) {
    refreshSummary();
    QWidget::showEvent(event);
}

void RollLogWindow::refreshSummary() {
    const qint64 dropped = m_model.dropped();
    m_dropped->setVisible(dropped > 0);
    if (dropped > 0) {
        m_dropped->setText(DroppedText(dropped, RollLogModel::kCapacity));
    }
    m_statistics->clear();
    for (const StepTallyReport& report : m_model.tally().reports())
        m_statistics->addItem(StatisticsLine(report));
}

}  // namespace dicewright
