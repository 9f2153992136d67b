#include "tape/TapeFileFormat.h"

#include "tape/TapeFieldReader.h"
#include "tape/Windows1252.h"

#include <QBuffer>
#include <string>

namespace {

constexpr char Quote = '"';
constexpr char Comma = ',';
// Written lines are gathered and handed to the device in pieces of this
// size: large enough for few writes, small enough to stay in cache.
constexpr std::size_t WriteChunkSize = 64 * 1024;

std::optional<int> parseKind(std::string_view text)
{
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255)
        return std::nullopt;
    return value;
}

QString unstorableMessage(const QString &character)
{
    return QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans un fichier de calculs.").arg(character);
}

} // namespace

TapeFileFormat::ReadResult TapeFileFormat::read(QIODevice &device, qsizetype chunkSize)
{
    ReadResult result;
    TapeFieldReader fields(device, chunkSize);
    const auto failed = [&result, &fields] {
        result.status = fields.deviceFailed() ? ReadStatus::DeviceFailed : ReadStatus::NotATapeFile;
        result.lines.clear();
        return std::move(result);
    };
    Windows1252 codec;
    std::string_view field;
    bool quoted = false;

    const bool hasFirst = fields.next(field, quoted);
    const std::optional<QString> first = hasFirst ? codec.decode(field.data(), field.size()) : std::nullopt;
    if (!first || *first != header() || !fields.next(field, quoted))
        return failed();
    const std::optional<QString> version = codec.decode(field.data(), field.size());
    if (!version)
        return failed();
    result.version = *version;

    std::string decoded;
    while (!fields.atEnd()) {
        TapeLine line;
        if (!fields.next(field, quoted))
            return failed();
        const std::optional<int> kind = parseKind(field);
        if (!kind)
            return failed();
        for (int column = 0; column < TapeLine::CellCount; ++column) {
            if (!fields.next(field, quoted))
                return failed();
            decoded.clear();
            if (!codec.decode(field.data(), field.size(), decoded))
                return failed();
            line.setCellUtf8(column, decoded);
        }
        line.kind = kindOfCode(unsigned(*kind));
        result.lines.pushBack(std::move(line));
    }
    if (fields.deviceFailed())
        return failed();
    result.status = ReadStatus::Ok;
    return result;
}

TapeFileFormat::ReadResult TapeFileFormat::read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

TapeFileFormat::WriteStatus TapeFileFormat::write(QIODevice &device, qint64 count, const LineAt &lineAt,
                                                  const QString &version, QString *message)
{
    Windows1252 codec;
    std::string out;
    out.reserve(WriteChunkSize + 1024);
    bool deviceFailed = false;
    auto flush = [&] {
        if (!deviceFailed && device.write(out.data(), qint64(out.size())) != qint64(out.size()))
            deviceFailed = true;
        out.clear();
    };
    auto quotedField = [&](std::string_view utf8) -> bool {
        if (utf8.find(Quote) != std::string_view::npos) {
            *message = unstorableMessage(QStringLiteral("\""));
            return false;
        }
        out += Quote;
        std::size_t bad = 0;
        if (!codec.encode(utf8, out, &bad)) {
            *message = unstorableMessage(Windows1252::characterAt(utf8, bad));
            return false;
        }
        out += Quote;
        return true;
    };
    auto quotedText = [&](const QString &text) -> bool {
        const QByteArray utf8 = text.toUtf8();
        return quotedField(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    };
    const std::string_view lineEnd("\r\n");

    if (!quotedText(header()))
        return WriteStatus::Refused;
    out += lineEnd;
    if (!quotedText(version))
        return WriteStatus::Refused;
    out += lineEnd;
    for (qint64 i = 0; i < count && !deviceFailed; ++i) {
        const TapeLine &line = lineAt(i);
        out += char('0' + kindOf(line));
        for (int column = 0; column < TapeLine::CellCount; ++column) {
            out += Comma;
            if (!quotedField(line.cellUtf8(column))) {
                *message = QStringLiteral("Ligne %1 : %2").arg(i + 1).arg(*message);
                return WriteStatus::Refused;
            }
        }
        out += lineEnd;
        if (out.size() >= WriteChunkSize)
            flush();
    }
    flush();
    return deviceFailed ? WriteStatus::DeviceFailed : WriteStatus::Ok;
}

std::optional<QByteArray> TapeFileFormat::write(qint64 count, const LineAt &lineAt, const QString &version,
                                                QString *message)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (write(buffer, count, lineAt, version, message) != WriteStatus::Ok)
        return std::nullopt;
    return bytes;
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
    switch (line.kind) {
    case CalcTape::Kind::Cancel: return 3;
    case CalcTape::Kind::Total: return 2;
    case CalcTape::Kind::Function: return 1;
    case CalcTape::Kind::Operand: break;
    }
    return 0;
}

CalcTape::Kind TapeFileFormat::kindOfCode(unsigned code)
{
    switch (code) {
    case 1: return CalcTape::Kind::Function;
    case 2: return CalcTape::Kind::Total;
    case 3: return CalcTape::Kind::Cancel;
    default: return CalcTape::Kind::Operand;
    }
}
