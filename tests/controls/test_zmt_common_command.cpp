#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
QPixmap squarePicture()
{
    QPixmap picture(16, 16);
    picture.fill(QColor(200, 30, 30));
    return picture;
}

// A window holding one caption button and a second focusable widget.
struct Host
{
    QWidget window;
    ZmtCommonCommand *button = new ZmtCommonCommand(&window);
    QWidget *other = new QWidget(&window);

    Host()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(button);
        layout->addWidget(other);
        other->setFocusPolicy(Qt::StrongFocus);
        button->setFixedSize(120, 40);
        window.show();
        window.activateWindow();
    }
};
} // namespace

class TestZmtCommonCommand : public QObject
{
    Q_OBJECT
private slots:
    void accessKeyClicks_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("clicks");
        QTest::newRow("access key") << "&Calculer" << int(Qt::Key_C) << true << 1;
        QTest::newRow("other letter") << "&Calculer" << int(Qt::Key_A) << true << 0;
        QTest::newRow("disabled") << "&Calculer" << int(Qt::Key_C) << false << 0;
    }

    void accessKeyClicks()
    {
        QFETCH(QString, caption);
        QFETCH(int, key);
        QFETCH(bool, enabled);
        QFETCH(int, clicks);
        Host host;
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        host.button->setCaption(caption);
        host.button->setEnabled(enabled);
        host.other->setFocus();
        QSignalSpy spy(host.button, &ZmtCommonCommand::clicked);
        QTest::keyClick(host.other, Qt::Key(key), Qt::AltModifier);
        QCOMPARE(spy.count(), clicks);
    }

    void mouseClick()
    {
        Host host;
        QSignalSpy clicked(host.button, &ZmtCommonCommand::clicked);
        QSignalSpy down(host.button, &ZmtCommonCommand::mouseDown);
        QTest::mouseClick(host.button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(down.count(), 1);
        // Released outside the control: no click.
        QTest::mousePress(host.button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(host.button, Qt::LeftButton, {}, QPoint(500, 10));
        QCOMPARE(clicked.count(), 1);
        host.button->setEnabled(false);
        QTest::mouseClick(host.button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void keyboardPress_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("clicks");
        QTest::newRow("space") << int(Qt::Key_Space) << 1;
        QTest::newRow("return") << int(Qt::Key_Return) << 1;
        QTest::newRow("letter") << int(Qt::Key_X) << 0;
    }

    void keyboardPress()
    {
        QFETCH(int, key);
        QFETCH(int, clicks);
        Host host;
        QSignalSpy clicked(host.button, &ZmtCommonCommand::clicked);
        QSignalSpy keyUps(host.button, &ZmtCommonCommand::keyUp);
        QTest::keyClick(host.button, Qt::Key(key));
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(keyUps.count(), 1);
        QCOMPARE(keyUps.first().at(0).toInt(), key);
    }

    void disabledLook()
    {
        Host host;
        host.button->setCaption(QStringLiteral("Calculer"));
        host.button->setPicture(squarePicture());
        host.button->setDisposition(2);
        host.button->setForeColor(QColor(0, 0, 160));
        QCOMPARE(host.button->captionColor(), QColor(0, 0, 160));
        const QImage enabled = host.button->grab().toImage();

        host.button->setEnabled(false);
        QCOMPARE(host.button->captionColor(),
                 host.button->palette().color(QPalette::Disabled, QPalette::WindowText));
        const QImage disabled = host.button->grab().toImage();
        // The picture (at 3, 12) is drawn in its disabled state: no longer the plain red.
        const QPoint inPicture(10, 19);
        QCOMPARE(enabled.pixelColor(inPicture), QColor(200, 30, 30));
        QVERIFY(disabled.pixelColor(inPicture) != QColor(200, 30, 30));

        host.button->setEnabled(true);
        QCOMPARE(host.button->captionColor(), QColor(0, 0, 160));
        QCOMPARE(host.button->grab().toImage(), enabled);
    }

    void focusRectAroundPictureOnly()
    {
        Host host;
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        host.button->setPicture(squarePicture());
        host.button->setDisposition(2); // picture at (3, 12), 16 × 16
        host.other->setFocus();
        const QImage unfocused = host.button->grab().toImage();
        host.button->setFocus();
        QVERIFY(host.button->hasFocusMark());
        const QImage focused = host.button->grab().toImage();
        const QRect mark(1, 10, 20, 20);
        bool changedInside = false;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (focused.pixel(x, y) == unfocused.pixel(x, y))
                    continue;
                QVERIFY2(mark.contains(x, y), qPrintable(QStringLiteral("changed at %1,%2").arg(x).arg(y)));
                changedInside = true;
            }
        }
        QVERIFY(changedInside);
        host.other->setFocus();
        QVERIFY(!host.button->hasFocusMark());
    }

    void accessibility()
    {
        Host host;
        host.button->setCaption(QStringLiteral("&Calculer avec ces valeurs"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(host.button);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::PushButton);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Calculer avec ces valeurs"));
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QSignalSpy clicked(host.button, &ZmtCommonCommand::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
    }

    // The flags themselves are the caption layout's; here, that the properties reach it.
    void textFlagsFollowProperties()
    {
        ZmtCommonCommand button;
        button.setProperty("MultiLine", false);
        button.setProperty("Alignment", 1);
        QCOMPARE(button.textFlags(), CaptionLayout::textFlags(false, 1));
    }
};

QTEST_MAIN(TestZmtCommonCommand)
#include "test_zmt_common_command.moc"
