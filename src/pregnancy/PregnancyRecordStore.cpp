#include "pregnancy/PregnancyRecordStore.h"

#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/SqlCipherDatabase.h"
#include "pregnancy/SqlCipherStatement.h"
#include "pregnancy/SqlCipherTransaction.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

// Long enough for another copy of the program to finish its save.
constexpr int BusyTimeoutMs = 5000;
// SQLite's extended result code for a broken UNIQUE constraint.
constexpr int ConstraintUnique = 19 | (8 << 8);
// SQLite's result code for a file that is not a database, or not under this key.
constexpr int NotADatabase = 26;
// SQLCipher's page: the file is always a whole number of them.
constexpr qint64 PageSize = 1024;
// Files whose "Cle" holds the key of FicheIdentifier::folded() as it is now.
constexpr int KeyVersion = 2;

// The table keeps the identifier as typed and, in "Cle", its key for the record
// list: the unique index on "Cle" makes the database itself refuse two identifiers
// that would look the same there.
constexpr const char *Schema = "CREATE TABLE Grossesse ("
                               " Nom TEXT NOT NULL,"
                               " DDG TEXT NOT NULL,"
                               " DDR TEXT NOT NULL,"
                               " ACC TEXT NOT NULL,"
                               " Cle TEXT NOT NULL);"
                               "CREATE UNIQUE INDEX Grossesse_Cle ON Grossesse (Cle);"
                               "PRAGMA user_version = 2;";

// Preparing this reads the schema, which is the first read of the file: a wrong key
// or a file that is not an SQLCipher database fails here, as does a file without
// the table.
constexpr const char *SchemaCheck = "SELECT Nom, DDG, DDR, ACC, Cle FROM Grossesse LIMIT 0";

// The row an identifier names: the one of that exact identifier first, so that
// look-alike identifiers saved before they counted as the same stay reachable.
#define ROW_OF_NAME "(SELECT rowid FROM Grossesse WHERE Nom = ?1 OR Cle = ?2 ORDER BY Nom = ?1 DESC LIMIT 1)"

// One row as stored, its texts copied as they are when the file is re-keyed.
using StoredRow = std::array<QString, 4>;

// Dates are kept as ISO text: unambiguous, independent of the locale, and read back
// as the very same date.
QString dateText(const QDate &date) { return date.toString(Qt::ISODate); }

bool inRange(const QDate &date) { return date.isValid() && date.year() >= 100 && date.year() <= 9999; }

QDate dateFromText(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return inRange(date) ? date : QDate();
}

bool isStorable(const PregnancyRecord &record)
{
    return !record.name.isEmpty() && inRange(record.ddg) && inRange(record.ddr) && inRange(record.acc);
}

void sortFrench(QStringList &names)
{
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString &name : std::as_const(names))
        keys.push_back(collator.sortKey(name));
    std::vector<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
    QStringList sorted;
    sorted.reserve(names.size());
    for (qsizetype i : order)
        sorted.append(names.at(i));
    names = std::move(sorted);
}

RecordStoreStatus writeFailure(const SqlCipherDatabase &db)
{
    return db.lastError() == ConstraintUnique ? RecordStoreStatus::Duplicate : RecordStoreStatus::Failed;
}

bool bindRecord(SqlCipherStatement &statement, const PregnancyRecord &record)
{
    return statement.bind(3, record.name) && statement.bind(4, dateText(record.ddg))
        && statement.bind(5, dateText(record.ddr)) && statement.bind(6, dateText(record.acc))
        && statement.bind(7, FicheIdentifier::folded(record.name));
}

bool bindName(SqlCipherStatement &statement, const QString &name)
{
    return statement.bind(1, name) && statement.bind(2, FicheIdentifier::folded(name));
}

enum class Keyed { Yes, WrongKey, Damaged };

