#include "tape/TapeFileCommands.h"

#include "calc/CalcEngine.h"
#include "dialogs/AppInfo.h"
#include "dialogs/COpenSaveFile.h"
#include "dialogs/CPrintDlg.h"
#include "dialogs/QtPrintSurface.h"
#include "dialogs/UserPrompt.h"
#include "tape/Tape.h"
#include "tape/TapeDocument.h"
#include "tape/TapeFile.h"
#include "tape/TapePrintLayout.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

TapeFileCommands::TapeFileCommands(Tape &tape, CalcEngine &engine, UserPrompt &prompt, QWidget *window,
                                   TapeDocument &document)
    : m_tape(tape),
      m_engine(engine),
      m_prompt(prompt),
      m_window(window),
      m_document(document)
{
}

void TapeFileCommands::prepare(COpenSaveFile &dialog) const
{
    dialog.setOwner(m_window);
    dialog.setInitDir(QCoreApplication::applicationDirPath());
    dialog.setFilter(filter());
}

bool TapeFileCommands::mayDiscard()
{
    if (!m_document.hasUnsavedChanges())
        return true;
    switch (m_prompt.questionWithCancel(TapeDocument::saveChangesQuestion())) {
    case UserPrompt::Answer::Yes: return save();
    case UserPrompt::Answer::No: return true;
    default: return false;
    }
}

bool TapeFileCommands::save()
{
    if (m_engine.operationInProgress()) {
        m_prompt.message(operationInProgressMessage());
        return false;
    }
    if (m_tape.openLineIndex() == 0) {
        m_prompt.message(emptySaveMessage());
        return false;
    }
    COpenSaveFile dialog;
    prepare(dialog);
    dialog.setOverWritePrompt(true);
    dialog.setDefaultExt(QStringLiteral("dat"));
    if (!showSave(dialog))
        return false;
    const QString message = TapeFile::save(m_tape, dialog.fileName(), AppInfo::version());
    if (!message.isEmpty()) {
        m_prompt.message(message);
        return false;
    }
    m_document.setFile(dialog.fileName());
    return true;
}

void TapeFileCommands::open()
{
    if (!mayDiscard())
        return;
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
    TapeFile::apply(m_tape, m_engine, std::move(loaded.lines));
    m_document.setFile(dialog.fileName());
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
        printer.setPageSize(
            QPageSize(QSizeF(dialog.paperWidth() / 10.0, dialog.paperLength() / 10.0), QPageSize::Millimeter));
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

bool TapeFileCommands::showOpen(COpenSaveFile &dialog) { return dialog.showOpen() > 0; }

bool TapeFileCommands::showSave(COpenSaveFile &dialog) { return dialog.showSave(); }

bool TapeFileCommands::showPrintSetup(CPrintDlg &dialog) { return dialog.showSetup(); }
