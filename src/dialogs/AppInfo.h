#pragma once

#include <QString>

// The application's title (message boxes, input boxes) and version.
namespace AppInfo {
inline QString title() { return QStringLiteral("Tarvolix"); }
inline QString version()
{
    return QStringLiteral("%1.%2.%3")
        .arg(TARVOLIX_VERSION_MAJOR)
        .arg(TARVOLIX_VERSION_MINOR)
        .arg(TARVOLIX_VERSION_PATCH);
}
} // namespace AppInfo
