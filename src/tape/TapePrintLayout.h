#pragma once

#include <QStringList>

class PrintSurface;
class Tape;

// The printed listing of a tape: one row per tape line (the open line
// too), operator and value right-aligned, the comment in bold at the right,
// wrapped to the page, on as many pages as needed.
class TapePrintLayout
{
public:
    static constexpr int TopMargin = 567;
    static constexpr int BottomMargin = 567;
    static constexpr int OperatorRight = 1277;
    static constexpr int ValueRight = 3537;
    static constexpr int WidestValue = 2200;
    static constexpr int CommentLeft = 3597;
    static constexpr int CommentReserve = 4164; // comment width = page width - this
    static constexpr int SmallestPage = 6804; // 12 cm

    static QString emptyTapeMessage()
    {
        return QStringLiteral("Aucune donnée à imprimer.\r\nLa grille de calculs est vide.");
    }
    static QString smallPaperMessage() { return QStringLiteral("Taille minimale de papier = 12 cm x 12 cm."); }

    static bool pageLargeEnough(const PrintSurface &surface);

    // The lines of a comment cell: trimmed, split into paragraphs at line
    // ends, each paragraph wrapped to width.
    static QStringList commentLines(const QString &cell, int width, const PrintSurface &surface);
    // Greedy wrapping at single spaces; a word wider than the width gives
    // "####" and ends the paragraph.
    static QStringList wrap(const QString &paragraph, int width, const PrintSurface &surface);

    // Prints every row and ends the document.
    static void print(const Tape &tape, PrintSurface &surface);
};
