#pragma once

#include "controls/ScrollBarValues.h"

#include <optional>

class ScrollChildren;

// Scrolling of a region whose children move (their top changes) instead of a
// canvas being clipped. Units are whatever the children use; the bar's values are
// in the same unit.
class ScrollRegionModel
{
public:
    explicit ScrollRegionModel(ScrollChildren &children);
    ScrollRegionModel(const ScrollRegionModel &) = delete;
    ScrollRegionModel &operator=(const ScrollRegionModel &) = delete;

    const ScrollBarValues &bar() const { return m_bar; }
    int prevValue() const { return m_prevValue; }

    // Line and page steps of the vertical bar.
    void setSmallScroll(int step);
    void setLargeScroll(int step);
    int smallScroll() const { return m_bar.smallChange(); }
    int largeScroll() const { return m_bar.largeChange(); }

    // Height of the area in which children are visible.
    void setInnerHeight(int height) { m_innerHeight = height; }
    int innerHeight() const { return m_innerHeight; }

    // A user action on the vertical bar (a ScrollBarValues::Code). Ignored while
    // the bar is hidden: there is nothing to scroll then.
    void scroll(int code, int trackPosition = 0);

    // Shows the bar with a range that reaches the content's bottom when the content
    // is taller than the area, hides it otherwise.
    void updateRange();
    int contentBottom() const;

    // Pages until the child is fully visible, or until paging no longer moves
    // anything (bar at its limit, child taller than the area).
    void ensureVisible(int child);

    // Back to the top with a fresh range, then ensureVisible(child) if given.
    void resetBar(std::optional<int> child = std::nullopt);

private:
    void step(int code, int trackPosition = 0);
    void moveChildren();

    ScrollChildren &m_children;
    ScrollBarValues m_bar;
    int m_prevValue = 0;
    int m_innerHeight = 0;
};
