#include "controls/CaptionLayout.h"

#include <QStringList>

#include <cmath>

namespace CaptionLayout {

namespace {
constexpr int Margin = 3;
const QChar Ellipsis(0x2026);

// Picture sizes may be fractional: coordinates snap to the nearest pixel, ties to even.
int pixel(double value) { return static_cast<int>(std::nearbyint(value)); }

QRect fromEdges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}
} // namespace

quint32 textFlags(bool multiLine, int alignment)
{
    quint32 flags = multiLine ? WordBreak : (SingleLine | VerticalCenter | WordEllipsis);
    if (alignment == Right)
        flags |= AlignRight;
    else if (alignment == Centre)
        flags |= AlignCenter;
    return flags;
}

QChar accessKey(const QString &caption)
{
    const qsizetype amp = caption.indexOf(QLatin1Char('&'));
    if (amp < 0 || amp + 1 >= caption.size())
        return QChar();
    return caption.at(amp + 1);
}

QString plainCaption(const QString &caption)
{
    QString plain = caption;
    const qsizetype amp = plain.indexOf(QLatin1Char('&'));
    if (amp >= 0)
        plain.remove(amp, 1);
    return plain;
}

Placement place(QSize control, std::optional<QSizeF> picture, int disposition,
                const std::function<QSize(const QRect &)> &measure)
{
    const int w = control.width();
    const int h = control.height();
    const QRect inner = fromEdges(Margin, Margin, w - Margin, h - Margin);
    Placement placement{QPoint(), inner};
    if (!picture)
        return placement;
    const double pw = picture->width();
    const double ph = picture->height();
    switch (disposition) {
    case Below: {
        const QSize used = measure ? measure(inner) : QSize();
        placement.caption = QRect(inner.topLeft(), used);
        const int bottom = placement.caption.top() + used.height();
        placement.picture = QPoint(pixel(w - 6 - pw) / 2, bottom + Margin);
        break;
    }
    case LeftOf:
        placement.picture = QPoint(Margin, pixel(h - ph) / 2);
        placement.caption = fromEdges(pixel(pw + 6), Margin, w - Margin, h - Margin);
        break;
    case RightOf: {
        const int x = pixel(w - Margin - pw);
        placement.picture = QPoint(x, pixel(h - ph) / 2);
        placement.caption = fromEdges(Margin, Margin, x - Margin, h - Margin);
        break;
    }
    case Above:
    default:
        placement.picture = QPoint(pixel(w - pw) / 2, Margin);
        placement.caption = fromEdges(Margin, pixel(ph + 6), w - Margin, h - Margin);
        break;
    }
    return placement;
}

QRect focusRect(QSize control, const std::optional<QSizeF> &picture, QPoint picturePos, bool hasBorder)
{
    if (picture && !hasBorder) {
        return QRect(picturePos.x() - 2, picturePos.y() - 2, pixel(picture->width() + 4), pixel(picture->height() + 4));
    }
    return QRect(QPoint(0, 0), control).adjusted(2, 2, -2, -2);
}

QString elideAtWord(const QString &text, int width, const std::function<int(const QString &)> &widthOf)
{
    if (widthOf(text) <= width)
        return text;
    const QStringList words = text.split(QLatin1Char(' '));
    for (qsizetype count = words.size() - 1; count >= 1; --count) {
        const QString candidate = words.mid(0, count).join(QLatin1Char(' ')) + Ellipsis;
        if (widthOf(candidate) <= width)
            return candidate;
    }
    QString cut = words.first();
    while (!cut.isEmpty() && widthOf(cut + Ellipsis) > width)
        cut.chop(1);
    return cut + Ellipsis;
}

} // namespace CaptionLayout
