#include "controls/ZmtDGridAccessible.h"

#include "controls/ZmtDGridHeaderAccessible.h"

ZmtDGridAccessible::ZmtDGridAccessible(ZmtDGrid *grid) : QAccessibleWidget(grid, QAccessible::Grouping) { }

ZmtDGridAccessible::~ZmtDGridAccessible()
{
    for (const QAccessible::Id id : m_headers) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

// Header interfaces are made on first request and kept in Qt's cache, so a
// screen reader gets the same object each time it asks.
QAccessibleInterface *ZmtDGridAccessible::header(int index) const
{
    if (m_headers[index] == 0) {
        auto *grid = static_cast<ZmtDGrid *>(widget());
        m_headers[index] = QAccessible::registerAccessibleInterface(new ZmtDGridHeaderAccessible(grid, index));
    }
    return QAccessible::accessibleInterface(m_headers[index]);
}

int ZmtDGridAccessible::childCount() const { return ZmtDGrid::HeaderCells + QAccessibleWidget::childCount(); }

QAccessibleInterface *ZmtDGridAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index < ZmtDGrid::HeaderCells)
        return header(index);
    return QAccessibleWidget::child(index - ZmtDGrid::HeaderCells);
}

int ZmtDGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < ZmtDGrid::HeaderCells; ++i) {
        if (m_headers[i] != 0 && QAccessible::accessibleInterface(m_headers[i]) == child)
            return i;
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + ZmtDGrid::HeaderCells;
}

QAccessibleInterface *ZmtDGridAccessible::childAt(int x, int y) const
{
    auto *grid = static_cast<ZmtDGrid *>(widget());
    const QPoint local = grid->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < ZmtDGrid::HeaderCells; ++i) {
        if (grid->headerCell(i).contains(local))
            return header(i);
    }
    return QAccessibleWidget::childAt(x, y);
}
