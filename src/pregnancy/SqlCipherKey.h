#pragma once

#include <QByteArray>
#include <QString>

// The raw keys of the record file, derived by libcrypto's PBKDF2 from a secret and
// the salt that the file keeps in its first 16 bytes. A file without a practice
// password is keyed from the built-in passphrase exactly as SQLCipher would key it
// (HMAC-SHA1, 64,000 rounds), so it still opens with the bare passphrase; a file
// with one is keyed from the password with HMAC-SHA512 and 256,000 rounds. Every
// derivation is deliberately slow; the result is kept so that each command opens
// the file at once. Key material is wiped when the object goes.
class SqlCipherKey
{
public:
    enum class Kind { BuiltIn, Password };

    static constexpr int SaltSize = 16;
    static constexpr int KeySize = 32;
    static constexpr int BuiltInRounds = 64000;
    static constexpr int PasswordRounds = 256000;

    SqlCipherKey() = default;
    ~SqlCipherKey();
    SqlCipherKey(const SqlCipherKey &) = delete;
    SqlCipherKey &operator=(const SqlCipherKey &) = delete;
    SqlCipherKey(SqlCipherKey &&other) noexcept;
    SqlCipherKey &operator=(SqlCipherKey &&other) noexcept;

    // Derives the key of `secret` for a file whose salt is `salt`.
    static SqlCipherKey derive(Kind kind, const QByteArray &secret, const QByteArray &salt);
    // A key for a new file, with a fresh random salt.
    static SqlCipherKey forNewFile(Kind kind, const QByteArray &secret);

    bool isValid() const { return m_raw.size() == KeySize; }
    Kind kind() const { return m_kind; }
    const QByteArray &salt() const { return m_salt; }
    // The text to give to SqlCipherDatabase::key(): x'<key in hex><salt in hex>', so
    // that a new file takes this very salt.
    QByteArray keyText() const;
    void clear();

    // Overwrites a secret before letting it go. Only a copy owned alone is
    // overwritten; shared or constant data is merely released.
    static void wipe(QByteArray &bytes);
    static void wipe(QString &text);

private:
    Kind m_kind = Kind::BuiltIn;
    QByteArray m_salt;
    QByteArray m_raw;
};
