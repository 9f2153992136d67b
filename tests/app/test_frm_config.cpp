#include "app/AppearanceStore.h"
#include "app/FrmCalc.h"
#include "app/FrmConfig.h"
#include "calc/KeyId.h"
#include "controls/ColorTranslate.h"
#include "controls/GdiKey.h"
#include "support/ClickIndicator.h"
#include "support/MenuAction.h"
#include "support/Screenshot.h"
#include "support/SettingsSandbox.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(AppearanceColors)

namespace {

const AppearanceColors Stored{0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0xFFFFFF};

// Answers the next modal window once it is up.
void whenModal(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        answer(QApplication::activeModalWidget());
    });
}

} // namespace

class TestFrmConfig : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(settings.ready());
    }
    void init()
    {
        SettingsSandbox::clear();
        asked.clear();
        answers.clear();
    }

    void opensOnStoredStyle_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("selected");
        QTest::newRow("style 2") << 2 << 2;
        QTest::newRow("custom") << 4 << 4;
        QTest::newRow("unreadable") << 0 << 1;
        QTest::newRow("out of range") << 9 << 1;
    }
    void opensOnStoredStyle()
    {
        QFETCH(int, stored);
        QFETCH(int, selected);
        FrmConfig window(stored, Stored, chooser());
        window.show();
        QCOMPARE(window.selectedStyle(), selected);
        QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("optStyle%1").arg(selected))->isChecked());
        QCOMPARE(window.findChild<QGroupBox *>(QStringLiteral("fraPerso"))->isVisible(), selected == 4);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(window.swatchColor(k), Stored[colorRoleNumbered(k)]);
    }

    void previewFollowsTheOption_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<AppearanceColors>("preview");
        QTest::newRow("style 1") << 1 << AppearanceColors{0x8000000F, 0x80000012, 0x8000000F, 0xE0E0E0, 0};
        QTest::newRow("style 2") << 2 << AppearanceColors{0x80000002, 0x80000009, 0x80000002, 0xE0E0E0, 0};
        QTest::newRow("style 3") << 3 << AppearanceColors{0x80000003, 0x80000013, 0x80000003, 0xE0E0E0, 0};
        QTest::newRow("custom") << 4 << Stored;
    }
    void previewFollowsTheOption()
    {
        QFETCH(int, style);
        QFETCH(AppearanceColors, preview);
        FrmConfig window(style == 4 ? 1 : 4, Stored, chooser());
        window.show();
        clickIndicator(window.findChild<QRadioButton *>(QStringLiteral("optStyle%1").arg(style)));
        QCOMPARE(window.selectedStyle(), style);
        QCOMPARE(window.previewColors(), preview);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(window.previewKey(i)->backColor(), preview[ColorRole::Window]);
            QCOMPARE(window.previewKey(i)->foreColor(), preview[ColorRole::KeyText]);
        }
        // The face is drawn: the symbol colour appears on the key.
        const QImage face = window.previewKey(0)->surface();
        QCOMPARE(face.pixel(13, 0), TranslateColor(preview[ColorRole::KeyText]).rgb());
        QCOMPARE(face.pixel(3, 3), TranslateColor(preview[ColorRole::Window]).rgb());
        saveShot(window, QStringLiteral("config-style%1").arg(style));
    }

    void customButton_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<qint64>("answer");
        for (int k = 1; k <= 5; ++k) {
            QTest::addRow("button %d chosen", k) << k << qint64(0x123456);
            QTest::addRow("button %d cancelled", k) << k << qint64(-1);
        }
    }
    void customButton()
    {
        QFETCH(int, k);
        QFETCH(qint64, answer);
        FrmConfig window(4, Stored, chooser());
        window.show();
        answers << answer;
        QTest::mouseClick(window.customButton(k), Qt::LeftButton);
        QCOMPARE(asked, QList<quint32>({Stored[colorRoleNumbered(k)]}));
        AppearanceColors expected = Stored;
        if (answer >= 0)
            expected[colorRoleNumbered(k)] = quint32(answer);
        QCOMPARE(window.swatchColor(k), expected[colorRoleNumbered(k)]);
        QCOMPARE(window.previewColors(), expected);
        QCOMPARE(window.previewKey(5)->backColor(), expected[ColorRole::Window]);
        QCOMPARE(window.previewKey(5)->foreColor(), expected[ColorRole::KeyText]);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Enregistrer") << "cmdAction0" << int(QDialog::Accepted);
        QTest::newRow("Annuler") << "cmdAction1" << int(QDialog::Rejected);
        QTest::newRow("close box") << "" << int(QDialog::Rejected);
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        FrmConfig window(2, Stored, chooser());
        window.setResult(QDialog::Accepted); // a close box must not keep a former answer
        window.show();
        if (how.isEmpty())
            window.close();
        else
            QTest::mouseClick(window.findChild<QPushButton *>(how), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), result);
    }

    // What the store writes is its own test's; here, that the window hands it
    // the chosen style and swatches, and applies what it confirms.
    void confirming_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<AppearanceColors>("applied");
        QTest::newRow("predefined") << 2 << AppearanceColors{0x80000002, 0x80000009, 0x80000002, 0xE0E0E0, 0};
        QTest::newRow("custom, one swatch chosen") << 4 << AppearanceColors{0x0000FF, 0x00FF00, 0xC08040, 0x808080, 0xFFFFFF};
    }
    void confirming()
    {
        QFETCH(int, style);
        QFETCH(AppearanceColors, applied);
        FrmConfig window(1, Stored, chooser());
        window.show();
        window.selectStyle(style);
        answers << qint64(0xC08040);
        if (style == 4)
            QTest::mouseClick(window.customButton(3), Qt::LeftButton);
        AppearanceStore store;
        QCOMPARE(window.commit(store), applied);
        QCOMPARE(AppearanceStore().style(), style);
        QCOMPARE(AppearanceStore().customColors(), style == 4 ? applied : AppearanceStyle::defaultCustom());
    }

    void calculatorStartsInStoredStyle_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<quint32>("back");
        QTest::addColumn<quint32>("fore");
        QTest::newRow("nothing stored") << QString() << quint32(0x8000000F) << quint32(0x80000012);
        QTest::newRow("style 3") << "3" << quint32(0x80000003) << quint32(0x80000013);
        QTest::newRow("custom") << "4" << quint32(0x0000FF) << quint32(0x00FF00);
    }
    void calculatorStartsInStoredStyle()
    {
        QFETCH(QString, style);
        QFETCH(quint32, back);
        QFETCH(quint32, fore);
        if (!style.isEmpty()) {
            AppearanceStore().save(4, Stored);
            SettingsSandbox::setColorText(QStringLiteral("Style"), style);
        }
        FrmCalc calc;
        calc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calc));
        GdiKey *seven = calc.key({KeyGroup::Digit, 7});
        QCOMPARE(seven->backColor(), back);
        QCOMPARE(seven->foreColor(), fore);
        saveShot(calc, QStringLiteral("calculator-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    }

    void predefinedStylesFollowTheDesktopPalette()
    {
        const QPalette saved = QApplication::palette();
        QPalette theme = saved;
        theme.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
        theme.setColor(QPalette::ButtonText, QColor(0xFE, 0xDC, 0xBA));
        QApplication::setPalette(theme);
        FrmCalc calc;
        const QImage face = calc.key({KeyGroup::Digit, 5})->surface();
        QApplication::setPalette(saved);
        QCOMPARE(face.pixel(3, 3), qRgb(0x12, 0x34, 0x56));
        QCOMPARE(face.pixel(13, 0), qRgb(0xFE, 0xDC, 0xBA));
    }

    void menuAppliesAConfirmedStyle()
    {
        FrmCalc calc;
        calc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calc));
        QAction *item = menuAction(calc, QStringLiteral("Personnaliser les couleurs"));
        QVERIFY(item && item->isEnabled());

        whenModal([](QWidget *modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Personnalisation"));
            QTest::mouseClick(modal->findChild<QRadioButton *>(QStringLiteral("optStyle3")), Qt::LeftButton);
            QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("cmdAction0")), Qt::LeftButton);
        });
        item->trigger();
        QCOMPARE(calc.key({KeyGroup::Digit, 7})->backColor(), quint32(0x80000003));
        QCOMPARE(SettingsSandbox::colorText(QStringLiteral("Style")), QStringLiteral("3"));

        whenModal([](QWidget *modal) {
            QTest::mouseClick(modal->findChild<QRadioButton *>(QStringLiteral("optStyle2")), Qt::LeftButton);
            modal->close();
        });
        item->trigger();
        QCOMPARE(calc.key({KeyGroup::Digit, 7})->backColor(), quint32(0x80000003));
        QCOMPARE(SettingsSandbox::colorText(QStringLiteral("Style")), QStringLiteral("3"));
    }

private:
    FrmConfig::ColorChoice chooser()
    {
        return [this](quint32 initial) {
            asked << initial;
            return answers.isEmpty() ? qint64(-1) : answers.takeFirst();
        };
    }

    SettingsSandbox settings;
    QList<quint32> asked;
    QList<qint64> answers;
};

QTEST_MAIN(TestFrmConfig)
#include "test_frm_config.moc"
