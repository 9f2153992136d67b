#pragma once

#include <functional>

class QWidget;

// Start-up work the first window does not need to be seen (the program's
// icon) runs once that window is on screen and drawn, so that it does not
// delay the window; at the latest after a second, for a window that starts
// minimised or hidden.
namespace FirstExpose {
void then(QWidget *window, std::function<void()> work);
}
