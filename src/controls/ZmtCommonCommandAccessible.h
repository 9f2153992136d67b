#pragma once

#include <QAccessibleWidget>

class ZmtCommonCommand;

// What screen readers see of a caption button: a push button named by its
// caption, which they can press.
class ZmtCommonCommandAccessible : public QAccessibleWidget
{
public:
    explicit ZmtCommonCommandAccessible(ZmtCommonCommand *button);

    // Registers the factory with Qt's accessibility, once per process.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    ZmtCommonCommand *button() const;
};
