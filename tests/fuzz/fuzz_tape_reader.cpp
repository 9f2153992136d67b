// libFuzzer target for the tape file reader: any bytes must give a result
// without a crash, a hang or a sanitizer report, the same whether read
// whole or in small chunks, and what reads back must write and read again
// to the same lines.
#include "tape/TapeFileFormat.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameLines(const TapeFileFormat::ReadResult &a, const TapeFileFormat::ReadResult &b)
{
    if (a.status != b.status || a.lines.size() != b.lines.size())
        return false;
    for (std::size_t i = 0; i < a.lines.size(); ++i) {
        if (TapeFileFormat::kindOf(a.lines[i]) != TapeFileFormat::kindOf(b.lines[i]))
            return false;
        for (int c = 0; c < TapeLine::CellCount; ++c) {
            if (a.lines[i].cellUtf8(c) != b.lines[i].cellUtf8(c))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TapeFileFormat::ReadResult result = TapeFileFormat::read(bytes);

    // Reading in small chunks must give the very same result.
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    const TapeFileFormat::ReadResult chunked = TapeFileFormat::read(device, qsizetype(1 + size % 7));
    if (!sameLines(chunked, result))
        std::abort();

    if (result.status != TapeFileFormat::ReadStatus::Ok)
        return 0;
    QString message;
    const std::optional<QByteArray> written = TapeFileFormat::write(
        qint64(result.lines.size()),
        [&result](qint64 i) -> const TapeLine & { return result.lines[std::size_t(i)]; }, result.version,
        &message);
    if (!written)
        return 0;  // a version text with a quote cannot be written back
    if (!sameLines(TapeFileFormat::read(*written), result))
        std::abort();
    return 0;
}
