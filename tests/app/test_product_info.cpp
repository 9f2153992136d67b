#include "app/ProductInfo.h"

#include <QtTest>

class TestProductInfo : public QObject
{
    Q_OBJECT
private slots:
    void versionText_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("minor 5, revision 0") << 1 << 5 << 0 << "Version 1.5.0";
        QTest::newRow("two-digit parts") << 2 << 10 << 12 << "Version 2.10.12";
    }
    void versionText()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(ProductInfo::versionText(major, minor, revision), text);
    }

    void mailTargetKeepsTheBlank()
    {
        QCOMPARE(ProductInfo::mailTarget(QStringLiteral("a@b.fr")), QStringLiteral("mailto: a@b.fr"));
    }

    void urlText_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("url");
        QTest::newRow("mail with blank") << "mailto: a@b.fr" << "mailto:a@b.fr";
        QTest::newRow("mail in capitals") << "MAILTO:  a@b.fr " << "mailto:a@b.fr";
        QTest::newRow("web") << " https://www.exemple.fr " << "https://www.exemple.fr";
        QTest::newRow("web keeps inner text") << "https://x.fr/a b" << "https://x.fr/a b";
    }
    void urlText()
    {
        QFETCH(QString, target);
        QFETCH(QString, url);
        QCOMPARE(ProductInfo::urlText(target), url);
    }
};

QTEST_GUILESS_MAIN(TestProductInfo)
#include "test_product_info.moc"
