#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Raw file access for the record tests: the bytes on disk are what the tests judge.
namespace RecordTestFiles {

inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace RecordTestFiles
