#include "app/StartupRoute.h"

namespace StartupRoute {

QString argumentText(const QStringList &arguments) { return arguments.mid(1).join(QLatin1Char(' ')); }

StartupWindow windowFor(const QString &argumentText)
{
    if (argumentText == QStringLiteral("/grossesse"))
        return StartupWindow::Pregnancy;
    if (argumentText == QStringLiteral("/médical"))
        return StartupWindow::Medical;
    return StartupWindow::Calculator;
}

} // namespace StartupRoute
