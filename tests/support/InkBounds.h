#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

// The bounding box, in the image's own pixels, of the pixels of `area` that
// stand out from `background` (text drawn on a plain ground); an empty
// rectangle when there are none.
inline QRect inkBounds(const QImage &image, const QRect &area, QColor background, int threshold = 64)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                + std::abs(c.blue() - background.blue());
            if (distance > threshold)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

// A logical rectangle of a widget in the pixels of its grab() at the given
// device pixel ratio.
inline QRect devicePixels(const QRect &logical, qreal ratio)
{
    return QRect(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                 QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)));
}
