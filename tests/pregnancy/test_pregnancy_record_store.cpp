#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/PregnancyRecordStore.h"
#include "pregnancy/SqlCipherDatabase.h"
#include "pregnancy/SqlCipherKey.h"
#include "pregnancy/SqlCipherStatement.h"

#include "support/RecordFiles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <openssl/evp.h>
#include <sys/resource.h>

#include <csignal>
#include <latch>
#include <thread>

Q_DECLARE_METATYPE(RecordStoreStatus)

namespace {

PregnancyRecord record(const QString &name, const QDate &ddg)
{
    return {name, ddg, ddg.addDays(-14), ddg.addMonths(9)};
}

const QByteArray Password = QByteArrayLiteral("Maternité des Lilas");
const QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// Who may read, write or run the file: its owner, its group, others.
constexpr int PermissionBits = 0x7077;

// The raw key of a file, derived here straight from libcrypto with the file's
// first 16 bytes as salt.
QByteArray rawKey(const QString &path, const QByteArray &secret, const EVP_MD *digest, int rounds)
{
    const QByteArray salt = RecordFiles::read(path).left(16);
    QByteArray key(32, '\0');
    PKCS5_PBKDF2_HMAC(secret.constData(), int(secret.size()), reinterpret_cast<const uchar *>(salt.constData()), 16,
                      rounds, digest, 32, reinterpret_cast<uchar *>(key.data()));
    return "x'" + key.toHex() + "'";
}

bool opensWith(const QString &path, const QByteArray &keyText)
{
    SqlCipherDatabase db;
    return db.openExisting(path) && db.key(keyText) && SqlCipherStatement(db, "SELECT Nom FROM Grossesse").isValid();
}

// Lets no file of this process grow beyond `bytes` while it lives, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class TestPregnancyRecordStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_files.ready());
    }

    // A new file is empty, its owner's only, and keyed as SQLCipher keys it from the
    // built-in passphrase, so any SQLCipher tool opens it; a practice password
    // rekeys it with stronger derivation.
    void keysDerivedFromThePassphraseOrThePassword()
    {
        QCOMPARE(QFile::permissions(m_files.templatePath()) & PermissionBits, OwnerOnly);
        const QString path = m_files.fresh(QStringLiteral("derived.gro"));
        PregnancyRecordStore store(path);
        QStringList names{QStringLiteral("left over")};
        QCOMPARE(store.names(names), RecordStoreStatus::Ok);
        QVERIFY(names.isEmpty());
        QVERIFY(opensWith(path, rawKey(path, PregnancyRecordStore::defaultPassphrase(), EVP_sha1(), 64000)));
        QVERIFY(opensWith(path, "583016Virel"));

        QCOMPARE(store.save(record("Dupont", QDate(2009, 1, 15))), RecordStoreStatus::Ok);
        QCOMPARE(store.changePassword(Password), RecordStoreStatus::Ok);
        QVERIFY(opensWith(path, rawKey(path, Password, EVP_sha512(), 256000)));
        QVERIFY(!opensWith(path, rawKey(path, Password, EVP_sha512(), 255999)));
        QVERIFY(!opensWith(path, Password));
        QVERIFY(!opensWith(path, PregnancyRecordStore::defaultPassphrase()));
    }

    void identifiersAndDatesRoundTrip_data()
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

    void identifiersAndDatesRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QString, otherName);
        QFETCH(QDate, ddg);
        QFETCH(QDate, ddr);
        QFETCH(QDate, acc);
        const PregnancyRecord saved{name, ddg, ddr, acc};
        const QString path = m_files.fresh(QStringLiteral("roundtrip.gro"));
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

    // One write to a file holding `stored` (each with the first date): what it
    // answers and the identifiers listed after, in French alphabetical order.
    void writes_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("replacing");
        QTest::addColumn<RecordStoreStatus>("expected");
        QTest::addColumn<QStringList>("names");
        using S = RecordStoreStatus;
        const QStringList two{"Dupont", "Durand"};
        // Identifiers the record list takes for the same one, and two it keeps apart.
        const QList<std::pair<const char *, const char *>> same{
            {"Dupont", "DUPONT"}, {"Élodie", "élodie"}, {"Élodie", "E\u0301lodie"}, {"ÇA ŒUVRE", "ça œuvre"},
            {"ΣΟΦΊΑ", "σοφία"}, {"straße", "STRASSE"}, {"STRAẞE", "strasse"}, {"ﬁligrane", "FILIGRANE"},
            {"Anne\u00A0Marie", "Anne Marie"}, {"ＤＵＰＯＮＴ", "dupont"}, {"Anne   Marie", "anne marie"}};
        for (const auto &[first, second] : same)
            QTest::addRow("same: %s", second) << QStringList{first} << "save" << second << "" << S::Duplicate
                                              << QStringList{first};
        QTest::newRow("accent differs") << QStringList{"Élodie"} << "save" << "Elodie" << "" << S::Ok
                                        << QStringList{"Elodie", "Élodie"};
        QTest::newRow("space differs") << QStringList{"Anne-Marie"} << "save" << "Anne Marie" << "" << S::Ok
                                       << QStringList{"Anne Marie", "Anne-Marie"};
        QTest::newRow("French order") << QStringList{"Zoé", "élodie", "Émile", "anne", "Bernard", "Œdipe"} << "save"
                                      << "Eve" << "" << S::Ok
                                      << QStringList{"anne", "Bernard", "élodie", "Émile", "Eve", "Œdipe", "Zoé"};
        QTest::newRow("overwrite keeps one record") << two << "save" << "DUPONT" << "Dupont" << S::Ok
                                                    << QStringList{"DUPONT", "Durand"};
        QTest::newRow("overwrite of a record deleted meanwhile") << QStringList() << "save" << "Dupont" << "Dupont"
                                                                 << S::Ok << QStringList{"Dupont"};
        QTest::newRow("rename onto another record") << two << "save" << "durand" << "Dupont" << S::Duplicate << two;
        QTest::newRow("remove") << QStringList{"Dupont", "Durand", "Martin"} << "remove" << "durand" << "" << S::Ok
                                << QStringList{"Dupont", "Martin"};
        QTest::newRow("remove a missing record") << two << "remove" << "Martin" << "" << S::NotFound << two;
        QTest::newRow("create over a file") << two << "create" << "" << "" << S::CannotOpen << two;
    }

    void writes()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QString, replacing);
        QFETCH(RecordStoreStatus, expected);
        QFETCH(QStringList, names);
        const QDate first(2009, 1, 15);
        const QDate written(2011, 1, 1);
        QList<PregnancyRecord> records;
        for (const QString &n : std::as_const(stored))
            records << record(n, first);
        const QString path = m_files.withRecords(QStringLiteral("writes.gro"), records);
        const QByteArray before = RecordFiles::read(path);
        PregnancyRecordStore store(path);
        if (action == QLatin1String("save"))
            QCOMPARE(store.save(record(name, written), replacing), expected);
        else if (action == QLatin1String("remove"))
            QCOMPARE(store.remove(name), expected);
        else
            QCOMPARE(PregnancyRecordStore::createEmpty(path), expected);
        if (expected != RecordStoreStatus::Ok)
            QCOMPARE(RecordFiles::read(path), before);
        QStringList listed;
        QCOMPARE(store.names(listed), RecordStoreStatus::Ok);
        QCOMPARE(listed, names);
        for (const QString &n : std::as_const(names)) {
            PregnancyRecord found;
            QCOMPARE(store.find(n, found), RecordStoreStatus::Ok);
            const bool isWritten = action == QLatin1String("save") && n == name && expected == RecordStoreStatus::Ok;
            QCOMPARE(found, record(n, isWritten ? written : first));
        }
    }

    void databaseItselfRefusesAFoldedDuplicate()
    {
        const QString path = m_files.withRecords(QStringLiteral("index.gro"), {record("Élodie", QDate(2009, 1, 15))});
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

    void unreadableFileIsNeverWritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<RecordStoreStatus>("expected");
        QTest::newRow("missing file") << "missing" << RecordStoreStatus::CannotOpen;
        QTest::newRow("practice password not given") << "password" << RecordStoreStatus::Locked;
        QTest::newRow("text file") << "text" << RecordStoreStatus::CannotOpen;
        QTest::newRow("empty file") << "empty" << RecordStoreStatus::CannotOpen;
        QTest::newRow("unencrypted header") << "plain header" << RecordStoreStatus::CannotOpen;
        QTest::newRow("truncated") << "truncated" << RecordStoreStatus::CannotOpen;
        QTest::newRow("100 bytes short") << "short" << RecordStoreStatus::CannotOpen;
        QTest::newRow("100 bytes appended") << "appended" << RecordStoreStatus::CannotOpen;
        QTest::newRow("a page appended") << "page appended" << RecordStoreStatus::CannotOpen;
        QTest::newRow("last page missing") << "page missing" << RecordStoreStatus::CannotOpen;
        QTest::newRow("damaged table page") << "damaged" << RecordStoreStatus::CannotOpen;
    }

    void unreadableFileIsNeverWritten()
    {
        QFETCH(QString, kind);
        QFETCH(RecordStoreStatus, expected);
        const QString good = m_files.withRecords(QStringLiteral("good.gro"), {record("Dupont", QDate(2009, 1, 15))});
        const QString path = m_files.path(QStringLiteral("bad.gro"));
        QFile::remove(path);
        if (kind == QLatin1String("password"))
            QCOMPARE(PregnancyRecordStore(good).changePassword(Password), RecordStoreStatus::Ok);
        QByteArray bytes = RecordFiles::read(good);
        if (kind == QLatin1String("text"))
            bytes = "Nom;DDG;DDR;ACC\r\nDupont;15/01/2009;01/01/2009;15/10/2009\r\n";
        else if (kind == QLatin1String("empty"))
            bytes.clear();
        else if (kind == QLatin1String("plain header"))
            bytes.replace(0, 16, QByteArray("SQLite format 3\0", 16));
        else if (kind == QLatin1String("truncated"))
            bytes.truncate(700);
        else if (kind == QLatin1String("short"))
            bytes.chop(100);
        else if (kind == QLatin1String("appended"))
            bytes.append(100, 'x');
        else if (kind == QLatin1String("page appended"))
            bytes.append(bytes.mid(1024, 1024));
        else if (kind == QLatin1String("page missing"))
            bytes.chop(1024);
        else if (kind == QLatin1String("damaged"))
            bytes[1024 + 200] = char(bytes[1024 + 200] ^ 0x5a);
        if (kind != QLatin1String("missing"))
            QVERIFY(RecordFiles::write(path, bytes));

        PregnancyRecordStore store(path);
        QStringList names;
        PregnancyRecord found;
        QCOMPARE(store.names(names), expected);
        QVERIFY(store.find(QStringLiteral("Dupont"), found) != RecordStoreStatus::Ok);
        QVERIFY(store.save(record("Durand", QDate(2009, 3, 1))) != RecordStoreStatus::Ok);
        QVERIFY(store.save(record("Dupont", QDate(2009, 3, 1)), QStringLiteral("Dupont")) != RecordStoreStatus::Ok);
        QVERIFY(store.remove(QStringLiteral("Dupont")) != RecordStoreStatus::Ok);
        QVERIFY(store.changePassword("autre mot de passe") != RecordStoreStatus::Ok);

        if (kind == QLatin1String("missing"))
            QVERIFY(!QFile::exists(path));
        else
            QCOMPARE(RecordFiles::read(path), bytes);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    void noIdentifierOrDateInClear_data()
    {
        QTest::addColumn<bool>("protectedFile");
        QTest::newRow("built-in key") << false;
        QTest::newRow("practice password") << true;
    }

    void noIdentifierOrDateInClear()
    {
        QFETCH(bool, protectedFile);
        const QString path = m_files.fresh(QStringLiteral("clear.gro"));
        PregnancyRecordStore store(path);
        if (protectedFile)
            QCOMPARE(store.changePassword(Password), RecordStoreStatus::Ok);
        const PregnancyRecord kept{QStringLiteral("Élodie Kerbrat-Vasseur"), QDate(2009, 1, 15), QDate(2009, 1, 1),
                                   QDate(2009, 10, 15)};
        const PregnancyRecord removed{QStringLiteral("Rosalinde Quennec"), QDate(2011, 7, 23), QDate(2011, 7, 9),
                                      QDate(2012, 4, 23)};
        QCOMPARE(store.save(kept), RecordStoreStatus::Ok);
        QCOMPARE(store.save(removed), RecordStoreStatus::Ok);
        QCOMPARE(store.remove(removed.name), RecordStoreStatus::Ok);

        const QByteArray bytes = RecordFiles::read(path);
        QVERIFY(bytes.size() >= 2048);
        QList<QByteArray> secrets{"SQLite format 3", "Grossesse", "CREATE", "Kerbrat", "kerbrat", "Quennec", "quennec",
                                  "2009-01-15", "2009-10-15", "2011-07-23", "15/01/2009", "2009", "2011"};
        secrets << QStringLiteral("Kerbrat").toUtf8() << QByteArray(reinterpret_cast<const char *>(u"Kerbrat"), 14);
        secrets << Password;
        for (const QByteArray &secret : std::as_const(secrets))
            QVERIFY2(!bytes.contains(secret), secret.constData());
    }

    void passwordSetChangedAndRemoved_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("set") << 3 << QByteArray() << Password;
        QTest::newRow("changed, 200 records") << 200 << Password << QByteArray("un autre mot de passe");
        QTest::newRow("removed") << 3 << Password << QByteArray();
    }

    void passwordSetChangedAndRemoved()
    {
        QFETCH(int, count);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QList<PregnancyRecord> records;
        for (int i = 0; i < count; ++i)
            records << record(QStringLiteral("Patiente n° %1").arg(i), QDate(2001, 1, 1).addDays(i * 17));
        const QString path = m_files.withRecords(QStringLiteral("rekey.gro"), records);
        if (!before.isEmpty())
            QCOMPARE(PregnancyRecordStore(path).changePassword(before), RecordStoreStatus::Ok);

        PregnancyRecordStore store(path);
        QCOMPARE(store.check(), before.isEmpty() ? RecordStoreStatus::Ok : RecordStoreStatus::Locked);
        QCOMPARE(store.changePassword(after), before.isEmpty() ? RecordStoreStatus::Ok : RecordStoreStatus::Locked);
        if (!before.isEmpty()) {
            QCOMPARE(store.unlock(before + "x"), RecordStoreStatus::Locked);
            QCOMPARE(store.unlock(before), RecordStoreStatus::Ok);
            QCOMPARE(store.changePassword(after), RecordStoreStatus::Ok);
        }
        QCOMPARE(QFile::permissions(path) & PermissionBits, OwnerOnly);
        QCOMPARE(QDir(m_files.dir()).entryList({QStringLiteral("rekey.gro*")}, QDir::Files),
                 QStringList{QStringLiteral("rekey.gro")});

        // A new window: the file opens with the new password only.
        PregnancyRecordStore later(path);
        QCOMPARE(later.check(), after.isEmpty() ? RecordStoreStatus::Ok : RecordStoreStatus::Locked);
        if (!after.isEmpty()) {
            if (!before.isEmpty())
                QCOMPARE(later.unlock(before), RecordStoreStatus::Locked);
            QCOMPARE(later.unlock(after), RecordStoreStatus::Ok);
        }
        QCOMPARE(later.isProtected(), !after.isEmpty());
        QStringList names;
        QCOMPARE(later.names(names), RecordStoreStatus::Ok);
        QCOMPARE(names.size(), count);
        for (const PregnancyRecord &r : std::as_const(records)) {
            PregnancyRecord found;
            QCOMPARE(later.find(r.name, found), RecordStoreStatus::Ok);
            QCOMPARE(found, r);
        }
        QCOMPARE(later.save(record("Nouvelle", QDate(2012, 2, 2))), RecordStoreStatus::Ok);
    }

    void failedRekeyLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing can be written") << 0;
        QTest::newRow("full after the first pages") << 4096;
        QTest::newRow("full halfway") << 12288;
    }

    void failedRekeyLeavesTheFileAsItWas()
    {
        QFETCH(int, limit);
        QList<PregnancyRecord> records;
        for (int i = 0; i < 200; ++i)
            records << record(QStringLiteral("Patiente n° %1").arg(i), QDate(2001, 1, 1).addDays(i));
        const QString path = m_files.withRecords(QStringLiteral("full.gro"), records);
        const QByteArray before = RecordFiles::read(path);
        QVERIFY(before.size() > 2 * limit);
        PregnancyRecordStore store(path);
        QCOMPARE(store.check(), RecordStoreStatus::Ok);
        {
            const FileSizeLimit full(rlim_t(limit > 0 ? limit : 1));
            QCOMPARE(store.changePassword(Password), RecordStoreStatus::Failed);
        }
        QCOMPARE(RecordFiles::read(path), before);
        QCOMPARE(QDir(m_files.dir()).entryList({QStringLiteral("full.gro*")}, QDir::Files),
                 QStringList{QStringLiteral("full.gro")});
        // The store still holds the key that opens the file as it is.
        QStringList names;
        QCOMPARE(store.names(names), RecordStoreStatus::Ok);
        QCOMPARE(names.size(), records.size());
        QVERIFY(!store.isProtected());
    }

    void fileWrittenBeforePasswordsStillOpens()
    {
        // Written by the program before practice passwords and look-alike identifiers:
        // "Caroline", with a zero-width space, with a no-break space, blanks, a
        // right-to-left override, "straße" and "STRASSE", "ﬁligrane" and "FILIGRANE".
        const QString path = m_files.path(QStringLiteral("before.gro"));
        QFile::remove(path);
        QVERIFY(QFile::copy(QStringLiteral(RECORD_TEST_DATA "/fiches-before-passwords.gro"), path));
        QFile::setPermissions(path, OwnerOnly);
        PregnancyRecordStore store(path);
        QStringList names;
        QCOMPARE(store.names(names), RecordStoreStatus::Ok);
        QCOMPARE(names.size(), 10);
        const auto everyRecordReachable = [&] {
            QStringList listed;
            QCOMPARE(store.names(listed), RecordStoreStatus::Ok);
            QCOMPARE(listed.size(), names.size());
            QSet<QDate> dates;
            for (const QString &name : std::as_const(listed)) {
                PregnancyRecord found;
                QCOMPARE(store.find(name, found), RecordStoreStatus::Ok);
                QCOMPARE(found.name, name);
                dates.insert(found.ddg);
            }
            QCOMPARE(dates.size(), listed.size());
        };
        everyRecordReachable();
        // The first write brings the keys up to date; look-alikes already stored stay.
        QCOMPARE(store.save(record("Strasse", QDate(2012, 1, 1))), RecordStoreStatus::Duplicate);
        QCOMPARE(store.save(record("Durand", QDate(2012, 1, 1))), RecordStoreStatus::Ok);
        QCOMPARE(store.save(record("FILIGRANE", QDate(2012, 3, 3)), QStringLiteral("FILIGRANE")), RecordStoreStatus::Ok);
        names << QStringLiteral("Durand");
        everyRecordReachable();
        QCOMPARE(store.changePassword(Password), RecordStoreStatus::Ok);
        everyRecordReachable();
        QCOMPARE(store.remove(QString::fromUtf8("Caroline\u00A0")), RecordStoreStatus::Ok);
        PregnancyRecord kept;
        QCOMPARE(store.find(QStringLiteral("Caroline"), kept), RecordStoreStatus::Ok);
        QCOMPARE(kept.ddg, QDate(2009, 1, 15));
    }

    void simultaneousSaves_data()
    {
        QTest::addColumn<bool>("sameIdentifiers");
        QTest::newRow("each copy its own records") << false;
        QTest::newRow("one identifier in two letter cases") << true;
    }

    // Two copies of the program save at once: nothing is lost, and of two saves of
    // one identifier exactly one wins.
    void simultaneousSaves()
    {
        QFETCH(bool, sameIdentifiers);
        const QString path = m_files.fresh(QStringLiteral("together.gro"));
        constexpr int Count = 30;
        PregnancyRecordStore copies[2]{PregnancyRecordStore(path), PregnancyRecordStore(path)};
        QStringList names;
        // Derive both keys before the race so that the saves really overlap.
        QCOMPARE(copies[0].names(names), RecordStoreStatus::Ok);
        QCOMPARE(copies[1].names(names), RecordStoreStatus::Ok);

        std::latch start(2);
        QList<RecordStoreStatus> results[2];
        auto run = [&](int copy) {
            start.arrive_and_wait();
            for (int i = 0; i < Count; ++i) {
                const QString name = sameIdentifiers ? QStringLiteral("Fiche commune %1").arg(i)
                                                     : QStringLiteral("Copie %1 fiche %2").arg(copy).arg(i);
                results[copy] << copies[copy].save(record(copy ? name.toUpper() : name, QDate(2009, 1, 1)));
            }
        };
        std::thread a(run, 0);
        std::thread b(run, 1);
        a.join();
        b.join();
        for (int i = 0; i < Count; ++i) {
            const QList<RecordStoreStatus> pair{results[0].at(i), results[1].at(i)};
            QVERIFY2(pair.count(RecordStoreStatus::Ok) == (sameIdentifiers ? 1 : 2)
                         && pair.count(RecordStoreStatus::Duplicate) == (sameIdentifiers ? 1 : 0),
                     qPrintable(QString::number(i)));
        }
        QCOMPARE(copies[0].names(names), RecordStoreStatus::Ok);
        QCOMPARE(names.size(), sameIdentifiers ? Count : 2 * Count);
    }

private:
    RecordFiles m_files;
};

QTEST_GUILESS_MAIN(TestPregnancyRecordStore)
#include "test_pregnancy_record_store.moc"
