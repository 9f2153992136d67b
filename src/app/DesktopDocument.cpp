#include "app/DesktopDocument.h"

#include "app/ProductInfo.h"

#include <QDesktopServices>
#include <QUrl>

namespace DesktopDocument {

bool open(const QString &target)
{
    const QUrl url(ProductInfo::urlText(target), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace DesktopDocument
