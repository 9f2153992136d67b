#include "controls/ScrollRegionModel.h"

#include "controls/ScrollChildren.h"

#include <algorithm>

ScrollRegionModel::ScrollRegionModel(ScrollChildren &children) : m_children(children)
{
    m_bar.setChangeHandler([this] { moveChildren(); });
    setSmallScroll(10);
    setLargeScroll(100);
}

void ScrollRegionModel::setSmallScroll(int step) { m_bar.setSmallChange(step); }

void ScrollRegionModel::setLargeScroll(int step) { m_bar.setLargeChange(step); }

void ScrollRegionModel::scroll(int code, int trackPosition)
{
    if (!m_bar.isShown())
        return;
    step(code, trackPosition);
}

void ScrollRegionModel::step(int code, int trackPosition)
{
    // Every path that scrolls records where it started, so that the children move
    // by exactly the change of value.
    m_prevValue = m_bar.value();
    m_bar.handle(code, trackPosition);
}

void ScrollRegionModel::moveChildren()
{
    const int delta = m_bar.value() - m_prevValue;
    for (int i = 0; i < m_children.count(); ++i)
        m_children.setTop(i, m_children.top(i) - delta);
}

int ScrollRegionModel::contentBottom() const
{
    int bottom = 0;
    for (int i = 0; i < m_children.count(); ++i)
        bottom = std::max(bottom, m_children.top(i) + m_children.height(i));
    return bottom;
}

void ScrollRegionModel::updateRange()
{
    const int bottom = contentBottom();
    if (bottom > m_innerHeight) {
        m_bar.setMax(bottom - m_innerHeight);
        m_bar.setShown(true);
    } else {
        m_bar.setShown(false);
    }
}

void ScrollRegionModel::ensureVisible(int child)
{
    if (child < 0 || child >= m_children.count() || !m_bar.isShown())
        return;
    if (m_children.top(child) < 0) {
        while (m_children.top(child) < 0) {
            const int before = m_bar.value();
            step(ScrollBarValues::PageUp);
            if (m_bar.value() == before)
                return;
        }
        return;
    }
    while (m_children.top(child) + m_children.height(child) > m_innerHeight) {
        const int before = m_bar.value();
        step(ScrollBarValues::PageDown);
        if (m_bar.value() == before)
            return;
    }
}

void ScrollRegionModel::resetBar(std::optional<int> child)
{
    step(ScrollBarValues::Bottom);
    updateRange();
    if (child)
        ensureVisible(*child);
}
