#pragma once

#include <QImage>
#include <QWidget>

// zmtGDICtl: a key without caption or picture that exposes a pixel drawing
// surface. The owner draws the key's face with one-pixel primitives. At a
// device pixel ratio of 1 the screen shows exactly those pixels; above it,
// the same circles, lines and rounded rectangles are drawn again at the
// device's resolution, anti-aliased, so that the face stays a crisp drawing.
class GdiKey : public QWidget
{
    Q_OBJECT
public:
    explicit GdiKey(QWidget *parent = nullptr);

    // Colours in the program's notation (see ColorTranslate.h).
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 color); // also clears the surface
    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 color); // also selects it as the pen
    quint32 fillColor() const { return m_fillColor; }
    void setFillColor(quint32 color);
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    int drawMode() const { return m_drawMode; }
    void setDrawMode(int mode);
    // Whether a colour or the draw mode was written (for saving designs).
    bool propertiesChanged() const { return m_propertiesChanged; }

    // The surface: resizing the key resizes it (cleared).
    void setSurfaceSize(int width, int height);
    const QImage &surface() const { return m_surface; }

    void setPenColor(quint32 color) { m_penColor = color; }
    void cls();
    void refresh() { update(); }
    void drawCircle(int cx, int cy, int radius);
    void drawLine(int x2, int y2);
    void drawLine(int x2, int y2, int x1, int y1);
    void drawRoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

    static void installAccessibility();

signals:
    void mouseDown(int button, int shift);
    void mouseUp(int button, int shift);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // One drawing call, kept to draw the face again at a finer resolution.
    struct Stroke
    {
        enum class Shape { Line, Circle, RoundRect } shape;
        QRect box; // line: from (top left) and to (bottom right); circle: centre and radius; rect
        QSize ellipse; // rounded rectangle corners
        QColor pen;
        QColor fill; // invalid: not filled
        bool operator==(const Stroke &other) const
        {
            return shape == other.shape && box == other.box && ellipse == other.ellipse;
        }
    };
    void plot(const QVector<QPoint> &pixels, quint32 color);
    void record(Stroke stroke);
    const QImage &fineFace(qreal ratio);

    QImage m_surface;
    QVector<Stroke> m_strokes; // since the surface was last cleared
    QImage m_fineFace; // the strokes at the screen's ratio, when above 1
    QPoint m_penPosition;
    quint32 m_backColor = 0x8000000F;
    quint32 m_foreColor = 0x80000012;
    quint32 m_fillColor = 0x80000002;
    quint32 m_penColor = 0x80000012;
    int m_fillStyle = 0;
    int m_drawMode = 13;
    bool m_propertiesChanged = false;
};
