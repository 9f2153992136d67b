#include "app/FrmCalc.h"
#include "calc/CalcEngine.h"
#include "calc/Keypad.h"
#include "controls/ColorTranslate.h"
#include "controls/GdiKey.h"
#include "app/AppearanceStyle.h"
#include "support/InkBounds.h"
#include "support/KeySequence.h"
#include "support/MenuAction.h"
#include "support/ScriptedPrompt.h"
#include "support/Screenshot.h"
#include "tape/EditFrame.h"
#include "tape/Tape.h"
#include "tape/TapeDocument.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTableView>
#include <QtTest>

Q_DECLARE_METATYPE(UserPrompt::Answer)

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
    void cleanup()
    {
        window.reset();
        prompt.messages.clear();
        prompt.prompts.clear();
        prompt.questionAnswers.clear();
    }

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
        // Only the pad has a + key of its own.
        for (QChar c : typed)
            QTest::keyClick(window.get(), c.toLatin1(), c == '+' ? Qt::KeypadModifier : Qt::NoModifier);
        // The last key's release comes after its pause.
        QTRY_COMPARE(window->displayText(), display);
        QCOMPARE(window->tape().openLineIndex(), qint64(lines));
    }

    void rightButtonVariant()
    {
        click({{KeyGroup::Digit, 1}, {KeyGroup::Digit, 2}, {KeyGroup::Decimal, 0}, {KeyGroup::Digit, 5}});
        QTest::mouseClick(window->key({KeyGroup::Function, 2}), Qt::RightButton);
        QCOMPARE(window->displayText(), QStringLiteral("0,5"));
    }

    void clearEntryActsOnPress()
    {
        click({{KeyGroup::Digit, 4}});
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
        click({{KeyGroup::Digit, 1}, {KeyGroup::Digit, 2}, {KeyGroup::Decimal, 0}, {KeyGroup::Digit, 5}});
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

    // Each command that drops the tape asks first about a changed document.
    void changedDocumentAsksFirst_data()
    {
        QTest::addColumn<QString>("command");  // a menu item, or empty: the window's close button
        QTest::addColumn<UserPrompt::Answer>("answer");
        QTest::addColumn<bool>("goesOn");
        for (const char *command : {"Quitter", "", "Grille vierge", "Ouvrir"}) {
            const QByteArray name = *command ? command : "close button";
            QTest::newRow(name + ", Annuler") << QString::fromUtf8(command) << UserPrompt::Answer::Cancel << false;
            if (QByteArray(command) != "Ouvrir")  // Non would show the open dialog
                QTest::newRow(name + ", Non") << QString::fromUtf8(command) << UserPrompt::Answer::No << true;
        }
    }
    void changedDocumentAsksFirst()
    {
        QFETCH(QString, command);
        QFETCH(UserPrompt::Answer, answer);
        QFETCH(bool, goesOn);
        QTemporaryDir dir;
        press(window->engine(), "3 + 4 =");
        window->document().setFile(dir.filePath("calc.dat"));
        press(window->engine(), "x 2 =");
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvolix - calc.dat*"));
        prompt.questionAnswers = {answer};
        if (command.isEmpty())
            window->close();
        else
            menuAction(*window, command)->trigger();
        QCOMPARE(prompt.prompts, QStringList{TapeDocument::saveChangesQuestion()});
        const bool quits = command.isEmpty() || command == "Quitter";
        QCOMPARE(window->isVisible(), !(goesOn && quits));
        QCOMPARE(window->tape().openLineIndex(), qint64(goesOn && !quits ? 0 : 5));
        QCOMPARE(window->windowTitle(), goesOn && !quits ? QStringLiteral("Tarvolix")
                                                          : QStringLiteral("Tarvolix - calc.dat*"));
        QCOMPARE(window->engine().display(), goesOn && !quits ? QStringLiteral("0") : QStringLiteral("14"));
    }

    // The display shows every text whole, shrinking its font no more than
    // needed, in every colour style.
    void displayShowsWholeText_data()
    {
        QTest::addColumn<QString>("pasted");  // empty: the keys typed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("fullSize");
        QTest::addColumn<bool>("number");  // a text of NumberToText
        QTest::newRow("short") << "" << "12,5" << "12,5" << true << true;
        QTest::newRow("longest") << "-2,23456789012345E-308" << "" << "-2,23456789012345E-308" << false << true;
        QTest::newRow("widest digits") << "-8,88888888888888E+307" << "" << "-8,88888888888888E+307" << false << true;
        QTest::newRow("pi typed") << "" << "p" << "3,1415926535897932384626433832795" << false << false;
        QTest::newRow("long typed") << "" << "1234567890123456789,01234567890-" << "-1234567890123456789,01234567890" << false << false;
    }
    void displayShowsWholeText()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, fullSize);
        QFETCH(bool, number);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            menuAction(*window, "Coller")->trigger();
        }
        for (QChar c : typed)
            QTest::keyClick(window.get(), c == '-' ? Qt::Key_F6 : c == ',' ? Qt::Key_Comma
                                : c == 'p' ? Qt::Key_P : Qt::Key(Qt::Key_0 + c.digitValue()));
        QTRY_COMPARE(window->displayText(), shown);
        auto *display = window->findChild<QLabel *>("lblAffich");
        for (int style = AppearanceStyle::First; style < AppearanceStyle::Custom; ++style) {
            const FrmCalc::Colors colors = AppearanceStyle::predefined(style);
            window->applyAppearance(colors);
            const QImage image = display->grab().toImage();
            const qreal ratio = image.devicePixelRatio();
            const QRect inside = devicePixels(display->contentsRect(), ratio);
            const QRect ink = inkBounds(image, inside, TranslateColor(colors[ColorRole::DisplayBack]));
            const QString where = QStringLiteral("style %1: ink %2..%3 in %4..%5").arg(style)
                .arg(ink.left()).arg(ink.right()).arg(inside.left()).arg(inside.right());
            QVERIFY2(ink.left() > inside.left() + ratio && ink.right() < inside.right() - ratio, qPrintable(where));
            const QFontMetricsF metrics(display->font());
            QVERIFY2(ink.width() >= metrics.tightBoundingRect(shown).width() * ratio - 2 * ratio, qPrintable(where));
            if (fullSize)
                QCOMPARE(display->font().pointSizeF(), 16.0);
            else  // no smaller than needed
                QVERIFY2(ink.width() > inside.width() * 0.85, qPrintable(where));
        }
        if (number)  // a number's longest text stays readable
            QVERIFY(QFontInfo(display->font()).pixelSize() >= 14);
        if (QByteArray(QTest::currentDataTag()) == "longest")
            saveShot(*window, QStringLiteral("calculator-exponent-x%1").arg(window->devicePixelRatio()));
    }

    // The grid takes all the room a larger window gives; the smallest window
    // is the original one.
    void windowResizes()
    {
        auto *grid = window->findChild<QTableView *>("flxCalc");
        const QList<QWidget *> fixed{window->findChild<QLabel *>("lblAffich"), window->key({KeyGroup::Digit, 7}),
                                     window->key({KeyGroup::Grid, 0}), window->findChild<QLabel *>("staBar1"),
                                     window->findChild<QLabel *>("staBar5")};
        // The memory panels stay at the bottom of the window.
        const auto place = [this](QWidget *w) {
            const QPoint at = w->mapTo(window.get(), QPoint());
            return QRect(at - QPoint(0, w->objectName().startsWith("staBar") ? window->height() : 0), w->size());
        };
        QList<QRect> places;
        for (QWidget *w : fixed)
            places << place(w);
        const QSize smallest = window->size();
        const QSize gridSize = grid->size();
        const int commentWidth = grid->columnWidth(Tape::CommentColumn);

        window->resize(smallest + QSize(200, 150));
        QTRY_COMPARE(grid->size(), gridSize + QSize(200, 150));
        QCOMPARE(grid->columnWidth(Tape::CommentColumn), commentWidth + 200);
        QCOMPARE(grid->columnWidth(Tape::ValueColumn), 2000 / 15);
        for (int i = 0; i < fixed.size(); ++i)
            QCOMPARE(place(fixed[i]), places[i]);
        saveShot(*window, "calculator-wide");

        window->resize(smallest - QSize(100, 100));
        QTRY_COMPARE(window->size(), smallest);
        QCOMPARE(grid->size(), gridSize);
    }

    // Function names and the widest numbers show whole in their columns, in
    // the usual sans-serif families, values right-aligned as in print.
    void tapeShowsWholeTexts_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("DejaVu Sans") << "DejaVu Sans";
        QTest::newRow("Liberation Sans") << "Liberation Sans";
    }
    void tapeShowsWholeTexts()
    {
        QFETCH(QString, family);
        const QFont original = QApplication::font();
        QApplication::setFont(QFont(family));
        window = std::make_unique<FrmCalc>();
        QApplication::setFont(original);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(QFontInfo(window->findChild<QTableView *>("flxCalc")->font()).family(), family);
        const QStringList lines{"RCarrée|-8,88888888888888E+307", "Décimal|-2,23456789012345E-308",
                                "Log n|Annulation", "+|5"};
        Tape &tape = window->tape();
        for (const QString &line : lines) {
            tape.setOpen(Tape::OperatorColumn, line.section('|', 0, 0));
            tape.setOpen(Tape::ValueColumn, line.section('|', 1, 1));
            tape.appendLine();
        }
        auto *grid = window->findChild<QTableView *>("flxCalc");
        grid->scrollToTop();
        const QImage image = grid->viewport()->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        for (int row = 0; row < lines.size(); ++row)
            for (int column : {Tape::OperatorColumn, Tape::ValueColumn}) {
                const QString text = tape.cell(row, column);
                const QRect cell = devicePixels(grid->visualRect(grid->model()->index(row, column)), ratio);
                const QRect ink = inkBounds(image, cell, image.pixelColor(cell.bottomLeft()));
                const QString where = QStringLiteral("%1: ink %2..%3 in %4..%5").arg(text)
                    .arg(ink.left()).arg(ink.right()).arg(cell.left()).arg(cell.right());
                QVERIFY2(ink.left() > cell.left() && ink.right() < cell.right(), qPrintable(where));
                const qreal tight = QFontMetricsF(grid->font()).tightBoundingRect(text).width() * ratio;
                QVERIFY2(ink.width() >= std::min(tight - 2 * ratio, tight * 0.9), qPrintable(where));
                QVERIFY2(ink.right() >= cell.right() - 6 * ratio, qPrintable(where));  // right-aligned
            }
        saveShot(*window, "calculator-tape-" + family.section(' ', 0, 0));
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
        editRow("9r", 4, row);
        auto *grid = window->findChild<QTableView *>("flxCalc");
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
        editRow("5", 3, 1);
        auto *grid = window->findChild<QTableView *>("flxCalc");
        QWidget *frame = window->editFrame();
        auto *operand = frame->findChild<QLineEdit *>("txtOpération");
        auto *comment = frame->findChild<QLineEdit *>("txtCommentaire");
        // A bad number, then a double quote (which the tape file cannot keep):
        // each refused with a message, the focus on the field at fault.
        for (const auto &[field, text] : {std::pair{operand, "abc"}, std::pair{comment, "dit \"oui\""}}) {
            field->selectAll();
            QTest::keyClicks(field, text);
            QTest::mouseClick(frame->findChild<QWidget *>("cmdAction1"), Qt::LeftButton);
            QVERIFY(frame->isVisible());
            QVERIFY(field->hasFocus());
            operand->selectAll();
            QTest::keyClicks(operand, "5");
        }
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(prompt.messages.first(), QStringLiteral("Vous n'avez pas saisi une donnée valide."));
        comment->setText("loyer");
        operand->selectAll();
        QTest::keyClicks(operand, "7.5");
        QTest::mouseClick(frame->findChild<QWidget *>("cmdAction1"), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
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
    void click(std::initializer_list<KeyId> keys)
    {
        for (const KeyId &key : keys)
            QTest::mouseClick(window->key(key), Qt::LeftButton);
    }
    // "12 +", then `typed` and Enter on the keyboard making `lines` lines; then
    // the grid with the edit frame open on `row`.
    void editRow(const QString &typed, int lines, int row)
    {
        QTest::keyClicks(window.get(), "12");
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClicks(window.get(), typed);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTRY_COMPARE(window->tape().openLineIndex(), qint64(lines));
        QTest::keyClick(window.get(), Qt::Key_G);
        auto *grid = window->findChild<QTableView *>("flxCalc");
        grid->setCurrentIndex(grid->model()->index(row, 1));
        QTest::keyClick(grid, Qt::Key_Return);
    }

    std::unique_ptr<FrmCalc> window;
    ScriptedPrompt prompt;
};

QTEST_MAIN(TestFrmCalc)
#include "test_frm_calc.moc"
