#include "controls/GdiKey.h"

#include "calc/PixelRaster.h"
#include "controls/ColorTranslate.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

// Screen readers see a drawn key as a push button named by its symbol,
// which a "press" action clicks with the left button.
class GdiKeyAccessible : public QAccessibleWidget
{
public:
    explicit GdiKeyAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != pressAction() || !widget()->isEnabled())
            return;
        auto *key = static_cast<GdiKey *>(widget());
        emit key->mouseDown(1, 0);
        emit key->mouseUp(1, 0);
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("GdiKey") && object && object->isWidgetType())
        return new GdiKeyAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

GdiKey::GdiKey(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setSurfaceSize(27, 27);
}

void GdiKey::installAccessibility()
{
    QAccessible::installFactory(accessibleFactory);
}

void GdiKey::setSurfaceSize(int width, int height)
{
    setFixedSize(width, height);
    m_surface = QImage(width, height, QImage::Format_RGB32);
    cls();
}

void GdiKey::setBackColor(quint32 color)
{
    m_backColor = color;
    m_propertiesChanged = true;
    cls();
}

void GdiKey::setForeColor(quint32 color)
{
    m_foreColor = color;
    m_penColor = color;
    m_propertiesChanged = true;
}

void GdiKey::setFillColor(quint32 color)
{
    m_fillColor = color;
    m_propertiesChanged = true;
}

void GdiKey::setDrawMode(int mode)
{
    m_drawMode = mode;
    m_propertiesChanged = true;
}

void GdiKey::cls()
{
    m_surface.fill(TranslateColor(m_backColor));
    m_penPosition = QPoint();
    update();
}

void GdiKey::plot(const QVector<QPoint> &pixels, quint32 color)
{
    const QRgb rgb = TranslateColor(color).rgb();
    for (const QPoint &p : pixels)
        if (m_surface.valid(p))
            m_surface.setPixel(p, rgb);
}

void GdiKey::drawCircle(int cx, int cy, int radius)
{
    plot(PixelRaster::circle(cx, cy, radius), m_penColor);
}

void GdiKey::drawLine(int x2, int y2)
{
    plot(PixelRaster::line(m_penPosition, QPoint(x2, y2)), m_penColor);
    m_penPosition = QPoint(x2, y2);
}

void GdiKey::drawLine(int x2, int y2, int x1, int y1)
{
    m_penPosition = QPoint(x1, y1);
    drawLine(x2, y2);
}

void GdiKey::drawRoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const QVector<QPoint> outline = PixelRaster::roundRect(left, top, right, bottom, ellipseWidth, ellipseHeight);
    if (m_fillStyle == 0) {
        // Solid fill: every row between the outline's leftmost and rightmost pixels.
        QVector<QPoint> inside;
        for (int y = top + 1; y < bottom - 1; ++y) {
            int minX = right, maxX = left - 1;
            for (const QPoint &p : outline)
                if (p.y() == y) {
                    minX = std::min(minX, p.x());
                    maxX = std::max(maxX, p.x());
                }
            for (int x = minX + 1; x < maxX; ++x)
                inside << QPoint(x, y);
        }
        plot(inside, m_fillColor);
    }
    plot(outline, m_penColor);
}

void GdiKey::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), m_surface);
}

void GdiKey::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()));
}

void GdiKey::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()));
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
