#include "app/AppearanceStore.h"
#include "support/SettingsSandbox.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class TestAppearanceStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.ready());
    }
    void init() { SettingsSandbox::clear(); }

    void nothingStoredGivesStyleOne()
    {
        AppearanceStore appearance;
        QCOMPARE(appearance.style(), 1);
        const AppearanceColors expected{0x8000000F, 0x80000012, 0x8000000F, 0xE0E0E0, 0x000000};
        QCOMPARE(appearance.colors(), expected);
        QCOMPARE(appearance.customColors(), expected);
    }

    void storedStyle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        QTest::addColumn<quint32>("color1");
        QTest::newRow("style 2") << "2" << 2 << quint32(0x80000002);
        QTest::newRow("style 3") << "3" << 3 << quint32(0x80000003);
        QTest::newRow("custom") << "4" << 4 << quint32(0x000000FF);
        QTest::newRow("blanks around") << " 3 " << 3 << quint32(0x80000003);
        QTest::newRow("zero") << "0" << 1 << quint32(0x8000000F);
        QTest::newRow("five") << "5" << 1 << quint32(0x8000000F);
        QTest::newRow("beyond 16 bits") << "65538" << 1 << quint32(0x8000000F);
        QTest::newRow("not a number") << "bleu" << 1 << quint32(0x8000000F);
    }
    void storedStyle()
    {
        QFETCH(QString, text);
        QFETCH(int, style);
        QFETCH(quint32, color1);
        SettingsSandbox::setColorText(QStringLiteral("Style"), text);
        SettingsSandbox::setColorText(QStringLiteral("Color1"), QStringLiteral("255"));
        AppearanceStore appearance;
        QCOMPARE(appearance.style(), style);
        QCOMPARE(appearance.colors()[ColorRole::Window], color1);
    }

    void storedColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("color");
        QTest::newRow("fixed colour") << "16777215" << quint32(0xFFFFFF);
        QTest::newRow("system colour") << "-2147483630" << quint32(0x80000012);
        QTest::newRow("black") << "0" << quint32(0);
        QTest::newRow("not a number") << "rouge" << quint32(0x80000012);
        QTest::newRow("beyond 32 bits") << "2147483648" << quint32(0x80000012);
        QTest::newRow("hexadecimal") << "0xFF" << quint32(0x80000012);
    }
    void storedColor()
    {
        QFETCH(QString, text);
        QFETCH(quint32, color);
        SettingsSandbox::setColorText(QStringLiteral("Style"), QStringLiteral("4"));
        SettingsSandbox::setColorText(QStringLiteral("Color2"), text);
        AppearanceStore appearance;
        QCOMPARE(appearance.colors()[ColorRole::KeyText], color);
        // The others keep their defaults.
        QCOMPARE(appearance.colors()[ColorRole::DisplayBack], quint32(0xE0E0E0));
    }

    void customColorsAreReadWhateverTheStyle()
    {
        SettingsSandbox::setColorText(QStringLiteral("Style"), QStringLiteral("2"));
        SettingsSandbox::setColorText(QStringLiteral("Color4"), QStringLiteral("65280"));
        AppearanceStore appearance;
        QCOMPARE(appearance.customColors()[ColorRole::DisplayBack], quint32(0x00FF00));
        QCOMPARE(appearance.colors()[ColorRole::DisplayBack], quint32(0xE0E0E0));
    }

    void predefinedStyleKeepsStoredColours()
    {
        SettingsSandbox::setColorText(QStringLiteral("Color1"), QStringLiteral("123"));
        AppearanceStore().save(2, {1, 2, 3, 4, 5});
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, SettingsSandbox::Product);
        QCOMPARE(settings.value(QStringLiteral("Colors/Style")).toString(), QStringLiteral("2"));
        QCOMPARE(settings.value(QStringLiteral("Colors/Color1")).toString(), QStringLiteral("123"));
        QVERIFY(!settings.contains(QStringLiteral("Colors/Color2")));
        QCOMPARE(AppearanceStore().style(), 2);
    }

    void customStyleWritesAllColoursAsSignedText()
    {
        const AppearanceColors custom{0x80000002, 0x80000012, 0x00FF8040, 0xE0E0E0, 0};
        AppearanceStore().save(4, custom);
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, SettingsSandbox::Product);
        const char *const expected[5] = {"-2147483646", "-2147483630", "16744512", "14737632", "0"};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(settings.value(QStringLiteral("Colors/Color%1").arg(k + 1)).toString(),
                     QString::fromLatin1(expected[k]));

        // The file itself holds the texts, where the product's name says.
        QFile file(settings.fileName());
        QVERIFY(file.fileName().contains(SettingsSandbox::Product));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(content.contains("[Colors]"));
        QVERIFY(content.contains("Style=4"));
        QVERIFY(content.contains("Color1=-2147483646"));

        AppearanceStore again;
        QCOMPARE(again.style(), 4);
        QCOMPARE(again.colors(), custom);
    }

private:
    SettingsSandbox sandbox;
};

QTEST_GUILESS_MAIN(TestAppearanceStore)
#include "test_appearance_store.moc"
