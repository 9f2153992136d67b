#include "pregnancy/Milestones.h"

#include <QTest>

namespace {
const QDate kDdg(2009, 1, 15);
const QDate kDdr(2009, 1, 1);
const QDate kAcc(2009, 10, 15);

QDate baseOf(int contexte)
{
    switch (contexte) {
    case 2: return kDdr;
    case 3: return kAcc;
    default: return kDdg;
    }
}
} // namespace

class TestMilestones : public QObject
{
    Q_OBJECT
private slots:
    // Start of pregnancy 15/01/2009: last period 01/01/2009, term and delivery 15/10/2009.
    void everyRow_data()
    {
        QTest::addColumn<int>("contexte");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");

        const char *divers[] = {"mer. 22 avr. 2009", "mer. 22 avr. 2009", "lun. 15 juin 2009"};
        for (int i = 0; i < 3; ++i)
            QTest::addRow("0/%d", i) << 0 << i << QString::fromUtf8(divers[i]);

        const char *prenatal[] = {"jeu. 3 sept. 2009", "jeu. 20 août 2009", "jeu. 20 août 2009",
                                  "jeu. 6 août 2009",  "jeu. 23 juil. 2009", "jeu. 9 juil. 2009",
                                  "jeu. 30 avr. 2009", "jeu. 16 avr. 2009", "jeu. 1 oct. 2009"};
        for (int i = 0; i < 9; ++i)
            QTest::addRow("1/%d", i) << 1 << i << QString::fromUtf8(prenatal[i]);

        const char *medical[] = {"jusqu'au 04 mars 2009",
                                 "à partir du 19 mars 2009",
                                 "du 19 mars 2009 au 08 avr. 2009",
                                 "du 09 avr. 2009 au 06 mai 2009",
                                 "à partir du 16 avr. 2009",
                                 "à partir du 28 mai 2009",
                                 "entre le 18 juin 2009 et le 22 juil. 2009",
                                 "vers le 22 juin 2009",
                                 "à partir du 06 août 2009"};
        for (int i = 0; i < 9; ++i)
            QTest::addRow("2/%d", i) << 2 << i << QString::fromUtf8(medical[i]);

        const char *postnatal[] = {"jusqu'au mer. 23 déc. 2009", "jusqu'au mer. 17 févr. 2010",
                                   "jusqu'au mer. 17 mars 2010", "jusqu'au mer. 17 mars 2010",
                                   "jusqu'au mer. 25 nov. 2009"};
        for (int i = 0; i < 5; ++i)
            QTest::addRow("3/%d", i) << 3 << i << QString::fromUtf8(postnatal[i]);
    }

    void everyRow()
    {
        QFETCH(int, contexte);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(Milestones::actualiseDate(Milestones::List(contexte), index, baseOf(contexte), kDdg), expected);
    }

    // A last period typed four days later moves every medical landmark by four
    // days, except the two trisomy screenings, which count from the start.
    void landmarksFollowTheLastPeriod_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("RU 486") << 0 << "jusqu'au 08 mars 2009";
        QTest::newRow("T21 combiné") << 2 << "du 19 mars 2009 au 08 avr. 2009";
        QTest::newRow("diabète") << 6 << "entre le 22 juin 2009 et le 26 juil. 2009";
    }

    void landmarksFollowTheLastPeriod()
    {
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(Milestones::actualiseDate(Milestones::List::Medical, index, QDate(2009, 1, 5), kDdg), expected);
    }

    void monthEnds_data()
    {
        QTest::addColumn<int>("contexte");
        QTest::addColumn<int>("index");
        QTest::addColumn<QDate>("base");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("expected");

        QTest::newRow("6e mois from 31 August clamps to 31 January")
            << 0 << 2 << QDate(2009, 8, 31) << QDate(2009, 8, 31) << "dim. 31 janv. 2010";
        QTest::newRow("6e mois from 30 September clamps to 28 February")
            << 0 << 2 << QDate(2009, 9, 30) << QDate(2009, 9, 30) << "dim. 28 févr. 2010";
        QTest::newRow("6e mois from a leap day")
            << 0 << 2 << QDate(2008, 2, 29) << QDate(2008, 2, 29) << "mar. 29 juil. 2008";
        // The term of 31/05/2009 is 28/02/2010; prenatal leave counts back from it.
        QTest::newRow("prenatal from a clamped term")
            << 1 << 0 << QDate(2009, 5, 31) << QDate(2009, 5, 31) << "dim. 17 janv. 2010";
        QTest::newRow("2 weeks before a leap term")
            << 1 << 8 << QDate(2011, 5, 31) << QDate(2011, 5, 31) << "mer. 15 févr. 2012";
        QTest::newRow("prenatal from a leap day start")
            << 1 << 0 << QDate(2008, 2, 29) << QDate(2008, 2, 29) << "sam. 18 oct. 2008";
        QTest::newRow("T21 from a leap day start")
            << 2 << 2 << QDate(2008, 2, 15) << QDate(2008, 2, 29) << "du 02 mai 2008 au 22 mai 2008";
        QTest::newRow("postnatal across a leap February")
            << 3 << 4 << QDate(2012, 1, 31) << QDate(2011, 5, 2) << "jusqu'au lun. 12 mars 2012";
    }

    void monthEnds()
    {
        QFETCH(int, contexte);
        QFETCH(int, index);
        QFETCH(QDate, base);
        QFETCH(QDate, start);
        QFETCH(QString, expected);
        QCOMPARE(Milestones::actualiseDate(Milestones::List(contexte), index, base, start), expected);
    }

    void nothingToShow_data()
    {
        QTest::addColumn<int>("contexte");
        QTest::addColumn<int>("index");
        QTest::addColumn<QDate>("base");
        QTest::addColumn<bool>("withStart");

        QTest::newRow("negative index") << 0 << -1 << kDdg << true;
        QTest::newRow("index past the list") << 0 << 3 << kDdg << true;
        QTest::newRow("index past the prenatal list") << 1 << 9 << kDdg << true;
        QTest::newRow("index past the postnatal list") << 3 << 5 << kAcc << true;
        QTest::newRow("unknown contexte") << 4 << 0 << kDdg << true;
        QTest::newRow("negative contexte") << -1 << 0 << kDdg << true;
        QTest::newRow("T21 without a start") << 2 << 2 << kDdr << false;
        QTest::newRow("T21 séquentiel without a start") << 2 << 3 << kDdr << false;
        QTest::newRow("invalid base") << 2 << 0 << QDate() << true;
        QTest::newRow("term past the last day") << 1 << 0 << QDate(9999, 6, 1) << true;
        QTest::newRow("leave past the last day") << 3 << 1 << QDate(9999, 12, 1) << true;
    }

    void nothingToShow()
    {
        QFETCH(int, contexte);
        QFETCH(int, index);
        QFETCH(QDate, base);
        QFETCH(bool, withStart);
        const std::optional<QDate> start = withStart ? std::optional<QDate>(kDdg) : std::nullopt;
        QCOMPARE(Milestones::actualiseDate(Milestones::List(contexte), index, base, start), QString());
    }
};

QTEST_GUILESS_MAIN(TestMilestones)
#include "test_milestones.moc"
