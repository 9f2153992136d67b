#include "tape/Windows1252.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr const char *CodePage = "WINDOWS-1252";
constexpr const char *Utf16 = "UTF-16LE";

iconv_t handle(void *h) { return static_cast<iconv_t>(h); }
bool valid(void *h) { return handle(h) != iconv_t(-1); }

} // namespace

Windows1252::Windows1252()
    : m_toBytes(iconv_open(CodePage, Utf16)), m_toText(iconv_open(Utf16, CodePage))
{
}

Windows1252::~Windows1252()
{
    if (valid(m_toBytes))
        iconv_close(handle(m_toBytes));
    if (valid(m_toText))
        iconv_close(handle(m_toText));
}

bool Windows1252::encode(QStringView text, QByteArray &out, qsizetype *badIndex)
{
    const char16_t *chars = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype asciiEnd = i;
        while (asciiEnd < n && chars[asciiEnd] < 0x80)
            ++asciiEnd;
        if (asciiEnd > i) {
            const qsizetype start = out.size();
            out.resize(start + (asciiEnd - i));
            for (qsizetype k = i; k < asciiEnd; ++k)
                out[start + (k - i)] = char(chars[k]);
            i = asciiEnd;
        }
        if (i == n)
            break;
        qsizetype otherEnd = i;
        while (otherEnd < n && chars[otherEnd] >= 0x80)
            ++otherEnd;
        if (!valid(m_toBytes)) {
            if (badIndex)
                *badIndex = i;
            return false;
        }
        // Each UTF-16 unit gives at most one byte.
        iconv(handle(m_toBytes), nullptr, nullptr, nullptr, nullptr);
        const qsizetype start = out.size();
        out.resize(start + (otherEnd - i));
        char *in = reinterpret_cast<char *>(const_cast<char16_t *>(chars + i));
        size_t inLeft = size_t(otherEnd - i) * 2;
        char *dst = out.data() + start;
        size_t outLeft = size_t(otherEnd - i);
        if (iconv(handle(m_toBytes), &in, &inLeft, &dst, &outLeft) == size_t(-1)) {
            if (badIndex)
                *badIndex = i + qsizetype((size_t(otherEnd - i) * 2 - inLeft) / 2);
            out.resize(start);
            return false;
        }
        out.resize(dst - out.data());
        i = otherEnd;
    }
    return true;
}

std::optional<QString> Windows1252::decode(const char *data, qsizetype size)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    qsizetype ascii = 0;
    while (ascii < size && bytes[ascii] < 0x80)
        ++ascii;
    if (ascii == size)
        return QString::fromLatin1(data, size);
    QString text(size, Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(text.data());
    qsizetype written = 0;
    qsizetype i = 0;
    while (i < size) {
        while (i < size && bytes[i] < 0x80)
            dst[written++] = bytes[i++];
        if (i == size)
            break;
        qsizetype otherEnd = i;
        while (otherEnd < size && bytes[otherEnd] >= 0x80)
            ++otherEnd;
        if (!valid(m_toText))
            return std::nullopt;
        // Every byte of the code page is one character of the basic plane.
        iconv(handle(m_toText), nullptr, nullptr, nullptr, nullptr);
        char *in = const_cast<char *>(data + i);
        size_t inLeft = size_t(otherEnd - i);
        char *out = reinterpret_cast<char *>(dst + written);
        size_t outLeft = size_t(otherEnd - i) * 2;
        if (iconv(handle(m_toText), &in, &inLeft, &out, &outLeft) == size_t(-1))
            return std::nullopt;
        written = (reinterpret_cast<char16_t *>(out) - dst);
        i = otherEnd;
    }
    text.truncate(written);
    return text;
}

bool Windows1252::canHold(QStringView text, QString *bad)
{
    QByteArray scratch;
    qsizetype index = 0;
    if (encode(text, scratch, &index))
        return true;
    if (bad) {
        const bool pair = QChar::isHighSurrogate(text[index].unicode()) && index + 1 < text.size();
        *bad = text.mid(index, pair ? 2 : 1).toString();
    }
    return false;
}
