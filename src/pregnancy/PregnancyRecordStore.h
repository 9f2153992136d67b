#pragma once

#include "pregnancy/PregnancyRecord.h"
#include "pregnancy/SqlCipherKey.h"

#include <QString>
#include <QStringList>

class SqlCipherDatabase;

enum class RecordStoreStatus {
    Ok,
    CannotOpen, // missing file, damaged file, not a record file
    Locked, // protected by a practice password this store does not hold
    Duplicate, // another record has the same identifier for the record list
    NotFound,
    Failed, // any other failure of the database or of the values given
};

// The encrypted record file "Fiches.gro" and its table "Grossesse". Every call opens
// the file, does its work and closes it again; no connection outlives a call, but
// the file's key does, for the life of the store. A file that cannot be read whole
// is never written to.
//
// A file is keyed either from the built-in passphrase, which anyone who has the
// program can use, or from a practice password. Nothing in the file says which: a
// file that the built-in key does not open is taken for a protected one.
class PregnancyRecordStore
{
public:
    static QByteArray defaultPassphrase();

    explicit PregnancyRecordStore(QString path);

    const QString &path() const { return m_path; }

    // Derives the built-in key ahead of the next call, which then opens the file at
    // once. Deriving takes some tens of milliseconds and is done once per file.
    void prepareKey();
    // Whether the key held opens the file: Ok, Locked or CannotOpen.
    RecordStoreStatus check();
    // Whether the file was protected by a practice password when last opened.
    bool isProtected() const { return m_protected; }
    // Keeps the key of this practice password when it opens the file: Ok, Locked
    // (the password does not open it) or CannotOpen.
    RecordStoreStatus unlock(const QByteArray &password);
    // Writes every record under the key of a new practice password (none when empty)
    // into a new file beside this one, reads them all back, and only then puts it in
    // place of this one. On failure the file is left exactly as it was.
    RecordStoreStatus changePassword(const QByteArray &newPassword);

    // Identifiers of every record, in French alphabetical order.
    RecordStoreStatus names(QStringList &out);
    // The record of that exact identifier, else the one with the same identifier
    // for the record list.
    RecordStoreStatus find(const QString &name, PregnancyRecord &out);
    // Without `replacing`, adds a new record. With it, rewrites the record of that
    // identifier, or adds the record again if another program deleted it meanwhile.
    RecordStoreStatus save(const PregnancyRecord &record, const QString &replacing = QString());
    RecordStoreStatus remove(const QString &name);

    // Writes a new, empty record file keyed from the built-in passphrase, readable by
    // its owner only. Refuses to replace an existing file.
    static RecordStoreStatus createEmpty(const QString &path);

private:
    enum class Check { Key, Whole };

    RecordStoreStatus open(SqlCipherDatabase &db, Check check = Check::Whole);
    RecordStoreStatus openForWriting(SqlCipherDatabase &db);
    RecordStoreStatus fileSalt(QByteArray &salt) const;
    const SqlCipherKey &builtInKey(const QByteArray &salt);

    QString m_path;
    SqlCipherKey m_builtIn;
    SqlCipherKey m_password;
    bool m_protected = false;
};