Keyed keyWith(SqlCipherDatabase &db, const QString &path, const SqlCipherKey &key)
{
    QByteArray text = key.keyText();
    const bool keyed = db.openExisting(path) && db.key(text);
    SqlCipherKey::wipe(text);
    db.setBusyTimeout(BusyTimeoutMs);
    if (keyed && SqlCipherStatement(db, SchemaCheck).isValid())
        return Keyed::Yes;
    // A wrong key makes the first page unreadable as a database; a right key on a
    // file that lacks pages or the table fails otherwise.
    const bool wrongKey = (db.lastError() & 0xFF) == NotADatabase;
    db.close();
    return wrongKey ? Keyed::WrongKey : Keyed::Damaged;
}

qint64 pragmaNumber(SqlCipherDatabase &db, const char *sql)
{
    SqlCipherStatement pragma(db, sql);
    return pragma.step() == SqlCipherStatement::Step::Row ? pragma.integer(0) : -1;
}

// Every page in place and readable: the file's size is that of its pages, and
// SQLite's quick check finds nothing wrong.
bool isWhole(SqlCipherDatabase &db, const QString &path)
{
    if (!db.exec("BEGIN"))
        return false;
    bool whole = false;
    {
        SqlCipherStatement check(db, "PRAGMA quick_check(1)");
        whole = check.step() == SqlCipherStatement::Step::Row && check.text(0) == QLatin1String("ok");
    }
    whole =
        whole && pragmaNumber(db, "PRAGMA page_count") * pragmaNumber(db, "PRAGMA page_size") == QFileInfo(path).size();
    return db.exec("COMMIT") && whole;
}

bool readRows(SqlCipherDatabase &db, std::vector<qint64> *rowids, std::vector<StoredRow> &rows)
{
    SqlCipherStatement select(db, "SELECT rowid, Nom, DDG, DDR, ACC FROM Grossesse ORDER BY rowid");
    SqlCipherStatement::Step step;
    while ((step = select.step()) == SqlCipherStatement::Step::Row) {
        if (rowids)
            rowids->push_back(select.integer(0));
        rows.push_back({select.text(1), select.text(2), select.text(3), select.text(4)});
    }
    return step == SqlCipherStatement::Step::Done;
}

// The key of each row, in the order given: its identifier's key, unless an earlier
// row holds it already (look-alike identifiers saved before they counted as the
// same); such a row gets a key of its own that no identifier typed now can have.
QStringList uniqueKeys(const std::vector<qint64> &rowids, const std::vector<StoredRow> &rows)
{
    QSet<QString> taken;
    QStringList keys;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QString key = FicheIdentifier::folded(rows[i][0]);
        if (taken.contains(key))
            key += QChar(0x0001) + QString::number(rowids[i]);
        while (taken.contains(key))
            key += QChar(0x0001);
        taken.insert(key);
        keys << key;
    }
    return keys;
}

// Brings the keys of a file written before identifiers were compared as they are
// now up to date, inside the caller's transaction.
bool updateKeys(SqlCipherDatabase &db)
{
    if (pragmaNumber(db, "PRAGMA user_version") >= KeyVersion)
        return true;
    std::vector<qint64> rowids;
    std::vector<StoredRow> rows;
    QStringList old;
    {
        SqlCipherStatement select(db, "SELECT rowid, Nom, Cle FROM Grossesse ORDER BY rowid");
        SqlCipherStatement::Step step;
        while ((step = select.step()) == SqlCipherStatement::Step::Row) {
            rowids.push_back(select.integer(0));
            rows.push_back({select.text(1)});
            old << select.text(2);
        }
        if (step != SqlCipherStatement::Step::Done)
            return false;
    }
    const QStringList keys = uniqueKeys(rowids, rows);
    // Keys move in two passes, through values no text equals, so that no key is
    // ever held by two rows on the way.
    SqlCipherStatement park(db, "UPDATE Grossesse SET Cle = CAST(rowid AS BLOB) WHERE rowid = ?1");
    SqlCipherStatement set(db, "UPDATE Grossesse SET Cle = ?2 WHERE rowid = ?1");
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (keys[i] == old[i])
                continue;
            SqlCipherStatement &statement = pass == 0 ? park : set;
            if (!statement.bind(1, rowids[i]) || (pass == 1 && !statement.bind(2, keys[i]))
                || statement.step() != SqlCipherStatement::Step::Done || !statement.reset())
                return false;
        }
    }
    return db.exec("PRAGMA user_version = 2");
}

