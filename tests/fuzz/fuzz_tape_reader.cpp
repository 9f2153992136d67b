// libFuzzer target for the tape file reader: any bytes must give a result
// without a crash, a hang or a sanitizer report, the same whether read
// whole or in small chunks; every tape that loads must write back and read
// again to the same lines; its values and decimals parameters are read as
// numbers the way loading and recalculating read them.
#include "calc/NumberText.h"
#include "tape/TapeFileFormat.h"

#include <QBuffer>
#include <cstdint>
#include <cmath>
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
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        if (const std::optional<double> value = TextToNumber(result.lines[i].cell(1)); value && !std::isfinite(*value))
            std::abort();
        LeadingNumber(result.lines[i].cell(3));
    }
    QString message;
    const std::optional<QByteArray> written = TapeFileFormat::write(
        qint64(result.lines.size()),
        [&result](qint64 i) -> const TapeLine & { return result.lines[std::size_t(i)]; }, result.version,
        &message);
    if (!written)
        std::abort();  // a loaded tape that can never be saved
    if (!sameLines(TapeFileFormat::read(*written), result))
        std::abort();
    return 0;
}
