#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;

// One connection to an SQLCipher database file, closed when the object goes.
// Every call reports failure through its result and lastError(); nothing throws.
class SqlCipherDatabase
{
public:
    SqlCipherDatabase() = default;
    ~SqlCipherDatabase();
    SqlCipherDatabase(const SqlCipherDatabase &) = delete;
    SqlCipherDatabase &operator=(const SqlCipherDatabase &) = delete;
    SqlCipherDatabase(SqlCipherDatabase &&other) noexcept;
    SqlCipherDatabase &operator=(SqlCipherDatabase &&other) noexcept;

    // Opens a file that must already exist, for reading and writing. Never creates it;
    // an empty file opens as a new database.
    bool openExisting(const QString &path);
    // Creates a new file readable by its owner only; fails if the path already exists.
    bool createNew(const QString &path);
    // Keys the connection: a passphrase, or a raw key written x'<64 hex digits>'.
    // The key is only checked by the first statement that reads the file.
    bool key(const QByteArray &keyText);
    // Waits up to this long for another connection's lock instead of failing at once.
    void setBusyTimeout(int milliseconds);
    // Runs statements without parameters or results (schema, transaction control).
    bool exec(const char *sql);

    bool isOpen() const { return m_db != nullptr; }
    // Extended result code of the last failure of this connection (0 when none).
    int lastError() const { return m_lastError; }
    QString lastErrorText() const;
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;
    void close();

    sqlite3 *handle() const { return m_db; }
    void noteError(int code) { m_lastError = code; }

private:
    bool open(const QString &path, int flags);

    sqlite3 *m_db = nullptr;
    int m_lastError = 0;
};
