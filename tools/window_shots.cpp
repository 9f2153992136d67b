// Takes a picture of every window of the program, each page of its tab
// windows included, so that a change meant to move nothing can be proved
// pixel for pixel (run it before and after at scale 1 and 2, then compare).
// Run through scripts/window-shots.sh, which gives it a private home.
#include "app/FrmAbout.h"
#include "app/FrmConfig.h"
#include "app/FrenchTranslations.h"
#include "app/HelpViewer.h"
#include "app/InterfaceFont.h"
#include "app/WindowRegistry.h"
#include "pregnancy/FrmDatation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace {

QString g_dir;

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void shot(QWidget *window, const QString &name)
{
    settle();
    window->grab().save(g_dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Every page of every tab widget of the window, then the window as it opened.
void shotWithPages(QWidget *window, const QString &name)
{
    shot(window, name);
    const auto tabs = window->findChildren<QTabWidget *>();
    for (int t = 0; t < tabs.size(); ++t) {
        const int opened = tabs[t]->currentIndex();
        for (int i = 0; i < tabs[t]->count(); ++i) {
            tabs[t]->setCurrentIndex(i);
            shot(window, QStringLiteral("%1-tab%2-page%3").arg(name).arg(t).arg(i));
        }
        tabs[t]->setCurrentIndex(opened);
    }
}

void clickNamed(QWidget *window, const QString &objectName)
{
    if (auto *button = window->findChild<QAbstractButton *>(objectName))
        button->click();
}

// Clicks the drawn keys by their accessible names, blank-separated.
void clickKeys(QWidget *window, const QString &names)
{
    const auto widgets = window->findChildren<QWidget *>();
    for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (QWidget *widget : widgets) {
            if (widget->accessibleName() == name && widget->isVisible()) {
                QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
                break;
            }
        }
    }
}

void calculator()
{
    QWidget *calc = WindowRegistry::instance().show(WindowKind::Calc);
    shot(calc, QStringLiteral("calc-empty"));
    // The second calculation leaves a struck-out operand and function line.
    clickKeys(calc, QStringLiteral("1 2 , 5 + 7 x 3 = 2 x 3 x² 4 ="));
    shot(calc, QStringLiteral("calc-tape"));
    QTest::keyClick(calc, Qt::Key_G);
    shot(calc, QStringLiteral("calc-grid"));
}

void pregnancy()
{
    QWidget *gros = WindowRegistry::instance().show(WindowKind::Gros);
    shot(gros, QStringLiteral("gros-empty"));
    if (auto *ddg = gros->findChild<QLineEdit *>(QStringLiteral("txtDDG"))) {
        ddg->setFocus();
        QTest::keyClicks(ddg, QStringLiteral("15/01/2026"));
        QTest::keyClick(ddg, Qt::Key_Return);
    }
    shotWithPages(gros, QStringLiteral("gros"));
}

void dates()
{
    QWidget *date = WindowRegistry::instance().show(WindowKind::Date);
    shot(date, QStringLiteral("date-opened"));
    clickNamed(date, QStringLiteral("cmdMenu0"));
    shot(date, QStringLiteral("date-date"));
    clickNamed(date, QStringLiteral("cmdMenu1"));
    shot(date, QStringLiteral("date-interval"));
}

void dialogs()
{
    FrmAbout about;
    about.show();
    shot(&about, QStringLiteral("about"));
    FrmConfig config(1, AppearanceColors{}, [](quint32) { return qint64(-1); });
    config.show();
    shot(&config, QStringLiteral("config"));
    HelpViewer help;
    help.show();
    shotWithPages(&help, QStringLiteral("help"));
    FrmDatation datation(nullptr, QStringLiteral("01/03/2026"), QStringLiteral("15/05/2026"));
    datation.show();
    shot(&datation, QStringLiteral("datation"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FrenchTranslations::install(app);
    InterfaceFont::ensureProportional();
    if (argc < 2) {
        qWarning("usage: %s <folder for the pictures>", argv[0]);
        return 2;
    }
    g_dir = QString::fromLocal8Bit(argv[1]);
    calculator();
    shotWithPages(WindowRegistry::instance().show(WindowKind::Med), QStringLiteral("med"));
    pregnancy();
    shot(WindowRegistry::instance().show(WindowKind::HOD), QStringLiteral("hod"));
    dates();
    dialogs();
    return 0;
}
