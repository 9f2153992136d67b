#pragma once

#include <QColor>

class QPalette;

// The program's colour notation: 0x00BBGGRR for a fixed colour, 0x800000nn
// for the desktop's system colour with index nn, resolved through the
// current Qt palette so that the styles follow the desktop theme.
QColor TranslateColor(quint32 color);
// The same, with the system colours taken from the given palette (a
// control's own). This is the one table of system colours: every control
// and window resolves 0x800000nn here, so that a colour index means the same
// on the calendar as on the keys.
QColor TranslateColor(quint32 color, const QPalette &palette);

// 0x00BBGGRR for a fixed colour.
quint32 ColorToNotation(const QColor &color);
