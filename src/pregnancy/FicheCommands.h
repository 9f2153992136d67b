#pragma once

#include "pregnancy/PregnancyRecordStore.h"

#include <QDate>
#include <QString>

class FichePicker;
class FicheView;
class UserPrompt;

// The dates of the pregnancy window's three fields; an invalid date stands for a
// field that does not hold a valid date.
struct FicheDates
{
    QDate ddg;
    QDate ddr;
    QDate acc;
};

// The "&Fiche" menu of the pregnancy window: new, open, save and delete a record.
// Holds whether a record is open and its identifier; the window only shows them.
// Every failure leaves the window as it was.
class FicheCommands
{
public:
    FicheCommands(QString recordFile, FicheView &view,
                  QByteArray passphrase = PregnancyRecordStore::defaultPassphrase());

    bool ficheOuverte() const { return m_ficheOuverte; }
    // The identifier of the open record, or "Grossesse".
    QString caption() const { return m_caption; }
    // Title of the input box that asks for the identifier.
    static QString saveTitle();

    // Readies the record file's key so that the command about to be chosen runs
    // without the key derivation's delay: call it when the "&Fiche" menu opens.
    void prepare();

    // "&Nouvelle Fiche"
    void newFiche();
    // "&Ouvrir une Fiche": lists the records in the picker, which opens one.
    void openFiche(UserPrompt &prompt, FichePicker &picker);
    // Loads the record picked in the list; false (after saying so) when it cannot.
    bool openChosen(const QString &name, UserPrompt &prompt);
    // "&Enregistrer la Fiche"; the identifier is asked through `identifierBox`,
    // titled saveTitle().
    void saveFiche(const FicheDates &dates, UserPrompt &prompt, UserPrompt &identifierBox);
    // "&Supprimer la Fiche"
    void deleteFiche(UserPrompt &prompt);

private:
    void setState(const QString &caption, bool ficheOuverte);

    PregnancyRecordStore m_store;
    FicheView &m_view;
    bool m_ficheOuverte = false;
    QString m_caption;
};
