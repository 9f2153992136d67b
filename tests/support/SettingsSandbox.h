#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

// Keeps the user's settings in a folder of the test's own; clear() empties them.
class SettingsSandbox
{
public:
    static inline const QString Product = QStringLiteral("Zamto App Tarvolix");

    bool ready()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        return m_dir.isValid();
    }
    static void clear() { QSettings(QSettings::NativeFormat, QSettings::UserScope, Product).clear(); }
    static QString colorText(const QString &key)
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, Product)
            .value(QStringLiteral("Colors/") + key)
            .toString();
    }
    static void setColorText(const QString &key, const QString &value)
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, Product).setValue(QStringLiteral("Colors/") + key, value);
    }

private:
    QTemporaryDir m_dir;
};
