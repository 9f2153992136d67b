// Printing a 10,000-line tape with comments to a PDF file.
#include "calc/CalcEngine.h"
#include "dialogs/QtPrintSurface.h"
#include "tape/Tape.h"
#include "tape/TapePrintLayout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const QString pdf = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/tarvolix-bench.pdf");
    Tape tape;
    for (int i = 0; i < count; ++i) {
        const qint64 row = tape.openLineIndex();
        tape.setCell(row, Tape::OperatorColumn, i % 3 == 0 ? QString() : QStringLiteral("+"));
        tape.setCell(row, Tape::ValueColumn, QString::number(i) + QStringLiteral(",25"));
        if (i % 7 == 0)
            tape.setComment(row,
                            QStringLiteral("Consultation du patient numéro %1, acte technique et "
                                           "déplacement à domicile compris dans le forfait")
                                .arg(i));
        if (i % 50 == 0)
            tape.setCell(row, Tape::ValueColumn, QStringLiteral("123456789012345678901234"));
        tape.appendLine();
    }
    QElapsedTimer timer;
    timer.start();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QtPrintSurface surface(printer);
    if (!surface.begin())
        return 1;
    TapePrintLayout::print(tape, surface);
    const qint64 ms = timer.elapsed();
    std::printf("printed %d lines to %s in %lld ms (%s)\n", count, qPrintable(pdf), (long long)ms,
                ms <= 5000 ? "within target" : "OUT OF TARGET");
    return surface.ok() && ms <= 5000 ? 0 : 2;
}
