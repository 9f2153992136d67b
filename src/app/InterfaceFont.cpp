#include "app/InterfaceFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace InterfaceFont {

namespace {
QString proportionalFamily()
{
    // Debian's default first, then the metric equivalent of Arial.
    for (const QString &family : {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                  QStringLiteral("Noto Sans"), QStringLiteral("FreeSans")}) {
        if (QFontDatabase::hasFamily(family) && !QFontDatabase::isFixedPitch(family))
            return family;
    }
    for (const QString &family : QFontDatabase::families()) {
        if (!QFontDatabase::isFixedPitch(family) && !QFontDatabase::isPrivateFamily(family))
            return family;
    }
    return {};
}
} // namespace

QString ensureProportional()
{
    QFont font = QApplication::font();
    if (!QFontInfo(font).fixedPitch())
        return QFontInfo(font).family();
    const QString family = proportionalFamily();
    if (family.isEmpty())
        return QFontInfo(font).family();
    font.setFamilies({family});
    QApplication::setFont(font);
    return family;
}

} // namespace InterfaceFont
