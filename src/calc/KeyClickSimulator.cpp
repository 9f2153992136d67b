#include "calc/KeyClickSimulator.h"

KeyClickSimulator::KeyClickSimulator(Handler press, Handler release, QObject *parent)
    : QObject(parent),
      m_press(std::move(press)),
      m_release(std::move(release))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(PauseMs);
    connect(&m_timer, &QTimer::timeout, this, &KeyClickSimulator::finishPending);
}

void KeyClickSimulator::click(const KeyboardMap::Click &click)
{
    finishPending();
    if (click.releaseOnly) {
        m_release(click.key, click.releaseButton, 0);
        return;
    }
    m_press(click.key, click.pressButton, 0);
    m_click = click;
    m_pending = true;
    m_timer.start();
}

void KeyClickSimulator::finishPending()
{
    if (!m_pending)
        return;
    m_timer.stop();
    m_pending = false;
    m_release(m_click.key, m_click.releaseButton, 0);
}
