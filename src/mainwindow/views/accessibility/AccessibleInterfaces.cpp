#include "mainwindow/views/accessibility/AccessibleInterfaces.h"

#include "mainwindow/views/accessibility/AccessibleClientArea.h"
#include "mainwindow/views/accessibility/AccessibleField.h"
#include "mainwindow/views/fields/FieldPanel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zeb::views {

namespace {

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("zeb::views::FieldPanel"))
        return new AccessibleField(static_cast<FieldPanel*>(widget));
    if (className == QLatin1String("QWidget") &&
        object->objectName() == QLatin1String("Form1Client"))
        return new AccessibleClientArea(widget);
    // Device windows are plain widgets: without this they would be read as
    // fillers, not as windows with a title.
    if (className == QLatin1String("zeb::views::KeyboardWindow") ||
        className == QLatin1String("zeb::views::OutputWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(createInterface);
}

} // namespace zeb::views
