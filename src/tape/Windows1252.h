#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Conversions between UTF-8 and the 8-bit code page of the tape files,
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
    // hold, returns false and sets *badOffset to its byte offset in utf8.
    bool encode(std::string_view utf8, std::string &out, std::size_t *badOffset = nullptr);
    // Appends the UTF-8 of the bytes to out; false for a byte the code page
    // leaves undefined.
    bool decode(const char *data, std::size_t size, std::string &out);
    std::optional<QString> decode(const char *data, std::size_t size);

    // True when every character of text exists in the code page; otherwise
    // *bad receives the first one that does not.
    bool canHold(QStringView text, QString *bad = nullptr);

    // The whole character that starts at offset in a UTF-8 text.
    static QString characterAt(std::string_view utf8, std::size_t offset);

private:
    void *m_toBytes; // iconv_t
    void *m_toText; // iconv_t
};
