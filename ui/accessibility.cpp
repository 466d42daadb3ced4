#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "main_window.h"
#include "roll_log_window.h"
#include "total_display.h"

namespace dicewright {
namespace {

// A label whose text is its name, in the notification role.
class NotificationInterface : public QAccessibleWidget {
public:
    explicit NotificationInterface(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (kind == QAccessible::Name && label->accessibleName().isEmpty()) return label->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    // A window's interface takes its title as its name.
    if (className == QLatin1String(MainWindow::staticMetaObject.className()) ||
        className == QLatin1String(RollLogWindow::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(TotalDisplay::staticMetaObject.className()))
        return new NotificationInterface(static_cast<QLabel*>(widget));
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace dicewright
