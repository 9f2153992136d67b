#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/PregnancyRecordStore.h"
#include "pregnancy/SqlCipherDatabase.h"
#include "pregnancy/SqlCipherKey.h"
#include "pregnancy/SqlCipherStatement.h"

#include "RecordTestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <latch>
#include <thread>

Q_DECLARE_METATYPE(RecordStoreStatus)

namespace {

PregnancyRecord record(const QString &name, const QDate &ddg)
{
    return {name, ddg, ddg.addDays(-14), ddg.addMonths(9)};
}

} // namespace

class TestPregnancyRecordStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pbkdf2KnownAnswers_data();
    void pbkdf2KnownAnswers();

    void createdFileIsEmptyAndKeyedWithThePassword();
    void createRefusesAnExistingFile();

    void identifiersAndDatesRoundTrip_data();
    void identifiersAndDatesRoundTrip();

    void sameIdentifierWithoutRegardToCase_data();
    void sameIdentifierWithoutRegardToCase();
    void databaseItselfRefusesAFoldedDuplicate();

    void overwriteKeepsOneRecord();
    void overwriteOfARecordDeletedMeanwhileAddsItAgain();
    void renameOntoAnotherRecordIsADuplicate();

    void removeDeletesOnlyThatRecord();
    void removeOfAMissingRecordDeletesNothing();

    void namesInFrenchAlphabeticalOrder();

    void unreadableFileIsNeverWritten_data();
    void unreadableFileIsNeverWritten();

    void noIdentifierOrDateInClear();

    void simultaneousSavesLoseNothing();
    void simultaneousSavesOfOneIdentifier();

private:
    QString freshFile(const QString &name);
    QString fileWithRecords(const QString &name, const QList<PregnancyRecord> &records);

    QTemporaryDir m_dir;
    QString m_template;
};

void TestPregnancyRecordStore::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_template = m_dir.filePath(QStringLiteral("template.gro"));
    QCOMPARE(PregnancyRecordStore::createEmpty(m_template), RecordStoreStatus::Ok);
}

QString TestPregnancyRecordStore::freshFile(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    if (!QFile::copy(m_template, path))
        qFatal("cannot copy the empty record file");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return path;
}

QString TestPregnancyRecordStore::fileWithRecords(const QString &name, const QList<PregnancyRecord> &records)
{
    const QString path = freshFile(name);
    PregnancyRecordStore store(path);
    for (const PregnancyRecord &r : records) {
        if (store.save(r) != RecordStoreStatus::Ok)
            qFatal("cannot fill the record file");
    }
    return path;
}

void TestPregnancyRecordStore::pbkdf2KnownAnswers_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected");
    // Published test vectors of PBKDF2-HMAC-SHA1.
    QTest::newRow("1 round") << QByteArray("password") << QByteArray("salt") << 1 << 20
                             << QByteArray("0c60c80f961f0e71f3a9b524af6012062fe037a6");
    QTest::newRow("2 rounds") << QByteArray("password") << QByteArray("salt") << 2 << 20
                              << QByteArray("ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
    QTest::newRow("4096 rounds") << QByteArray("password") << QByteArray("salt") << 4096 << 20
                                 << QByteArray("4b007901b765489abead49d926f721d065a429c1");
    QTest::newRow("two blocks") << QByteArray("passwordPASSWORDpassword")
                                << QByteArray("saltSALTsaltSALTsaltSALTsaltSALTsalt") << 4096 << 25
                                << QByteArray("3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
    QTest::newRow("nul bytes") << QByteArray("pass\0word", 9) << QByteArray("sa\0lt", 5) << 4096 << 16
                               << QByteArray("56fa6aa75548099dcc37d7f03425e0c3");
}

void TestPregnancyRecordStore::pbkdf2KnownAnswers()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, rounds);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    QCOMPARE(SqlCipherKey::pbkdf2Sha1(password, salt, rounds, size).toHex(), expected);
}

void TestPregnancyRecordStore::createdFileIsEmptyAndKeyedWithThePassword()
{
    const QString path = freshFile(QStringLiteral("created.gro"));
    PregnancyRecordStore store(path);
    QStringList names{QStringLiteral("left over")};
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QVERIFY(names.isEmpty());

    // The file opens with the bare passphrase too, as any SQLCipher tool would.
    SqlCipherDatabase db;
    QVERIFY(db.openExisting(path));
    QVERIFY(db.key("583016Virel"));
    SqlCipherStatement columns(db, "SELECT Nom, DDG, DDR, ACC FROM Grossesse");
    QVERIFY(columns.isValid());
}

