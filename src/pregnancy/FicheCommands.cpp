#include "pregnancy/FicheCommands.h"

#include "dialogs/UserPrompt.h"
#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/FichePicker.h"
#include "pregnancy/FicheView.h"

#include <QStringList>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString noRecordCaption()
{
    return QStringLiteral("Grossesse");
}

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

QString saveFailure(RecordStoreStatus status, const QString &name)
{
    if (status == RecordStoreStatus::Duplicate)
        return QStringLiteral("Une fiche '") + name + QStringLiteral("' existe déjà.") + LineBreak
               + QStringLiteral("Recommencez en modifiant l'identifiant, ou ouvrez ")
               + QStringLiteral("la fiche existante pour la modifier ou la supprimer.");
    return QStringLiteral("Impossible d'enregistrer la fiche.");
}

} // namespace

FicheCommands::FicheCommands(QString recordFile, FicheView &view, QByteArray passphrase)
    : m_store(std::move(recordFile), std::move(passphrase)), m_view(view), m_caption(noRecordCaption())
{
}

QString FicheCommands::saveTitle()
{
    return QStringLiteral("Enregistrer une fiche");
}

void FicheCommands::setState(const QString &caption, bool ficheOuverte)
{
    m_caption = caption;
    m_ficheOuverte = ficheOuverte;
    m_view.showFicheState(caption, ficheOuverte);
}

void FicheCommands::prepare()
{
    m_store.prepareKey();
}

void FicheCommands::newFiche()
{
    m_view.clearPregnancy();
    setState(noRecordCaption(), false);
}

void FicheCommands::openFiche(UserPrompt &prompt, FichePicker &picker)
{
    QStringList names;
    if (m_store.names(names) != RecordStoreStatus::Ok) {
        prompt.message(QStringLiteral("Le fichier de données (Fiches.gro) n'a pas pu être ouvert.") + LineBreak
                       + QStringLiteral("Eventuellement, réinstallez l'application."));
        return;
    }
    if (names.isEmpty()) {
        prompt.message(QStringLiteral("Le fichier de données est vide."));
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

void FicheCommands::saveFiche(const FicheDates &dates, UserPrompt &prompt, UserPrompt &identifierBox)
{
    if (const QString lines = invalidDateLines(dates); !lines.isEmpty()) {
        prompt.message(lines + LineBreak + QStringLiteral("Corrigez et réessayez."));
        return;
    }
    QString name = identifierBox.input(
        QStringLiteral("Saisissez un identifiant unique (60 caractères maximum) pour cette fiche")
            + QStringLiteral(" (doublons interdits)."),
        m_ficheOuverte ? m_caption : QString());
    if (name.isEmpty())
        return;
    if (FicheIdentifier::isReserved(name)) {
        prompt.message(QStringLiteral("Cet identifiant est réservé.") + LineBreak
                       + QStringLiteral("Enregistrement annulé."));
        return;
    }
    name = FicheIdentifier::cut(name);
    const bool overwrite = m_ficheOuverte && FicheIdentifier::sameIdentifier(name, m_caption);
    const RecordStoreStatus status =
        m_store.save({name, dates.ddg, dates.ddr, dates.acc}, overwrite ? m_caption : QString());
    if (status != RecordStoreStatus::Ok) {
        prompt.message(saveFailure(status, name));
        return;
    }
    setState(name, true);
}

void FicheCommands::deleteFiche(UserPrompt &prompt)
{
    if (!m_ficheOuverte)
        return;
    if (prompt.question(QStringLiteral("Supprimer '") + m_caption + QStringLiteral("' ?")) != UserPrompt::Answer::Yes)
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
