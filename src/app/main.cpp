#include "app/FirstExpose.h"
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
    // Decoding the 256-pixel icon (and the image plugins its reading loads)
    // would delay the first window; every window, this one included, takes
    // it up when it is set.
    FirstExpose::then(window, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tarvolix-256.png"))); });
    return QApplication::exec();
}
