#pragma once

#include <QByteArray>

// Turns a passphrase into the raw key that SQLCipher would derive from it for a
// given file (PBKDF2-HMAC-SHA1, 64,000 rounds, 256 bits, the file's first 16 bytes
// as salt), and remembers the last result. The derivation is deliberately slow, so
// keying with the raw key lets every command open the file quickly while the file
// stays readable with the passphrase alone.
class SqlCipherKey
{
public:
    static constexpr int SaltSize = 16;
    static constexpr int Rounds = 64000;
    static constexpr int KeySize = 32;

    explicit SqlCipherKey(QByteArray passphrase);
    ~SqlCipherKey();
    SqlCipherKey(const SqlCipherKey &) = delete;
    SqlCipherKey &operator=(const SqlCipherKey &) = delete;

    const QByteArray &passphrase() const { return m_passphrase; }
    // The text to give to SqlCipherDatabase::key(): x'<64 hex digits>'.
    QByteArray rawKeyFor(const QByteArray &salt);

    static QByteArray pbkdf2Sha1(const QByteArray &password, const QByteArray &salt, int rounds,
                                 int keySize);

private:
    QByteArray m_passphrase;
    QByteArray m_salt;
    QByteArray m_rawKey;
};
