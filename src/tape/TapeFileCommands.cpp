#include "tape/TapeFileCommands.h"

#include "calc/CalcEngine.h"
#include "dialogs/AppInfo.h"
#include "dialogs/COpenSaveFile.h"
#include "dialogs/UserPrompt.h"
#include "tape/Tape.h"
#include "tape/TapeDocument.h"
#include "tape/TapeFile.h"
#include "tape/TapePrintLayout.h"
#include "tape/TapePrintModule.h"

#include <QCoreApplication>
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
    const TapePrintModule::Functions *module = TapePrintModule::load();
    if (!module) {
        m_prompt.message(printFailedMessage());
        return;
    }
    const QString message = module->print(m_tape, [this](CPrintDlg &dialog) { return showPrintSetup(dialog); });
    if (!message.isEmpty())
        m_prompt.message(message);
}

bool TapeFileCommands::showOpen(COpenSaveFile &dialog) { return dialog.showOpen() > 0; }

bool TapeFileCommands::showSave(COpenSaveFile &dialog) { return dialog.showSave(); }

bool TapeFileCommands::showPrintSetup(CPrintDlg &dialog)
{
    // The dialog exists only once the module is loaded (print() loaded it).
    const TapePrintModule::Functions *module = TapePrintModule::load();
    return module && module->showSetup(dialog);
}
