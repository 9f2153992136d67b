#pragma once

#include <QString>

// Opening a document or address through the desktop: a mail composer for
// a "mailto:" target, the browser for a web address.
namespace DesktopDocument {

// Whether the desktop accepted the request; callers may ignore a failure.
bool open(const QString &target);

} // namespace DesktopDocument
