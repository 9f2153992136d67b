#include "tape/TapeFileCommands.h"

#include "app/AppInfo.h"
#include "calc/CalcEngine.h"
#include "dialogs/COpenSaveFile.h"
#include "dialogs/CPrintDlg.h"
#include "dialogs/QtPrintSurface.h"
#include "dialogs/UserPrompt.h"
#include "tape/Tape.h"
#include "tape/TapeFile.h"
#include "tape/TapePrintLayout.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

TapeFileCommands::TapeFileCommands(Tape &tape, CalcEngine &engine, UserPrompt &prompt, QWidget *window)
    : m_tape(tape), m_engine(engine), m_prompt(prompt), m_window(window)
{
}

void TapeFileCommands::prepare(COpenSaveFile &dialog) const
{
    dialog.setOwner(m_window);
    dialog.setInitDir(QCoreApplication::applicationDirPath());
    dialog.setFilter(filter());
}

void TapeFileCommands::nameWindowAfter(const QString &fileName)
{
    if (m_window)
        m_window->setWindowTitle(AppInfo::title() + QStringLiteral(" - ") + QFileInfo(fileName).fileName());
}

void TapeFileCommands::save()
{
    if (m_engine.operationInProgress()) {
        m_prompt.message(operationInProgressMessage());
        return;
    }
    if (m_tape.openLineIndex() == 0) {
        m_prompt.message(emptySaveMessage());
        return;
    }
    COpenSaveFile dialog;
    prepare(dialog);
    dialog.setOverWritePrompt(true);
    dialog.setDefaultExt(QStringLiteral("dat"));
    if (!showSave(dialog))
        return;
    const QString message = TapeFile::save(m_tape, dialog.fileName(), AppInfo::version());
    if (!message.isEmpty()) {
        m_prompt.message(message);
        return;
    }
    nameWindowAfter(dialog.fileName());
}

void TapeFileCommands::open()
{
    COpenSaveFile dialog;
    prepare(dialog);
    dialog.setFileMustExist(true);
    if (!showOpen(dialog))
        return;
    TapeFile::Loaded loaded = TapeFile::load(dialog.fileName());
    if (!loaded.message.isEmpty()) {
        m_prompt.message(loaded.message);
        return;
    }
    nameWindowAfter(dialog.fileName());
    TapeFile::apply(m_tape, m_engine, std::move(loaded.lines));
}

void TapeFileCommands::print()
{
    if (m_tape.openLineIndex() == 0) {
        m_prompt.message(TapePrintLayout::emptyTapeMessage());
        return;
    }
    CPrintDlg dialog;
    dialog.setOwner(QApplication::activeWindow());
    if (!showPrintSetup(dialog))
        return;
    QPrinter &printer = dialog.printer();
    if (QPrinterInfo::availablePrinterNames().contains(dialog.printerName()))
        printer.setPrinterName(dialog.printerName());
    printer.setPaperSource(QPrinter::PaperSource(dialog.defaultSource()));
    if (dialog.paperSize() != QPageSize::Custom)
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(dialog.paperSize())));
    else
        printer.setPageSize(QPageSize(QSizeF(dialog.paperWidth() / 10.0, dialog.paperLength() / 10.0),
                                      QPageSize::Millimeter));
    printer.setPageOrientation(dialog.orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (dialog.printQuality() > 0)
        printer.setResolution(dialog.printQuality());

    QtPrintSurface surface(printer);
    if (!TapePrintLayout::pageLargeEnough(surface)) {
        m_prompt.message(TapePrintLayout::smallPaperMessage());
        return;
    }
    if (!surface.begin()) {
        m_prompt.message(printFailedMessage());
        return;
    }
    TapePrintLayout::print(m_tape, surface);
    if (!surface.ok())
        m_prompt.message(printFailedMessage());
}

bool TapeFileCommands::showOpen(COpenSaveFile &dialog)
{
    return dialog.showOpen() > 0;
}

bool TapeFileCommands::showSave(COpenSaveFile &dialog)
{
    return dialog.showSave();
}

bool TapeFileCommands::showPrintSetup(CPrintDlg &dialog)
{
    return dialog.showSetup();
}
