#include "controls/CaptionLayout.h"

#include <QTest>

class TestCaptionLayout : public QObject
{
    Q_OBJECT
private slots:
    void textFlags_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<quint32>("flags");
        QTest::newRow("multi-line left") << true << 0 << quint32(16);
        QTest::newRow("multi-line right") << true << 1 << quint32(18);
        QTest::newRow("multi-line centre") << true << 2 << quint32(17);
        QTest::newRow("single line left") << false << 0 << quint32(262180);
        QTest::newRow("single line right") << false << 1 << quint32(262182);
        QTest::newRow("single line centre") << false << 2 << quint32(262181);
    }

    void textFlags()
    {
        QFETCH(bool, multiLine);
        QFETCH(int, alignment);
        QFETCH(quint32, flags);
        QCOMPARE(CaptionLayout::textFlags(multiLine, alignment), flags);
    }

    void accessKey_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key"); // empty: no access key
        QTest::addColumn<QString>("plain");
        QTest::newRow("first letter") << "&Calculer" << "C" << "Calculer";
        QTest::newRow("inside a word") << "Créat &MDRD" << "M" << "Créat MDRD";
        QTest::newRow("accented letter") << "&Écrire" << "É" << "Écrire";
        QTest::newRow("no ampersand") << "Calculer avec ces valeurs" << "" << "Calculer avec ces valeurs";
        QTest::newRow("only the first counts") << "A&b &Cd" << "b" << "Ab &Cd";
        QTest::newRow("trailing ampersand") << "Fin&" << "" << "Fin";
        QTest::newRow("empty") << "" << "" << "";
    }

    void accessKey()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(QString, plain);
        const QChar actual = CaptionLayout::accessKey(caption);
        QCOMPARE(actual.isNull() ? QString() : QString(actual), key);
        QCOMPARE(CaptionLayout::plainCaption(caption), plain);
    }

    void place_data()
    {
        QTest::addColumn<QSize>("control");
        QTest::addColumn<QSizeF>("picture"); // empty: no picture
        QTest::addColumn<int>("disposition");
        QTest::addColumn<QPoint>("picturePos");
        QTest::addColumn<QRect>("caption");
        const QSize control(100, 40);
        QTest::newRow("no picture") << control << QSizeF() << 2 << QPoint() << QRect(3, 3, 94, 34);
        QTest::newRow("above") << control << QSizeF(16, 16) << 0 << QPoint(42, 3)
                               << QRect(3, 22, 94, 15);
        QTest::newRow("below, caption measured") << control << QSizeF(16, 16) << 1 << QPoint(39, 18)
                                                 << QRect(3, 3, 50, 12);
        QTest::newRow("left") << control << QSizeF(16, 16) << 2 << QPoint(3, 12)
                              << QRect(22, 3, 75, 34);
        QTest::newRow("right") << control << QSizeF(16, 16) << 3 << QPoint(81, 12)
                               << QRect(3, 3, 75, 34);
        // Odd sizes: divisions by two round towards zero.
        QTest::newRow("odd space left") << QSize(101, 41) << QSizeF(16, 16) << 2 << QPoint(3, 12)
                                        << QRect(22, 3, 76, 35);
        // Fractional sizes snap to the nearest pixel, ties to even: 100 − 16.5 = 83.5 → 84.
        QTest::newRow("fractional above") << control << QSizeF(16.5, 16.5) << 0 << QPoint(42, 3)
                                          << QRect(3, 22, 94, 15);
        QTest::newRow("fractional right") << control << QSizeF(17.5, 17.5) << 3 << QPoint(80, 11)
                                          << QRect(3, 3, 74, 34);
        QTest::newRow("out of range disposition") << control << QSizeF(16, 16) << 7 << QPoint(42, 3)
                                                  << QRect(3, 22, 94, 15);
    }

    void place()
    {
        QFETCH(QSize, control);
        QFETCH(QSizeF, picture);
        QFETCH(int, disposition);
        QFETCH(QPoint, picturePos);
        QFETCH(QRect, caption);
        const std::optional<QSizeF> pic = picture.isEmpty() ? std::nullopt : std::optional(picture);
        const auto measure = [](const QRect &area) {
            return QSize(qMin(50, area.width()), 12);
        };
        const CaptionLayout::Placement placement = CaptionLayout::place(control, pic, disposition, measure);
        if (pic)
            QCOMPARE(placement.picture, picturePos);
        QCOMPARE(placement.caption, caption);
    }

    void focusRect_data()
    {
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<bool>("hasBorder");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("picture, no frame: around the picture") << true << false << QRect(1, 10, 20, 20);
        QTest::newRow("picture and frame: whole control") << true << true << QRect(2, 2, 96, 36);
        QTest::newRow("no picture: whole control") << false << false << QRect(2, 2, 96, 36);
    }

    void focusRect()
    {
        QFETCH(bool, withPicture);
        QFETCH(bool, hasBorder);
        QFETCH(QRect, rect);
        const std::optional<QSizeF> pic = withPicture ? std::optional(QSizeF(16, 16)) : std::nullopt;
        QCOMPARE(CaptionLayout::focusRect(QSize(100, 40), pic, QPoint(3, 12), hasBorder), rect);
    }

    void elide_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("shown");
        const QString e(QChar(0x2026));
        QTest::newRow("fits") << "Calculer avec ces valeurs" << 250 << "Calculer avec ces valeurs";
        QTest::newRow("cut after a word") << "Calculer avec ces valeurs" << 180 << "Calculer avec ces" + e;
        QTest::newRow("cut after the first word") << "Calculer avec ces valeurs" << 100 << "Calculer" + e;
        QTest::newRow("first word too long") << "Calculer avec" << 50 << "Calc" + e;
    }

    void elide()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, shown);
        // Ten pixels per character.
        const auto widthOf = [](const QString &s) { return int(s.size()) * 10; };
        QCOMPARE(CaptionLayout::elideAtWord(text, width, widthOf), shown);
    }
};

QTEST_GUILESS_MAIN(TestCaptionLayout)
#include "test_caption_layout.moc"
