#include "pregnancy/FrmGros.h"

#include "controls/Calendar.h"
#include "dialogs/ModalDriver.h"
#include "pregnancy/FrmDatation.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using Field = PregnancyForm::Field;

class TestFrmGros : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_window = new FrmGros;
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void startsEmptyOnTheFirstTab()
    {
        QCOMPARE(m_window->findChild<QTabWidget *>("tabGros")->currentIndex(), 0);
        for (const char *name : {"txtDDG", "txtDDR", "txtACC"})
            QVERIFY(field(name)->text().isEmpty());
        for (const char *name : {"lblTT", "lblDatation", "lblAdm0", "lblMed0", "lblPost0", "lblCalendrier1"})
            QVERIFY2(labelText(name).isEmpty(), name);
        QCOMPARE(labelText("lblCalendrier0"), QDate::currentDate().toString("dd/MM/yyyy"));
        QVERIFY(!m_window->isRecordOpen());
    }

    void focusSelectsTheWholeDate()
    {
        QLineEdit *ddg = field("txtDDG");
        ddg->setText("15/01/2009");
        field("txtDDR")->setFocus(Qt::TabFocusReason);
        ddg->setFocus(Qt::TabFocusReason);
        QCOMPARE(ddg->selectedText(), QString("15/01/2009"));
        QTest::keyClicks(ddg, "16/01/2009");
        QCOMPARE(ddg->text(), QString("16/01/2009"));
    }

    void typedStartIsNormalisedWhenLeaving()
    {
        typeInto(field("txtDDG"), "1/2/9");
        field("txtDDR")->setFocus(Qt::TabFocusReason);
        QCOMPARE(field("txtDDG")->text(), QString("01/02/2009"));
        QCOMPARE(field("txtDDR")->text(), QString("18/01/2009"));
        QCOMPARE(labelText("lblTT"), QString("dim. 1 nov. 2009"));
    }

    void enterInLastPeriodRecomputesItsLandmark()
    {
        typeInto(field("txtDDG"), "15/01/2009");
        QTest::keyClick(field("txtDDG"), Qt::Key_Return);
        QCOMPARE(labelText("lblMed0"), QString("jusqu'au 04 mars 2009"));
        field("txtDDR")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field("txtDDR"), "5.1.9");
        QTest::keyClick(field("txtDDR"), Qt::Key_Enter);
        QCOMPARE(field("txtDDR")->text(), QString("05/01/2009"));
        QCOMPARE(labelText("lblMed0"), QString("jusqu'au 08 mars 2009"));
        QCOMPARE(field("txtDDG")->text(), QString("15/01/2009"));
    }

    void listChoiceShowsItsDate()
    {
        auto *list = m_window->findChild<QComboBox *>("cboAdm1");
        list->setCurrentIndex(8);
        emit list->activated(8);
        QVERIFY(labelText("lblAdm1").isEmpty());

        typeInto(field("txtDDG"), "15/01/2009");
        QTest::keyClick(field("txtDDG"), Qt::Key_Return);
        QCOMPARE(labelText("lblAdm1"), QString("jeu. 1 oct. 2009"));
    }

    void recordApi()
    {
        m_window->showPregnancy(QDate(2009, 1, 15), QDate(2009, 1, 5), QDate(2009, 10, 20));
        m_window->showFicheState("Mme Durand", true);
        QCOMPARE(m_window->windowTitle(), QString("Mme Durand"));
        QVERIFY(m_window->ficheAction(3)->isEnabled());
        QCOMPARE(m_window->dateText(Field::Ddr), QString("05/01/2009"));
        QCOMPARE(labelText("lblPost0"), QString("jusqu'au lun. 28 déc. 2009"));

        m_window->clearPregnancy();
        m_window->showFicheState("Grossesse", false);
        QCOMPARE(m_window->windowTitle(), QString("Grossesse"));
        QVERIFY(!m_window->isRecordOpen());
        QVERIFY(!m_window->ficheAction(3)->isEnabled());
        QVERIFY(!m_window->date(Field::Ddg));
        QVERIFY(labelText("lblPost0").isEmpty());
    }

    void altDownOpensThePickerUnderTheField()
    {
        QLineEdit *ddg = field("txtDDG");
        ddg->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ddg, Qt::Key_Down, Qt::AltModifier);
        Calendar *picker = this->picker();
        QVERIFY(picker->isVisible());
        QVERIFY(picker->hasFocus());
        QCOMPARE(picker->value(), QDate::currentDate());
        QCOMPARE(picker->pos(), ddg->mapTo(m_window, QPoint(0, ddg->height())));
        QVERIFY(ddg->text().isEmpty());

        // Clicking a day fills the field, recomputes at once and hands the focus back.
        const QRect selected = picker->cellRect(picker->model().selectedCell());
        QTest::mouseClick(picker, Qt::LeftButton, {}, selected.center());
        QCOMPARE(ddg->text(), QDate::currentDate().toString("dd/MM/yyyy"));
        QVERIFY(ddg->hasFocus());
        QVERIFY(!picker->isVisible());
        QCOMPARE(labelText("lblDatation"), QString("Conception !"));
        QCOMPARE(field("txtDDR")->text(), QDate::currentDate().addDays(-14).toString("dd/MM/yyyy"));
    }

    void escapeClosesThePickerUnchanged()
    {
        QLineEdit *ddg = field("txtDDG");
        typeInto(ddg, "15/01/2009");
        QTest::keyClick(ddg, Qt::Key_Return);
        QTest::keyClick(ddg, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(picker()->value(), QDate(2009, 1, 15));
        QTest::keyClick(picker(), Qt::Key_Right);
        QTest::keyClick(picker(), Qt::Key_Escape);
        QVERIFY(!picker()->isVisible());
        QVERIFY(ddg->hasFocus());
        QCOMPARE(ddg->text(), QString("15/01/2009"));
    }

    void picturesOpenThePickerForTheirField_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("pictureName");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("dependant");
        QTest::addColumn<QString>("recomputed");
        QTest::newRow("DDG") << 0 << "txtDDG" << "imaDDG" << QDate(2009, 1, 15) << "lblTT" << "dim. 15 nov. 2009";
        QTest::newRow("DDR") << 1 << "txtDDR" << "imaDDR" << QDate(2009, 1, 1) << "lblMed0" << "jusqu'au 04 avr. 2009";
        QTest::newRow("ACC") << 2 << "txtACC" << "imaACC" << QDate(2009, 10, 15) << "lblPost0"
                             << "jusqu'au sam. 23 janv. 2010";
    }

    void picturesOpenThePickerForTheirField()
    {
        QFETCH(int, tab);
        QFETCH(QString, fieldName);
        QFETCH(QString, pictureName);
        QFETCH(QDate, shown);
        QFETCH(QString, dependant);
        QFETCH(QString, recomputed);
        typeInto(field("txtDDG"), "15/01/2009");
        QTest::keyClick(field("txtDDG"), Qt::Key_Return);
        m_window->findChild<QTabWidget *>("tabGros")->setCurrentIndex(tab);
        auto *edit = m_window->findChild<QLineEdit *>(fieldName);
        edit->setFocus(Qt::TabFocusReason);

        m_window->findChild<QToolButton *>(pictureName)->click();
        Calendar *picker = this->picker();
        QVERIFY(picker->isVisible());
        QCOMPARE(picker->value(), shown);
        QCOMPARE(picker->pos(), edit->mapTo(m_window, QPoint(0, edit->height())));
        QVERIFY(picker->geometry().bottom() <= m_window->rect().bottom());

        QTest::keyClick(picker, Qt::Key_PageDown);
        QTest::keyClick(picker, Qt::Key_Return);
        QCOMPARE(edit->text(), shown.addMonths(1).toString("dd/MM/yyyy"));
        QCOMPARE(labelText(qPrintable(dependant)), recomputed);
        QVERIFY(edit->hasFocus());
    }

    void calendarTabShowsThePickedDay()
    {
        auto *calendar = m_window->findChild<Calendar *>("calGros");
        QCOMPARE(calendar->value(), QDate::currentDate());
        calendar->setValue(QDate(2009, 3, 20));
        typeInto(field("txtDDG"), "15/01/2009");
        QTest::keyClick(field("txtDDG"), Qt::Key_Return);
        QCOMPARE(labelText("lblCalendrier1"), QString("10e SG     2 mois 6 jour(s)."));

        m_window->findChild<QTabWidget *>("tabGros")->setCurrentIndex(3);
        calendar->setFocus(Qt::TabFocusReason);
        QTest::keyClick(calendar, Qt::Key_Left);
        QCOMPARE(labelText("lblCalendrier0"), QString("19/03/2009"));
        QCOMPARE(labelText("lblCalendrier1"), QString("10e SG     2 mois 5 jour(s)."));
    }

    void weeksOfAmenorrhoeaFollowTheLastPeriod()
    {
        const QDate today = QDate::currentDate();
        typeInto(field("txtDDG"), today.addDays(-10).toString("dd/MM/yyyy"));
        QTest::keyClick(field("txtDDG"), Qt::Key_Return);
        m_window->findChild<Calendar *>("calGros")->setValue(today.addDays(-5));
        field("txtDDR")->setText(today.addDays(-30).toString("dd/MM/yyyy"));
        QCOMPARE(labelText("lblDatationSA"), QString("4 SA + 2 j"));
        QCOMPARE(labelText("lblCalendrierSA"), QString("3 SA + 4 j"));
    }

    void datingButtonOpensTheDialog()
    {
        auto *button = m_window->findChild<QPushButton *>("cmdDatation");
        QCOMPARE(button->accessibleName(), QString("Datation de la grossesse"));
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
        typeInto(field("txtDDG"), "15/01/2009");
        QTest::keyClick(field("txtDDG"), Qt::Key_Return);

        QString title;
        QString offered;
        whenShown<FrmDatation>([&](FrmDatation *dialog) {
            title = dialog->windowTitle();
            offered = dialog->input(FrmDatation::Input::LastPeriod)->text();
            dialog->reject();
        });
        // The access key clicks the button after a short flash.
        QTest::keyClick(field("txtDDG"), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(title, QString("Datation de la grossesse"));
        QCOMPARE(offered, QString("01/01/2009"));
    }

    // The worked cases of both methods, through the window.
    void datingIsApplied_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("ddg");
        QTest::addColumn<QString>("ddr");
        QTest::addColumn<QString>("term");
        const int period = int(FrmDatation::Method::LastPeriod);
        const int scan = int(FrmDatation::Method::Scan);
        QTest::newRow("cycle 35") << period << "16/02/2026" << "35" << "" << "09/03/2026" << "16/02/2026"
                                  << "mer. 9 déc. 2026";
        QTest::newRow("LCC 45") << scan << "11/05/2026" << "45" << "11 SA + 1 j" << "08/03/2026" << "22/02/2026"
                                << "mar. 8 déc. 2026";
    }

    void datingIsApplied()
    {
        QFETCH(int, method);
        QFETCH(QString, date);
        QFETCH(QString, number);
        QFETCH(QString, age);
        QFETCH(QString, ddg);
        QFETCH(QString, ddr);
        QFETCH(QString, term);
        using Input = FrmDatation::Input;
        const bool byScan = method == int(FrmDatation::Method::Scan);

        QString shownAge;
        whenShown<FrmDatation>([&](FrmDatation *dialog) {
            dialog->setMethod(FrmDatation::Method(method));
            dialog->input(byScan ? Input::ScanDate : Input::LastPeriod)->setText(date);
            dialog->input(byScan ? Input::Lcc : Input::Cycle)->setText(number);
            shownAge = dialog->findChild<QLabel *>("lblDatationAge")->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>("cmdAppliquer"), Qt::LeftButton);
        });
        m_window->findChild<QPushButton *>("cmdDatation")->click();

        QCOMPARE(shownAge, age);
        QCOMPARE(field("txtDDG")->text(), ddg);
        QCOMPARE(field("txtDDR")->text(), ddr);
        QCOMPARE(labelText("lblTT"), term);
        QCOMPARE(field("txtACC")->text(), QDate::fromString(ddg, "dd/MM/yyyy").addMonths(9).toString("dd/MM/yyyy"));
        QVERIFY(labelText("lblMed0").startsWith("jusqu'au "));
    }

    void datingCancelledChangesNothing()
    {
        typeInto(field("txtDDG"), "15/01/2009");
        QTest::keyClick(field("txtDDG"), Qt::Key_Return);
        whenShown<FrmDatation>([](FrmDatation *dialog) {
            dialog->input(FrmDatation::Input::Cycle)->setText("35");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        m_window->findChild<QPushButton *>("cmdDatation")->click();
        QCOMPARE(field("txtDDG")->text(), QString("15/01/2009"));
        QCOMPARE(field("txtDDR")->text(), QString("01/01/2009"));
        QCOMPARE(labelText("lblTT"), QString("jeu. 15 oct. 2009"));
    }

    // A refusal names the input and gives it the focus; the dialog stays.
    void datingRefusesBadInput()
    {
        using Input = FrmDatation::Input;
        ScriptedPrompt prompt;
        FrmDatation dialog(&prompt, "16/02/2026", "11/05/2026", m_window);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.input(Input::Cycle)->setText("50");
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdAppliquer"), Qt::LeftButton);
        QCOMPARE(prompt.messages.size(), 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.dating());
        QVERIFY(dialog.input(Input::Cycle)->hasFocus());

        dialog.setMethod(FrmDatation::Method::Scan);
        QVERIFY(!dialog.input(Input::Cycle)->isEnabled());
        QVERIFY(!dialog.findChild<QToolButton *>("imaDatationDDR")->isEnabled());
        QTest::keyClicks(dialog.input(Input::Lcc), "45.5");
        QCOMPARE(dialog.input(Input::Lcc)->text(), QString("45,5"));
        dialog.input(Input::ScanDate)->setText("11/13/2026");
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdAppliquer"), Qt::LeftButton);
        QCOMPARE(prompt.messages.size(), 2);
        QVERIFY(dialog.input(Input::ScanDate)->hasFocus());
    }

    void datingDialogPicksDates()
    {
        ScriptedPrompt prompt;
        FrmDatation dialog(&prompt, "16/02/2026", "11/05/2026", m_window);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit *ddr = dialog.input(FrmDatation::Input::LastPeriod);
        ddr->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ddr, Qt::Key_Down, Qt::AltModifier);
        auto *picker = dialog.findChild<Calendar *>("Calendrier");
        QVERIFY(picker->isVisible());
        QCOMPARE(picker->value(), QDate(2026, 2, 16));
        QTest::keyClick(picker, Qt::Key_Right);
        QTest::keyClick(picker, Qt::Key_Return);
        QVERIFY(!picker->isVisible());
        QCOMPARE(ddr->text(), QString("17/02/2026"));
        QCOMPARE(dialog.findChild<QLabel *>("lblDatationDDG")->text(), QString("mar. 3 mars 2026"));
        QVERIFY(dialog.isVisible());
    }

private:
    QLineEdit *field(const char *name) const { return m_window->findChild<QLineEdit *>(name); }
    QString labelText(const char *name) const { return m_window->findChild<QLabel *>(name)->text(); }
    void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, text);
    }
    Calendar *picker() const { return m_window->findChild<Calendar *>("Calendrier"); }

    FrmGros *m_window = nullptr;
};

QTEST_MAIN(TestFrmGros)
#include "test_frm_gros.moc"
