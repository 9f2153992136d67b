// The module "tarvolix_print": the print dialogs and the printed listing of
// the tape, with Qt's printing library (see TapePrintModule.h).
#include "dialogs/CPrintDlg.h"
#include "dialogs/QtPrintSurface.h"
#include "tape/TapeFileCommands.h"
#include "tape/TapePrintLayout.h"
#include "tape/TapePrintModule.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

bool showSetup(CPrintDlg &dialog) { return dialog.showSetup(); }

QString print(const Tape &tape, const TapePrintModule::ShowSetup &askForPrinter)
{
    CPrintDlg dialog;
    dialog.setOwner(QApplication::activeWindow());
    if (!askForPrinter(dialog))
        return {};
    QPrinter &printer = dialog.printer();
    if (QPrinterInfo::availablePrinterNames().contains(dialog.printerName()))
        printer.setPrinterName(dialog.printerName());
    printer.setPaperSource(QPrinter::PaperSource(dialog.defaultSource()));
    if (dialog.paperSize() != QPageSize::Custom)
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(dialog.paperSize())));
    else
        printer.setPageSize(
            QPageSize(QSizeF(dialog.paperWidth() / 10.0, dialog.paperLength() / 10.0), QPageSize::Millimeter));
    printer.setPageOrientation(dialog.orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (dialog.printQuality() > 0)
        printer.setResolution(dialog.printQuality());

    QtPrintSurface surface(printer);
    if (!TapePrintLayout::pageLargeEnough(surface))
        return TapePrintLayout::smallPaperMessage();
    if (!surface.begin())
        return TapeFileCommands::printFailedMessage();
    TapePrintLayout::print(tape, surface);
    return surface.ok() ? QString() : TapeFileCommands::printFailedMessage();
}

} // namespace

extern "C" Q_DECL_EXPORT const TapePrintModule::Functions *tarvolix_print_functions()
{
    static const TapePrintModule::Functions functions{&showSetup, &print};
    return &functions;
}
