#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Conversions between Unicode and the 8-bit code page of the tape files,
// through the C library's iconv. ASCII runs are copied directly; only the
// other characters go through iconv, which keeps large files fast.
class Windows1252
{
public:
    Windows1252();
    ~Windows1252();
    Windows1252(const Windows1252 &) = delete;
    Windows1252 &operator=(const Windows1252 &) = delete;

    // Appends the encoded text to out. On a character the code page cannot
    // hold, returns false and sets *badIndex to its position in text.
    bool encode(QStringView text, QByteArray &out, qsizetype *badIndex = nullptr);
    // Decodes bytes; nothing for a byte the code page leaves undefined.
    std::optional<QString> decode(const char *data, qsizetype size);

    // True when every character of text exists in the code page; otherwise
    // *bad receives the first one that does not.
    bool canHold(QStringView text, QString *bad = nullptr);

private:
    void *m_toBytes;   // iconv_t
    void *m_toText;    // iconv_t
};