void TestPregnancyRecordStore::createRefusesAnExistingFile()
{
    const QString path = fileWithRecords(QStringLiteral("existing.gro"), {record("Dupont", QDate(2009, 1, 15))});
    const QByteArray before = RecordTestFiles::read(path);
    QCOMPARE(PregnancyRecordStore::createEmpty(path), RecordStoreStatus::CannotOpen);
    QCOMPARE(RecordTestFiles::read(path), before);
}

void TestPregnancyRecordStore::identifiersAndDatesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<QDate>("ddg");
    QTest::addColumn<QDate>("ddr");
    QTest::addColumn<QDate>("acc");
    const QDate d(2009, 1, 15);
    QTest::newRow("plain") << "Martin Sophie" << "Martin" << d << d.addDays(-14) << d.addMonths(9);
    QTest::newRow("double quotes") << "Dupont \"la petite\"" << "Dupont " << d << d << d;
    QTest::newRow("single quote") << "L'Hôpital Anne" << "L" << d << d << d;
    QTest::newRow("percent") << "100% sûr" << "100" << d << d << d;
    QTest::newRow("underscore") << "a_b" << "axb" << d << d << d;
    QTest::newRow("criterion text") << "x\" OR [Nom] <> \"" << "x" << d << d << d;
    QTest::newRow("sql text") << "'); DROP TABLE Grossesse; --" << "'" << d << d << d;
    QTest::newRow("always true") << "' OR '1'='1" << "1" << d << d << d;
    QTest::newRow("backslash") << "C:\\Fiches\\n" << "C:" << d << d << d;
    QTest::newRow("outside the BMP") << QString::fromUtf8("Zoé 👶") << "Zoé" << d << d << d;
    QTest::newRow("60 characters") << QString(60, QLatin1Char('x')) << QString(59, QLatin1Char('x')) << d << d << d;
    QTest::newRow("first date") << "Antiquité" << "Antiqu" << QDate(100, 1, 1) << QDate(100, 1, 1) << QDate(100, 10, 1);
    QTest::newRow("last date") << "Futur" << "Futu" << QDate(9999, 3, 31) << QDate(9999, 3, 17) << QDate(9999, 12, 31);
    QTest::newRow("leap day") << "Bissextile" << "Bissext" << QDate(2008, 2, 29) << QDate(2008, 2, 15)
                              << QDate(2008, 11, 29);
}

void TestPregnancyRecordStore::identifiersAndDatesRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, otherName);
    QFETCH(QDate, ddg);
    QFETCH(QDate, ddr);
    QFETCH(QDate, acc);
    const PregnancyRecord saved{name, ddg, ddr, acc};
    const QString path = freshFile(QStringLiteral("roundtrip.gro"));
    PregnancyRecordStore store(path);
    QCOMPARE(store.save(record(otherName + QStringLiteral(" autre"), QDate(2010, 5, 5))), RecordStoreStatus::Ok);
    QCOMPARE(store.save(saved), RecordStoreStatus::Ok);

    PregnancyRecord found;
    QCOMPARE(store.find(name, found), RecordStoreStatus::Ok);
    QCOMPARE(found, saved);
    QCOMPARE(store.find(otherName, found), RecordStoreStatus::NotFound);
    QStringList names;
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names.size(), 2);
    QVERIFY(names.contains(name));
    QCOMPARE(store.remove(name), RecordStoreStatus::Ok);
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names, QStringList{otherName + QStringLiteral(" autre")});
}

void TestPregnancyRecordStore::sameIdentifierWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("ascii") << "Dupont" << "DUPONT" << true;
    QTest::newRow("accented capital") << "Élodie" << "élodie" << true;
    QTest::newRow("accent typed apart") << QString::fromUtf8("Élodie") << QString::fromUtf8("E\u0301lodie") << true;
    QTest::newRow("cedilla and ligature") << "ÇA ŒUVRE" << "ça œuvre" << true;
    QTest::newRow("greek") << "ΣΟΦΊΑ" << "σοφία" << true;
    QTest::newRow("accent differs") << "Elodie" << "Élodie" << false;
    QTest::newRow("space differs") << "Anne Marie" << "Anne-Marie" << false;
}

