#include "controls/ZmtDGridHeaderAccessible.h"

#include "controls/ZmtDGrid.h"

#include <QWidget>
#include <QWindow>

ZmtDGridHeaderAccessible::ZmtDGridHeaderAccessible(ZmtDGrid *grid, int index) : m_grid(grid), m_index(index) { }

bool ZmtDGridHeaderAccessible::isValid() const { return !m_grid.isNull(); }

QWindow *ZmtDGridHeaderAccessible::window() const { return m_grid ? m_grid->window()->windowHandle() : nullptr; }

QAccessibleInterface *ZmtDGridHeaderAccessible::parent() const
{
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid.data()) : nullptr;
}

QString ZmtDGridHeaderAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? ZmtDGrid::headerCaption(m_index) : QString();
}

QRect ZmtDGridHeaderAccessible::rect() const
{
    if (!m_grid)
        return {};
    const QRect cell = m_grid->headerCell(m_index);
    return QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State ZmtDGridHeaderAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !m_grid || !m_grid->isVisible();
    return state;
}
