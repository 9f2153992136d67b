#include "dialogs/QtPrintSurface.h"

#include <QFontMetricsF>
#include <QPrinter>

QtPrintSurface::QtPrintSurface(QPrinter &printer) : m_printer(printer), m_resolution(printer.resolution())
{
    // The listing's margins are measured from the paper's edges.
    m_printer.setFullPage(true);
    const QRect paper = m_printer.pageLayout().fullRectPixels(m_printer.resolution());
    m_pageWidth = toTwips(paper.width());
    m_pageHeight = toTwips(paper.height());
}

QtPrintSurface::~QtPrintSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool QtPrintSurface::begin()
{
    m_ok = m_painter.begin(&m_printer);
    if (m_ok)
        m_painter.setPen(Qt::black);
    return m_ok;
}

void QtPrintSurface::setFont(const QString &family, int pointSize, bool bold)
{
    m_font = QFont(family);
    m_font.setPointSize(pointSize);
    m_font.setBold(bold);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

int QtPrintSurface::textWidth(const QString &text) const
{
    return toTwips(QFontMetricsF(m_font, &m_printer).horizontalAdvance(text));
}

int QtPrintSurface::textHeight(const QString &) const { return toTwips(QFontMetricsF(m_font, &m_printer).height()); }

void QtPrintSurface::print(const QString &text)
{
    const QFontMetricsF metrics(m_font, &m_printer);
    if (m_painter.isActive() && !text.isEmpty())
        m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
    m_x = 0;
    m_y += toTwips(metrics.height());
}

void QtPrintSurface::newPage()
{
    if (!m_printer.newPage())
        m_ok = false;
    m_y = 0;
}

void QtPrintSurface::endDocument()
{
    if (m_painter.isActive() && !m_painter.end())
        m_ok = false;
}
