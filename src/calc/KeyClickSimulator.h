#pragma once

#include "calc/KeyboardMap.h"

#include <QObject>
#include <QTimer>
#include <functional>

// A keyboard key simulates a click on a keypad key: press, a pause of
// 100 ms, release. The pause runs on a timer so the window never freezes;
// a key that arrives during the pause first completes the pending release,
// so a fast burst of keys is applied completely and in order.
class KeyClickSimulator : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(KeyId key, int button, int shift)>;
    static constexpr int PauseMs = 100;

    KeyClickSimulator(Handler press, Handler release, QObject *parent = nullptr);

    void click(const KeyboardMap::Click &click);
    // Completes a pending release at once (for example before a menu command).
    void finishPending();
    bool hasPending() const { return m_pending; }

private:
    Handler m_press;
    Handler m_release;
    QTimer m_timer;
    KeyboardMap::Click m_click;
    bool m_pending = false;
};
