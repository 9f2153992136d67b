#include "app/FrmAbout.h"
#include "app/ProductInfo.h"
#include "support/Screenshot.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestFrmAbout : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        opened.clear();
        window = std::make_unique<FrmAbout>(nullptr, [this](const QString &target) { opened << target; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void showsTheProduct()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("A propos de"));
        QCOMPARE(label("lblVersion")->text(), ProductInfo::versionText());
        QCOMPARE(window->size(), QSize(382, 256));
        saveShot(*window, QStringLiteral("about"));
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("Web: caption") << "lblWeb0" << QStringList();
        QTest::newRow("Mail: caption") << "lblMail0" << QStringList();
        QTest::newRow("web address") << "lblWeb1" << QStringList{ProductInfo::webAddress()};
        QTest::newRow("mail address") << "lblMail1"
                                      << QStringList{QStringLiteral("mailto: ") + ProductInfo::mailAddress()};
    }
    void clicks()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, targets);
        QTest::mouseClick(label(name), Qt::LeftButton);
        QCOMPARE(opened, targets);
        QVERIFY(window->isVisible());
        QTest::mouseClick(label(name), Qt::RightButton);
        QCOMPARE(opened, targets);
    }

    void okAnswersEnterAndEscape_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void okAnswersEnterAndEscape()
    {
        QFETCH(int, key);
        window->activateWindow();
        QTest::keyClick(window.get(), Qt::Key(key));
        QVERIFY(!window->isVisible());
    }

private:
    QLabel *label(const QString &name) const { return window->findChild<QLabel *>(name); }

    std::unique_ptr<FrmAbout> window;
    QStringList opened;
};

QTEST_MAIN(TestFrmAbout)
#include "test_frm_about.moc"
