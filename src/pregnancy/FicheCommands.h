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

// The boxes a record command may show: messages and the delete question, titled
// with the application's title; the input box of the identifier, titled
// FicheCommands::saveTitle(); the masked input box of the practice password, titled
// FicheCommands::passwordTitle().
struct FicheBoxes
{
    UserPrompt &prompt;
    UserPrompt &identifier;
    UserPrompt &password;
};

// The "&Fiche" menu of the pregnancy window: new, open, save and delete a record,
// and the practice password of the record file. Holds whether a record is open and
// its identifier; the window only shows them. Every failure leaves the window and
// the file as they were. With a practice password, the first command that reads
// the file asks for it; its key is then kept until the object goes.
class FicheCommands
{
public:
    static constexpr int MinPasswordLength = 8;

    FicheCommands(QString recordFile, FicheView &view);

    bool ficheOuverte() const { return m_ficheOuverte; }
    // The identifier of the open record, or "Grossesse".
    QString caption() const { return m_caption; }
    // Title of the input box that asks for the identifier.
    static QString saveTitle();
    // Title of the input box that asks for the practice password.
    static QString passwordTitle();

    // Readies the record file's key so that the command about to be chosen runs
    // without the key derivation's delay: call it when the "&Fiche" menu opens.
    void prepare();

    // "&Nouvelle Fiche"
    void newFiche();
    // "&Ouvrir une Fiche": lists the records in the picker, which opens one.
    void openFiche(FicheBoxes boxes, FichePicker &picker);
    // Loads the record picked in the list; false (after saying so) when it cannot.
    bool openChosen(const QString &name, UserPrompt &prompt);
    // "&Enregistrer la Fiche"
    void saveFiche(const FicheDates &dates, FicheBoxes boxes);
    // "&Supprimer la Fiche"
    void deleteFiche(FicheBoxes boxes);
    // "Mot de passe des fiches...": sets, changes or removes the practice password.
    void changePassword(FicheBoxes boxes);

private:
    void setState(const QString &caption, bool ficheOuverte);
    bool unlock(FicheBoxes boxes);
    bool askPassword(FicheBoxes boxes, const QString &question, const QString &wrongTail = QString());
    void rekey(FicheBoxes boxes, QString password, const QString &done);

    PregnancyRecordStore m_store;
    FicheView &m_view;
    bool m_ficheOuverte = false;
    QString m_caption;
};
