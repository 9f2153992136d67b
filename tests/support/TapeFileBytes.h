#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

// Tape files written and read byte for byte by the tests.
namespace TapeFileBytes {

// The header and version lines every saved tape starts with.
inline const QByteArray Head = "\"Zamto Application Rondovinette\"\r\n\"1.0.0\"\r\n";

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TapeFileBytes