void TestPregnancyRecordStore::sameIdentifierWithoutRegardToCase()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    const QString path = freshFile(QStringLiteral("case.gro"));
    PregnancyRecordStore store(path);
    QCOMPARE(store.save(record(first, QDate(2009, 1, 15))), RecordStoreStatus::Ok);
    QCOMPARE(store.save(record(second, QDate(2010, 2, 20))),
             same ? RecordStoreStatus::Duplicate : RecordStoreStatus::Ok);

    QStringList names;
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names.size(), same ? 1 : 2);
    PregnancyRecord found;
    QCOMPARE(store.find(first, found), RecordStoreStatus::Ok);
    QCOMPARE(found.ddg, QDate(2009, 1, 15));
    QCOMPARE(found.name, first);
}

void TestPregnancyRecordStore::databaseItselfRefusesAFoldedDuplicate()
{
    const QString path = fileWithRecords(QStringLiteral("index.gro"), {record("Élodie", QDate(2009, 1, 15))});
    SqlCipherDatabase db;
    QVERIFY(db.openExisting(path));
    QVERIFY(db.key(PregnancyRecordStore::defaultPassphrase()));
    SqlCipherStatement insert(db, "INSERT INTO Grossesse (Nom, DDG, DDR, ACC, Cle) VALUES (?1, ?2, ?2, ?2, ?3)");
    QVERIFY(insert.bind(1, QStringLiteral("ÉLODIE")));
    QVERIFY(insert.bind(2, QStringLiteral("2009-01-15")));
    QVERIFY(insert.bind(3, FicheIdentifier::folded(QStringLiteral("ÉLODIE"))));
    QCOMPARE(insert.step(), SqlCipherStatement::Step::Error);
    QCOMPARE(db.lastError(), 2067); // SQLITE_CONSTRAINT_UNIQUE
}

void TestPregnancyRecordStore::overwriteKeepsOneRecord()
{
    const QString path = fileWithRecords(QStringLiteral("overwrite.gro"),
                                         {record("Dupont", QDate(2009, 1, 15)), record("Durand", QDate(2009, 3, 1))});
    PregnancyRecordStore store(path);
    const PregnancyRecord changed{QStringLiteral("DUPONT"), QDate(2009, 2, 1), QDate(2009, 1, 10), QDate(2009, 11, 5)};
    QCOMPARE(store.save(changed, QStringLiteral("Dupont")), RecordStoreStatus::Ok);
    QStringList names;
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names, (QStringList{QStringLiteral("DUPONT"), QStringLiteral("Durand")}));
    PregnancyRecord found;
    QCOMPARE(store.find(QStringLiteral("dupont"), found), RecordStoreStatus::Ok);
    QCOMPARE(found, changed);
    QCOMPARE(store.find(QStringLiteral("Durand"), found), RecordStoreStatus::Ok);
    QCOMPARE(found, record("Durand", QDate(2009, 3, 1)));
}

void TestPregnancyRecordStore::overwriteOfARecordDeletedMeanwhileAddsItAgain()
{
    const QString path = freshFile(QStringLiteral("gone.gro"));
    PregnancyRecordStore store(path);
    QCOMPARE(store.save(record("Dupont", QDate(2009, 2, 1)), QStringLiteral("Dupont")), RecordStoreStatus::Ok);
    PregnancyRecord found;
    QCOMPARE(store.find(QStringLiteral("Dupont"), found), RecordStoreStatus::Ok);
    QCOMPARE(found, record("Dupont", QDate(2009, 2, 1)));
}

void TestPregnancyRecordStore::renameOntoAnotherRecordIsADuplicate()
{
    const QString path = fileWithRecords(QStringLiteral("rename.gro"),
                                         {record("Dupont", QDate(2009, 1, 15)), record("Durand", QDate(2009, 3, 1))});
    PregnancyRecordStore store(path);
    QCOMPARE(store.save(record("durand", QDate(2011, 1, 1)), QStringLiteral("Dupont")), RecordStoreStatus::Duplicate);
    PregnancyRecord found;
    QCOMPARE(store.find(QStringLiteral("Dupont"), found), RecordStoreStatus::Ok);
    QCOMPARE(found, record("Dupont", QDate(2009, 1, 15)));
    QCOMPARE(store.find(QStringLiteral("Durand"), found), RecordStoreStatus::Ok);
    QCOMPARE(found, record("Durand", QDate(2009, 3, 1)));
}

