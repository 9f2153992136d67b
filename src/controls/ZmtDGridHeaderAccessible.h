#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class ZmtDGrid;

// One drawn column header of the converter grid ("Hexadécimal", "Octal",
// "Décimal") as a screen reader sees it: a column header with its caption
// and its place on the screen.
class ZmtDGridHeaderAccessible : public QAccessibleInterface
{
public:
    ZmtDGridHeaderAccessible(ZmtDGrid *grid, int index);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override;

private:
    QPointer<ZmtDGrid> m_grid;
    int m_index;
};
