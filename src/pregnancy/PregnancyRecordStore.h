#pragma once

#include "pregnancy/PregnancyRecord.h"
#include "pregnancy/SqlCipherKey.h"

#include <QString>
#include <QStringList>

class SqlCipherDatabase;

enum class RecordStoreStatus {
    Ok,
    CannotOpen, // missing file, wrong key, not a record file
    Duplicate,  // another record has the same identifier without regard to letter case
    NotFound,
    Failed,     // any other failure of the database or of the values given
};

// The encrypted record file "Fiches.gro" and its table "Grossesse". Every call opens
// the file, does its work and closes it again; no connection outlives a call. A file
// that cannot be opened or read is never written to.
class PregnancyRecordStore
{
public:
    static QByteArray defaultPassphrase();

    explicit PregnancyRecordStore(QString path, QByteArray passphrase = defaultPassphrase());

    const QString &path() const { return m_path; }

    // Derives the file's key ahead of the next call, which then opens the file at
    // once. Deriving takes some tens of milliseconds and is done once per file.
    void prepareKey();

    // Identifiers of every record, in French alphabetical order.
    RecordStoreStatus names(QStringList &out);
    RecordStoreStatus find(const QString &name, PregnancyRecord &out);
    // Without `replacing`, adds a new record. With it, rewrites the record of that
    // identifier, or adds the record again if another program deleted it meanwhile.
    RecordStoreStatus save(const PregnancyRecord &record, const QString &replacing = QString());
    RecordStoreStatus remove(const QString &name);

    // Writes a new, empty record file. Refuses to replace an existing file.
    static RecordStoreStatus createEmpty(const QString &path, const QByteArray &passphrase = defaultPassphrase());

private:
    RecordStoreStatus open(SqlCipherDatabase &db);

    QString m_path;
    SqlCipherKey m_key;
};
