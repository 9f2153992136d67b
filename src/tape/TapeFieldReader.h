#pragma once

#include <QtGlobal>
#include <memory>
#include <string_view>

class QIODevice;

// Reads the fields of a tape file one after another, a chunk of the file at
// a time, so that loading never holds the whole file in memory. A field
// starts after optional spaces; a quoted one runs to the next quote (commas
// and line ends inside belong to it), an unquoted one to the next comma or
// line end, without its trailing spaces; a double quote cannot stand inside
// an unquoted field.
class TapeFieldReader
{
public:
    static constexpr qsizetype DefaultChunkSize = 64 * 1024;
    // Far beyond any real cell (a few hundred bytes at most): a longer field
    // is refused as soon as that much of it has been read, so a damaged or
    // hostile file never fills memory nor keeps the reader busy.
    static constexpr qsizetype MaxFieldLength = 4096;

    explicit TapeFieldReader(QIODevice &device, qsizetype chunkSize = DefaultChunkSize);
    ~TapeFieldReader();

    // Nothing but blanks and line ends left (or the device failed).
    bool atEnd();
    // The next field; false at the end of the file, on a malformed or too
    // long field or when the device fails. The bytes stay valid until the
    // next call.
    bool next(std::string_view &field, bool &quoted);
    bool deviceFailed() const { return m_failed; }

private:
    char byteAt(qsizetype pos) const { return m_data[pos]; }
    bool refill();
    bool skipSpaces();
    bool skipSeparator();
    bool findClosingQuote(qsizetype &closeOffset);
    qsizetype findUnquotedEnd();

    QIODevice &m_device;
    qsizetype m_chunkSize;
    std::unique_ptr<char[]> m_data;
    qsizetype m_capacity = 0;
    qsizetype m_size = 0;
    qsizetype m_pos = 0;
    qsizetype m_keep = 0; // start of the bytes a refill must keep
    bool m_failed = false;
    bool m_tooLong = false;
    bool m_ended = false;
};
