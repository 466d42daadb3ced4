#include "accessibility_mirror_web.h"

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QtGui/private/qguiapplication_p.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QWidget>
#include <algorithm>
#include <string_view>

#include "accessibility.h"

namespace dicewright {
namespace {

// A list of a hundred thousand rolls is mirrored a window of rows at a time, around the row
// that has the focus; each row says where it stands in the whole list.
constexpr int kMostChildren = 200;
// The window moves a page at a time, so that arrowing through the list changes the page's rows
// once in a hundred, and the focused row always has half a page either side of it.
constexpr int kMirrorPage = kMostChildren / 2;

// At most one update of the page in this many milliseconds: a finger flinging a list moves its
// rows on every frame, and the page need not follow every one.
constexpr int kLeastBetweenUpdates = 80;

// The first of the children mirrored: the pages around the focused child, where there are more
// than the mirror holds.
int FirstMirrored(QAccessibleInterface* node, int count) {
    if (count <= kMostChildren) return 0;
    const QAccessibleInterface* focus = node->focusChild();
    const int at = focus != nullptr ? node->indexOfChild(focus) : 0;
    const int page = at / kMirrorPage;
    return std::clamp(page * kMirrorPage - kMirrorPage / 2, 0, count - kMostChildren);
}

// An item of a list scrolled out of its view is still there to reach, unlike a hidden widget.
bool Mirrored(const QAccessibleInterface* child) {
    const QAccessible::Role role = child->role();
    return !child->state().invisible || role == QAccessible::ListItem ||
           role == QAccessible::Cell || role == QAccessible::TreeItem;
}

QString RoleName(QAccessible::Role role) {
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

// The name of the group a control belongs to, where it shares a QButtonGroup with others.
QString GroupOf(const QAccessibleInterface* node) {
    const auto* button = qobject_cast<const QAbstractButton*>(node->object());
    if (button == nullptr || button->group() == nullptr) return {};
    const QString name = button->group()->property("accessibleName").toString();
    return name.isEmpty() ? button->group()->objectName() : name;
}

AccessibilityMirror* g_mirror = nullptr;

void ActFromPage(unsigned id, std::string action) {
    AccessibilityMirror::Act(id, action);
}

}  // namespace

EMSCRIPTEN_BINDINGS(dicewright_accessibility_mirror) {
    emscripten::function("dicewrightAccessibleAction", &ActFromPage);
}

void AccessibilityMirror::Start() {
    if (g_mirror == nullptr) g_mirror = new AccessibilityMirror(QCoreApplication::instance());
}

void AccessibilityMirror::Act(unsigned id, const std::string& action) {
    if (g_mirror != nullptr) g_mirror->act(id, action);
}

AccessibilityMirror::AccessibilityMirror(QObject* application) : QObject(application) {
    // No platform bridge switches accessibility on here: the mirror is the bridge.
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
    QAccessible::installUpdateHandler(&AccessibilityMirror::onUpdate);
    // Many events come in one burst (a window shown, its controls with it): one update of the
    // page after them.
    m_sync.setSingleShot(true);
    connect(&m_sync, &QTimer::timeout, this, &AccessibilityMirror::sync);
    // The page's side acts through the program's module.
    EM_ASM({
        if (window.dicewrightMirror) window.dicewrightMirror.connect(Module);
    });
    QCoreApplication::instance()->installEventFilter(this);
    schedule();
}

void AccessibilityMirror::schedule() {
    if (m_sync.isActive()) return;
    const qint64 since = m_lastSync.isValid() ? m_lastSync.elapsed() : kLeastBetweenUpdates;
    m_sync.start(static_cast<int>(std::max<qint64>(0, kLeastBetweenUpdates - since)));
}

bool AccessibilityMirror::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    // A window moved or resized, or a widget moved within one, as the content of a scrolled
    // area moves under a finger.
    if ((type == QEvent::Resize && widget->isWindow()) ||
        (type == QEvent::Move && widget->isVisible()))
        schedule();
    return false;
}

AccessibilityMirror::~AccessibilityMirror() {
    QAccessible::installUpdateHandler(nullptr);
    g_mirror = nullptr;
}

void AccessibilityMirror::onUpdate(QAccessibleEvent* /*event*/) {
    if (g_mirror != nullptr) g_mirror->schedule();
}

void AccessibilityMirror::act(unsigned id, const std::string& action) {
    QAccessibleInterface* node = QAccessible::accessibleInterface(id);
    if (node == nullptr) return;
    // A value a screen reader sets on a field ("value:12"; "value:" empties it). One outside the
    // field's range is refused, and the page shows the field's own value again.
    if (const std::string_view set = "value:"; action.starts_with(set)) {
        QAccessibleValueInterface* value = node->valueInterface();
        if (value == nullptr) return;
        const QString text = QString::fromStdString(action.substr(set.size())).trimmed();
        bool number = true;
        const int wanted = text.isEmpty() ? value->minimumValue().toInt() : text.toInt(&number);
        if (number && wanted >= value->minimumValue().toInt() &&
            wanted <= value->maximumValue().toInt())
            value->setCurrentValue(wanted);
        // A refused value leaves the tree as it was: the page's field is set back all the same.
        m_lastTree.clear();
        schedule();
        return;
    }
    if (node->actionInterface() == nullptr) return;
    const QStringList names = node->actionInterface()->actionNames();
    // A click is the control's first action, as screen readers take it: press a button,
    // check an option.
    const QString name =
        action == "focus" ? QAccessibleActionInterface::setFocusAction() : names.value(0);
    if (names.contains(name)) node->actionInterface()->doAction(name);
}

QJsonObject AccessibilityMirror::describe(QAccessibleInterface* node, const QRect* clip) const {
    const QAccessible::State state = node->state();
    QJsonObject described{
        {QStringLiteral("id"), static_cast<double>(QAccessible::uniqueId(node))},
        {QStringLiteral("role"), RoleName(node->role())},
        {QStringLiteral("name"), node->text(QAccessible::Name)},
        {QStringLiteral("description"), node->text(QAccessible::Description)},
        {QStringLiteral("checked"), bool(state.checked)},
        {QStringLiteral("checkable"), bool(state.checkable)},
        {QStringLiteral("disabled"), bool(state.disabled)},
        {QStringLiteral("focusable"), bool(state.focusable)},
        {QStringLiteral("selected"), bool(state.selected)},
        {QStringLiteral("multiSelectable"), bool(state.multiSelectable || state.extSelectable)},
    };
    // Where the control is on the page, in CSS pixels: what a finger exploring the screen meets.
    // A widget's whole rectangle is what a tap on it hits (a step option answers anywhere on its
    // cell), where Qt would give an option's caption alone.
    QRect rect = node->rect();
    if (const auto* widget = qobject_cast<const QWidget*>(node->object()))
        rect = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    described.insert(QStringLiteral("rect"),
                     QJsonArray{rect.x(), rect.y(), rect.width(), rect.height()});
    // What of it shows within its parents: a step scrolled out of its area, or a row out of
    // its list, shows nothing, and one half scrolled out shows half.
    const QRect shown = clip == nullptr ? rect : rect & *clip;
    described.insert(QStringLiteral("shown"),
                     QJsonArray{shown.x(), shown.y(), shown.width(), shown.height()});
    if (const QAccessibleValueInterface* value = node->valueInterface()) {
        described.insert(QStringLiteral("value"), value->currentValue().toString());
        described.insert(QStringLiteral("minimum"), value->minimumValue().toDouble());
        described.insert(QStringLiteral("maximum"), value->maximumValue().toDouble());
        // What the field shows: an empty field means none.
        described.insert(QStringLiteral("text"), node->text(QAccessible::Value));
    }
    if (const QString group = GroupOf(node); !group.isEmpty())
        described.insert(QStringLiteral("group"), group);
    QJsonArray children;
    const int count = node->childCount();
    for (int i = FirstMirrored(node, count); i < count && children.size() < kMostChildren; ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || !Mirrored(child)) continue;
        QJsonObject item = describe(child, &shown);
        item.insert(QStringLiteral("position"), i + 1);
        children.append(item);
    }
    described.insert(QStringLiteral("children"), children);
    described.insert(QStringLiteral("count"), count);
    return described;
}

