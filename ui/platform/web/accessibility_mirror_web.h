#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <string>

class QAccessibleEvent;
class QAccessibleInterface;

namespace dicewright {

// A browser's screen reader knows nothing of what Qt draws on its canvas, and Qt 6.4's
// WebAssembly platform has no accessibility bridge. This one mirrors the program's accessibility
// tree into hidden elements of the page (accessibility_mirror.js lays them out): every window,
// and in it every control with its role, name, description, value and states. It follows the
// tree through Qt's update handler and is built on QAccessibleInterface alone, so a window added
// later is mirrored without being named here. Activating or focusing an element acts on the
// control through its accessible actions; Qt's keyboard focus moves the page's focus with it.
class AccessibilityMirror : public QObject {
    Q_DISABLE_COPY_MOVE(AccessibilityMirror)

public:
    // Starts the mirror, owned by the application, once.
    static void Start();
    // From the page: "press" (a screen reader's click) or "focus" on the control of this id.
    static void Act(unsigned id, const std::string& action);

    ~AccessibilityMirror() override;

protected:
    // A window moved or resized (a phone turned round), or a scrolled area's content moved,
    // moves controls, which Qt's accessibility does not report: the mirror's places follow.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit AccessibilityMirror(QObject* application);

    void act(unsigned id, const std::string& action);
    // An update of the page soon: at once after a quiet spell, else once the last is far enough
    // behind.
    void schedule();

    static void onUpdate(QAccessibleEvent* event);
    void sync();
    // The node and its children; `clip` is what of its parent shows on the screen (none for a
    // window).
    QJsonObject describe(QAccessibleInterface* node, const QRect* clip) const;

    QTimer m_sync;
    QElapsedTimer m_lastSync;
    // The tree last handed to the page.
    QByteArray m_lastTree;
};

}  // namespace dicewright
