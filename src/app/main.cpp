#include "app/FrenchTranslations.h"
#include "app/InterfaceFont.h"
#include "app/StartupProbe.h"
#include "app/StartupRoute.h"
#include "app/WindowRegistry.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolix"));
    QApplication::setDesktopFileName(QStringLiteral("org.tarvolix.Tarvolix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tarvolix-256.png")));
    FrenchTranslations::install(app);
    InterfaceFont::ensureProportional();

    const QString argumentText = StartupRoute::argumentText(QApplication::arguments());
    WindowKind first = WindowKind::Calc;
    switch (StartupRoute::windowFor(argumentText)) {
    case StartupWindow::Pregnancy: first = WindowKind::Gros; break;
    case StartupWindow::Medical: first = WindowKind::Med; break;
    case StartupWindow::Calculator: break;
    }
    QWidget *window = WindowRegistry::instance().show(first);
    if (!window)
        return 1;
    StartupProbe::watch(window);
    return QApplication::exec();
}
