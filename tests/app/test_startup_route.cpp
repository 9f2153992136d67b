#include "app/StartupRoute.h"

#include <QtTest>

class TestStartupRoute : public QObject
{
    Q_OBJECT
private slots:
    void route_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("window");
        const int calc = int(StartupWindow::Calculator);
        QTest::newRow("none") << QStringList{"tarvolix"} << calc;
        QTest::newRow("pregnancy") << QStringList{"tarvolix", "/grossesse"} << int(StartupWindow::Pregnancy);
        QTest::newRow("medical") << QStringList{"tarvolix", QStringLiteral("/médical")} << int(StartupWindow::Medical);
        QTest::newRow("capitals") << QStringList{"tarvolix", "/GROSSESSE"} << calc;
        QTest::newRow("trailing blank") << QStringList{"tarvolix", QStringLiteral("/médical ")} << calc;
        QTest::newRow("no accent") << QStringList{"tarvolix", "/medical"} << calc;
        QTest::newRow("second argument") << QStringList{"tarvolix", "/grossesse", "x"} << calc;
        QTest::newRow("empty second argument") << QStringList{"tarvolix", "/grossesse", ""} << calc;
        QTest::newRow("other") << QStringList{"tarvolix", "fichier.dat"} << calc;
    }
    void route()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, window);
        QCOMPARE(int(StartupRoute::windowFor(StartupRoute::argumentText(arguments))), window);
    }
};

QTEST_APPLESS_MAIN(TestStartupRoute)
#include "test_startup_route.moc"
