#include "medical/BmiSilhouette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace BmiSilhouette {

namespace {
// Half widths of the body parts, growing with the class.
struct Build
{
    double shoulders;
    double belly;
    double hips;
    double limb;
    QColor shirt;
};

const Build Builds[] = {
    {7.0, 4.5, 5.5, 1.6, QColor(0x7f, 0xb2, 0xe0)},    {9.5, 8.0, 8.5, 2.3, QColor(0x5c, 0xb8, 0x5c)},
    {11.0, 12.0, 11.0, 2.9, QColor(0xe8, 0xc0, 0x3a)}, {12.5, 16.0, 13.5, 3.5, QColor(0xe8, 0x8a, 0x30)},
    {14.0, 20.0, 16.0, 4.2, QColor(0xd0, 0x48, 0x3c)},
};

void drawFigure(QPainter &painter, const Build &build)
{
    const double cx = Width / 2.0;
    const QColor skin(0xf1, 0xc2, 0x9b);
    const QColor outline(0x4a, 0x3a, 0x30);
    const QColor trousers(0x3c, 0x4f, 0x74);
    painter.setPen(QPen(outline, 1));

    // Legs.
    painter.setBrush(trousers);
    const double legWidth = build.limb * 2 + build.hips * 0.3;
    // Keep a gap between the legs even for the thinnest figure.
    const double legGap = std::max(legWidth / 2 + 0.8, build.hips * 0.45);
    painter.drawRoundedRect(QRectF(cx - legGap - legWidth / 2, 50, legWidth, 27), 2, 2);
    painter.drawRoundedRect(QRectF(cx + legGap - legWidth / 2, 50, legWidth, 27), 2, 2);

    // Arms, hanging beside the body.
    painter.setBrush(skin);
    const double armX = build.shoulders + build.limb * 0.2;
    painter.drawRoundedRect(QRectF(cx - armX - build.limb * 2, 20, build.limb * 2, 26), 2, 2);
    painter.drawRoundedRect(QRectF(cx + armX, 20, build.limb * 2, 26), 2, 2);

    // Trunk: shoulders, belly, hips.
    QPainterPath trunk;
    trunk.moveTo(cx - build.shoulders, 19);
    trunk.lineTo(cx + build.shoulders, 19);
    trunk.cubicTo(cx + build.belly + 1, 28, cx + build.belly + 1, 42, cx + build.hips, 54);
    trunk.lineTo(cx - build.hips, 54);
    trunk.cubicTo(cx - build.belly - 1, 42, cx - build.belly - 1, 28, cx - build.shoulders, 19);
    trunk.closeSubpath();
    painter.setBrush(build.shirt);
    painter.drawPath(trunk);

    // Head and neck.
    painter.setBrush(skin);
    const double headRadius = 5.5 + build.limb * 0.35;
    painter.drawRect(QRectF(cx - 2, 14, 4, 6));
    painter.drawEllipse(QPointF(cx, 9), headRadius, headRadius);

    // Feet.
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(cx - legGap, 77.5), legWidth / 2 + 1, 1.8);
    painter.drawEllipse(QPointF(cx + legGap, 77.5), legWidth / 2 + 1, 1.8);
}
} // namespace

QPixmap picture(Bmi::Picture which)
{
    const int index = int(which) - int(Bmi::Picture::Thin);
    if (index < 0 || index >= int(std::size(Builds)))
        return QPixmap();
    QPixmap pixmap(Width, Height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFigure(painter, Builds[index]);
    return pixmap;
}

} // namespace BmiSilhouette
