#include "pregnancy/FicheCommands.h"

#include "dialogs/UserPrompt.h"
#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/FichePicker.h"
#include "pregnancy/FicheView.h"
#include "pregnancy/SqlCipherKey.h"

#include <QStringList>

#include <algorithm>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString noRecordCaption() { return QStringLiteral("Grossesse"); }

// One line per field without a valid date, in the order of the fields.
QString invalidDateLines(const FicheDates &dates)
{
    QStringList lines;
    if (!dates.ddg.isValid())
        lines << QStringLiteral("La date de début de grossesse n'est pas valide.");
    if (!dates.ddr.isValid())
        lines << QStringLiteral("La date des dernières règles n'est pas valide.");
    if (!dates.acc.isValid())
        lines << QStringLiteral("La date d'accouchement n'est pas valide.");
    return lines.join(LineBreak);
}

QString dataFileMessage()
{
    return QStringLiteral("Le fichier de données (Fiches.gro) n'a pas pu être ouvert.") + LineBreak
        + QStringLiteral("Eventuellement, réinstallez l'application.");
}

QString passwordUnchanged(const QString &why) { return why + LineBreak + QStringLiteral("Mot de passe inchangé."); }

// The bytes a password is keyed from, however its accents were typed; the text
// typed is wiped on the way.
QByteArray passwordBytes(QString &typed)
{
    QString composed = typed.normalized(QString::NormalizationForm_C);
    SqlCipherKey::wipe(typed);
    QByteArray bytes = composed.toUtf8();
    SqlCipherKey::wipe(composed);
    return bytes;
}

qsizetype characterCount(const QString &text)
{
    return text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

QString saveFailure(RecordStoreStatus status, const QString &name)
{
    if (status == RecordStoreStatus::Duplicate)
        return QStringLiteral("Une fiche '") + name + QStringLiteral("' existe déjà.") + LineBreak
            + QStringLiteral("Recommencez en modifiant l'identifiant, ou ouvrez ")
            + QStringLiteral("la fiche existante pour la modifier ou la supprimer.");
    return QStringLiteral("Impossible d'enregistrer la fiche.");
}

} // namespace

FicheCommands::FicheCommands(QString recordFile, FicheView &view)
    : m_store(std::move(recordFile)),
      m_view(view),
      m_caption(noRecordCaption())
{
}

QString FicheCommands::saveTitle() { return QStringLiteral("Enregistrer une fiche"); }

QString FicheCommands::passwordTitle() { return QStringLiteral("Fiches Grossesse"); }

bool FicheCommands::askPassword(FicheBoxes boxes, const QString &question, const QString &wrongTail)
{
    QString typed = boxes.password.input(question, QString());
    if (typed.isEmpty())
        return false;
    QByteArray password = passwordBytes(typed);
    const RecordStoreStatus status = m_store.unlock(password);
    SqlCipherKey::wipe(password);
    if (status == RecordStoreStatus::Locked)
        boxes.prompt.message(QStringLiteral("Mot de passe incorrect.") + wrongTail);
    else if (status != RecordStoreStatus::Ok)
        boxes.prompt.message(dataFileMessage());
    return status == RecordStoreStatus::Ok;
}

// False when the command is to end: the password was wrong, or not given.
bool FicheCommands::unlock(FicheBoxes boxes)
{
    // Other failures are the command's own to report.
    if (m_store.check() != RecordStoreStatus::Locked)
        return true;
    return askPassword(boxes, QStringLiteral("Saisissez le mot de passe des fiches."));
}

void FicheCommands::setState(const QString &caption, bool ficheOuverte)
{
    m_caption = caption;
    m_ficheOuverte = ficheOuverte;
    m_view.showFicheState(caption, ficheOuverte);
}

void FicheCommands::prepare() { m_store.prepareKey(); }

void FicheCommands::newFiche()
{
    m_view.clearPregnancy();
    setState(noRecordCaption(), false);
}

void FicheCommands::openFiche(FicheBoxes boxes, FichePicker &picker)
{
    if (!unlock(boxes))
        return;
    QStringList names;
    if (m_store.names(names) != RecordStoreStatus::Ok) {
        boxes.prompt.message(dataFileMessage());
        return;
    }
    if (names.isEmpty()) {
        boxes.prompt.message(QStringLiteral("Le fichier de données est vide."));
        return;
    }
    picker.pick(names, [this](const QString &name, UserPrompt &listPrompt) { return openChosen(name, listPrompt); });
}

bool FicheCommands::openChosen(const QString &name, UserPrompt &prompt)
{
    PregnancyRecord record;
    if (m_store.find(name, record) != RecordStoreStatus::Ok) {
        prompt.message(QStringLiteral("Impossible d'ouvrir la fiche de ") + name);
        return false;
    }
    m_view.showPregnancy(record.ddg, record.ddr, record.acc);
    setState(record.name, true);
    return true;
}

