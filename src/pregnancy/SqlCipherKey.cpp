#include "pregnancy/SqlCipherKey.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <utility>

SqlCipherKey::~SqlCipherKey() { clear(); }

SqlCipherKey::SqlCipherKey(SqlCipherKey &&other) noexcept
    : m_kind(other.m_kind),
      m_salt(std::exchange(other.m_salt, {})),
      m_raw(std::exchange(other.m_raw, {}))
{
}

SqlCipherKey &SqlCipherKey::operator=(SqlCipherKey &&other) noexcept
{
    if (this != &other) {
        clear();
        m_kind = other.m_kind;
        m_salt = std::exchange(other.m_salt, {});
        m_raw = std::exchange(other.m_raw, {});
    }
    return *this;
}

SqlCipherKey SqlCipherKey::derive(Kind kind, const QByteArray &secret, const QByteArray &salt)
{
    SqlCipherKey key;
    if (salt.size() != SaltSize)
        return key;
    const bool password = kind == Kind::Password;
    QByteArray raw(KeySize, '\0');
    const int ok = PKCS5_PBKDF2_HMAC(secret.constData(), int(secret.size()),
                                     reinterpret_cast<const unsigned char *>(salt.constData()), SaltSize,
                                     password ? PasswordRounds : BuiltInRounds, password ? EVP_sha512() : EVP_sha1(),
                                     KeySize, reinterpret_cast<unsigned char *>(raw.data()));
    if (ok != 1) {
        wipe(raw);
        return key;
    }
    key.m_kind = kind;
    key.m_salt = salt;
    key.m_raw = std::move(raw);
    return key;
}

SqlCipherKey SqlCipherKey::forNewFile(Kind kind, const QByteArray &secret)
{
    QByteArray salt(SaltSize, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char *>(salt.data()), SaltSize) != 1)
        return {};
    return derive(kind, secret, salt);
}

QByteArray SqlCipherKey::keyText() const
{
    if (!isValid())
        return {};
    // Written in place: no unwiped copy of the key in hex is left behind.
    static constexpr char Hex[] = "0123456789ABCDEF";
    QByteArray text(3 + 2 * (KeySize + SaltSize), '\'');
    text[0] = 'x';
    char *out = text.data() + 2;
    for (const QByteArray *part : {&m_raw, &m_salt}) {
        for (char c : *part) {
            *out++ = Hex[(uchar(c) >> 4) & 0xF];
            *out++ = Hex[uchar(c) & 0xF];
        }
    }
    return text;
}

void SqlCipherKey::clear()
{
    wipe(m_raw);
    m_salt.clear();
}

void SqlCipherKey::wipe(QByteArray &bytes)
{
    if (!bytes.isEmpty() && bytes.isDetached())
        OPENSSL_cleanse(bytes.data(), std::size_t(bytes.size()));
    bytes.clear();
}

void SqlCipherKey::wipe(QString &text)
{
    if (!text.isEmpty() && text.isDetached())
        OPENSSL_cleanse(text.data(), std::size_t(text.size()) * sizeof(QChar));
    text.clear();
}
