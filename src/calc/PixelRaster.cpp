#include "calc/PixelRaster.h"

#include <QSet>

#include <algorithm>
#include <cstdlib>

namespace {

// Appends p unless it is already there; outlines are small (a few hundred
// pixels), so the set only guards the order-preserving list.
class PixelList
{
public:
    void add(int x, int y)
    {
        const QPoint p(x, y);
        if (seen_.contains(p))
            return;
        seen_.insert(p);
        pixels_.append(p);
    }
    QVector<QPoint> take() { return std::move(pixels_); }

private:
    QSet<QPoint> seen_;
    QVector<QPoint> pixels_;
};

// The offsets (dx, dy >= 0) of one quadrant of an ellipse with the given radii,
// by the midpoint algorithm. Radii of 0 give a single offset or a straight run.
QVector<QPoint> quadrantOffsets(int rx, int ry)
{
    QVector<QPoint> out;
    if (rx <= 0 || ry <= 0) {
        for (int x = 0; x <= rx; ++x)
            out.append(QPoint(x, 0));
        for (int y = 1; y <= ry; ++y)
            out.append(QPoint(0, y));
        return out;
    }
    const qint64 rx2 = qint64(rx) * rx;
    const qint64 ry2 = qint64(ry) * ry;
    qint64 x = 0;
    qint64 y = ry;
    // Region 1: the slope is shallower than -1, step x each time. The decision
    // values are kept multiplied by 4 so that they stay whole numbers.
    qint64 d = 4 * ry2 - 4 * rx2 * ry + rx2;
    while (ry2 * x < rx2 * y) {
        out.append(QPoint(int(x), int(y)));
        if (d >= 0) {
            --y;
            d -= 8 * rx2 * y;
        }
        ++x;
        d += 8 * ry2 * x + 4 * ry2;
    }
    // Region 2: step y each time.
    d = ry2 * (2 * x + 1) * (2 * x + 1) + 4 * rx2 * (y - 1) * (y - 1) - 4 * rx2 * ry2;
    while (y >= 0) {
        out.append(QPoint(int(x), int(y)));
        if (d <= 0) {
            ++x;
            d += 8 * ry2 * x;
        }
        --y;
        d += -8 * rx2 * y + 4 * rx2;
    }
    return out;
}

} // namespace

namespace PixelRaster {

QVector<QPoint> line(QPoint from, QPoint to)
{
    QVector<QPoint> out;
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int sx = to.x() >= from.x() ? 1 : -1;
    const int sy = to.y() >= from.y() ? 1 : -1;
    const int steps = std::max(dx, dy);
    out.reserve(steps);
    int x = from.x();
    int y = from.y();
    // Error term of the major axis; the last pixel (the end point) is never
    // reached because the loop stops one step short of it.
    int err = (dx >= dy ? dx : dy) / 2;
    for (int i = 0; i < steps; ++i) {
        out.append(QPoint(x, y));
        if (dx >= dy) {
            x += sx;
            err -= dy;
            if (err < 0) {
                y += sy;
                err += dx;
            }
        } else {
            y += sy;
            err -= dx;
            if (err < 0) {
                x += sx;
                err += dy;
            }
        }
    }
    return out;
}

QVector<QPoint> circle(int cx, int cy, int radius)
{
    if (radius < 0)
        return {};
    if (radius == 0)
        return {QPoint(cx, cy)};
    PixelList pixels;
    int x = 0;
    int y = radius;
    int d = 1 - radius;
    while (x <= y) {
        // The eight symmetric octants, starting on the left at (cx - r, cy)
        // as the circle's arc starts there.
        pixels.add(cx - y, cy - x);
        pixels.add(cx - x, cy - y);
        pixels.add(cx + x, cy - y);
        pixels.add(cx + y, cy - x);
        pixels.add(cx + y, cy + x);
        pixels.add(cx + x, cy + y);
        pixels.add(cx - x, cy + y);
        pixels.add(cx - y, cy + x);
        if (d < 0) {
            d += 2 * x + 3;
        } else {
            d += 2 * (x - y) + 5;
            --y;
        }
        ++x;
    }
    return pixels.take();
}

QVector<QPoint> roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const int lastX = right - 1;
    const int lastY = bottom - 1;
    if (lastX < left || lastY < top)
        return {};
    // A corner ellipse can take at most half of each side.
    const int rx = std::clamp(ellipseWidth / 2, 0, (lastX - left) / 2);
    const int ry = std::clamp(ellipseHeight / 2, 0, (lastY - top) / 2);
    const int leftCentre = left + rx;
    const int rightCentre = lastX - rx;
    const int topCentre = top + ry;
    const int bottomCentre = lastY - ry;

    PixelList pixels;
    for (int x = leftCentre; x <= rightCentre; ++x) {
        pixels.add(x, top);
        pixels.add(x, lastY);
    }
    for (int y = topCentre; y <= bottomCentre; ++y) {
        pixels.add(left, y);
        pixels.add(lastX, y);
    }
    for (const QPoint &o : quadrantOffsets(rx, ry)) {
        pixels.add(leftCentre - o.x(), topCentre - o.y());
        pixels.add(rightCentre + o.x(), topCentre - o.y());
        pixels.add(rightCentre + o.x(), bottomCentre + o.y());
        pixels.add(leftCentre - o.x(), bottomCentre + o.y());
    }
    return pixels.take();
}

} // namespace PixelRaster