void FicheCommands::saveFiche(const FicheDates &dates, FicheBoxes boxes)
{
    UserPrompt &prompt = boxes.prompt;
    if (const QString lines = invalidDateLines(dates); !lines.isEmpty()) {
        prompt.message(lines + LineBreak + QStringLiteral("Corrigez et réessayez."));
        return;
    }
    if (!unlock(boxes))
        return;
    // An answer of blanks is no answer.
    QString name = boxes.identifier
                       .input(QStringLiteral("Saisissez un identifiant unique (60 caractères maximum) pour cette fiche")
                                  + QStringLiteral(" (doublons interdits)."),
                              m_ficheOuverte ? m_caption : QString())
                       .trimmed();
    if (name.isEmpty())
        return;
    if (FicheIdentifier::hasHiddenCharacters(name)) {
        prompt.message(QStringLiteral("L'identifiant contient un caractère invisible, de contrôle ou de sens "
                                      "d'écriture.")
                       + LineBreak + QStringLiteral("Enregistrement annulé."));
        return;
    }
    if (FicheIdentifier::isReserved(name)) {
        prompt.message(QStringLiteral("Cet identifiant est réservé.") + LineBreak
                       + QStringLiteral("Enregistrement annulé."));
        return;
    }
    name = FicheIdentifier::cut(name).trimmed();
    const bool overwrite = m_ficheOuverte && FicheIdentifier::sameIdentifier(name, m_caption);
    const RecordStoreStatus status =
        m_store.save({name, dates.ddg, dates.ddr, dates.acc}, overwrite ? m_caption : QString());
    if (status != RecordStoreStatus::Ok) {
        prompt.message(saveFailure(status, name));
        return;
    }
    setState(name, true);
}

void FicheCommands::deleteFiche(FicheBoxes boxes)
{
    UserPrompt &prompt = boxes.prompt;
    if (!m_ficheOuverte)
        return;
    if (prompt.question(QStringLiteral("Supprimer '") + m_caption + QStringLiteral("' ?")) != UserPrompt::Answer::Yes)
        return;
    if (!unlock(boxes))
        return;
    // A record another copy of the program deleted meanwhile is gone as asked.
    const RecordStoreStatus status = m_store.remove(m_caption);
    if (status != RecordStoreStatus::Ok && status != RecordStoreStatus::NotFound) {
        prompt.message(QStringLiteral("Impossible de supprimer la fiche '") + m_caption + QStringLiteral("'.")
                       + LineBreak + QStringLiteral("Suppression abandonnée."));
        return;
    }
    newFiche();
}

void FicheCommands::changePassword(FicheBoxes boxes)
{
    const RecordStoreStatus status = m_store.check();
    if (status != RecordStoreStatus::Ok && status != RecordStoreStatus::Locked) {
        boxes.prompt.message(dataFileMessage());
        return;
    }
    // Whoever changes the password must know it, even once the file is open.
    if (status == RecordStoreStatus::Locked || m_store.isProtected()) {
        if (!askPassword(boxes, QStringLiteral("Saisissez le mot de passe actuel des fiches."),
                         LineBreak + QStringLiteral("Mot de passe inchangé.")))
            return;
        const QString removeQuestion = QStringLiteral("Supprimer le mot de passe des fiches ?") + LineBreak
            + QStringLiteral("Oui : les fiches ne seront plus protégées par un mot de passe.") + LineBreak
            + QStringLiteral("Non : choisir un nouveau mot de passe.");
        if (boxes.prompt.question(removeQuestion) == UserPrompt::Answer::Yes) {
            rekey(boxes, QString(), QStringLiteral("Les fiches ne sont plus protégées par un mot de passe."));
            return;
        }
    }
    QString first = boxes.password.input(
        QStringLiteral("Saisissez le nouveau mot de passe des fiches (%1 caractères au moins).").arg(MinPasswordLength),
        QString());
    if (first.isEmpty())
        return;
    if (characterCount(first) < MinPasswordLength) {
        SqlCipherKey::wipe(first);
        boxes.prompt.message(passwordUnchanged(
            QStringLiteral("Le mot de passe doit compter au moins %1 caractères.").arg(MinPasswordLength)));
        return;
    }
    QString second =
        boxes.password.input(QStringLiteral("Saisissez une seconde fois le nouveau mot de passe."), QString());
    const bool cancelled = second.isEmpty();
    const bool same = first == second;
    SqlCipherKey::wipe(second);
    if (cancelled || !same) {
        SqlCipherKey::wipe(first);
        if (!cancelled)
            boxes.prompt.message(passwordUnchanged(QStringLiteral("Les deux saisies du mot de passe diffèrent.")));
        return;
    }
    rekey(boxes, std::move(first), QStringLiteral("Les fiches sont désormais protégées par ce mot de passe."));
}

void FicheCommands::rekey(FicheBoxes boxes, QString password, const QString &done)
{
    QByteArray bytes = passwordBytes(password);
    const RecordStoreStatus status = m_store.changePassword(bytes);
    SqlCipherKey::wipe(bytes);
    if (status == RecordStoreStatus::Ok)
        boxes.prompt.message(done);
    else
        boxes.prompt.message(QStringLiteral("Le mot de passe des fiches n'a pas pu être modifié.") + LineBreak
                             + QStringLiteral("Le fichier de données est resté tel qu'il était."));
}
