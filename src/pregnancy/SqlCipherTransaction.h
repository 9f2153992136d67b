#pragma once

class SqlCipherDatabase;

// A write transaction that takes the file's write lock at once (BEGIN IMMEDIATE),
// so that two programs saving together queue on the busy timeout instead of one
// failing half-way. Rolled back when the object goes without commit().
class SqlCipherTransaction
{
public:
    explicit SqlCipherTransaction(SqlCipherDatabase &db);
    ~SqlCipherTransaction();
    SqlCipherTransaction(const SqlCipherTransaction &) = delete;
    SqlCipherTransaction &operator=(const SqlCipherTransaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();

private:
    SqlCipherDatabase &m_db;
    bool m_active = false;
};
