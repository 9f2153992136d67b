#include "pregnancy/PregnancyRecordStore.h"

#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/SqlCipherDatabase.h"
#include "pregnancy/SqlCipherStatement.h"
#include "pregnancy/SqlCipherTransaction.h"

#include <QCollator>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Long enough for another copy of the program to finish its save.
constexpr int BusyTimeoutMs = 5000;
// SQLite's extended result code for a broken UNIQUE constraint.
constexpr int ConstraintUnique = 19 | (8 << 8);

// The table keeps the identifier as typed and, in "Cle", its case-folded form: the
// unique index on "Cle" makes the database itself refuse two identifiers that differ
// only in letter case.
constexpr const char *Schema =
    "CREATE TABLE Grossesse ("
    " Nom TEXT NOT NULL,"
    " DDG TEXT NOT NULL,"
    " DDR TEXT NOT NULL,"
    " ACC TEXT NOT NULL,"
    " Cle TEXT NOT NULL);"
    "CREATE UNIQUE INDEX Grossesse_Cle ON Grossesse (Cle);"
    "PRAGMA user_version = 1;";

// Preparing this reads the schema, which is the first read of the file: a wrong key
// or a file that is not an SQLCipher database fails here, as does a file without
// the table.
constexpr const char *SchemaCheck = "SELECT Nom, DDG, DDR, ACC, Cle FROM Grossesse LIMIT 0";

// Dates are kept as ISO text: unambiguous, independent of the locale, and read back
// as the very same date.
QString dateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

bool inRange(const QDate &date)
{
    return date.isValid() && date.year() >= 100 && date.year() <= 9999;
}

QDate dateFromText(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return inRange(date) ? date : QDate();
}

bool isStorable(const PregnancyRecord &record)
{
    return !record.name.isEmpty() && inRange(record.ddg) && inRange(record.ddr) && inRange(record.acc);
}

QByteArray readSalt(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(SqlCipherKey::SaltSize);
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
    return statement.bind(1, record.name) && statement.bind(2, dateText(record.ddg))
           && statement.bind(3, dateText(record.ddr)) && statement.bind(4, dateText(record.acc))
           && statement.bind(5, FicheIdentifier::folded(record.name));
}

} // namespace

QByteArray PregnancyRecordStore::defaultPassphrase()
{
    return QByteArrayLiteral("583016Virel");
}

PregnancyRecordStore::PregnancyRecordStore(QString path, QByteArray passphrase)
    : m_path(std::move(path)), m_key(std::move(passphrase))
{
}

void PregnancyRecordStore::prepareKey()
{
    const QByteArray salt = readSalt(m_path);
    if (salt.size() == SqlCipherKey::SaltSize)
        m_key.rawKeyFor(salt);
}

RecordStoreStatus PregnancyRecordStore::open(SqlCipherDatabase &db)
{
    const QByteArray salt = readSalt(m_path);
    if (salt.size() != SqlCipherKey::SaltSize)
        return RecordStoreStatus::CannotOpen;
    if (!db.openExisting(m_path) || !db.key(m_key.rawKeyFor(salt)))
        return RecordStoreStatus::CannotOpen;
    db.setBusyTimeout(BusyTimeoutMs);
    SqlCipherStatement check(db, SchemaCheck);
    return check.isValid() ? RecordStoreStatus::Ok : RecordStoreStatus::CannotOpen;
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
    SqlCipherStatement select(db, "SELECT Nom, DDG, DDR, ACC FROM Grossesse WHERE Cle = ?1");
    if (!select.bind(1, FicheIdentifier::folded(name)))
        return RecordStoreStatus::Failed;
    switch (select.step()) {
    case SqlCipherStatement::Step::Done:
        return RecordStoreStatus::NotFound;
    case SqlCipherStatement::Step::Error:
        return RecordStoreStatus::Failed;
    case SqlCipherStatement::Step::Row:
        break;
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
    if (const auto status = open(db); status != RecordStoreStatus::Ok)
        return status;
    SqlCipherTransaction transaction(db);
    if (!transaction.isActive())
        return RecordStoreStatus::Failed;
    bool written = false;
    if (!replacing.isEmpty()) {
        SqlCipherStatement update(db, "UPDATE Grossesse SET Nom = ?1, DDG = ?2, DDR = ?3, ACC = ?4, Cle = ?5"
                                      " WHERE Cle = ?6");
        if (!bindRecord(update, record) || !update.bind(6, FicheIdentifier::folded(replacing))
            || update.step() != SqlCipherStatement::Step::Done)
            return writeFailure(db);
        written = db.changes() > 0;
    }
    if (!written) {
        SqlCipherStatement insert(db, "INSERT INTO Grossesse (Nom, DDG, DDR, ACC, Cle)"
                                      " VALUES (?1, ?2, ?3, ?4, ?5)");
        if (!bindRecord(insert, record) || insert.step() != SqlCipherStatement::Step::Done)
            return writeFailure(db);
    }
    return transaction.commit() ? RecordStoreStatus::Ok : RecordStoreStatus::Failed;
}

RecordStoreStatus PregnancyRecordStore::remove(const QString &name)
{
    SqlCipherDatabase db;
    if (const auto status = open(db); status != RecordStoreStatus::Ok)
        return status;
    SqlCipherTransaction transaction(db);
    SqlCipherStatement erase(db, "DELETE FROM Grossesse WHERE Cle = ?1");
    if (!transaction.isActive() || !erase.bind(1, FicheIdentifier::folded(name))
        || erase.step() != SqlCipherStatement::Step::Done)
        return RecordStoreStatus::Failed;
    if (db.changes() == 0)
        return RecordStoreStatus::NotFound;
    return transaction.commit() ? RecordStoreStatus::Ok : RecordStoreStatus::Failed;
}

RecordStoreStatus PregnancyRecordStore::createEmpty(const QString &path, const QByteArray &passphrase)
{
    bool created = false;
    {
        SqlCipherDatabase db;
        if (!db.createNew(path))
            return RecordStoreStatus::CannotOpen;
        if (db.key(passphrase)) {
            SqlCipherTransaction transaction(db);
            created = transaction.isActive() && db.exec(Schema) && transaction.commit();
        }
    }
    if (!created)
        QFile::remove(path);
    return created ? RecordStoreStatus::Ok : RecordStoreStatus::Failed;
}
