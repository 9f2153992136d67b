#pragma once

#include "dialogs/PrintSurface.h"

#include <QFont>
#include <QPainter>

class QPrinter;

// The tape listing's page on a printer (or a PDF file): positions in twips
// converted to the printer's own units, so that fonts keep their point size.
class QtPrintSurface : public PrintSurface
{
public:
    explicit QtPrintSurface(QPrinter &printer);
    ~QtPrintSurface() override;

    // Starts the document; false when the printer cannot be opened.
    bool begin();
    // False once the printer refused a page or the end of the document.
    bool ok() const { return m_ok; }

    int pageWidth() const override { return m_pageWidth; }
    int pageHeight() const override { return m_pageHeight; }
    int currentX() const override { return m_x; }
    int currentY() const override { return m_y; }
    void setCurrentX(int x) override { m_x = x; }
    void setCurrentY(int y) override { m_y = y; }
    void setFont(const QString &family, int pointSize, bool bold) override;
    int textWidth(const QString &text) const override;
    int textHeight(const QString &text) const override;
    void print(const QString &text) override;
    void newPage() override;
    void endDocument() override;

private:
    double toDevice(int twips) const { return twips * m_resolution / 1440.0; }
    int toTwips(double device) const { return qRound(device * 1440.0 / m_resolution); }

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_resolution;
    int m_pageWidth;
    int m_pageHeight;
    int m_x = 0;
    int m_y = 0;
    bool m_ok = true;
};
