#include "accessibility/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMetaEnum>

namespace dicewright {
namespace {

// A label whose text is its name, unless it was given a name of its own.
class LabelInterface : public QAccessibleWidget {
public:
    LabelInterface(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (kind == QAccessible::Name && label->accessibleName().isEmpty()) return label->text();
        return QAccessibleWidget::text(kind);
    }
};

// Qt asks with the most derived class first; the class info is found on any class above it
// too, so a subclass keeps the role its base declared.
QAccessibleInterface* CreateInterface(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    const QMetaObject* meta = object->metaObject();
    const int info = meta->indexOfClassInfo("AccessibleRole");
    if (info < 0) return nullptr;
    bool known = false;
    const int role =
        QMetaEnum::fromType<QAccessible::Role>().keyToValue(meta->classInfo(info).value(), &known);
    if (!known) return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget))
        return new LabelInterface(label, static_cast<QAccessible::Role>(role));
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role));
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
