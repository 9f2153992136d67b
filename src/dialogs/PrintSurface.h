#pragma once

#include <QString>

// What the tape listing needs from a page: its size, a current position,
// text measurement and output. Every length is in twips. Printing a text
// puts its top-left corner at the current position, then moves x back to 0
// and y down by the height of one line of the current font.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual int currentX() const = 0;
    virtual int currentY() const = 0;
    virtual void setCurrentX(int x) = 0;
    virtual void setCurrentY(int y) = 0;

    virtual void setFont(const QString &family, int pointSize, bool bold) = 0;
    virtual int textWidth(const QString &text) const = 0;
    virtual int textHeight(const QString &text) const = 0;

    virtual void print(const QString &text) = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
};
