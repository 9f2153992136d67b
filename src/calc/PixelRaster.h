#pragma once

#include <QPoint>
#include <QVector>

// The pixels that the key drawing primitives set, in surface pixel
// coordinates. Keeping them as plain pixel lists lets the keys be drawn
// crisply at any device pixel ratio and lets the tests check the faces.
namespace PixelRaster {

// A line from `from` to `to`, the end pixel excluded (as the platform's
// line drawing does). A zero-length line sets no pixel.
QVector<QPoint> line(QPoint from, QPoint to);

// A full circle outline of the given centre and radius (radius 0: the centre
// pixel only). Each pixel appears once.
QVector<QPoint> circle(int cx, int cy, int radius);

// The outline of a rounded rectangle occupying the pixels left..right-1 and
// top..bottom-1, with corner ellipses of the given width and height.
QVector<QPoint> roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

} // namespace PixelRaster
