#pragma once

class QWidget;

// For the start-up benchmark only: when TARVOLIX_EXEC_NS holds the
// CLOCK_MONOTONIC time (in ns) at which the benchmark started the program,
// the first exposure of the window prints "startup_ns=<elapsed> rss_kb=<peak>"
// and quits. Without that variable it does nothing.
namespace StartupProbe {
void watch(QWidget *window);
}
