#include "app/AppearanceStore.h"

#include <QSettings>

namespace {

const QString Group = QStringLiteral("Colors");
const QString StyleKey = QStringLiteral("Style");

QString colorKey(int number) { return QStringLiteral("Color%1").arg(number); }

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
    for (int number = 1; number <= ColorRoleCount; ++number) {
        const ColorRole role = colorRoleNumbered(number);
        const QVariant stored = m_settings->value(Group + '/' + colorKey(number));
        if (stored.isValid())
            colors[role] = AppearanceStyle::parseColor(stored.toString(), colors[role]);
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
        for (int number = 1; number <= ColorRoleCount; ++number)
            m_settings->setValue(colorKey(number), AppearanceStyle::colorText(custom[colorRoleNumbered(number)]));
    m_settings->endGroup();
    m_settings->sync();
}
