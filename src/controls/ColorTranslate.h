#pragma once

#include <QColor>

// The program's colour notation: 0x00BBGGRR for a fixed colour, 0x800000nn
// for the desktop's system colour with index nn, resolved through the
// current Qt palette so that the styles follow the desktop theme.
QColor TranslateColor(quint32 color);

// 0x00BBGGRR for a fixed colour.
quint32 ColorToNotation(const QColor &color);