bool writeRows(const QString &path, const SqlCipherKey &key, const std::vector<StoredRow> &rows)
{
    SqlCipherDatabase db;
    QByteArray text = key.keyText();
    const bool keyed = db.openExisting(path) && db.key(text);
    SqlCipherKey::wipe(text);
    if (!keyed)
        return false;
    SqlCipherTransaction transaction(db);
    if (!transaction.isActive() || !db.exec(Schema))
        return false;
    std::vector<qint64> order(rows.size());
    std::iota(order.begin(), order.end(), 1);
    const QStringList keys = uniqueKeys(order, rows);
    SqlCipherStatement insert(db, "INSERT INTO Grossesse (Nom, DDG, DDR, ACC, Cle) VALUES (?1, ?2, ?3, ?4, ?5)");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int column = 0; column < 4; ++column) {
            if (!insert.bind(column + 1, rows[i][column]))
                return false;
        }
        if (!insert.bind(5, keys[i]) || insert.step() != SqlCipherStatement::Step::Done || !insert.reset())
            return false;
    }
    return transaction.commit();
}

bool readsBack(const QString &path, const SqlCipherKey &key, const std::vector<StoredRow> &rows)
{
    SqlCipherDatabase db;
    std::vector<StoredRow> read;
    return keyWith(db, path, key) == Keyed::Yes && isWhole(db, path) && readRows(db, nullptr, read) && read == rows;
}

bool syncFile(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Puts the new file in the old one's place in one step. Syncing the folder makes
// that step survive a power cut; once the rename is done it can no longer fail.
bool replaceFile(const QString &fresh, const QString &path)
{
    if (!syncFile(fresh, O_RDONLY)
        || std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    syncFile(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

} // namespace

QByteArray PregnancyRecordStore::defaultPassphrase() { return QByteArrayLiteral("583016Virel"); }

PregnancyRecordStore::PregnancyRecordStore(QString path) : m_path(std::move(path)) { }

RecordStoreStatus PregnancyRecordStore::fileSalt(QByteArray &salt) const
{
    QFile file(m_path);
    const qint64 size = file.size();
    if (size < PageSize || size % PageSize != 0 || !file.open(QIODevice::ReadOnly))
        return RecordStoreStatus::CannotOpen;
    salt = file.read(SqlCipherKey::SaltSize);
    // A plain SQLite file starts with its name where an encrypted one has its salt.
    const bool plain = salt.startsWith("SQLite format 3");
    return salt.size() == SqlCipherKey::SaltSize && !plain ? RecordStoreStatus::Ok : RecordStoreStatus::CannotOpen;
}

const SqlCipherKey &PregnancyRecordStore::builtInKey(const QByteArray &salt)
{
    if (!m_builtIn.isValid() || m_builtIn.salt() != salt)
        m_builtIn = SqlCipherKey::derive(SqlCipherKey::Kind::BuiltIn, defaultPassphrase(), salt);
    return m_builtIn;
}

void PregnancyRecordStore::prepareKey()
{
    QByteArray salt;
    if (fileSalt(salt) == RecordStoreStatus::Ok && !(m_password.isValid() && m_password.salt() == salt))
        builtInKey(salt);
}

RecordStoreStatus PregnancyRecordStore::open(SqlCipherDatabase &db, Check check)
{
    QByteArray salt;
    if (const auto status = fileSalt(salt); status != RecordStoreStatus::Ok)
        return status;
    // The password's key first when it is that file's, then the built-in one: another
    // copy of the program may have removed the password meanwhile.
    const bool password = m_password.isValid() && m_password.salt() == salt;
    Keyed keyed = password ? keyWith(db, m_path, m_password) : Keyed::WrongKey;
    m_protected = keyed == Keyed::Yes;
    if (keyed == Keyed::WrongKey)
        keyed = keyWith(db, m_path, builtInKey(salt));
    if (keyed != Keyed::Yes)
        return keyed == Keyed::WrongKey ? RecordStoreStatus::Locked : RecordStoreStatus::CannotOpen;
    if (check == Check::Whole && !isWhole(db, m_path))
        return RecordStoreStatus::CannotOpen;
    return RecordStoreStatus::Ok;
}

RecordStoreStatus PregnancyRecordStore::openForWriting(SqlCipherDatabase &db)
{
    const RecordStoreStatus status = open(db);
    // A file made readable by others before is kept for its owner from now on.
    if (status == RecordStoreStatus::Ok
        && (QFile::permissions(m_path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther)))
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return status;
}

RecordStoreStatus PregnancyRecordStore::check()
{
    SqlCipherDatabase db;
    return open(db, Check::Key);
}

RecordStoreStatus PregnancyRecordStore::unlock(const QByteArray &password)
{
    QByteArray salt;
    if (const auto status = fileSalt(salt); status != RecordStoreStatus::Ok)
        return status;
    SqlCipherKey key = SqlCipherKey::derive(SqlCipherKey::Kind::Password, password, salt);
    SqlCipherDatabase db;
    const Keyed keyed = key.isValid() ? keyWith(db, m_path, key) : Keyed::WrongKey;
    if (keyed != Keyed::Yes)
        return keyed == Keyed::WrongKey ? RecordStoreStatus::Locked : RecordStoreStatus::CannotOpen;
    m_password = std::move(key);
    m_protected = true;
    return RecordStoreStatus::Ok;
}

RecordStoreStatus PregnancyRecordStore::changePassword(const QByteArray &newPassword)
{
    SqlCipherDatabase db;
    if (const auto status = open(db); status != RecordStoreStatus::Ok)
        return status;
    // Held until the new file is in place, so that no other copy of the program
    // writes a record that the new file would not have.
    SqlCipherTransaction hold(db);
    std::vector<StoredRow> rows;
    if (!hold.isActive() || !readRows(db, nullptr, rows))
        return RecordStoreStatus::Failed;

    const bool password = !newPassword.isEmpty();
    SqlCipherKey key = SqlCipherKey::forNewFile(password ? SqlCipherKey::Kind::Password : SqlCipherKey::Kind::BuiltIn,
                                                password ? newPassword : defaultPassphrase());
    QTemporaryFile reserved(m_path + QStringLiteral(".XXXXXX"));
    if (!key.isValid() || !reserved.open())
        return RecordStoreStatus::Failed;
    const QString fresh = reserved.fileName();
    reserved.close();
    if (!writeRows(fresh, key, rows) || !readsBack(fresh, key, rows) || !replaceFile(fresh, m_path)) {
        QFile::remove(fresh + QStringLiteral("-journal"));
        return RecordStoreStatus::Failed;
    }
    if (password) {
        m_password = std::move(key);
    } else {
        m_builtIn = std::move(key);
        m_password.clear();
    }
    m_protected = password;
    return RecordStoreStatus::Ok;
}

RecordStoreStatus PregnancyRecordStore::names(QStringList &out)
{
    SqlCipherDatabase db;
    if (const auto status = open(db); status != RecordStoreStatus::Ok)
        return status;
    SqlCipherStatement select(db, "SELECT Nom FROM Grossesse");
    QStringList names;
    SqlCipherStatement::Step step;
    while ((step = select.step()) == SqlCipherStatement::Step::Row)
        names.append(select.text(0));
    if (step != SqlCipherStatement::Step::Done)
        return RecordStoreStatus::Failed;
    sortFrench(names);
    out = std::move(names);
    return RecordStoreStatus::Ok;
}

RecordStoreStatus PregnancyRecordStore::find(const QString &name, PregnancyRecord &out)
{
    SqlCipherDatabase db;
    if (const auto status = open(db); status != RecordStoreStatus::Ok)
        return status;
    SqlCipherStatement select(db, "SELECT Nom, DDG, DDR, ACC FROM Grossesse WHERE rowid = " ROW_OF_NAME);
    if (!bindName(select, name))
        return RecordStoreStatus::Failed;
    switch (select.step()) {
    case SqlCipherStatement::Step::Done: return RecordStoreStatus::NotFound;
    case SqlCipherStatement::Step::Error: return RecordStoreStatus::Failed;
    case SqlCipherStatement::Step::Row: break;
    }
    PregnancyRecord record{select.text(0), dateFromText(select.text(1)), dateFromText(select.text(2)),
                           dateFromText(select.text(3))};
    if (!isStorable(record))
        return RecordStoreStatus::Failed;
    out = std::move(record);
    return RecordStoreStatus::Ok;
}

RecordStoreStatus PregnancyRecordStore::save(const PregnancyRecord &record, const QString &replacing)
{
    if (!isStorable(record))
        return RecordStoreStatus::Failed;
    SqlCipherDatabase db;
    if (const auto status = openForWriting(db); status != RecordStoreStatus::Ok)
        return status;
    SqlCipherTransaction transaction(db);
    if (!transaction.isActive() || !updateKeys(db))
        return RecordStoreStatus::Failed;
    bool written = false;
    if (!replacing.isEmpty()) {
        // A record kept under its own identifier keeps its key, even a look-alike's.
        SqlCipherStatement update(db,
                                  "UPDATE Grossesse SET Nom = ?3, DDG = ?4, DDR = ?5, ACC = ?6,"
                                  " Cle = CASE WHEN Nom = ?3 THEN Cle ELSE ?7 END"
                                  " WHERE rowid = " ROW_OF_NAME);
        if (!bindName(update, replacing) || !bindRecord(update, record)
            || update.step() != SqlCipherStatement::Step::Done)
            return writeFailure(db);
        written = db.changes() > 0;
    }
    if (!written) {
        SqlCipherStatement insert(db,
                                  "INSERT INTO Grossesse (Nom, DDG, DDR, ACC, Cle)"
                                  " VALUES (?3, ?4, ?5, ?6, ?7)");
        if (!bindRecord(insert, record) || insert.step() != SqlCipherStatement::Step::Done)
            return writeFailure(db);
    }
    return transaction.commit() ? RecordStoreStatus::Ok : RecordStoreStatus::Failed;
}

RecordStoreStatus PregnancyRecordStore::remove(const QString &name)
{
    SqlCipherDatabase db;
    if (const auto status = openForWriting(db); status != RecordStoreStatus::Ok)
        return status;
    SqlCipherTransaction transaction(db);
    if (!transaction.isActive() || !updateKeys(db))
        return RecordStoreStatus::Failed;
    SqlCipherStatement erase(db, "DELETE FROM Grossesse WHERE rowid = " ROW_OF_NAME);
    if (!bindName(erase, name) || erase.step() != SqlCipherStatement::Step::Done)
        return RecordStoreStatus::Failed;
    if (db.changes() == 0)
        return RecordStoreStatus::NotFound;
    return transaction.commit() ? RecordStoreStatus::Ok : RecordStoreStatus::Failed;
}

RecordStoreStatus PregnancyRecordStore::createEmpty(const QString &path)
{
    if (QFileInfo::exists(path))
        return RecordStoreStatus::CannotOpen;
    const SqlCipherKey key = SqlCipherKey::forNewFile(SqlCipherKey::Kind::BuiltIn, defaultPassphrase());
    bool created = false;
    {
        SqlCipherDatabase db;
        if (!db.createNew(path))
            return RecordStoreStatus::CannotOpen;
        db.close();
        created = key.isValid() && writeRows(path, key, {});
    }
    if (!created)
        QFile::remove(path);
    return created ? RecordStoreStatus::Ok : RecordStoreStatus::Failed;
}
