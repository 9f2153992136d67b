#include "pregnancy/FrmGros.h"

#include "controls/Calendar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using Field = PregnancyForm::Field;

class TestFrmGros : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsEmptyOnTheFirstTab();
    void fixedTexts_data();
    void fixedTexts();
    void menus_data();
    void menus();
    void focusSelectsTheWholeDate();
    void typedStartIsNormalisedWhenLeaving();
    void enterInLastPeriodRecomputesItsLandmark();
    void invalidDateStaysAsTyped();
    void listChoiceShowsItsDate();
    void recordApi();
    void altDownOpensThePickerUnderTheField();
    void pickerKeys();
    void picturesOpenThePickerForTheirField_data();
    void picturesOpenThePickerForTheirField();
    void calendarTabShowsThePickedDay();

private:
    QLineEdit *field(const char *name) const { return m_window->findChild<QLineEdit *>(name); }
    QString labelText(const char *name) const { return m_window->findChild<QLabel *>(name)->text(); }
    void typeInto(QLineEdit *edit, const QString &text);
    Calendar *picker() const { return m_window->findChild<Calendar *>("Calendrier"); }

    FrmGros *m_window = nullptr;
};

void TestFrmGros::init()
{
    m_window = new FrmGros;
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestFrmGros::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestFrmGros::typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, text);
}

void TestFrmGros::startsEmptyOnTheFirstTab()
{
    QCOMPARE(m_window->windowTitle(), QString("Grossesse"));
    auto *tabs = m_window->findChild<QTabWidget *>("tabGros");
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList captions{"Dates administratives", "Dates-repères médicales", "Congé postnatal", "Calendrier"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(tabs->tabText(i), captions[i]);
    for (const char *name : {"txtDDG", "txtDDR", "txtACC"})
        QVERIFY(field(name)->text().isEmpty());
    for (const char *name : {"lblTT", "lblDatation", "lblAdm0", "lblAdm1", "lblMed0", "lblPost0", "lblCalendrier1"})
        QVERIFY2(labelText(name).isEmpty(), name);
    QCOMPARE(labelText("lblCalendrier0"), QDate::currentDate().toString("dd/MM/yyyy"));
    const std::pair<const char *, int> lists[] = {{"cboAdm0", 3}, {"cboAdm1", 9}, {"cboMed0", 9}, {"cboPost0", 5}};
    for (const auto &[name, count] : lists) {
        auto *list = m_window->findChild<QComboBox *>(name);
        QCOMPARE(list->count(), count);
        QCOMPARE(list->currentIndex(), 0);
    }
    QVERIFY(!m_window->isRecordOpen());
}

void TestFrmGros::fixedTexts_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {
             "Date présumée de début de grossesse:",
             "Terme théorique:",
             "Date des dernières règles:",
             "Date d'accouchement:",
             "Sélectionnez un jour.",
             "Pour percevoir des indemnités journalières un repos minimal de 8 semaines est exigé (au minimum 2 "
             "semaines avant et 6 semaines après l'accouchement).",
             "Le repos prénatal maximal dépend du nombre de foetus à venir et du nombre d'enfants vivants au foyer.",
             "Les dates-repères listées ici sont celles communément utilisées dans la pratique. Voir l'aide de "
             "Tarvolix pour plus de renseignements.",
         })
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestFrmGros::fixedTexts()
{
    QFETCH(QString, text);
    const QList<QLabel *> labels = m_window->findChildren<QLabel *>();
    const bool found = std::any_of(labels.begin(), labels.end(), [&](QLabel *l) { return l->text() == text; });
    QVERIFY(found);
}

void TestFrmGros::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("Fiche") << "&Fiche"
                           << QStringList{"&Nouvelle Fiche", "&Ouvrir une Fiche", "&Enregistrer la Fiche",
                                          "&Supprimer la Fiche", "", "Mot de passe des fiches..."};
    QTest::newRow("Aide") << "&Aide" << QStringList{"&Aide de Tarvolix", "A &propos de..."};
}

void TestFrmGros::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    QMenu *found = nullptr;
    for (QAction *a : m_window->findChild<QMenuBar *>()->actions())
        if (a->text() == menu)
            found = a->menu();
    QVERIFY(found);
    QStringList texts;
    for (QAction *a : found->actions())
        texts << a->text();
    QCOMPARE(texts, items);
    QVERIFY(!m_window->ficheAction(3)->isEnabled());
}

