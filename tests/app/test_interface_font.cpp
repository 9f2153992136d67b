#include "app/InterfaceFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

// A system whose default sans-serif resolves to a monospace font still gets
// proportional windows.
class TestInterfaceFont : public QObject
{
    Q_OBJECT
private slots:
    void monospaceIsReplaced_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("Liberation Mono") << QStringLiteral("Liberation Mono");
        QTest::newRow("DejaVu Sans Mono") << QStringLiteral("DejaVu Sans Mono");
        QTest::newRow("monospace") << QStringLiteral("monospace");
    }
    void monospaceIsReplaced()
    {
        QFETCH(QString, family);
        if (!QFontDatabase::hasFamily(family) && family != QLatin1String("monospace"))
            QSKIP("font not installed");
        QFont font = QApplication::font();
        font.setFamilies({family});
        QApplication::setFont(font);
        QVERIFY(QFontInfo(QApplication::font()).fixedPitch());
        const QString chosen = InterfaceFont::ensureProportional();
        QVERIFY(!QFontInfo(QApplication::font()).fixedPitch());
        QCOMPARE(QFontInfo(QApplication::font()).family(), chosen);
        QCOMPARE(QApplication::font().pointSizeF(), font.pointSizeF());
    }
    void proportionalIsKept()
    {
        QFont font = QApplication::font();
        font.setFamilies({QStringLiteral("Liberation Serif")});
        QApplication::setFont(font);
        if (QFontInfo(font).fixedPitch())
            QSKIP("no proportional font installed");
        const QString before = QFontInfo(QApplication::font()).family();
        QCOMPARE(InterfaceFont::ensureProportional(), before);
        QCOMPARE(QApplication::font().families(), font.families());
    }
};

QTEST_MAIN(TestInterfaceFont)
#include "test_interface_font.moc"
