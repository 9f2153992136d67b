#include "app/StartupRoute.h"
#include "app/WindowRegistry.h"
#include "app/FrenchTranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolix"));
    FrenchTranslations::install(app);

    const QString argumentText = StartupRoute::argumentText(QApplication::arguments());
    switch (StartupRoute::windowFor(argumentText)) {
    case StartupWindow::Pregnancy:
        WindowRegistry::instance().show(WindowKind::Gros);
        break;
    case StartupWindow::Medical:
        WindowRegistry::instance().show(WindowKind::Med);
        break;
    case StartupWindow::Calculator:
        WindowRegistry::instance().show(WindowKind::Calc);
        break;
    }
    return QApplication::exec();
}
