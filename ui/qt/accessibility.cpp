// SPDX-License-Identifier: MIT
#include "ui/qt/accessibility.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/qt/accessible_field.h"
#include "ui/qt/announcer.h"

namespace ui {
namespace {

// The name under which the desktop lists the program (Name[ru] of its desktop entry). Qt
// would give the file name and, as the description, the path it was started from; the window
// titles and WM_CLASS stay as they are, since the application's own name is left alone.
class AccessibleApplication : public QAccessibleApplication {
public:
    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return QStringLiteral("Коэффициент усиления Veltrana");
            case QAccessible::Description:
                return QStringLiteral(
                    "Коэффициент усиления входного каскада металлоискателя "
                    "Veltrana по номиналам установленных деталей");
            default:
                return QAccessibleApplication::text(kind);
        }
    }
};

// Qt asks with the class name of each level of the object's class, most derived first.
QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit")) {
        return new AccessibleLineEdit(static_cast<QLineEdit*>(object));
    }
    if (className == QLatin1String("QPlainTextEdit")) {
        return new AccessiblePlainTextEdit(static_cast<QPlainTextEdit*>(object));
    }
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    if (object == qApp && qobject_cast<QApplication*>(object) != nullptr) {
        return new AccessibleApplication;
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Interface);
}

}  // namespace ui
