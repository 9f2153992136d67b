#include "app/AppearanceStore.h"

#include <QSettings>

namespace {

const QString Group = QStringLiteral("Colors");
const QString StyleKey = QStringLiteral("Style");

QString colorKey(std::size_t k) { return QStringLiteral("Color%1").arg(k + 1); }

} // namespace

AppearanceStore::AppearanceStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Zamto App Tarvolix")))
{
}

AppearanceStore::~AppearanceStore() = default;

int AppearanceStore::style() const
{
    const QString text =
        m_settings->value(Group + '/' + StyleKey, QString::number(AppearanceStyle::Default)).toString();
    const int style = AppearanceStyle::parseStyle(text);
    return style != 0 ? style : AppearanceStyle::Default;
}

AppearanceColors AppearanceStore::customColors() const
{
    AppearanceColors colors = AppearanceStyle::defaultCustom();
    for (std::size_t k = 0; k < colors.size(); ++k) {
        const QVariant stored = m_settings->value(Group + '/' + colorKey(k));
        if (stored.isValid())
            colors[k] = AppearanceStyle::parseColor(stored.toString(), colors[k]);
    }
    return colors;
}

AppearanceColors AppearanceStore::colors() const
{
    const int current = style();
    return current == AppearanceStyle::Custom ? customColors() : AppearanceStyle::predefined(current);
}

void AppearanceStore::save(int style, const AppearanceColors &custom)
{
    m_settings->beginGroup(Group);
    m_settings->setValue(StyleKey, QString::number(style));
    if (style == AppearanceStyle::Custom)
        for (std::size_t k = 0; k < custom.size(); ++k)
            m_settings->setValue(colorKey(k), AppearanceStyle::colorText(custom[k]));
    m_settings->endGroup();
    m_settings->sync();
}
