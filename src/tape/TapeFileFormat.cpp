#include "tape/TapeFileFormat.h"

#include "tape/Tape.h"
#include "tape/Windows1252.h"

#include <QHash>

namespace {

constexpr char Quote = '"';
constexpr char Comma = ',';
constexpr char Cr = '\r';
constexpr char Lf = '\n';
constexpr char Space = ' ';

// Reads fields one after another: a field starts after optional spaces; a
// quoted one runs to the next quote (commas and line ends inside belong to
// it), an unquoted one to the next comma or line end, without its spaces.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray &bytes)
        : m_data(bytes.constData()), m_size(bytes.size())
    {
    }

    // Nothing but blanks and line ends left.
    bool atEnd()
    {
        while (m_pos < m_size && (m_data[m_pos] == Space || m_data[m_pos] == Cr || m_data[m_pos] == Lf))
            ++m_pos;
        return m_pos >= m_size;
    }

    // The raw bytes of the next field; false at the end of the file or on a
    // malformed field.
    bool next(const char *&begin, qsizetype &length, bool &quoted)
    {
        skipSpaces();
        if (m_pos >= m_size)
            return false;
        if (m_data[m_pos] == Quote) {
            quoted = true;
            const qsizetype start = m_pos + 1;
            const void *close = memchr(m_data + start, Quote, size_t(m_size - start));
            if (!close)
                return false;
            const qsizetype end = static_cast<const char *>(close) - m_data;
            begin = m_data + start;
            length = end - start;
            m_pos = end + 1;
            skipSpaces();
            return skipSeparator();
        }
        quoted = false;
        qsizetype end = m_pos;
        while (end < m_size && m_data[end] != Comma && m_data[end] != Cr && m_data[end] != Lf)
            ++end;
        qsizetype last = end;
        while (last > m_pos && m_data[last - 1] == Space)
            --last;
        begin = m_data + m_pos;
        length = last - m_pos;
        m_pos = end;
        return skipSeparator();
    }

private:
    void skipSpaces()
    {
        while (m_pos < m_size && m_data[m_pos] == Space)
            ++m_pos;
    }

    bool skipSeparator()
    {
        if (m_pos >= m_size)
            return true;
        const char c = m_data[m_pos];
        if (c == Comma || c == Lf) {
            ++m_pos;
            return true;
        }
        if (c == Cr) {
            ++m_pos;
            if (m_pos < m_size && m_data[m_pos] == Lf)
                ++m_pos;
            return true;
        }
        return false;  // something after a closing quote
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

std::optional<int> parseKind(const char *begin, qsizetype length)
{
    if (length == 0 || length > 3)
        return std::nullopt;
    int value = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (begin[i] < '0' || begin[i] > '9')
            return std::nullopt;
        value = value * 10 + (begin[i] - '0');
    }
    if (value > 255)
        return std::nullopt;
    return value;
}

QString unstorableMessage(const QString &character)
{
    return QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans un fichier de calculs.")
        .arg(character);
}

} // namespace

TapeFileFormat::ReadResult TapeFileFormat::read(const QByteArray &bytes)
{
    ReadResult result;
    FieldReader fields(bytes);
    Windows1252 codec;
    const char *begin = nullptr;
    qsizetype length = 0;
    bool quoted = false;

    if (!fields.next(begin, length, quoted)) {
        result.status = ReadStatus::NotATapeFile;
        return result;
    }
    const std::optional<QString> first = codec.decode(begin, length);
    if (!first || *first != header()) {
        result.status = ReadStatus::NotATapeFile;
        return result;
    }
    if (!fields.next(begin, length, quoted))
        return result;
    const std::optional<QString> version = codec.decode(begin, length);
    if (!version)
        return result;
    result.version = *version;
    QHash<QByteArray, QString> repeated;

    while (!fields.atEnd()) {
        TapeLine line;
        if (!fields.next(begin, length, quoted))
            return result;
        const std::optional<int> kind = parseKind(begin, length);
        if (!kind)
            return result;
        for (int column = 0; column < 4; ++column) {
            if (!fields.next(begin, length, quoted))
                return result;
            // Operators, function names and decimals repeat on every line:
            // sharing one copy of each saves an allocation per line.
            const bool repeating = column == Tape::OperatorColumn || column == Tape::ParameterColumn;
            const QByteArray key = repeating && length <= 16 ? QByteArray::fromRawData(begin, length) : QByteArray();
            if (!key.isNull()) {
                if (const auto known = repeated.constFind(key); known != repeated.cend()) {
                    line.cells[column] = *known;
                    continue;
                }
            }
            std::optional<QString> text = codec.decode(begin, length);
            if (!text)
                return result;
            if (!key.isNull() && repeated.size() < 256)
                repeated.insert(QByteArray(begin, length), *text);
            line.cells[column] = std::move(*text);
        }
        colourByKind(line, unsigned(*kind));
        result.lines.push_back(std::move(line));
    }
    result.status = ReadStatus::Ok;
    return result;
}

std::optional<QByteArray> TapeFileFormat::write(qint64 count,
                                                const std::function<const TapeLine &(qint64)> &lineAt,
                                                const QString &version, QString *message)
{
    Windows1252 codec;
    QByteArray out;
    out.reserve(qsizetype(64 + count * 24));
    auto quotedField = [&](const QString &text) -> bool {
        const qsizetype quote = text.indexOf(QLatin1Char(Quote));
        if (quote >= 0) {
            *message = unstorableMessage(QStringLiteral("\""));
            return false;
        }
        out += Quote;
        qsizetype bad = 0;
        if (!codec.encode(text, out, &bad)) {
            const bool pair = QChar::isHighSurrogate(text[bad].unicode()) && bad + 1 < text.size();
            *message = unstorableMessage(text.mid(bad, pair ? 2 : 1));
            return false;
        }
        out += Quote;
        return true;
    };
    const QByteArray lineEnd("\r\n");

    if (!quotedField(header()))
        return std::nullopt;
    out += lineEnd;
    if (!quotedField(version))
        return std::nullopt;
    out += lineEnd;
    for (qint64 i = 0; i < count; ++i) {
        const TapeLine &line = lineAt(i);
        out += char('0' + kindOf(line));
        for (const QString &cell : line.cells) {
            out += Comma;
            if (!quotedField(cell)) {
                *message = QStringLiteral("Ligne %1 : %2").arg(i + 1).arg(*message);
                return std::nullopt;
            }
        }
        out += lineEnd;
    }
    return out;
}

bool TapeFileFormat::canStoreComment(const QString &comment, QString *message)
{
    QString bad;
    if (comment.contains(QLatin1Char(Quote)))
        bad = QStringLiteral("\"");
    else if (Windows1252 codec; !codec.canHold(comment, &bad))
        ;
    else
        return true;
    if (message)
        *message = QStringLiteral("Le caractère « %1 » ne peut pas figurer dans un commentaire.").arg(bad);
    return false;
}

quint8 TapeFileFormat::kindOf(const TapeLine &line)
{
    switch (line.backColor) {
    case Tape::CancelBack: return 3;
    case Tape::TotalBack: return 2;
    case Tape::FunctionBack: return 1;
    default: return 0;
    }
}

void TapeFileFormat::colourByKind(TapeLine &line, unsigned kind)
{
    switch (kind) {
    case 1: line.backColor = Tape::FunctionBack; break;
    case 2: line.backColor = Tape::TotalBack; break;
    case 3:
        line.backColor = Tape::CancelBack;
        line.valueForeColor = Tape::CancelFore;
        break;
    default: break;
    }
}
