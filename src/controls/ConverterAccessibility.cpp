#include "controls/ConverterAccessibility.h"

#include "controls/ZmtDGrid.h"
#include "controls/ZmtDGridAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <mutex>

namespace {

QAccessibleInterface *converterInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("ZmtDGrid"))
        return new ZmtDGridAccessible(static_cast<ZmtDGrid *>(widget));
    if (className == QLatin1String("ZmtScrollRgn"))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    return nullptr;
}

} // namespace

void installConverterAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(converterInterface); });
}
