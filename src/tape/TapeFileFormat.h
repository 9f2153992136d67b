#pragma once

#include "tape/TapeLine.h"

#include <QByteArray>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

// The bytes of a tape file (.dat): Windows-1252 text with CR LF line ends,
// the quoted header, the quoted version, then one record per finished line:
// the kind unquoted and the four cells quoted, separated by commas.
class TapeFileFormat
{
public:
    static QString header() { return QStringLiteral("Zamto Application Rondovinette"); }

    enum class ReadStatus { Ok, NotATapeFile, Unreadable };
    struct ReadResult
    {
        ReadStatus status = ReadStatus::Unreadable;
        QString version;
        std::deque<TapeLine> lines;  // coloured by their kind
    };
    static ReadResult read(const QByteArray &bytes);

    // The whole file for count lines fetched by lineAt. Nothing is returned
    // when a cell cannot be written back exactly (a double quote, or a
    // character outside the code page); *message then says why, in French.
    static std::optional<QByteArray> write(qint64 count,
                                           const std::function<const TapeLine &(qint64)> &lineAt,
                                           const QString &version, QString *message);

    // Whether a comment can be saved and loaded back unchanged; if not,
    // *message says why, in French.
    static bool canStoreComment(const QString &comment, QString *message);

    // Kind code of a line from its background colour, and the colours of a
    // kind code (codes above 3 stay uncoloured, as operand lines).
    static quint8 kindOf(const TapeLine &line);
    static void colourByKind(TapeLine &line, unsigned kind);
};
