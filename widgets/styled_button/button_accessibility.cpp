#include "widgets/styled_button/button_accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace Tavo {

namespace {

QAccessibleInterface *styledButtonInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("Tavo::StyledButton") || !object || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Button);
}

} // namespace

void installButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(styledButtonInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Tavo
