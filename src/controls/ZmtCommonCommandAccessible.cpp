#include "controls/ZmtCommonCommandAccessible.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"

#include <QKeySequence>

#include <mutex>

namespace {
QAccessibleInterface *captionButtonFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ZmtCommonCommand") && object && object->isWidgetType())
        return new ZmtCommonCommandAccessible(static_cast<ZmtCommonCommand *>(object));
    return nullptr;
}
} // namespace

ZmtCommonCommandAccessible::ZmtCommonCommandAccessible(ZmtCommonCommand *button)
    : QAccessibleWidget(button, QAccessible::PushButton)
{
}

void ZmtCommonCommandAccessible::install()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(captionButtonFactory); });
}

ZmtCommonCommand *ZmtCommonCommandAccessible::button() const { return static_cast<ZmtCommonCommand *>(widget()); }

QString ZmtCommonCommandAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = QAccessibleWidget::text(t); // an accessibleName set by the window wins
        return name.isEmpty() ? CaptionLayout::plainCaption(button()->caption()) : name;
    }
    if (t == QAccessible::Accelerator && !button()->accessKey().isNull())
        return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(button()->accessKey().toUpper().unicode())))
            .toString(QKeySequence::NativeText);
    return QAccessibleWidget::text(t);
}

QAccessible::State ZmtCommonCommandAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    return s;
}

QStringList ZmtCommonCommandAccessible::actionNames() const { return QStringList{pressAction()}; }

void ZmtCommonCommandAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->click();
}

QStringList ZmtCommonCommandAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction() && !button()->accessKey().isNull())
        return {text(QAccessible::Accelerator)};
    return {};
}
