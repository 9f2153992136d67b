#pragma once

#include <functional>

// Value rules of one scroll bar, kept apart from any widget so that they can be
// checked on their own. The widget bar only mirrors what this class decides.
//
// The range is held the way the region thinks of it: `max` is the greatest value,
// i.e. the top of the thumb at the end of the track. A bar that measures its range
// as the whole document (thumb included) gets platformMaximum() instead.
class ScrollBarValues
{
public:
    // Notification codes of a bar action.
    enum Code {
        LineUp = 0,
        LineDown = 1,
        PageUp = 2,
        PageDown = 3,
        ThumbPosition = 4,
        ThumbTrack = 5,
        Top = 6,
        Bottom = 7,
        EndScroll = 8,
    };

    int min() const { return m_min; }
    int max() const { return m_max; }
    int smallChange() const { return m_smallChange; }
    int largeChange() const { return m_largeChange; }
    int value() const { return m_value; }
    bool isShown() const { return m_shown; }

    void setMin(int min) { m_min = min; }
    void setMax(int max) { m_max = max; }
    void setSmallChange(int change) { m_smallChange = change; }
    void setLargeChange(int change) { m_largeChange = change; }
    void setShown(bool shown) { m_shown = shown; }

    // The page is LargeChange, so with this maximum the thumb's top stops at max().
    int platformMaximum() const { return m_max + m_largeChange - 1; }
    int pageSize() const { return m_largeChange; }

    // Stores the value when it differs, then raises Change if the value is not the
    // one last notified.
    void setValue(int value);

    // Applies one bar notification. `trackPosition` is only read for ThumbTrack.
    // Codes above EndScroll are ignored. Bottom goes to the minimum like Top: the
    // region relies on it to return to its starting place.
    void handle(int code, int trackPosition = 0);

    // Raised when the value differs from the last notified one.
    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }
    // Raised while the thumb is dragged, after the value followed it.
    void setScrollHandler(std::function<void()> handler) { m_onScroll = std::move(handler); }

private:
    void notifyIfChanged();
    int clamped(int value) const;

    int m_min = 0;
    int m_max = 100;
    int m_smallChange = 1;
    int m_largeChange = 1;
    int m_value = 0;
    int m_lastNotified = 0;
    bool m_shown = false;
    std::function<void()> m_onChange;
    std::function<void()> m_onScroll;
};
