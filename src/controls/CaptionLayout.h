#pragma once

#include <QChar>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

// Geometry and text rules of the caption button: where the picture and the
// caption go, which text-drawing flags apply, and which key is the access key.
namespace CaptionLayout {

// Text-drawing flags, with the values of the classic text-drawing call.
enum TextFlag : quint32 {
    AlignLeft = 0x0,
    AlignCenter = 0x1,
    AlignRight = 0x2,
    VerticalCenter = 0x4,
    WordBreak = 0x10,
    SingleLine = 0x20,
    WordEllipsis = 0x40000,
};

enum Alignment { Left = 0, Right = 1, Centre = 2 };
enum Disposition { Above = 0, Below = 1, LeftOf = 2, RightOf = 3 };

quint32 textFlags(bool multiLine, int alignment);

// The character after the first "&", or a null character when there is none.
QChar accessKey(const QString &caption);
// The caption as read aloud: without the "&" that marks the access key.
QString plainCaption(const QString &caption);

struct Placement
{
    QPoint picture; // top-left corner of the picture
    QRect caption; // where the caption is drawn
};

// `measure` gives the size the caption takes when laid out in the given rectangle
// (used only when the picture stands below the caption). Without a picture the
// caption takes the control less a 3-pixel margin.
Placement place(QSize control, std::optional<QSizeF> picture, int disposition,
                const std::function<QSize(const QRect &)> &measure);

// The dotted focus rectangle: around the picture when there is one and no frame,
// otherwise the control less a 2-pixel margin.
QRect focusRect(QSize control, const std::optional<QSizeF> &picture, QPoint picturePos, bool hasBorder);

// Cuts a one-line caption that does not fit at a word boundary and ends it with
// an ellipsis; a first word too long on its own is cut where it overflows.
QString elideAtWord(const QString &text, int width, const std::function<int(const QString &)> &widthOf);

} // namespace CaptionLayout
