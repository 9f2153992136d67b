#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal dialog once it is shown (the dialogs run their own
// event loop, so the test reaches them from a timer).
template<typename Dialog>
void whenShown(std::function<void(Dialog *)> action, int triesLeft = 200)
{
    QTimer::singleShot(10, [action, triesLeft] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            action(dialog);
            return;
        }
        if (triesLeft > 0)
            whenShown<Dialog>(action, triesLeft - 1);
    });
}
