#include "app/FirstExpose.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int LatestMs = 1000;

class ExposeWaiter : public QObject
{
public:
    ExposeWaiter(QWidget *window, std::function<void()> work) : QObject(window), m_work(std::move(work))
    {
        QTimer::singleShot(LatestMs, this, &ExposeWaiter::run);
    }

    void run()
    {
        if (!m_work)
            return;
        const std::function<void()> work = std::move(m_work);
        m_work = nullptr;
        work();
        deleteLater();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window draws itself while this event is delivered: the work
        // waits until that is done.
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            QTimer::singleShot(0, this, &ExposeWaiter::run);
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

namespace FirstExpose {

void then(QWidget *window, std::function<void()> work)
{
    // Exposure is an event of the platform window, not of the widget.
    window->winId();
    window->windowHandle()->installEventFilter(new ExposeWaiter(window, std::move(work)));
}

} // namespace FirstExpose
