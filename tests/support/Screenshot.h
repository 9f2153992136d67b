#pragma once

#include <QString>
#include <QWidget>

// Saves a picture of the widget as <name>.png in the folder named by
// TARVOLIX_SCREENSHOTS, for a person to look at; does nothing without it.
inline void saveShot(QWidget &widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("TARVOLIX_SCREENSHOTS");
    if (!dir.isEmpty())
        widget.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}
