#include "controls/GdiKey.h"

#include "calc/PixelRaster.h"
#include "controls/ColorTranslate.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

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
    explicit GdiKeyAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Button)
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

GdiKey::GdiKey(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setSurfaceSize(27, 27);
}

void GdiKey::installAccessibility() { QAccessible::installFactory(accessibleFactory); }

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
    m_strokes.clear();
    m_fineFace = QImage();
    update();
}

// Drawing a shape again replaces its earlier drawing; drawn again in the back
// colour, it takes it away (how the pressed ring is erased), so that a fine
// face keeps no trace of its blended edges.
void GdiKey::record(Stroke stroke)
{
    for (qsizetype i = m_strokes.size() - 1; i >= 0; --i)
        if (m_strokes[i] == stroke) {
            m_strokes.remove(i);
            if (stroke.pen == TranslateColor(m_backColor) && !stroke.fill.isValid()) {
                m_fineFace = QImage();
                return;
            }
            break;
        }
    m_strokes.append(stroke);
    m_fineFace = QImage();
}

const QImage &GdiKey::fineFace(qreal ratio)
{
    if (!m_fineFace.isNull() && qFuzzyCompare(m_fineFace.devicePixelRatio(), ratio))
        return m_fineFace;
    m_fineFace = QImage((QSizeF(m_surface.size()) * ratio).toSize(), QImage::Format_RGB32);
    m_fineFace.setDevicePixelRatio(ratio);
    m_fineFace.fill(TranslateColor(m_backColor));
    QPainter painter(&m_fineFace);
    painter.setRenderHint(QPainter::Antialiasing);
    // A one-pixel line through the centres of the pixels it sets: its square
    // ends cover the first and the last pixel whole.
    const QPointF centre(0.5, 0.5);
    for (const Stroke &s : m_strokes) {
        painter.setPen(QPen(s.pen, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(s.fill.isValid() ? QBrush(s.fill) : QBrush(Qt::NoBrush));
        switch (s.shape) {
        case Stroke::Shape::Line: {
            const QPoint from = s.box.topLeft();
            const QPoint to = s.box.bottomRight();
            const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
            if (steps == 0)
                break;
            // The end pixel is not set: the line stops one step before it.
            const QPointF last = QPointF(from) + QPointF(to - from) * (steps - 1) / steps;
            if (steps == 1) {
                painter.fillRect(QRectF(QPointF(from), QSizeF(1, 1)), s.pen);
                break;
            }
            painter.drawLine(QPointF(from) + centre, last + centre);
            break;
        }
        case Stroke::Shape::Circle: {
            const int radius = s.box.width();
            if (radius == 0)
                painter.fillRect(QRectF(QPointF(s.box.topLeft()), QSizeF(1, 1)), s.pen);
            else
                painter.drawEllipse(QPointF(s.box.topLeft()) + centre, radius, radius);
            break;
        }
        case Stroke::Shape::RoundRect: {
            // The outline's pixels run from left to right - 1 and top to bottom - 1.
            const QRectF outline(QPointF(s.box.topLeft()) + centre, QSizeF(s.box.size() - QSize(1, 1)));
            const qreal rx = std::clamp(s.ellipse.width() / 2, 0, (s.box.width() - 1) / 2);
            const qreal ry = std::clamp(s.ellipse.height() / 2, 0, (s.box.height() - 1) / 2);
            painter.drawRoundedRect(outline, rx, ry);
            break;
        }
        }
    }
    return m_fineFace;
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
    if (radius >= 0)
        record({Stroke::Shape::Circle, QRect(cx, cy, radius, radius), {}, TranslateColor(m_penColor), {}});
}

void GdiKey::drawLine(int x2, int y2)
{
    plot(PixelRaster::line(m_penPosition, QPoint(x2, y2)), m_penColor);
    record({Stroke::Shape::Line, QRect(m_penPosition, QPoint(x2, y2)), {}, TranslateColor(m_penColor), {}});
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
    if (right > left && bottom > top)
        record({Stroke::Shape::RoundRect, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                QSize(ellipseWidth, ellipseHeight), TranslateColor(m_penColor),
                m_fillStyle == 0 ? TranslateColor(m_fillColor) : QColor()});
}

void GdiKey::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ratio > 1) {
        painter.drawImage(rect(), fineFace(ratio));
        return;
    }
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
