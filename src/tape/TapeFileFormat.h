#pragma once

#include "tape/TapeLines.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// The bytes of a tape file (.dat): Windows-1252 text with CR LF line ends,
// the quoted header, the quoted version, then one record per finished line:
// the kind unquoted and the four cells quoted, separated by commas.
class TapeFileFormat
{
public:
    static QString header() { return QStringLiteral("Zamto Application Rondovinette"); }

    // Anything but a tape file's bytes, a bad record as well as a foreign
    // file, is NotATapeFile; DeviceFailed is kept for the device's own errors.
    enum class ReadStatus { Ok, NotATapeFile, DeviceFailed };
    struct ReadResult
    {
        ReadStatus status = ReadStatus::NotATapeFile;
        QString version;
        TapeLines lines;
    };
    // Reads the device to its end, chunkSize bytes at a time.
    static ReadResult read(QIODevice &device, qsizetype chunkSize = 64 * 1024);
    static ReadResult read(const QByteArray &bytes);

    using LineAt = std::function<const TapeLine &(qint64)>;
    enum class WriteStatus { Ok, Refused, DeviceFailed };
    // Writes the file for count lines fetched by lineAt. A cell that cannot
    // be written back exactly (a double quote, or a character outside the
    // code page) stops the writing: Refused, *message says why, in French,
    // and what the device received so far is to be discarded.
    static WriteStatus write(QIODevice &device, qint64 count, const LineAt &lineAt, const QString &version,
                             QString *message);
    // The whole file in memory; nothing when a cell is refused.
    static std::optional<QByteArray> write(qint64 count, const LineAt &lineAt, const QString &version,
                                           QString *message);

    // Whether a comment can be saved and loaded back unchanged; if not,
    // *message says why, in French.
    static bool canStoreComment(const QString &comment, QString *message);

    // The digit a file gives a line's kind, and the kind of a digit read
    // (codes above 3 are read as operand lines).
    static quint8 kindOf(const TapeLine &line);
    static CalcTape::Kind kindOfCode(unsigned code);
};
