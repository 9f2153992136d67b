#pragma once

#include <QString>

// One line of the calculation tape: four cells, the background colour of
// columns 0 and 1 (which tells the line's kind) and the text colour of
// column 1. Colours are in the program's notation (0x00BBGGRR, or
// 0x800000nn for system colour nn); 0 means "none set".
struct TapeLine
{
    QString cells[4];
    quint32 backColor = 0;
    quint32 valueForeColor = 0;
};
