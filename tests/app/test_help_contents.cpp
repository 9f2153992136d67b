#include "app/HelpContents.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QString shippedHelp()
{
    QFile file(QStringLiteral(TARVOLIX_HELP_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestHelpContents : public QObject
{
    Q_OBJECT
private slots:
    void topicsAndIndex()
    {
        const QString html = QStringLiteral(
            "<!-- index: orphelin -->"
            "<h1><a name=\"rubrique-1\">Sommaire</a></h1>"
            "<!-- index: Écart; abaque ;  -->"
            "<h2 class=\"x\"><a name=\"rubrique-20\">Clairance &amp; <i>MDRD</i></a></h2>"
            "<p>texte</p><!-- index: débit\n de filtration; Cockcroft -->"
            "<h3><a name=\"rubrique-21\">Unités</a></h3>"
            "<h2>Sans numéro</h2>");
        const HelpContents contents = HelpContents::parse(html);
        QCOMPARE(contents.topics().size(), 3);
        QCOMPARE(contents.topics()[1].number, 20);
        QCOMPARE(contents.topics()[1].level, 2);
        QCOMPARE(contents.topics()[1].title, QStringLiteral("Clairance & MDRD"));
        QCOMPARE(contents.topics()[2].level, 3);
        QCOMPARE(contents.topic(21)->title, QStringLiteral("Unités"));
        QCOMPARE(contents.topic(2), nullptr);

        QStringList terms;
        for (const HelpIndexEntry &entry : contents.index())
            terms << QStringLiteral("%1>%2").arg(entry.term).arg(entry.topic);
        // Sorted without regard to accents or case; the term before any topic is dropped.
        QCOMPARE(terms, QStringList({"abaque>1", "Cockcroft>20", "débit de filtration>20", "Écart>1"}));
    }

    void shippedFileIsConsistent()
    {
        const QString html = shippedHelp();
        QVERIFY2(!html.isEmpty(), "the help file cannot be read");
        const HelpContents contents = HelpContents::parse(html);
        QVERIFY(contents.topics().size() >= 20);
        QCOMPARE(contents.topics().first().number, 1);

        QSet<int> numbers;
        for (const HelpTopic &topic : contents.topics()) {
            QVERIFY2(!numbers.contains(topic.number), qPrintable(topic.title));
            numbers.insert(topic.number);
            QVERIFY(!topic.title.isEmpty());
        }
        for (const HelpIndexEntry &entry : contents.index())
            QVERIFY(numbers.contains(entry.topic));

        // Every link inside the help leads to a topic that exists.
        static const QRegularExpression link(QStringLiteral("href=\"#rubrique-(\\d+)\""));
        auto it = link.globalMatch(html);
        int links = 0;
        while (it.hasNext()) {
            const int target = it.next().captured(1).toInt();
            QVERIFY2(numbers.contains(target), qPrintable(QString::number(target)));
            ++links;
        }
        QVERIFY(links > 10);
    }

};

QTEST_GUILESS_MAIN(TestHelpContents)
#include "test_help_contents.moc"
