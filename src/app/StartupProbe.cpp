#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

class ExposeWatcher : public QObject
{
public:
    ExposeWatcher(QObject *parent, long long startNs) : QObject(parent), m_startNs(startNs) { }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || m_done)
            return false;
        m_done = true;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long elapsed = now.tv_sec * 1000000000LL + now.tv_nsec - m_startNs;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("startup_ns=%lld rss_kb=%ld\n", elapsed, usage.ru_maxrss);
        std::fflush(stdout);
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }

private:
    long long m_startNs;
    bool m_done = false;
};

} // namespace

namespace StartupProbe {

void watch(QWidget *window)
{
    const QByteArray start = qgetenv("TARVOLIX_EXEC_NS");
    if (start.isEmpty() || !window)
        return;
    // Exposure is an event of the platform window, not of the widget.
    window->winId();
    window->windowHandle()->installEventFilter(new ExposeWatcher(window, start.toLongLong()));
}

} // namespace StartupProbe