void TestPregnancyRecordStore::removeDeletesOnlyThatRecord()
{
    const QString path = fileWithRecords(QStringLiteral("remove.gro"),
                                         {record("Dupont", QDate(2009, 1, 15)), record("Durand", QDate(2009, 3, 1)),
                                          record("Martin", QDate(2009, 4, 1))});
    PregnancyRecordStore store(path);
    QCOMPARE(store.remove(QStringLiteral("durand")), RecordStoreStatus::Ok);
    QStringList names;
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names, (QStringList{QStringLiteral("Dupont"), QStringLiteral("Martin")}));
}

void TestPregnancyRecordStore::removeOfAMissingRecordDeletesNothing()
{
    const QString path = fileWithRecords(QStringLiteral("remove-missing.gro"),
                                         {record("Dupont", QDate(2009, 1, 15)), record("Durand", QDate(2009, 3, 1))});
    PregnancyRecordStore store(path);
    QCOMPARE(store.remove(QStringLiteral("Martin")), RecordStoreStatus::NotFound);
    QStringList names;
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names.size(), 2);
}

void TestPregnancyRecordStore::namesInFrenchAlphabeticalOrder()
{
    const QDate d(2009, 1, 15);
    const QString path = fileWithRecords(QStringLiteral("order.gro"),
                                         {record("Zoé", d), record("élodie", d), record("Émile", d), record("anne", d),
                                          record("Bernard", d), record("Œdipe", d), record("Eve", d)});
    PregnancyRecordStore store(path);
    QStringList names;
    QCOMPARE(store.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names, (QStringList{"anne", "Bernard", "élodie", "Émile", "Eve", "Œdipe", "Zoé"}));
}

void TestPregnancyRecordStore::unreadableFileIsNeverWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<RecordStoreStatus>("expected");
    QTest::newRow("missing file") << "missing" << RecordStoreStatus::CannotOpen;
    QTest::newRow("wrong key") << "wrong key" << RecordStoreStatus::CannotOpen;
    QTest::newRow("text file") << "text" << RecordStoreStatus::CannotOpen;
    QTest::newRow("empty file") << "empty" << RecordStoreStatus::CannotOpen;
    QTest::newRow("unencrypted header") << "plain header" << RecordStoreStatus::CannotOpen;
    QTest::newRow("truncated") << "truncated" << RecordStoreStatus::CannotOpen;
    QTest::newRow("damaged table page") << "damaged" << RecordStoreStatus::Failed;
}

void TestPregnancyRecordStore::unreadableFileIsNeverWritten()
{
    QFETCH(QString, kind);
    QFETCH(RecordStoreStatus, expected);
    const QString good = fileWithRecords(QStringLiteral("good.gro"), {record("Dupont", QDate(2009, 1, 15))});
    const QString path = m_dir.filePath(QStringLiteral("bad.gro"));
    QFile::remove(path);
    QByteArray passphrase = PregnancyRecordStore::defaultPassphrase();
    QByteArray bytes = RecordTestFiles::read(good);
    if (kind == QLatin1String("wrong key"))
        passphrase = "583016virel";
    else if (kind == QLatin1String("text"))
        bytes = "Nom;DDG;DDR;ACC\r\nDupont;15/01/2009;01/01/2009;15/10/2009\r\n";
    else if (kind == QLatin1String("empty"))
        bytes.clear();
    else if (kind == QLatin1String("plain header"))
        bytes.replace(0, 16, QByteArray("SQLite format 3\0", 16));
    else if (kind == QLatin1String("truncated"))
        bytes.truncate(700);
    else if (kind == QLatin1String("damaged"))
        bytes[1024 + 200] = char(bytes[1024 + 200] ^ 0x5a);
    if (kind != QLatin1String("missing"))
        QVERIFY(RecordTestFiles::write(path, bytes));

    PregnancyRecordStore store(path, passphrase);
    QStringList names;
    PregnancyRecord found;
    QCOMPARE(store.names(names), expected);
    QVERIFY(store.find(QStringLiteral("Dupont"), found) != RecordStoreStatus::Ok);
    QVERIFY(store.save(record("Durand", QDate(2009, 3, 1))) != RecordStoreStatus::Ok);
    QVERIFY(store.save(record("Dupont", QDate(2009, 3, 1)), QStringLiteral("Dupont")) != RecordStoreStatus::Ok);
    QVERIFY(store.remove(QStringLiteral("Dupont")) != RecordStoreStatus::Ok);

    if (kind == QLatin1String("missing"))
        QVERIFY(!QFile::exists(path));
    else
        QCOMPARE(RecordTestFiles::read(path), bytes);
    QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
}

