#include "app/FrmCalc.h"
#include "calc/CalcEngine.h"
#include "calc/Keypad.h"
#include "calc/PixelRaster.h"
#include "controls/ColorTranslate.h"
#include "controls/GdiKey.h"
#include "support/KeySequence.h"
#include "support/MenuAction.h"
#include "support/ScriptedPrompt.h"
#include "tape/EditFrame.h"
#include "tape/Tape.h"
#include "support/Screenshot.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

class TestFrmCalc : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        window = std::make_unique<FrmCalc>();
        window->setPrompt(&prompt);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }
    void cleanup() { window.reset(); prompt.messages.clear(); }

    void initialState()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvolix"));
        QCOMPARE(window->displayText(), QStringLiteral("0"));
        for (int k = 0; k < 5; ++k)
            QCOMPARE(window->memoryPanelText(k), QStringLiteral("M%1: 0").arg(k + 1));
        QVERIFY(!window->isGridMode());
        saveShot(*window, "calculator");
    }

    void keyboardSequence_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("lines");
        QTest::newRow("sum on the pad") << "12+5\r" << "17" << 3;
        QTest::newRow("square root") << "9r" << "3" << 2;
        QTest::newRow("escape") << "12+5\x1b" << "0" << 2;
        QTest::newRow("multiply with star") << "6*7\r" << "42" << 3;
    }
    void keyboardSequence()
    {
        QFETCH(QString, typed);
        QFETCH(QString, display);
        QFETCH(int, lines);
        for (QChar c : typed) {
            Qt::KeyboardModifiers mods = Qt::NoModifier;
            int key = 0;
            if (c == '+') { key = Qt::Key_Plus; mods = Qt::KeypadModifier; }
            else if (c == '\r') key = Qt::Key_Return;
            else if (c == '\x1b') key = Qt::Key_Escape;
            else if (c == '*') key = Qt::Key_Asterisk;
            else if (c == '/') { key = Qt::Key_Slash; mods = Qt::KeypadModifier; }
            else if (c == ',') key = Qt::Key_Comma;
            else if (c.isDigit()) key = Qt::Key_0 + c.digitValue();
            else key = Qt::Key_A + (c.toUpper().unicode() - 'A');
            QTest::keyClick(window.get(), Qt::Key(key), mods);
        }
        // The last key's release comes after its pause.
        QTRY_COMPARE(window->displayText(), display);
        QCOMPARE(window->tape().openLineIndex(), qint64(lines));
    }

    void pressShowsRingAndReleaseRestoresFace()
    {
        GdiKey *seven = window->key({KeyGroup::Digit, 7});
        const QImage before = seven->surface().copy();
        QTest::mousePress(seven, Qt::LeftButton);
        const QRgb fore = TranslateColor(seven->foreColor()).rgb();
        for (const QPoint &p : PixelRaster::circle(13, 13, 12))
            QCOMPARE(seven->surface().pixel(p), fore);
        QTest::mouseRelease(seven, Qt::LeftButton);
        QCOMPARE(seven->surface(), before);
        QCOMPARE(window->displayText(), QStringLiteral("7"));
    }

    void rightButtonVariant()
    {
        QTest::mouseClick(window->key({KeyGroup::Digit, 1}), Qt::LeftButton);
        QTest::mouseClick(window->key({KeyGroup::Digit, 2}), Qt::LeftButton);
        QTest::mouseClick(window->key({KeyGroup::Decimal, 0}), Qt::LeftButton);
        QTest::mouseClick(window->key({KeyGroup::Digit, 5}), Qt::LeftButton);
        QTest::mouseClick(window->key({KeyGroup::Function, 2}), Qt::RightButton);
        QCOMPARE(window->displayText(), QStringLiteral("0,5"));
    }

    void clearEntryActsOnPress()
    {
        QTest::mouseClick(window->key({KeyGroup::Digit, 4}), Qt::LeftButton);
        QTest::mousePress(window->key({KeyGroup::ClearEntry, 0}), Qt::LeftButton);
        QCOMPARE(window->displayText(), QStringLiteral("0"));
        QTest::mouseRelease(window->key({KeyGroup::ClearEntry, 0}), Qt::LeftButton);
    }

    void gridMode()
    {
        GdiKey *gridKey = window->key({KeyGroup::Grid, 0});
        // Refused on an empty tape and during a calculation.
        QTest::mouseClick(gridKey, Qt::LeftButton);
        QVERIFY(!window->isGridMode());
        press(window->engine(), "3 +");
        QTest::mouseClick(gridKey, Qt::LeftButton);
        QVERIFY(!window->isGridMode());
        press(window->engine(), "4 =");

        QTest::mouseClick(gridKey, Qt::LeftButton);
        QVERIFY(window->isGridMode());
        QVERIFY(window->key({KeyGroup::Digit, 5})->isHidden());
        QVERIFY(!menuAction(*window, "Grille vierge")->isEnabled() || !window->menuBar()->actions()[0]->isEnabled());
        QCOMPARE(gridKey->accessibleName(), QStringLiteral("Retour"));
        auto *grid = window->findChild<QTableView *>("flxCalc");
        QVERIFY(grid->isEnabled());
        QVERIFY(grid->hasFocus());
        saveShot(*window, "calculator-grid");

        // F3 on the total line (7) stores it; F2 on an empty cell does nothing.
        grid->setCurrentIndex(grid->model()->index(2, 1));
        QTest::keyClick(grid, Qt::Key_F3);
        QCOMPARE(window->memoryPanelText(2), QStringLiteral("M3: 7"));
        grid->setCurrentIndex(grid->model()->index(3, 1));
        QTest::keyClick(grid, Qt::Key_F2);
        QCOMPARE(window->memoryPanelText(1), QStringLiteral("M2: 0"));

        // Keys go to the grid now: a digit changes nothing.
        QTest::keyClick(grid, Qt::Key_5);
        QCOMPARE(window->displayText(), QStringLiteral("7"));
        // G brings the calculator back.
        QTest::keyClick(grid, Qt::Key_G);
        QVERIFY(!window->isGridMode());
        QVERIFY(!window->key({KeyGroup::Digit, 5})->isHidden());
        QVERIFY(!grid->isEnabled());
        QCOMPARE(gridKey->accessibleName(), QStringLiteral("Editer la grille"));
    }

    void keyboardGSwitchesButCtrlGClearsTape()
    {
        press(window->engine(), "3 + 4 =");
        QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(!window->isGridMode());
        QCOMPARE(window->tape().rowCount(), qint64(1));
        press(window->engine(), "3 F3");
        QTest::keyClick(window.get(), Qt::Key_G);
        QVERIFY(window->isGridMode());
    }

    void copyAndPaste()
    {
        QTest::mouseClick(window->key({KeyGroup::Digit, 1}), Qt::LeftButton);
        QTest::mouseClick(window->key({KeyGroup::Digit, 2}), Qt::LeftButton);
        QTest::mouseClick(window->key({KeyGroup::Decimal, 0}), Qt::LeftButton);
        QTest::mouseClick(window->key({KeyGroup::Digit, 5}), Qt::LeftButton);
        menuAction(*window, "Copier")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12,5"));
        QGuiApplication::clipboard()->setText("3,25");
        menuAction(*window, "Coller")->trigger();
        QCOMPARE(window->displayText(), QStringLiteral("3,25"));
        QCOMPARE(window->engine().accumulator(), 3.25);
        QGuiApplication::clipboard()->setText("abc");
        menuAction(*window, "Coller")->trigger();
        QCOMPARE(window->displayText(), QStringLiteral("3,25"));
    }

    void blankTape()
    {
        press(window->engine(), "3 +");
        window->setWindowTitle("Tarvolix - essai.dat");
        menuAction(*window, "Grille vierge")->trigger();
        QCOMPARE(window->tape().rowCount(), qint64(1));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvolix"));
        QCOMPARE(window->displayText(), QStringLiteral("0"));
    }

    void keysAreAccessible()
    {
        for (const Keypad::Place &place : Keypad::places()) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window->key(place.key));
            QVERIFY(iface);
            QCOMPARE(iface->role(), QAccessible::Button);
            QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        }
        QAccessibleInterface *eight = QAccessible::queryAccessibleInterface(window->key({KeyGroup::Digit, 8}));
        QCOMPARE(eight->text(QAccessible::Name), QStringLiteral("8"));
        eight->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window->displayText(), QStringLiteral("8"));
    }

    void facesStaySharpAtEveryScale()
    {
        // Every pixel of a face is the key's back or fore colour.
        for (const Keypad::Place &place : Keypad::places()) {
            GdiKey *k = window->key(place.key);
            const QImage image = k->grab().toImage();
            const QRgb back = TranslateColor(k->backColor()).rgb();
            const QRgb fore = TranslateColor(k->foreColor()).rgb();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb p = image.pixel(x, y) | 0xFF000000;
                    QVERIFY2(p == (back | 0xFF000000) || p == (fore | 0xFF000000),
                             qPrintable(Keypad::accessibleName(place.key)));
                }
        }
    }

    void editFrame_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shot");
        QTest::addColumn<QStringList>("visibleFrames");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("deleteEnabled");
        QTest::newRow("first operand") << 0 << "edit-first" << QStringList{"fraOpération", "fraCommentaire"} << "txtOpération" << true;
        QTest::newRow("operand") << 1 << "edit-operand" << QStringList{"fraOpération", "fraCommentaire"} << "cboOpération" << true;
        QTest::newRow("function") << 2 << "edit-function" << QStringList{"fraFonction", "fraCommentaire"} << "cboFonction" << true;
        QTest::newRow("total") << 3 << "edit-total" << QStringList{"fraCommentaire"} << "txtCommentaire" << false;
    }
    void editFrame()
    {
        QFETCH(int, row);
        QFETCH(QString, shot);
        QFETCH(QStringList, visibleFrames);
        QFETCH(QString, focus);
        QFETCH(bool, deleteEnabled);
        for (Qt::Key k : {Qt::Key_1, Qt::Key_2})
            QTest::keyClick(window.get(), k);
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(window.get(), Qt::Key_9);
        QTest::keyClick(window.get(), Qt::Key_R);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTRY_COMPARE(window->tape().openLineIndex(), qint64(4));
        QTest::keyClick(window.get(), Qt::Key_G);
        QVERIFY(window->isGridMode());
        auto *grid = window->findChild<QTableView *>("flxCalc");
        grid->setCurrentIndex(grid->model()->index(row, 1));
        QTest::keyClick(grid, Qt::Key_Return);
        QWidget *frame = window->editFrame();
        QVERIFY(frame->isVisible());
        QVERIFY(!grid->isEnabled());
        for (const char *name : {"fraOpération", "fraFonction", "fraCommentaire"})
            QCOMPARE(frame->findChild<QWidget *>(QString::fromUtf8(name))->isVisible(),
                     visibleFrames.contains(QString::fromUtf8(name)));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(frame->findChild<QWidget *>("cmdAction0")->isEnabled(), deleteEnabled);
        saveShot(*window, shot);
        QTest::mouseClick(frame->findChild<QWidget *>("cmdAction2"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QVERIFY(grid->isEnabled());
        QVERIFY(grid->hasFocus());
    }

    void editOperandThroughTheFrame()
    {
        for (Qt::Key k : {Qt::Key_1, Qt::Key_2})
            QTest::keyClick(window.get(), k);
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(window.get(), Qt::Key_5);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTRY_COMPARE(window->tape().openLineIndex(), qint64(3));
        QTest::keyClick(window.get(), Qt::Key_G);
        auto *grid = window->findChild<QTableView *>("flxCalc");
        grid->setCurrentIndex(grid->model()->index(1, 1));
        QTest::keyClick(grid, Qt::Key_Return);
        auto *operand = window->editFrame()->findChild<QLineEdit *>("txtOpération");
        operand->selectAll();
        QTest::keyClicks(operand, "abc");
        QTest::mouseClick(window->editFrame()->findChild<QWidget *>("cmdAction1"), Qt::LeftButton);
        QCOMPARE(prompt.messages, QStringList{"Vous n'avez pas saisi une donnée valide."});
        QVERIFY(window->editFrame()->isVisible());
        QVERIFY(operand->hasFocus());
        operand->selectAll();
        // A double quote cannot be kept by the tape file: refused at entry.
        auto *comment = window->editFrame()->findChild<QLineEdit *>("txtCommentaire");
        QTest::keyClicks(comment, "dit \"oui\"");
        QTest::mouseClick(window->editFrame()->findChild<QWidget *>("cmdAction1"), Qt::LeftButton);
        QCOMPARE(prompt.messages.size(), 2);
        QVERIFY(comment->hasFocus());
        comment->clear();
        QTest::keyClicks(comment, "loyer");
        operand->selectAll();
        QTest::keyClicks(operand, "7.5");
        QTest::mouseClick(window->editFrame()->findChild<QWidget *>("cmdAction1"), Qt::LeftButton);
        QVERIFY(!window->editFrame()->isVisible());
        QCOMPARE(window->tape().cell(2, Tape::ValueColumn), QStringLiteral("19,5"));
        QCOMPARE(window->tape().comment(1), QStringLiteral("loyer"));
        QCOMPARE(window->displayText(), QStringLiteral("19,5"));
        // Back on the keypad, the calculation goes on from the edited total.
        QTest::keyClick(grid, Qt::Key_G);
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(window.get(), Qt::Key_1);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTRY_COMPARE(window->displayText(), QStringLiteral("20,5"));
    }

private:
    std::unique_ptr<FrmCalc> window;
    ScriptedPrompt prompt;
};

QTEST_MAIN(TestFrmCalc)
#include "test_frm_calc.moc"
