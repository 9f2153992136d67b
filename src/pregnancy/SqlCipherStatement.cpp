#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include "pregnancy/SqlCipherStatement.h"

#include "pregnancy/SqlCipherDatabase.h"

SqlCipherStatement::SqlCipherStatement(SqlCipherDatabase &db, const char *sql) : m_db(db)
{
    if (!db.handle())
        return;
    const int rc = sqlite3_prepare_v2(db.handle(), sql, -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        db.noteError(sqlite3_extended_errcode(db.handle()));
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

SqlCipherStatement::~SqlCipherStatement() { sqlite3_finalize(m_stmt); }

bool SqlCipherStatement::bind(int index, const QString &text)
{
    if (!m_stmt)
        return false;
    const QByteArray utf8 = text.toUtf8();
    const int rc = sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        m_db.noteError(rc);
    return rc == SQLITE_OK;
}

bool SqlCipherStatement::bind(int index, qint64 number)
{
    if (!m_stmt)
        return false;
    const int rc = sqlite3_bind_int64(m_stmt, index, number);
    if (rc != SQLITE_OK)
        m_db.noteError(rc);
    return rc == SQLITE_OK;
}

SqlCipherStatement::Step SqlCipherStatement::step()
{
    if (!m_stmt)
        return Step::Error;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return Step::Row;
    if (rc == SQLITE_DONE)
        return Step::Done;
    m_db.noteError(sqlite3_extended_errcode(m_db.handle()));
    return Step::Error;
}

bool SqlCipherStatement::reset()
{
    return m_stmt && sqlite3_reset(m_stmt) == SQLITE_OK && sqlite3_clear_bindings(m_stmt) == SQLITE_OK;
}

QString SqlCipherStatement::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    const int size = sqlite3_column_bytes(m_stmt, column);
    return data ? QString::fromUtf8(data, size) : QString();
}

qint64 SqlCipherStatement::integer(int column) const { return sqlite3_column_int64(m_stmt, column); }

bool SqlCipherStatement::isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }
