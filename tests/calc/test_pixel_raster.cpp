#include "calc/PixelRaster.h"

#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

QSet<QPoint> toSet(const QVector<QPoint> &pixels)
{
    return QSet<QPoint>(pixels.begin(), pixels.end());
}

int neighbourCount(const QSet<QPoint> &set, QPoint p)
{
    int n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx || dy) && set.contains(p + QPoint(dx, dy)))
                ++n;
    return n;
}

// A closed one-pixel outline: every pixel continues on both sides.
bool isClosedOutline(const QSet<QPoint> &set)
{
    return std::all_of(set.begin(), set.end(),
                       [&set](QPoint p) { return neighbourCount(set, p) >= 2; });
}

QRect boundsOf(const QVector<QPoint> &pixels)
{
    QRect r;
    for (const QPoint &p : pixels)
        r |= QRect(p, QSize(1, 1));
    return r;
}

} // namespace

class TestPixelRaster : public QObject
{
    Q_OBJECT

private slots:
    void lineExactPixels_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QVector<QPoint>>("expected");

        QTest::newRow("zero length") << QPoint(5, 5) << QPoint(5, 5) << QVector<QPoint>();
        QTest::newRow("one step") << QPoint(5, 5) << QPoint(6, 5) << QVector<QPoint>{{5, 5}};
        QTest::newRow("right") << QPoint(1, 2) << QPoint(4, 2)
                               << QVector<QPoint>{{1, 2}, {2, 2}, {3, 2}};
        QTest::newRow("left") << QPoint(4, 2) << QPoint(1, 2)
                              << QVector<QPoint>{{4, 2}, {3, 2}, {2, 2}};
        QTest::newRow("down") << QPoint(3, 0) << QPoint(3, 3)
                              << QVector<QPoint>{{3, 0}, {3, 1}, {3, 2}};
        QTest::newRow("up") << QPoint(3, 3) << QPoint(3, 0)
                            << QVector<QPoint>{{3, 3}, {3, 2}, {3, 1}};
        QTest::newRow("diagonal down-left") << QPoint(5, 1) << QPoint(2, 4)
                                            << QVector<QPoint>{{5, 1}, {4, 2}, {3, 3}};
        QTest::newRow("diagonal up-right") << QPoint(0, 3) << QPoint(3, 0)
                                           << QVector<QPoint>{{0, 3}, {1, 2}, {2, 1}};
        QTest::newRow("negative coordinates") << QPoint(-2, -1) << QPoint(1, -1)
                                              << QVector<QPoint>{{-2, -1}, {-1, -1}, {0, -1}};
    }

    void lineExactPixels()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QVector<QPoint>, expected);
        QCOMPARE(PixelRaster::line(from, to), expected);
    }

    void lineFollowsIdealLine_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");

        QTest::newRow("shallow right") << QPoint(0, 0) << QPoint(9, 2);
        QTest::newRow("shallow left up") << QPoint(9, 4) << QPoint(0, 1);
        QTest::newRow("steep down") << QPoint(2, 0) << QPoint(5, 11);
        QTest::newRow("steep up left") << QPoint(17, 7) << QPoint(9, 19);
        QTest::newRow("one off diagonal") << QPoint(0, 0) << QPoint(6, 7);
        QTest::newRow("long") << QPoint(-40, 3) << QPoint(60, -17);
    }

    // Any slope: one pixel per step of the major axis, 8-connected, never more
    // than half a pixel from the ideal line, starting at `from` and stopping just
    // before `to`.
    void lineFollowsIdealLine()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const QVector<QPoint> pixels = PixelRaster::line(from, to);
        const int dx = to.x() - from.x();
        const int dy = to.y() - from.y();
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        const int steps = std::max(std::abs(dx), std::abs(dy));

        QCOMPARE(pixels.size(), steps);
        QCOMPARE(pixels.first(), from);
        QVERIFY(!pixels.contains(to));
        for (int i = 0; i < pixels.size(); ++i) {
            const QPoint p = pixels[i];
            if (i > 0) {
                const QPoint step = p - pixels[i - 1];
                QVERIFY2(std::abs(step.x()) <= 1 && std::abs(step.y()) <= 1, "gap in the line");
                QCOMPARE(std::abs(xMajor ? step.x() : step.y()), 1);
            }
            const double t = double(i) / steps;
            const double idealMinor = xMajor ? from.y() + t * dy : from.x() + t * dx;
            const int minor = xMajor ? p.y() : p.x();
            QVERIFY2(std::abs(minor - idealMinor) <= 0.5 + 1e-9,
                     qPrintable(QStringLiteral("pixel %1,%2 strays").arg(p.x()).arg(p.y())));
        }
        const QPoint last = pixels.last();
        QVERIFY2(std::abs(to.x() - last.x()) <= 1 && std::abs(to.y() - last.y()) <= 1,
                 "the line stops short of its end");
    }

    // A polyline drawn segment by segment, each continuing from the end of the
    // previous one, sets each joint once; a closed one sets every corner.
    void lineContinuation()
    {
        const QVector<QPoint> corners{{2, 2}, {12, 2}, {12, 9}, {2, 9}, {2, 2}};
        QVector<QPoint> all;
        for (int i = 0; i + 1 < corners.size(); ++i)
            all += PixelRaster::line(corners[i], corners[i + 1]);
        const QSet<QPoint> set = toSet(all);
        QCOMPARE(set.size(), all.size());
        QCOMPARE(all.size(), 2 * 10 + 2 * 7);
        for (const QPoint &c : corners)
            QVERIFY(set.contains(c));
        QVERIFY(isClosedOutline(set));

        const QVector<QPoint> open = PixelRaster::line({0, 0}, {3, 0}) + PixelRaster::line({3, 0}, {3, 3});
        QCOMPARE(open, (QVector<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));
    }

    void circleShape_data()
    {
        QTest::addColumn<int>("cx");
        QTest::addColumn<int>("cy");
        QTest::addColumn<int>("radius");

        QTest::newRow("r1") << 5 << 5 << 1;
        QTest::newRow("r2") << 5 << 5 << 2;
        QTest::newRow("r5") << 0 << 0 << 5;
        QTest::newRow("r11 key") << 13 << 13 << 11;
        QTest::newRow("r12 ring") << 13 << 13 << 12;
        QTest::newRow("r13 outline") << 13 << 13 << 13;
        QTest::newRow("r40 off centre") << -7 << 21 << 40;
    }

    void circleShape()
    {
        QFETCH(int, cx);
        QFETCH(int, cy);
        QFETCH(int, radius);
        const QVector<QPoint> pixels = PixelRaster::circle(cx, cy, radius);
        const QSet<QPoint> set = toSet(pixels);

        QCOMPARE(set.size(), pixels.size()); // each pixel once
        QCOMPARE(pixels.first(), QPoint(cx - radius, cy)); // the arc starts on the left
        QCOMPARE(boundsOf(pixels), QRect(cx - radius, cy - radius, 2 * radius + 1, 2 * radius + 1));
        QVERIFY(isClosedOutline(set));
        for (const QPoint &p : pixels) {
            const double distance = std::hypot(p.x() - cx, p.y() - cy);
            QVERIFY2(std::abs(distance - radius) < 0.75,
                     qPrintable(QStringLiteral("pixel %1,%2 off the circle").arg(p.x()).arg(p.y())));
            // Symmetric under both mirrors and the diagonal swap.
            const int dx = p.x() - cx;
            const int dy = p.y() - cy;
            QVERIFY(set.contains({cx - dx, cy + dy}));
            QVERIFY(set.contains({cx + dx, cy - dy}));
            QVERIFY(set.contains({cx + dy, cy + dx}));
        }
    }

    void circleDegenerate()
    {
        QCOMPARE(PixelRaster::circle(4, 7, 0), QVector<QPoint>{QPoint(4, 7)});
        QVERIFY(PixelRaster::circle(4, 7, -1).isEmpty());
    }

    // The midpoint rule picks, for each column of an octant, the row nearest the
    // true circle: at radius 3 that is the familiar 16-pixel ring.
    void circleSmallExact()
    {
        QSet<QPoint> expected;
        for (const QPoint &o : {QPoint(0, 3), QPoint(1, 3), QPoint(2, 2)})
            for (int sx : {-1, 1})
                for (int sy : {-1, 1}) {
                    expected.insert({10 + sx * o.x(), 20 + sy * o.y()});
                    expected.insert({10 + sy * o.y(), 20 + sx * o.x()});
                }
        const QVector<QPoint> pixels = PixelRaster::circle(10, 20, 3);
        QCOMPARE(pixels.size(), 16);
        QCOMPARE(toSet(pixels), expected);
    }

    // The key's outline fills its 27 x 27 surface exactly, and the pressed ring
    // lies wholly inside it without sharing a pixel, so erasing the ring never
    // eats into the outline.
    void keyOutlineAndRing()
    {
        const QVector<QPoint> outline = PixelRaster::circle(13, 13, 13);
        const QVector<QPoint> ring = PixelRaster::circle(13, 13, 12);
        QCOMPARE(boundsOf(outline), QRect(0, 0, 27, 27));
        QVERIFY(!toSet(outline).intersects(toSet(ring)));
        const QSet<QPoint> outlineSet = toSet(outline);
        for (const QPoint &p : ring) {
            // Inside: the outline lies further out on the same row.
            bool leftFound = false;
            bool rightFound = false;
            for (const QPoint &o : outline) {
                if (o.y() != p.y())
                    continue;
                leftFound = leftFound || o.x() < p.x();
                rightFound = rightFound || o.x() > p.x();
            }
            QVERIFY(leftFound && rightFound);
        }
    }

    void roundRect_data()
    {
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("ew");
        QTest::addColumn<int>("eh");

        QTest::newRow("grid key") << QRect(0, 0, 75, 21) << 14 << 14;
        QTest::newRow("square corners") << QRect(3, 4, 10, 6) << 0 << 0;
        QTest::newRow("wide corners") << QRect(2, 1, 40, 12) << 20 << 8;
        QTest::newRow("oversized corners") << QRect(0, 0, 9, 7) << 30 << 30;
        QTest::newRow("offset box") << QRect(-5, 10, 30, 15) << 6 << 10;
    }

    void roundRect()
    {
        QFETCH(QRect, box);
        QFETCH(int, ew);
        QFETCH(int, eh);
        const QVector<QPoint> pixels = PixelRaster::roundRect(box.left(), box.top(), box.right() + 1,
                                                              box.bottom() + 1, ew, eh);
        const QSet<QPoint> set = toSet(pixels);
        QCOMPARE(set.size(), pixels.size());
        QCOMPARE(boundsOf(pixels), box); // touches each side, never leaves the box
        QVERIFY(isClosedOutline(set));
        // Mirror symmetric, as the four corners are alike.
        for (const QPoint &p : pixels) {
            QVERIFY(set.contains({box.left() + box.right() - p.x(), p.y()}));
            QVERIFY(set.contains({p.x(), box.top() + box.bottom() - p.y()}));
        }
        const bool rounded = ew >= 2 && eh >= 2;
        QCOMPARE(set.contains(box.topLeft()), !rounded);
        QCOMPARE(set.contains(box.bottomRight()), !rounded);
    }

    void roundRectGridKey()
    {
        const QSet<QPoint> set = toSet(PixelRaster::roundRect(0, 0, 75, 21, 14, 14));
        // Corners of radius 7 centred 7 pixels in: they reach the sides at 7 and
        // cross the diagonal at 2, well inside the corner of the box.
        for (const QPoint &p : {QPoint(7, 0), QPoint(0, 7), QPoint(2, 2), QPoint(72, 2), QPoint(2, 18),
                                QPoint(72, 18), QPoint(67, 20), QPoint(74, 13)})
            QVERIFY2(set.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        for (const QPoint &p : {QPoint(0, 0), QPoint(1, 1), QPoint(73, 19), QPoint(74, 20), QPoint(0, 20)})
            QVERIFY2(!set.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }

    void roundRectDegenerate()
    {
        QVERIFY(PixelRaster::roundRect(5, 5, 5, 9, 4, 4).isEmpty());
        QVERIFY(PixelRaster::roundRect(5, 5, 9, 4, 4, 4).isEmpty());
        QCOMPARE(PixelRaster::roundRect(5, 5, 6, 6, 4, 4), QVector<QPoint>{QPoint(5, 5)});
    }
};

QTEST_APPLESS_MAIN(TestPixelRaster)
#include "test_pixel_raster.moc"
