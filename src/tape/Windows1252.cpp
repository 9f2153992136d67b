#include "tape/Windows1252.h"

#include <iconv.h>

namespace {

constexpr const char *CodePage = "WINDOWS-1252";
constexpr const char *Utf8 = "UTF-8";
// No character of the code page takes more than three bytes in UTF-8 (the
// euro sign and the typographic quotes are the widest).
constexpr std::size_t MaxUtf8PerByte = 3;

iconv_t handle(void *h) { return static_cast<iconv_t>(h); }
bool valid(void *h) { return handle(h) != iconv_t(-1); }

bool isAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

std::size_t asciiRun(const char *data, std::size_t from, std::size_t size)
{
    while (from < size && isAscii(data[from]))
        ++from;
    return from;
}

std::size_t otherRun(const char *data, std::size_t from, std::size_t size)
{
    while (from < size && !isAscii(data[from]))
        ++from;
    return from;
}

} // namespace

Windows1252::Windows1252() : m_toBytes(iconv_open(CodePage, Utf8)), m_toText(iconv_open(Utf8, CodePage)) { }

Windows1252::~Windows1252()
{
    if (valid(m_toBytes))
        iconv_close(handle(m_toBytes));
    if (valid(m_toText))
        iconv_close(handle(m_toText));
}

bool Windows1252::encode(std::string_view utf8, std::string &out, std::size_t *badOffset)
{
    const char *data = utf8.data();
    const std::size_t size = utf8.size();
    std::size_t i = 0;
    while (i < size) {
        const std::size_t asciiEnd = asciiRun(data, i, size);
        out.append(data + i, asciiEnd - i);
        i = asciiEnd;
        if (i == size)
            break;
        const std::size_t otherEnd = otherRun(data, i, size);
        // Each UTF-8 sequence gives at most one byte.
        const std::size_t start = out.size();
        out.resize(start + (otherEnd - i));
        char *in = const_cast<char *>(data + i);
        std::size_t inLeft = otherEnd - i;
        char *dst = out.data() + start;
        std::size_t outLeft = otherEnd - i;
        bool converted = valid(m_toBytes);
        if (converted) {
            iconv(handle(m_toBytes), nullptr, nullptr, nullptr, nullptr);
            converted = iconv(handle(m_toBytes), &in, &inLeft, &dst, &outLeft) != std::size_t(-1);
        }
        if (!converted) {
            if (badOffset)
                *badOffset = std::size_t(in - data);
            out.resize(start);
            return false;
        }
        out.resize(std::size_t(dst - out.data()));
        i = otherEnd;
    }
    return true;
}

bool Windows1252::decode(const char *data, std::size_t size, std::string &out)
{
    std::size_t i = 0;
    while (i < size) {
        const std::size_t asciiEnd = asciiRun(data, i, size);
        out.append(data + i, asciiEnd - i);
        i = asciiEnd;
        if (i == size)
            break;
        const std::size_t otherEnd = otherRun(data, i, size);
        if (!valid(m_toText))
            return false;
        const std::size_t start = out.size();
        out.resize(start + (otherEnd - i) * MaxUtf8PerByte);
        iconv(handle(m_toText), nullptr, nullptr, nullptr, nullptr);
        char *in = const_cast<char *>(data + i);
        std::size_t inLeft = otherEnd - i;
        char *dst = out.data() + start;
        std::size_t outLeft = (otherEnd - i) * MaxUtf8PerByte;
        if (iconv(handle(m_toText), &in, &inLeft, &dst, &outLeft) == std::size_t(-1)) {
            out.resize(start);
            return false;
        }
        out.resize(std::size_t(dst - out.data()));
        i = otherEnd;
    }
    return true;
}

std::optional<QString> Windows1252::decode(const char *data, std::size_t size)
{
    std::string utf8;
    if (!decode(data, size, utf8))
        return std::nullopt;
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

bool Windows1252::canHold(QStringView text, QString *bad)
{
    const QByteArray utf8 = text.toUtf8();
    std::string scratch;
    std::size_t offset = 0;
    if (encode(std::string_view(utf8.constData(), std::size_t(utf8.size())), scratch, &offset))
        return true;
    if (bad)
        *bad = characterAt(std::string_view(utf8.constData(), std::size_t(utf8.size())), offset);
    return false;
}

QString Windows1252::characterAt(std::string_view utf8, std::size_t offset)
{
    std::size_t end = offset + 1;
    // Continuation bytes are 10xxxxxx.
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        ++end;
    return QString::fromUtf8(utf8.data() + offset, qsizetype(end - offset));
}
