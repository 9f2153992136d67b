#pragma once

#include <QImage>
#include <QWidget>

// zmtGDICtl: a key without caption or picture that exposes a pixel drawing
// surface. The owner draws the key's face with one-pixel primitives; the
// surface is shown scaled by whole pixels, so the face stays sharp on a
// high-density screen (every screen pixel is the back or the fore colour).
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
    void plot(const QVector<QPoint> &pixels, quint32 color);

    QImage m_surface;
    QPoint m_penPosition;
    quint32 m_backColor = 0x8000000F;
    quint32 m_foreColor = 0x80000012;
    quint32 m_fillColor = 0x80000002;
    quint32 m_penColor = 0x80000012;
    int m_fillStyle = 0;
    int m_drawMode = 13;
    bool m_propertiesChanged = false;
};
