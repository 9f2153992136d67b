#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

// The item of the window's menus that reads `text`, or none.
inline QAction *menuAction(QMainWindow &window, const QString &text)
{
    for (QAction *menu : window.menuBar()->actions())
        for (QAction *item : menu->menu()->actions())
            if (item->text() == text)
                return item;
    return nullptr;
}
