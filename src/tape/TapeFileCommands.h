#pragma once

#include <QPointer>
#include <QString>

class CalcEngine;
class COpenSaveFile;
class CPrintDlg;
class QWidget;
class Tape;
class TapeDocument;
class UserPrompt;

// The calculator window's "Ouvrir", "Enregistrer" and "Imprimer": the
// dialogs, the checks and messages around the tape file and the listing.
// The document takes the file's name after a save or a load.
class TapeFileCommands
{
public:
    TapeFileCommands(Tape &tape, CalcEngine &engine, UserPrompt &prompt, QWidget *window, TapeDocument &document);
    virtual ~TapeFileCommands() = default;

    void open();
    // Whether the tape was written.
    bool save();
    void print();
    // Before the tape is replaced or dropped: asks whether to save a changed
    // document. False when the user cancels or the save does not happen.
    bool mayDiscard();

    static QString operationInProgressMessage()
    {
        return QStringLiteral("Une opération est en cours.\r\nTerminez la ou annulez la avant de poursuivre.");
    }
    static QString emptySaveMessage()
    {
        return QStringLiteral("Aucune donnée à enregistrer.\r\nLa grille de calculs est vide.");
    }
    static QString printFailedMessage() { return QStringLiteral("Une erreur s'est produite lors de l'impression."); }
    static QString filter() { return QStringLiteral("Calculs (*.dat)|*.dat"); }

protected:
    // The dialogs; tests answer them instead.
    virtual bool showOpen(COpenSaveFile &dialog);
    virtual bool showSave(COpenSaveFile &dialog);
    virtual bool showPrintSetup(CPrintDlg &dialog);

private:
    void prepare(COpenSaveFile &dialog) const;

    Tape &m_tape;
    CalcEngine &m_engine;
    UserPrompt &m_prompt;
    QPointer<QWidget> m_window;
    TapeDocument &m_document;
};
