#include "pregnancy/SqlCipherKey.h"

#include <QCryptographicHash>

#include <utility>

namespace {

constexpr int ShaBlock = 64;
constexpr int ShaSize = 20;

void wipe(QByteArray &bytes)
{
    if (!bytes.isEmpty())
        bytes.fill('\0');
    bytes.clear();
}

// HMAC-SHA1 with the padded key prepared once, since PBKDF2 calls it many times.
class HmacSha1
{
public:
    explicit HmacSha1(QByteArray key)
    {
        if (key.size() > ShaBlock)
            key = QCryptographicHash::hash(key, QCryptographicHash::Sha1);
        key.resize(ShaBlock, '\0');
        m_inner.resize(ShaBlock);
        m_outer.resize(ShaBlock);
        for (int i = 0; i < ShaBlock; ++i) {
            m_inner[i] = char(key[i] ^ 0x36);
            m_outer[i] = char(key[i] ^ 0x5c);
        }
        wipe(key);
    }
    ~HmacSha1()
    {
        wipe(m_inner);
        wipe(m_outer);
    }

    void mac(QByteArrayView message, char *out)
    {
        m_hash.reset();
        m_hash.addData(m_inner);
        m_hash.addData(message);
        char innerDigest[ShaSize];
        const QByteArrayView inner = m_hash.resultView();
        std::copy(inner.begin(), inner.end(), innerDigest);
        m_hash.reset();
        m_hash.addData(m_outer);
        m_hash.addData(QByteArrayView(innerDigest, ShaSize));
        const QByteArrayView digest = m_hash.resultView();
        std::copy(digest.begin(), digest.end(), out);
    }

private:
    QByteArray m_inner;
    QByteArray m_outer;
    QCryptographicHash m_hash{QCryptographicHash::Sha1};
};

} // namespace

SqlCipherKey::SqlCipherKey(QByteArray passphrase)
    : m_passphrase(std::move(passphrase))
{
}

SqlCipherKey::~SqlCipherKey()
{
    wipe(m_passphrase);
    wipe(m_rawKey);
}

QByteArray SqlCipherKey::rawKeyFor(const QByteArray &salt)
{
    if (m_rawKey.isEmpty() || salt != m_salt) {
        QByteArray key = pbkdf2Sha1(m_passphrase, salt, Rounds, KeySize);
        wipe(m_rawKey);
        m_rawKey = "x'" + key.toHex().toUpper() + "'";
        wipe(key);
        m_salt = salt;
    }
    return m_rawKey;
}

QByteArray SqlCipherKey::pbkdf2Sha1(const QByteArray &password, const QByteArray &salt, int rounds,
                                    int keySize)
{
    HmacSha1 hmac(password);
    QByteArray derived;
    char u[ShaSize];
    char t[ShaSize];
    for (quint32 block = 1; derived.size() < keySize; ++block) {
        QByteArray first = salt;
        first.append(char(block >> 24)).append(char(block >> 16)).append(char(block >> 8)).append(char(block));
        hmac.mac(first, u);
        std::copy(u, u + ShaSize, t);
        for (int round = 1; round < rounds; ++round) {
            hmac.mac(QByteArrayView(u, ShaSize), u);
            for (int i = 0; i < ShaSize; ++i)
                t[i] = char(t[i] ^ u[i]);
        }
        derived.append(t, ShaSize);
    }
    std::fill(u, u + ShaSize, '\0');
    std::fill(t, t + ShaSize, '\0');
    derived.truncate(keySize);
    return derived;
}
