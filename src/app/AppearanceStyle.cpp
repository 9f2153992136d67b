#include "app/AppearanceStyle.h"

namespace AppearanceStyle {

namespace {

constexpr quint32 DisplayBack = 0xE0E0E0;
constexpr quint32 DisplayText = 0x000000;

} // namespace

AppearanceColors predefined(int style)
{
    switch (style) {
    case 2: return {0x80000002, 0x80000009, 0x80000002, DisplayBack, DisplayText};
    case 3: return {0x80000003, 0x80000013, 0x80000003, DisplayBack, DisplayText};
    default: return {0x8000000F, 0x80000012, 0x8000000F, DisplayBack, DisplayText};
    }
}

AppearanceColors defaultCustom() { return predefined(1); }

QString name(int style)
{
    if (style == Custom)
        return QStringLiteral("Personnalisé");
    return QStringLiteral("Style prédéfini %1").arg(style);
}

int parseStyle(const QString &text)
{
    bool ok = false;
    const int style = text.trimmed().toInt(&ok);
    return ok && style >= First && style <= Custom ? style : 0;
}

quint32 parseColor(const QString &text, quint32 fallback)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? quint32(value) : fallback;
}

QString colorText(quint32 color) { return QString::number(qint32(color)); }

} // namespace AppearanceStyle