void AccessibilityMirror::sync() {
    QJsonArray windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(window);
        if (node == nullptr) continue;
        QJsonObject described = describe(node, nullptr);
        // A window without a title of its own (the splash) goes by the program's name.
        if (described.value(QStringLiteral("name")).toString().isEmpty())
            described.insert(QStringLiteral("name"), QGuiApplication::applicationDisplayName());
        windows.append(described);
    }
    // The focus widget, or within it the item that has the focus (a list's current row).
    QAccessibleInterface* focus = nullptr;
    if (QWidget* widget = QApplication::focusWidget())
        focus = QAccessible::queryAccessibleInterface(widget);
    if (focus != nullptr && focus->focusChild() != nullptr) focus = focus->focusChild();
    const QJsonObject tree{
        {QStringLiteral("windows"), windows},
        {QStringLiteral("focus"), focus ? static_cast<double>(QAccessible::uniqueId(focus)) : 0.0}};
    m_lastSync.start();
    // Nothing is written to the page where nothing changed.
    QByteArray json = QJsonDocument(tree).toJson(QJsonDocument::Compact);
    if (json == m_lastTree) return;
    m_lastTree = std::move(json);
    const emscripten::val page = emscripten::val::global("dicewrightMirror");
    if (!page.isUndefined()) page.call<void>("render", m_lastTree.toStdString());
}

void StartAccessibilityBridge() {
    AccessibilityMirror::Start();
}

}  // namespace dicewright
