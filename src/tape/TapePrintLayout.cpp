#include "tape/TapePrintLayout.h"

#include "dialogs/PrintSurface.h"
#include "tape/Tape.h"

#include <QRegularExpression>

namespace {

const QString FontFamily = QStringLiteral("Arial");
constexpr int FontSize = 10;

// A new page when the row would run into the bottom reserve; rows never
// start above the top margin.
void pageCheck(PrintSurface &surface)
{
    const int reserve = surface.textHeight(QStringLiteral("0000")) + TapePrintLayout::BottomMargin;
    if (surface.pageHeight() - reserve < surface.currentY())
        surface.newPage();
    if (surface.currentY() < TapePrintLayout::TopMargin)
        surface.setCurrentY(TapePrintLayout::TopMargin);
}

void printAt(PrintSurface &surface, int x, const QString &text)
{
    surface.setCurrentX(x);
    surface.print(text);
}

} // namespace

bool TapePrintLayout::pageLargeEnough(const PrintSurface &surface)
{
    return surface.pageWidth() >= SmallestPage && surface.pageHeight() >= SmallestPage;
}

QStringList TapePrintLayout::wrap(const QString &paragraph, int width, const PrintSurface &surface)
{
    if (surface.textWidth(paragraph) <= width)
        return {paragraph};
    QStringList lines;
    const QStringList words = paragraph.split(QLatin1Char(' '));
    QString current;
    for (qsizetype i = 0; i < words.size();) {
        const QString candidate = (current + QLatin1Char(' ') + words[i]).trimmed();
        if (surface.textWidth(candidate) <= width) {
            current = candidate;
            ++i;
        } else if (current.isEmpty()) {
            lines << QStringLiteral("####");
            return lines;
        } else {
            lines << current;
            current.clear();
        }
    }
    lines << current;
    return lines;
}

QStringList TapePrintLayout::commentLines(const QString &cell, int width, const PrintSurface &surface)
{
    // CR LF is the tape's own line end; a bare LF or CR from a pasted text
    // must not print as a stray character either.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines;
    for (const QString &paragraph : cell.trimmed().split(lineEnd))
        lines << wrap(paragraph, width, surface);
    return lines;
}

void TapePrintLayout::print(const Tape &tape, PrintSurface &surface)
{
    surface.setFont(FontFamily, FontSize, false);
    surface.setCurrentY(0);
    const int commentWidth = surface.pageWidth() - CommentReserve;
    for (qint64 row = 0; row < tape.rowCount(); ++row) {
        const TapeLine &line = tape.line(row);
        pageCheck(surface);
        const int top = surface.currentY();

        const QString op = line.cell(Tape::OperatorColumn);
        printAt(surface, OperatorRight - surface.textWidth(op), op);

        surface.setCurrentY(top);
        QString value = line.cell(Tape::ValueColumn);
        // On paper, without the colours, a replaced value shows by its brackets.
        if (tape.isStruckOut(row))
            value = QLatin1Char('(') + value + QLatin1Char(')');
        if (surface.textWidth(value) > WidestValue)
            value = QStringLiteral("###########");
        printAt(surface, ValueRight - surface.textWidth(value), value);

        const QString comment = line.cell(Tape::CommentColumn);
        if (comment.isEmpty())
            continue;
        surface.setFont(FontFamily, FontSize, true);
        const QStringList lines = commentLines(comment, commentWidth, surface);
        surface.setCurrentY(top);
        printAt(surface, CommentLeft, lines.first());
        for (qsizetype i = 1; i < lines.size(); ++i) {
            pageCheck(surface);
            printAt(surface, CommentLeft, lines[i]);
        }
        surface.setFont(FontFamily, FontSize, false);
    }
    surface.endDocument();
}
