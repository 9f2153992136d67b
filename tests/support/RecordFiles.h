#pragma once

#include "pregnancy/PregnancyRecordStore.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// Record files in a folder of the test's own. An empty file is made once and
// copied, since making one derives a key and takes a while.
class RecordFiles
{
public:
    bool ready()
    {
        m_template = m_dir.filePath(QStringLiteral("template.gro"));
        return m_dir.isValid() && PregnancyRecordStore::createEmpty(m_template) == RecordStoreStatus::Ok;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString dir() const { return m_dir.path(); }
    QString templatePath() const { return m_template; }

    // An empty record file, readable and writable by its owner only.
    QString fresh(const QString &name) const
    {
        const QString file = path(name);
        QFile::remove(file);
        if (!QFile::copy(m_template, file))
            qFatal("cannot copy the empty record file");
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return file;
    }

    QString withRecords(const QString &name, const QList<PregnancyRecord> &records) const
    {
        const QString file = fresh(name);
        PregnancyRecordStore store(file);
        for (const PregnancyRecord &r : records)
            if (store.save(r) != RecordStoreStatus::Ok)
                qFatal("cannot fill the record file");
        return file;
    }

    // The bytes on disk are what the tests judge.
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool write(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_dir;
    QString m_template;
};
