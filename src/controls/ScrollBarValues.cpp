#include "controls/ScrollBarValues.h"

#include <algorithm>

void ScrollBarValues::setValue(int value)
{
    if (value != m_value)
        m_value = value;
    notifyIfChanged();
}

void ScrollBarValues::handle(int code, int trackPosition)
{
    switch (code) {
    case LineUp: setValue(std::max(m_value - m_smallChange, m_min)); break;
    case LineDown: setValue(std::min(m_value + m_smallChange, m_max)); break;
    case PageUp: setValue(std::max(m_value - m_largeChange, m_min)); break;
    case PageDown: setValue(std::min(m_value + m_largeChange, m_max)); break;
    case ThumbPosition: break;
    case ThumbTrack:
        // A drag cannot carry the thumb outside the track, whatever the caller passes.
        setValue(clamped(trackPosition));
        if (m_onScroll)
            m_onScroll();
        break;
    case Top:
    case Bottom: setValue(m_min); break;
    case EndScroll: notifyIfChanged(); break;
    default: break;
    }
}

void ScrollBarValues::notifyIfChanged()
{
    if (m_value == m_lastNotified)
        return;
    m_lastNotified = m_value;
    if (m_onChange)
        m_onChange();
}

int ScrollBarValues::clamped(int value) const { return std::clamp(value, m_min, std::max(m_min, m_max)); }
