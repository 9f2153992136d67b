#include "pregnancy/PregnancyForm.h"

#include <QSignalSpy>
#include <QTest>

using Field = PregnancyForm::Field;
using Label = PregnancyForm::Label;

namespace {
const QDate kToday(2009, 3, 20);

PregnancyForm::Clock fixedToday()
{
    return [] { return kToday; };
}
} // namespace

class TestPregnancyForm : public QObject
{
    Q_OBJECT
private slots:
    void startDateDerivesEverything_data()
    {
        QTest::addColumn<QString>("ddg");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("acc");
        QTest::addColumn<QString>("ddr");
        QTest::addColumn<QString>("datation");
        QTest::addColumn<QString>("amenorrhoea");

        QTest::newRow("15/01/2009") << "15/01/2009" << "jeu. 15 oct. 2009" << "15/10/2009" << "01/01/2009"
                                    << "10e SG     2 mois 6 jour(s)." << "11 SA + 1 j";
        QTest::newRow("month-end term") << "31/05/2009" << "dim. 28 févr. 2010" << "28/02/2010" << "17/05/2009"
                                        << "Grossesse pas encore débutée !" << "";
        QTest::newRow("DDR across a year") << "10/01/2009" << "sam. 10 oct. 2009" << "10/10/2009" << "27/12/2008"
                                           << "10e SG     2 mois 11 jour(s)." << "11 SA + 6 j";
        QTest::newRow("conceived today") << "20/03/2009" << "dim. 20 déc. 2009" << "20/12/2009" << "06/03/2009"
                                         << "Conception !" << "2 SA + 0 j";
    }

    void startDateDerivesEverything()
    {
        QFETCH(QString, ddg);
        QFETCH(QString, term);
        QFETCH(QString, acc);
        QFETCH(QString, ddr);
        QFETCH(QString, datation);
        QFETCH(QString, amenorrhoea);

        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, ddg);
        QVERIFY(form.isModified(Field::Ddg));
        form.confirm(Field::Ddg);

