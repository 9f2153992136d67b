#include "tape/TapeFieldReader.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace {

constexpr char Quote = '"';
constexpr char Comma = ',';
constexpr char Cr = '\r';
constexpr char Lf = '\n';
constexpr char Space = ' ';

} // namespace

TapeFieldReader::TapeFieldReader(QIODevice &device, qsizetype chunkSize)
    : m_device(device),
      m_chunkSize(std::max<qsizetype>(1, chunkSize))
{
}

TapeFieldReader::~TapeFieldReader() = default;

// Drops the bytes before m_keep and appends the next chunk. Positions are
// kept relative to m_keep by the callers, so moving the bytes is safe.
bool TapeFieldReader::refill()
{
    if (m_ended)
        return false;
    if (m_keep > 0) {
        std::memmove(m_data.get(), m_data.get() + m_keep, std::size_t(m_size - m_keep));
        m_size -= m_keep;
        m_pos -= m_keep;
        m_keep = 0;
    }
    // Everything kept has been scanned without finding the field's end (or
    // what follows it): far more than the longest field with its quotes,
    // blanks and line end means a field too long, refused unread.
    if (m_size > 2 * MaxFieldLength) {
        m_tooLong = true;
        m_ended = true;
        return false;
    }
    if (m_capacity - m_size < m_chunkSize) {
        const qsizetype capacity = std::max(m_capacity * 2, m_size + m_chunkSize);
        auto grown = std::make_unique_for_overwrite<char[]>(std::size_t(capacity));
        if (m_size > 0)
            std::memcpy(grown.get(), m_data.get(), std::size_t(m_size));
        m_data = std::move(grown);
        m_capacity = capacity;
    }
    const qint64 got = m_device.read(m_data.get() + m_size, m_chunkSize);
    if (got <= 0) {
        m_failed = got < 0;
        m_ended = true;
        return false;
    }
    m_size += qsizetype(got);
    return true;
}

bool TapeFieldReader::atEnd()
{
    for (;;) {
        while (m_pos < m_size && (byteAt(m_pos) == Space || byteAt(m_pos) == Cr || byteAt(m_pos) == Lf))
            ++m_pos;
        if (m_pos < m_size)
            return false;
        m_keep = m_pos;
        if (!refill())
            return true;
    }
}

bool TapeFieldReader::skipSpaces()
{
    for (;;) {
        while (m_pos < m_size && byteAt(m_pos) == Space)
            ++m_pos;
        if (m_pos < m_size)
            return true;
        if (!refill())
            return false;
    }
}

bool TapeFieldReader::skipSeparator()
{
    if (m_pos >= m_size && !refill())
        return true; // the last field of the file
    const char c = byteAt(m_pos);
    if (c == Comma || c == Lf) {
        ++m_pos;
        return true;
    }
    if (c == Cr) {
        ++m_pos;
        if ((m_pos < m_size || refill()) && byteAt(m_pos) == Lf)
            ++m_pos;
        return true;
    }
    return false; // something after a closing quote
}

// Offset from m_keep of the quote closing the field that opens at m_keep.
bool TapeFieldReader::findClosingQuote(qsizetype &closeOffset)
{
    qsizetype scanned = 1;
    for (;;) {
        const qsizetype from = m_keep + scanned;
        if (const void *close = std::memchr(m_data.get() + from, Quote, std::size_t(m_size - from))) {
            closeOffset = static_cast<const char *>(close) - (m_data.get() + m_keep);
            return true;
        }
        scanned = m_size - m_keep;
        if (!refill())
            return false;
    }
}

// Offset from m_keep of the comma, line end or end of file after an
// unquoted field.
qsizetype TapeFieldReader::findUnquotedEnd()
{
    qsizetype end = 0;
    for (;;) {
        qsizetype p = m_keep + end;
        while (p < m_size && byteAt(p) != Comma && byteAt(p) != Cr && byteAt(p) != Lf)
            ++p;
        end = p - m_keep;
        if (p < m_size || !refill())
            return end;
    }
}

bool TapeFieldReader::next(std::string_view &field, bool &quoted)
{
    m_keep = m_pos;
    if (!skipSpaces())
        return false;
    m_keep = m_pos;
    qsizetype begin = 0;
    qsizetype end = 0;
    quoted = byteAt(m_pos) == Quote;
    if (quoted) {
        if (!findClosingQuote(end))
            return false;
        begin = 1;
        m_pos = m_keep + end + 1;
        if (!skipSpaces() && m_failed)
            return false;
    } else {
        const qsizetype stop = findUnquotedEnd();
        end = stop;
        while (end > 0 && byteAt(m_keep + end - 1) == Space)
            --end;
        m_pos = m_keep + stop;
        // Such a quote could never be written back.
        if (std::memchr(m_data.get() + m_keep, Quote, std::size_t(end)))
            return false;
    }
    if (end - begin > MaxFieldLength || !skipSeparator() || m_failed || m_tooLong)
        return false;
    field = std::string_view(m_data.get() + m_keep + begin, std::size_t(end - begin));
    return true;
}
