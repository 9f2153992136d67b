// libFuzzer target for the tape file reader: any bytes must give a result
// without a crash, a hang or a sanitizer report, and what reads back must
// write and read again to the same lines.
#include "tape/TapeFileFormat.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TapeFileFormat::ReadResult result = TapeFileFormat::read(bytes);
    if (result.status != TapeFileFormat::ReadStatus::Ok)
        return 0;
    QString message;
    const std::optional<QByteArray> written = TapeFileFormat::write(
        qint64(result.lines.size()),
        [&result](qint64 i) -> const TapeLine & { return result.lines[std::size_t(i)]; }, result.version,
        &message);
    if (!written)
        return 0;  // a version text with a quote cannot be written back
    const TapeFileFormat::ReadResult again = TapeFileFormat::read(*written);
    if (again.status != TapeFileFormat::ReadStatus::Ok || again.lines.size() != result.lines.size())
        std::abort();
    for (std::size_t i = 0; i < again.lines.size(); ++i)
        for (int c = 0; c < 4; ++c)
            if (again.lines[i].cellUtf8(c) != result.lines[i].cellUtf8(c)
                || TapeFileFormat::kindOf(again.lines[i]) != TapeFileFormat::kindOf(result.lines[i]))
                std::abort();
    return 0;
}