void TestPregnancyRecordStore::noIdentifierOrDateInClear()
{
    const QString path = freshFile(QStringLiteral("clear.gro"));
    PregnancyRecordStore store(path);
    const PregnancyRecord kept{QStringLiteral("Élodie Kerbrat-Vasseur"), QDate(2009, 1, 15), QDate(2009, 1, 1),
                               QDate(2009, 10, 15)};
    const PregnancyRecord removed{QStringLiteral("Rosalinde Quennec"), QDate(2011, 7, 23), QDate(2011, 7, 9),
                                  QDate(2012, 4, 23)};
    QCOMPARE(store.save(kept), RecordStoreStatus::Ok);
    QCOMPARE(store.save(removed), RecordStoreStatus::Ok);
    QCOMPARE(store.remove(removed.name), RecordStoreStatus::Ok);

    const QByteArray bytes = RecordTestFiles::read(path);
    QVERIFY(bytes.size() >= 2048);
    QList<QByteArray> secrets{"SQLite format 3", "Grossesse", "CREATE", "Kerbrat", "kerbrat", "Quennec", "quennec",
                              "2009-01-15", "2009-10-15", "2011-07-23", "15/01/2009", "2009", "2011"};
    secrets << QStringLiteral("Kerbrat").toUtf8() << QByteArray(reinterpret_cast<const char *>(u"Kerbrat"), 14);
    for (const QByteArray &secret : std::as_const(secrets))
        QVERIFY2(!bytes.contains(secret), secret.constData());
}

void TestPregnancyRecordStore::simultaneousSavesLoseNothing()
{
    const QString path = freshFile(QStringLiteral("together.gro"));
    constexpr int PerCopy = 40;
    PregnancyRecordStore first(path);
    PregnancyRecordStore second(path);
    QStringList names;
    // Derive both keys before the race so that the saves really overlap.
    QCOMPARE(first.names(names), RecordStoreStatus::Ok);
    QCOMPARE(second.names(names), RecordStoreStatus::Ok);

    std::latch start(2);
    int failures[2] = {0, 0};
    auto run = [&](PregnancyRecordStore &store, int copy) {
        start.arrive_and_wait();
        for (int i = 0; i < PerCopy; ++i) {
            const QString name = QStringLiteral("Copie %1 fiche %2").arg(copy).arg(i);
            if (store.save(record(name, QDate(2009, 1, 1).addDays(i))) != RecordStoreStatus::Ok)
                ++failures[copy];
        }
    };
    std::thread a(run, std::ref(first), 0);
    std::thread b(run, std::ref(second), 1);
    a.join();
    b.join();
    QCOMPARE(failures[0], 0);
    QCOMPARE(failures[1], 0);
    QCOMPARE(first.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names.size(), 2 * PerCopy);
}

void TestPregnancyRecordStore::simultaneousSavesOfOneIdentifier()
{
    const QString path = freshFile(QStringLiteral("same.gro"));
    constexpr int Count = 30;
    PregnancyRecordStore first(path);
    PregnancyRecordStore second(path);
    QStringList names;
    QCOMPARE(first.names(names), RecordStoreStatus::Ok);
    QCOMPARE(second.names(names), RecordStoreStatus::Ok);

    std::latch start(2);
    QList<RecordStoreStatus> results[2];
    auto run = [&](PregnancyRecordStore &store, int copy) {
        start.arrive_and_wait();
        for (int i = 0; i < Count; ++i) {
            // The two copies type the same identifier in different letter cases.
            QString name = QStringLiteral("Fiche commune %1").arg(i);
            results[copy] << store.save(record(copy ? name.toUpper() : name, QDate(2009, 1, 1)));
        }
    };
    std::thread a(run, std::ref(first), 0);
    std::thread b(run, std::ref(second), 1);
    a.join();
    b.join();
    for (int i = 0; i < Count; ++i) {
        const QList<RecordStoreStatus> pair{results[0].at(i), results[1].at(i)};
        QVERIFY2(pair.count(RecordStoreStatus::Ok) == 1 && pair.count(RecordStoreStatus::Duplicate) == 1,
                 qPrintable(QString::number(i)));
    }
    QCOMPARE(first.names(names), RecordStoreStatus::Ok);
    QCOMPARE(names.size(), Count);
}

QTEST_GUILESS_MAIN(TestPregnancyRecordStore)
#include "test_pregnancy_record_store.moc"
