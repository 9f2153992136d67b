#include "app/ProductInfo.h"

namespace ProductInfo {

QString productName() { return QStringLiteral("Tarvolix"); }

QString description()
{
    return QStringLiteral("Calculatrice à bande, calculs médicaux, calendrier de la grossesse, "
                          "calculateur de dates et convertisseur");
}

QString legalNotice() { return QStringLiteral("© 2026 Zamto. Tous droits réservés."); }

QString webAddress() { return QStringLiteral("https://www.zamto.fr"); }

QString mailAddress() { return QStringLiteral("support@zamto.fr"); }

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString versionText() { return versionText(TARVOLIX_VERSION_MAJOR, TARVOLIX_VERSION_MINOR, TARVOLIX_VERSION_PATCH); }

QString mailTarget(const QString &address) { return QStringLiteral("mailto: ") + address; }

QString urlText(const QString &target)
{
    const QString text = target.trimmed();
    const QString scheme = QStringLiteral("mailto:");
    if (text.startsWith(scheme, Qt::CaseInsensitive))
        return scheme + text.mid(scheme.size()).trimmed();
    return text;
}

} // namespace ProductInfo
