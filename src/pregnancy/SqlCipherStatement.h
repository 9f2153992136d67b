#pragma once

#include <QString>

class SqlCipherDatabase;
struct sqlite3_stmt;

// A prepared statement with bound parameters, finalised when the object goes.
// Values only ever reach SQL through bind(), never by pasting them into the text.
class SqlCipherStatement
{
public:
    enum class Step { Row, Done, Error };

    SqlCipherStatement(SqlCipherDatabase &db, const char *sql);
    ~SqlCipherStatement();
    SqlCipherStatement(const SqlCipherStatement &) = delete;
    SqlCipherStatement &operator=(const SqlCipherStatement &) = delete;

    bool isValid() const { return m_stmt != nullptr; }
    // Parameters are numbered from 1.
    bool bind(int index, const QString &text);
    bool bind(int index, qint64 number);
    Step step();
    bool reset();
    // Columns are numbered from 0.
    QString text(int column) const;
    qint64 integer(int column) const;
    bool isNull(int column) const;

private:
    SqlCipherDatabase &m_db;
    sqlite3_stmt *m_stmt = nullptr;
};
