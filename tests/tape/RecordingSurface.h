#pragma once

#include "dialogs/PrintSurface.h"

#include <QList>

// A page that records what is printed where. Every character is 100 twips
// wide (120 in bold) and a line is 240 twips high.
class RecordingSurface : public PrintSurface
{
public:
    struct Print
    {
        int page;
        int x;
        int y;
        QString text;
        bool bold;
    };

    RecordingSurface(int width = 11906, int height = 16838) : m_width(width), m_height(height) {}

    static constexpr int LineHeight = 240;

    int pageWidth() const override { return m_width; }
    int pageHeight() const override { return m_height; }
    int currentX() const override { return m_x; }
    int currentY() const override { return m_y; }
    void setCurrentX(int x) override { m_x = x; }
    void setCurrentY(int y) override { m_y = y; }
    void setFont(const QString &family, int pointSize, bool bold) override
    {
        family_ = family;
        pointSize_ = pointSize;
        m_bold = bold;
    }
    int textWidth(const QString &text) const override { return int(text.size()) * (m_bold ? 120 : 100); }
    int textHeight(const QString &) const override { return LineHeight; }
    void print(const QString &text) override
    {
        prints.append({page, m_x, m_y, text, m_bold});
        m_x = 0;
        m_y += LineHeight;
    }
    void newPage() override
    {
        ++page;
        m_y = 0;
    }
    void endDocument() override { ++ended; }

    QList<Print> prints;
    int page = 1;
    int ended = 0;
    QString family_;
    int pointSize_ = 0;

private:
    int m_width;
    int m_height;
    int m_x = 0;
    int m_y = 0;
    bool m_bold = false;
};
