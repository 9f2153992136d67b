#include "pregnancy/SqlCipherTransaction.h"

#include "pregnancy/SqlCipherDatabase.h"

SqlCipherTransaction::SqlCipherTransaction(SqlCipherDatabase &db) : m_db(db), m_active(db.exec("BEGIN IMMEDIATE")) { }

SqlCipherTransaction::~SqlCipherTransaction()
{
    if (m_active) {
        // Keep the error of the failed statement, not that of the rollback.
        const int error = m_db.lastError();
        m_db.exec("ROLLBACK");
        m_db.noteError(error);
    }
}

bool SqlCipherTransaction::commit()
{
    if (!m_active)
        return false;
    if (!m_db.exec("COMMIT"))
        return false;
    m_active = false;
    return true;
}