void TestFrmGros::focusSelectsTheWholeDate()
{
    QLineEdit *ddg = field("txtDDG");
    ddg->setText("15/01/2009");
    field("txtDDR")->setFocus(Qt::TabFocusReason);
    ddg->setFocus(Qt::TabFocusReason);
    QCOMPARE(ddg->selectedText(), QString("15/01/2009"));
    QTest::keyClicks(ddg, "16/01/2009");
    QCOMPARE(ddg->text(), QString("16/01/2009"));
}

void TestFrmGros::typedStartIsNormalisedWhenLeaving()
{
    typeInto(field("txtDDG"), "1/2/9");
    field("txtDDR")->setFocus(Qt::TabFocusReason);
    QCOMPARE(field("txtDDG")->text(), QString("01/02/2009"));
    QCOMPARE(field("txtDDR")->text(), QString("18/01/2009"));
    QCOMPARE(field("txtACC")->text(), QString("01/11/2009"));
    QCOMPARE(labelText("lblTT"), QString("dim. 1 nov. 2009"));
    QCOMPARE(labelText("lblAdm0"), QString("sam. 9 mai 2009"));
}

void TestFrmGros::enterInLastPeriodRecomputesItsLandmark()
{
    typeInto(field("txtDDG"), "15/01/2009");
    QTest::keyClick(field("txtDDG"), Qt::Key_Return);
    QCOMPARE(labelText("lblMed0"), QString("jusqu'au 19 févr. 2009"));
    field("txtDDR")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field("txtDDR"), "5.1.9");
    QTest::keyClick(field("txtDDR"), Qt::Key_Enter);
    QCOMPARE(field("txtDDR")->text(), QString("05/01/2009"));
    QCOMPARE(labelText("lblMed0"), QString("jusqu'au 23 févr. 2009"));
    QCOMPARE(field("txtDDG")->text(), QString("15/01/2009"));
}

void TestFrmGros::invalidDateStaysAsTyped()
{
    typeInto(field("txtDDG"), "32/01/2009");
    QTest::keyClick(field("txtDDG"), Qt::Key_Return);
    field("txtDDR")->setFocus(Qt::TabFocusReason);
    QCOMPARE(field("txtDDG")->text(), QString("32/01/2009"));
    QVERIFY(labelText("lblTT").isEmpty());
    QVERIFY(field("txtDDR")->text().isEmpty());
}

void TestFrmGros::listChoiceShowsItsDate()
{
    auto *list = m_window->findChild<QComboBox *>("cboAdm1");
    list->setCurrentIndex(8);
    emit list->activated(8);
    QVERIFY(labelText("lblAdm1").isEmpty());

    typeInto(field("txtDDG"), "15/01/2009");
    QTest::keyClick(field("txtDDG"), Qt::Key_Return);
    QCOMPARE(labelText("lblAdm1"), QString("jeu. 1 oct. 2009"));
    list->setCurrentIndex(7);
    emit list->activated(7);
    QCOMPARE(labelText("lblAdm1"), QString("jeu. 16 avr. 2009"));
}

void TestFrmGros::recordApi()
{
    m_window->showPregnancy(QDate(2009, 1, 15), QDate(2009, 1, 5), QDate(2009, 10, 20));
    m_window->showFicheState("Mme Durand", true);
    QCOMPARE(m_window->windowTitle(), QString("Mme Durand"));
    QVERIFY(m_window->isRecordOpen());
    QVERIFY(m_window->ficheAction(3)->isEnabled());
    QCOMPARE(m_window->dateText(Field::Ddr), QString("05/01/2009"));
    QCOMPARE(field("txtACC")->text(), QString("20/10/2009"));
    QCOMPARE(labelText("lblTT"), QString("jeu. 15 oct. 2009"));
    QCOMPARE(labelText("lblMed0"), QString("jusqu'au 23 févr. 2009"));
    QCOMPARE(labelText("lblPost0"), QString("jusqu'au lun. 28 déc. 2009"));
    QCOMPARE(m_window->date(Field::Ddg), std::optional<QDate>(QDate(2009, 1, 15)));

    m_window->clearPregnancy();
    m_window->showFicheState("Grossesse", false);
    QCOMPARE(m_window->windowTitle(), QString("Grossesse"));
    QVERIFY(!m_window->isRecordOpen());
    QVERIFY(!m_window->ficheAction(3)->isEnabled());
    QVERIFY(field("txtDDG")->text().isEmpty());
    QVERIFY(!m_window->date(Field::Ddg));
    QVERIFY(labelText("lblPost0").isEmpty());
    QVERIFY(labelText("lblDatation").isEmpty());
    QVERIFY(labelText("lblCalendrier1").isEmpty());
}

void TestFrmGros::altDownOpensThePickerUnderTheField()
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

    // Clicking a day fills the field and hands the focus back to it.
    const QRect selected = picker->cellRect(picker->model().selectedCell());
    QTest::mouseClick(picker, Qt::LeftButton, {}, selected.center());
    QCOMPARE(ddg->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    QVERIFY(ddg->hasFocus());
    QVERIFY(!picker->isVisible());
    QVERIFY(labelText("lblTT").isEmpty());

    // Leaving the field then recomputes.
    field("txtDDR")->setFocus(Qt::TabFocusReason);
    QCOMPARE(labelText("lblDatation"), QString("Conception !"));
}

void TestFrmGros::pickerKeys()
{
    QLineEdit *ddg = field("txtDDG");
    typeInto(ddg, "15/01/2009");
    QTest::keyClick(ddg, Qt::Key_Return);
    Calendar *picker = this->picker();

    QTest::keyClick(ddg, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(picker->value(), QDate(2009, 1, 15));
    QTest::keyClick(picker, Qt::Key_Right);
    QTest::keyClick(picker, Qt::Key_Escape);
    QVERIFY(!picker->isVisible());
    QVERIFY(ddg->hasFocus());
    QCOMPARE(ddg->text(), QString("15/01/2009"));

    QTest::keyClick(ddg, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(picker, Qt::Key_Down);
    QTest::keyClick(picker, Qt::Key_Return);
    QVERIFY(!picker->isVisible());
    QCOMPARE(ddg->text(), QString("22/01/2009"));
    QCOMPARE(labelText("lblTT"), QString("jeu. 15 oct. 2009"));
    QTest::keyClick(ddg, Qt::Key_Return);
    QCOMPARE(labelText("lblTT"), QString("jeu. 22 oct. 2009"));
    QCOMPARE(field("txtDDR")->text(), QString("08/01/2009"));
}

void TestFrmGros::picturesOpenThePickerForTheirField_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("pictureName");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("DDG") << 0 << "txtDDG" << "imaDDG" << QDate(2009, 1, 15);
    QTest::newRow("DDR") << 1 << "txtDDR" << "imaDDR" << QDate(2009, 1, 1);
    QTest::newRow("ACC") << 2 << "txtACC" << "imaACC" << QDate(2009, 10, 15);
}

void TestFrmGros::picturesOpenThePickerForTheirField()
{
    QFETCH(int, tab);
    QFETCH(QString, fieldName);
    QFETCH(QString, pictureName);
    QFETCH(QDate, shown);
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
    QVERIFY(edit->hasFocus());
}

void TestFrmGros::calendarTabShowsThePickedDay()
{
    auto *calendar = m_window->findChild<Calendar *>("calGros");
    QCOMPARE(calendar->value(), QDate::currentDate());
    QCOMPARE(calendar->titleBackColor(), quint32(0x00808000));

    calendar->setValue(QDate(2009, 3, 20));
    QCOMPARE(labelText("lblCalendrier0"), QString("20/03/2009"));
    QVERIFY(labelText("lblCalendrier1").isEmpty());

    typeInto(field("txtDDG"), "15/01/2009");
    QTest::keyClick(field("txtDDG"), Qt::Key_Return);
    QCOMPARE(labelText("lblCalendrier1"), QString("10e SG     2 mois 6 jour(s)."));

    m_window->findChild<QTabWidget *>("tabGros")->setCurrentIndex(3);
    calendar->setFocus(Qt::TabFocusReason);
    QTest::keyClick(calendar, Qt::Key_Left);
    QCOMPARE(labelText("lblCalendrier0"), QString("19/03/2009"));
    QCOMPARE(labelText("lblCalendrier1"), QString("10e SG     2 mois 5 jour(s)."));
}

QTEST_MAIN(TestFrmGros)
#include "test_frm_gros.moc"