        QCOMPARE(form.text(Field::Ddg), ddg);
        QCOMPARE(form.label(Label::TermeTheorique), term);
        QCOMPARE(form.text(Field::Acc), acc);
        QCOMPARE(form.text(Field::Ddr), ddr);
        QCOMPARE(form.label(Label::Datation), datation);
        QCOMPARE(form.label(Label::DatationSA), amenorrhoea);
        QVERIFY(!form.isModified(Field::Ddg));
        QVERIFY(!form.isModified(Field::Ddr));
        QVERIFY(!form.isModified(Field::Acc));
    }

    void typedDateIsNormalisedOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalised");
        QTest::addColumn<QString>("ddr");
        QTest::newRow("1/2/9") << "1/2/9" << "01/02/2009" << "18/01/2009";
        QTest::newRow("dots") << "15.1.2009" << "15/01/2009" << "01/01/2009";
        QTest::newRow("spaces") << "15 1 09" << "15/01/2009" << "01/01/2009";
    }

    void typedDateIsNormalisedOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, normalised);
        QFETCH(QString, ddr);
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, typed);
        form.leave(Field::Ddg, false);
        QCOMPARE(form.text(Field::Ddg), normalised);
        QCOMPARE(form.text(Field::Ddr), ddr);
        QVERIFY(!form.label(Label::TermeTheorique).isEmpty());
    }

    void leavingUnmodifiedRecomputesNothing()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        form.setText(Field::Ddr, "05/01/2009");
        form.leave(Field::Ddr, false);
        QSignalSpy texts(&form, &PregnancyForm::textChanged);
        QSignalSpy labels(&form, &PregnancyForm::labelChanged);

        form.leave(Field::Ddg, false);

        QCOMPARE(texts.count(), 0);
        QCOMPARE(labels.count(), 0);
        QCOMPARE(form.text(Field::Ddr), QString("05/01/2009"));
    }

    void enterAlwaysRecomputes()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        form.setText(Field::Ddr, "05/01/2009");
        form.leave(Field::Ddr, false);
        QVERIFY(!form.isModified(Field::Ddg));

        form.confirm(Field::Ddg);

        QCOMPARE(form.text(Field::Ddr), QString("01/01/2009"));
        QCOMPARE(form.label(Label::Med0), QString("jusqu'au 04 mars 2009"));
    }

    void pickerKeepsTheFieldAsTyped()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "1/2/9");
        form.leave(Field::Ddg, true);
        QCOMPARE(form.text(Field::Ddg), QString("1/2/9"));
        QVERIFY(form.isModified(Field::Ddg));
        QVERIFY(form.text(Field::Ddr).isEmpty());
    }

    void invalidTextIsLeftAlone()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        const QString term = form.label(Label::TermeTheorique);
        QSignalSpy labels(&form, &PregnancyForm::labelChanged);

        form.setText(Field::Ddg, "31/02/2009");
        form.leave(Field::Ddg, false);
        form.confirm(Field::Ddg);

        QCOMPARE(form.text(Field::Ddg), QString("31/02/2009"));
        QCOMPARE(form.label(Label::TermeTheorique), term);
        QCOMPARE(form.text(Field::Ddr), QString("01/01/2009"));
        QCOMPARE(labels.count(), 0);
    }

    void newLastPeriodChangesOnlyTheMedicalLandmark()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        QSignalSpy labels(&form, &PregnancyForm::labelChanged);

        form.setText(Field::Ddr, "5-1-2009");
        form.leave(Field::Ddr, false);

        QCOMPARE(form.text(Field::Ddr), QString("05/01/2009"));
        QCOMPARE(form.label(Label::Med0), QString("jusqu'au 08 mars 2009"));
        QCOMPARE(form.text(Field::Ddg), QString("15/01/2009"));
        QCOMPARE(form.label(Label::TermeTheorique), QString("jeu. 15 oct. 2009"));
        QCOMPARE(labels.count(), 2);
        QCOMPARE(labels.at(0).first().value<Label>(), Label::DatationSA);
        QCOMPARE(labels.at(1).first().value<Label>(), Label::Med0);
        QVERIFY(!form.isModified(Field::Ddr));
    }

    void newDeliveryChangesOnlyThePostnatalLeave()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        QSignalSpy labels(&form, &PregnancyForm::labelChanged);

        form.setText(Field::Acc, "20/10/2009");
        form.confirm(Field::Acc);

        QCOMPARE(form.label(Label::Post0), QString("jusqu'au lun. 28 déc. 2009"));
        QCOMPARE(form.label(Label::TermeTheorique), QString("jeu. 15 oct. 2009"));
        QCOMPARE(labels.count(), 1);
        QVERIFY(!form.isModified(Field::Acc));
    }

    void newStartOverwritesTypedDates()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        form.setText(Field::Ddr, "05/01/2009");
        form.confirm(Field::Ddr);
        form.setText(Field::Acc, "20/10/2009");
        form.confirm(Field::Acc);

        form.setText(Field::Ddg, "16/01/2009");
        form.leave(Field::Ddg, false);

        QCOMPARE(form.text(Field::Ddr), QString("02/01/2009"));
        QCOMPARE(form.text(Field::Acc), QString("16/10/2009"));
        QCOMPARE(form.label(Label::Post0), QString("jusqu'au jeu. 24 déc. 2009"));
    }

    void listChoice_data()
    {
        QTest::addColumn<int>("contexte");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Limite IVG") << 0 << 1 << int(Label::Adm0) << "mer. 22 avr. 2009";
        QTest::newRow("multiple + patho") << 1 << 7 << int(Label::Adm1) << "jeu. 16 avr. 2009";
        QTest::newRow("T21") << 2 << 2 << int(Label::Med0) << "du 19 mars 2009 au 08 avr. 2009";
        QTest::newRow("repos postnatal") << 3 << 4 << int(Label::Post0) << "jusqu'au mer. 25 nov. 2009";
    }

    void listChoice()
    {
        QFETCH(int, contexte);
        QFETCH(int, index);
        QFETCH(int, label);
        const auto list = Milestones::List(contexte);
        QFETCH(QString, expected);
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        form.chooseListItem(list, index);
        QCOMPARE(form.listIndex(list), index);
        QCOMPARE(form.label(Label(label)), expected);

        // A new start keeps the chosen items.
        form.setText(Field::Ddg, "22/01/2009");
        form.confirm(Field::Ddg);
        QVERIFY(form.label(Label(label)) != expected);
        QCOMPARE(form.listIndex(list), index);
    }

    void listChoiceWithoutBaseKeepsTheResult()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        form.setText(Field::Ddr, "");
        form.chooseListItem(Milestones::List::Medical, 4);
        QCOMPARE(form.label(Label::Med0), QString("jusqu'au 04 mars 2009"));

        PregnancyForm empty(fixedToday());
        QSignalSpy labels(&empty, &PregnancyForm::labelChanged);
        empty.chooseListItem(Milestones::List::Divers, 2);
        QCOMPARE(labels.count(), 0);
    }

    void calendarDay()
    {
        PregnancyForm form(fixedToday());
        form.setCalendarDay(QDate(2009, 3, 20));
        QCOMPARE(form.label(Label::CalendrierJour), QString("20/03/2009"));
        QCOMPARE(form.label(Label::CalendrierStatut), QString());

        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        QCOMPARE(form.label(Label::CalendrierStatut), QString("10e SG     2 mois 6 jour(s)."));

        form.setCalendarDay(QDate(2009, 10, 20));
        QCOMPARE(form.label(Label::CalendrierJour), QString("20/10/2009"));
        QCOMPARE(form.label(Label::CalendrierStatut), QString("Terme dépassé de 5 jour(s)"));

        form.setText(Field::Ddg, "");
        form.setCalendarDay(QDate(2009, 2, 15));
        QCOMPARE(form.label(Label::CalendrierStatut), QString());
    }

    void amenorrhoeaFollowsTheLastPeriod()
    {
        PregnancyForm form(fixedToday());
        form.setCalendarDay(QDate(2009, 2, 1));
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        QCOMPARE(form.label(Label::CalendrierSA), QString("4 SA + 3 j"));

        form.setText(Field::Ddr, "05/01/2009");
        QCOMPARE(form.label(Label::DatationSA), QString("10 SA + 4 j"));
        QCOMPARE(form.label(Label::CalendrierSA), QString("3 SA + 6 j"));
        form.setText(Field::Ddr, "05/01/20");
        QCOMPARE(form.label(Label::DatationSA), QString());
        form.setText(Field::Ddr, "xx");
        QCOMPARE(form.label(Label::CalendrierSA), QString());
        form.setText(Field::Ddr, "01/01/2009");
        form.setCalendarDay(QDate(2009, 10, 15));
        QCOMPARE(form.label(Label::CalendrierSA), QString());
        QCOMPARE(form.label(Label::DatationSA), QString("11 SA + 1 j"));
    }

    // The worked cases of both methods, as the dialog hands them over.
    void datingIsAppliedAsTyped()
    {
        PregnancyForm form(fixedToday());
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        form.setText(Field::Acc, "20/10/2009");
        form.confirm(Field::Acc);

        form.applyDating(QDate(2026, 3, 9), QDate(2026, 2, 16));
        QCOMPARE(form.text(Field::Ddg), QString("09/03/2026"));
        QCOMPARE(form.label(Label::TermeTheorique), QString("mer. 9 déc. 2026"));
        QCOMPARE(form.text(Field::Acc), QString("09/12/2026"));
        QCOMPARE(form.text(Field::Ddr), QString("16/02/2026"));
        QCOMPARE(form.label(Label::Med0), QString("jusqu'au 19 avr. 2026"));
        for (Field f : {Field::Ddg, Field::Ddr, Field::Acc})
            QVERIFY(!form.isModified(f));

        form.applyDating(QDate(2026, 3, 8), QDate(2026, 2, 22));
        QCOMPARE(form.label(Label::TermeTheorique), QString("mar. 8 déc. 2026"));
        QCOMPARE(form.text(Field::Ddr), QString("22/02/2026"));
        QCOMPARE(form.label(Label::Med0), QString("jusqu'au 25 avr. 2026"));

        QSignalSpy texts(&form, &PregnancyForm::textChanged);
        form.applyDating(QDate(), QDate(2026, 2, 22));
        QCOMPARE(texts.count(), 0);
    }

    void clearEmptiesFieldsAndResults()
    {
        PregnancyForm form(fixedToday());
        form.setCalendarDay(kToday);
        form.setText(Field::Ddg, "15/01/2009");
        form.confirm(Field::Ddg);
        form.clear();
        for (Field f : {Field::Ddg, Field::Ddr, Field::Acc})
            QVERIFY(form.text(f).isEmpty());
        for (Label l : {Label::TermeTheorique, Label::Datation, Label::Adm0, Label::Adm1, Label::Med0, Label::Post0,
                        Label::CalendrierStatut, Label::DatationSA, Label::CalendrierSA})
            QVERIFY2(form.label(l).isEmpty(), qPrintable(form.label(l)));
        QCOMPARE(form.label(Label::CalendrierJour), QString("20/03/2009"));
    }

    void loadKeepsStoredDates()
    {
        PregnancyForm form(fixedToday());
        form.load(QDate(2009, 1, 15), QDate(2009, 1, 5), QDate(2009, 10, 20));
        QCOMPARE(form.text(Field::Ddg), QString("15/01/2009"));
        QCOMPARE(form.text(Field::Ddr), QString("05/01/2009"));
        QCOMPARE(form.text(Field::Acc), QString("20/10/2009"));
        QCOMPARE(form.label(Label::TermeTheorique), QString("jeu. 15 oct. 2009"));
        QCOMPARE(form.label(Label::Med0), QString("jusqu'au 08 mars 2009"));
        QCOMPARE(form.label(Label::Post0), QString("jusqu'au lun. 28 déc. 2009"));
        QVERIFY(!form.isModified(Field::Ddr));
        QVERIFY(!form.isModified(Field::Acc));
    }
};

QTEST_GUILESS_MAIN(TestPregnancyForm)
#include "test_pregnancy_form.moc"
