// The key functions of the SQLCipher header are only declared with this macro.
#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include "pregnancy/SqlCipherDatabase.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

SqlCipherDatabase::~SqlCipherDatabase() { close(); }

SqlCipherDatabase::SqlCipherDatabase(SqlCipherDatabase &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)),
      m_lastError(other.m_lastError)
{
}

SqlCipherDatabase &SqlCipherDatabase::operator=(SqlCipherDatabase &&other) noexcept
{
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
        m_lastError = other.m_lastError;
    }
    return *this;
}

bool SqlCipherDatabase::openExisting(const QString &path)
{
    // SQLite would treat a missing file as a new, empty database; the record file is
    // never created at run time, so a missing file is a failure.
    if (!QFileInfo(path).isFile()) {
        m_lastError = SQLITE_CANTOPEN;
        return false;
    }
    return open(path, SQLITE_OPEN_READWRITE);
}

bool SqlCipherDatabase::createNew(const QString &path)
{
    // Made here rather than by SQLite, which would make it readable by everyone:
    // the file holds patient data.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        m_lastError = SQLITE_CANTOPEN;
        return false;
    }
    file.close();
    return open(path, SQLITE_OPEN_READWRITE);
}

bool SqlCipherDatabase::open(const QString &path, int flags)
{
    close();
    const QByteArray utf8 = path.toUtf8();
    const int rc = sqlite3_open_v2(utf8.constData(), &m_db, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        m_lastError = rc;
        close();
        return false;
    }
    sqlite3_extended_result_codes(m_db, 1);
    m_lastError = 0;
    return true;
}

bool SqlCipherDatabase::key(const QByteArray &keyText)
{
    if (!m_db)
        return false;
    const int rc = sqlite3_key(m_db, keyText.constData(), int(keyText.size()));
    m_lastError = rc == SQLITE_OK ? 0 : rc;
    return rc == SQLITE_OK;
}

void SqlCipherDatabase::setBusyTimeout(int milliseconds)
{
    if (m_db)
        sqlite3_busy_timeout(m_db, milliseconds);
}

bool SqlCipherDatabase::exec(const char *sql)
{
    if (!m_db)
        return false;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    m_lastError = rc == SQLITE_OK ? 0 : sqlite3_extended_errcode(m_db);
    return rc == SQLITE_OK;
}

QString SqlCipherDatabase::lastErrorText() const { return QString::fromUtf8(sqlite3_errstr(m_lastError)); }

int SqlCipherDatabase::changes() const { return m_db ? sqlite3_changes(m_db) : 0; }

void SqlCipherDatabase::close()
{
    if (m_db) {
        // close_v2 defers the real close until every statement is finalised, so a
        // forgotten statement cannot leave the file locked.
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}
