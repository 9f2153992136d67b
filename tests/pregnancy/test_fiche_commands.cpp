#include "pregnancy/FicheCommands.h"
#include "pregnancy/FichePicker.h"
#include "pregnancy/PregnancyRecordStore.h"

#include "FakeFicheView.h"
#include "support/RecordFiles.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SavePrompt =
    QStringLiteral("Saisissez un identifiant unique (60 caractères maximum) pour cette fiche (doublons interdits).");
const QString DataFileMessage = QStringLiteral(
    "Le fichier de données (Fiches.gro) n'a pas pu être ouvert.\r\nEventuellement, réinstallez l'application.");

const QString P1 = QStringLiteral("Maternité des Lilas");
const QString P2 = QStringLiteral("cabinet 2e étage");
const QString IncorrectPassword = QStringLiteral("Mot de passe incorrect.");

// Which practice password opens the file: none for the built-in key.
QString passwordOf(const QString &path)
{
    PregnancyRecordStore store(path);
    if (store.check() == RecordStoreStatus::Ok)
        return QString();
    for (const QString &candidate : {P1, P2})
        if (store.unlock(candidate.toUtf8()) == RecordStoreStatus::Ok)
            return candidate;
    return QStringLiteral("<unknown>");
}

const FicheDates Pregnancy{QDate(2009, 1, 15), QDate(2009, 1, 1), QDate(2009, 10, 15)};

// Tries the names in turn, as a user picking again after a failure, and records
// what the list showed.
class ScriptedPicker : public FichePicker
{
public:
    QStringList choices;
    QStringList shown;
    QList<bool> results;
    ScriptedPrompt listPrompt;
    int calls = 0;

    void pick(const QStringList &names, const Opener &open) override
    {
        ++calls;
        shown = names;
        for (const QString &choice : std::as_const(choices)) {
            const bool opened = open(choice, listPrompt);
            results << opened;
            if (opened)
                return;
        }
    }
};

} // namespace

namespace {

QStringList storedNames(const QString &path)
{
    PregnancyRecordStore store(path);
    QStringList names;
    if (store.names(names) != RecordStoreStatus::Ok)
        return {QStringLiteral("<unreadable>")};
    return names;
}

// Saves under `name`, answering the input box with it.
void save(FicheCommands &commands, const QString &name, const FicheDates &dates = Pregnancy)
{
    ScriptedPrompt prompt;
    ScriptedPrompt box;
    box.inputAnswers << name;
    commands.saveFiche(dates, {prompt, box, prompt});
}

} // namespace

class TestFicheCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_files.ready());
    }

    void invalidDatesAreRefusedBeforeTheIdentifier_data()
    {
        QTest::addColumn<bool>("ddgValid");
        QTest::addColumn<bool>("ddrValid");
        QTest::addColumn<bool>("accValid");
        QTest::addColumn<QString>("expected");
        const QString ddg = QStringLiteral("La date de début de grossesse n'est pas valide.");
        const QString ddr = QStringLiteral("La date des dernières règles n'est pas valide.");
        const QString acc = QStringLiteral("La date d'accouchement n'est pas valide.");
        const QString tail = QStringLiteral("\r\nCorrigez et réessayez.");
        QTest::newRow("empty last period") << true << false << true << ddr + tail;
        QTest::newRow("all three") << false << false << false << ddg + "\r\n" + ddr + "\r\n" + acc + tail;
        QTest::newRow("start only") << false << true << true << ddg + tail;
        QTest::newRow("delivery only") << true << true << false << acc + tail;
        QTest::newRow("start and delivery") << false << true << false << ddg + "\r\n" + acc + tail;
    }

    void invalidDatesAreRefusedBeforeTheIdentifier()
    {
        QFETCH(bool, ddgValid);
        QFETCH(bool, ddrValid);
        QFETCH(bool, accValid);
        QFETCH(QString, expected);
        const QString path = m_files.fresh(QStringLiteral("invalid.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        const FicheDates dates{ddgValid ? Pregnancy.ddg : QDate(), ddrValid ? Pregnancy.ddr : QDate(),
                               accValid ? Pregnancy.acc : QDate()};
        ScriptedPrompt prompt;
        ScriptedPrompt box;
        box.inputAnswers << QStringLiteral("Dupont");
        commands.saveFiche(dates, {prompt, box, prompt});
        QCOMPARE(prompt.messages, QStringList{expected});
        QVERIFY(box.inputs.isEmpty());
        QVERIFY(storedNames(path).isEmpty());
        QVERIFY(!commands.ficheOuverte());
    }

    void identifierAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString reserved = QStringLiteral("Cet identifiant est réservé.\r\nEnregistrement annulé.");
        const QString hidden = QStringLiteral(
            "L'identifiant contient un caractère invisible, de contrôle ou de sens d'écriture.\r\nEnregistrement annulé.");
        QTest::newRow("upper case") << "GROSSESSE" << reserved << "";
        QTest::newRow("lower case") << "grossesse" << reserved << "";
        QTest::newRow("caption case") << "Grossesse" << reserved << "";
        QTest::newRow("mixed case") << "gRoSsEsSe" << reserved << "";
        QTest::newRow("reserved among blanks") << "  grossesse " << reserved << "";
        QTest::newRow("reserved in full width") << "ＧＲＯＳＳＥＳＳＥ" << reserved << "";
        QTest::newRow("longer word") << "Grossesses" << "" << "Grossesses";
        QTest::newRow("with a name") << "Grossesse Dupont" << "" << "Grossesse Dupont";
        QTest::newRow("blanks around") << " \u00A0Dupont\u3000 " << "" << "Dupont";
        QTest::newRow("blanks only") << " \u00A0 \u2003" << "" << "";
        QTest::newRow("zero-width space") << "Caro\u200Bline" << hidden << "";
        QTest::newRow("soft hyphen") << "Caro\u00ADline" << hidden << "";
        QTest::newRow("right-to-left override") << "\u202EeniloraC" << hidden << "";
        QTest::newRow("direction isolate") << "Caroline\u2066" << hidden << "";
        QTest::newRow("tab") << "Caro\tline" << hidden << "";
        QTest::newRow("Hangul filler") << "Caroline\u3164" << hidden << "";
        QTest::newRow("byte order mark") << "Caro\uFEFFline" << hidden << "";
        QTest::newRow("lone surrogate") << QStringLiteral("Caroline") + QChar(0xD83D) << hidden << "";
    }

    void identifierAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        const QString path = m_files.fresh(QStringLiteral("identifier.gro"));
        const QByteArray before = RecordFiles::read(path);
        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        ScriptedPrompt box;
        box.inputAnswers << answer;
        commands.saveFiche(Pregnancy, {prompt, box, prompt});
        QCOMPARE(prompt.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(storedNames(path), stored.isEmpty() ? QStringList() : QStringList{stored});
        QCOMPARE(view.caption, stored.isEmpty() ? QStringLiteral("Grossesse") : stored);
        QCOMPARE(commands.ficheOuverte(), !stored.isEmpty());
        if (stored.isEmpty())
            QCOMPARE(RecordFiles::read(path), before);
    }

    void emptyAnswerEndsSilently()
    {
        const QString path = m_files.fresh(QStringLiteral("cancel.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        ScriptedPrompt box; // no answer: the user cancels
        commands.saveFiche(Pregnancy, {prompt, box, prompt});
        QCOMPARE(box.inputs.size(), 1);
        QCOMPARE(box.inputs.first(), qMakePair(SavePrompt, QString()));
        QVERIFY(prompt.messages.isEmpty());
        QVERIFY(storedNames(path).isEmpty());
        QVERIFY(!commands.ficheOuverte());
    }

    void longIdentifierIsCut_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");
        const QString sixty = QStringLiteral("Dupont-Durand Marie-Christine Élisabeth née Kerbrat, 2e enfant");
        QCOMPARE(sixty.left(60).size(), 60);
        QTest::newRow("75 characters") << sixty + QStringLiteral("xxxxxxxxxxxx") << sixty.left(60);
        QTest::newRow("exactly 60") << sixty.left(60) << sixty.left(60);
        QTest::newRow("two-unit character at the cut")
            << QString(59, QLatin1Char('a')) + QString::fromUtf8("👶👶")
            << QString(59, QLatin1Char('a')) + QString::fromUtf8("👶");
    }

    void longIdentifierIsCut()
    {
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        const QString path = m_files.fresh(QStringLiteral("long.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, answer);
        QCOMPARE(storedNames(path), QStringList{stored});
        QCOMPARE(view.caption, stored);
        QCOMPARE(commands.caption(), stored);
    }

    void savingOpensTheRecord()
    {
        const QString path = m_files.fresh(QStringLiteral("save.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        ScriptedPrompt box;
        box.inputAnswers << QStringLiteral("Dupont") << QString();
        commands.saveFiche(Pregnancy, {prompt, box, prompt});
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(view.caption, QStringLiteral("Dupont"));
        QVERIFY(view.ficheOuverte);
        QVERIFY(commands.ficheOuverte());
        // Saving again proposes the open record's identifier.
        commands.saveFiche(Pregnancy, {prompt, box, prompt});
        QCOMPARE(box.inputs.last(), qMakePair(SavePrompt, QStringLiteral("Dupont")));
        QCOMPARE(FicheCommands::saveTitle(), QStringLiteral("Enregistrer une fiche"));
    }

    void duplicateLeavesTheWindowAsItWas()
    {
        const QString path = m_files.fresh(QStringLiteral("duplicate.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Élodie Martin"));
        commands.newFiche();

        ScriptedPrompt prompt;
        ScriptedPrompt box;
        box.inputAnswers << QStringLiteral("ÉLODIE MARTIN");
        commands.saveFiche({QDate(2010, 3, 3), QDate(2010, 2, 17), QDate(2010, 12, 3)}, {prompt, box, prompt});
        QCOMPARE(prompt.messages,
                 QStringList{QStringLiteral("Une fiche 'ÉLODIE MARTIN' existe déjà.\r\nRecommencez en modifiant "
                                            "l'identifiant, ou ouvrez la fiche existante pour la modifier ou la supprimer.")});
        QCOMPARE(view.caption, QStringLiteral("Grossesse"));
        QVERIFY(!view.ficheOuverte);
        QVERIFY(!commands.ficheOuverte());
        PregnancyRecordStore store(path);
        PregnancyRecord kept;
        QCOMPARE(store.find(QStringLiteral("Élodie Martin"), kept), RecordStoreStatus::Ok);
        QCOMPARE(kept.name, QStringLiteral("Élodie Martin"));
        QCOMPARE(kept.ddg, Pregnancy.ddg);
    }

    void overwriteOfTheOpenRecord_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("proposed identifier") << "Élodie Martin";
        QTest::newRow("lower case") << "élodie martin";
        QTest::newRow("upper case") << "ÉLODIE MARTIN";
    }

    void overwriteOfTheOpenRecord()
    {
        QFETCH(QString, answer);
        const QString path = m_files.fresh(QStringLiteral("overwrite.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Élodie Martin"));
        const FicheDates later{QDate(2009, 2, 1), QDate(2009, 1, 12), QDate(2009, 11, 8)};
        save(commands, answer, later);

        QCOMPARE(storedNames(path), QStringList{answer});
        PregnancyRecordStore store(path);
        PregnancyRecord found;
        QCOMPARE(store.find(answer, found), RecordStoreStatus::Ok);
        QCOMPARE(found, (PregnancyRecord{answer, later.ddg, later.ddr, later.acc}));
        QCOMPARE(view.caption, answer);
    }

    void savingUnderAnotherIdentifierKeepsTheFirst()
    {
        const QString path = m_files.fresh(QStringLiteral("second.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        save(commands, QStringLiteral("Dupont bis"), {QDate(2011, 5, 5), QDate(2011, 4, 21), QDate(2012, 2, 5)});
        QCOMPARE(storedNames(path), (QStringList{QStringLiteral("Dupont"), QStringLiteral("Dupont bis")}));
        QCOMPARE(view.caption, QStringLiteral("Dupont bis"));
        PregnancyRecordStore store(path);
        PregnancyRecord first;
        QCOMPARE(store.find(QStringLiteral("Dupont"), first), RecordStoreStatus::Ok);
        QCOMPARE(first.ddg, Pregnancy.ddg);
    }

    void saveFailureLeavesTheWindowAsItWas()
    {
        const QString path = m_files.fresh(QStringLiteral("save-fails.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        QVERIFY(QFile::remove(path));

        ScriptedPrompt prompt;
        ScriptedPrompt box;
        box.inputAnswers << QStringLiteral("Durand");
        commands.saveFiche(Pregnancy, {prompt, box, prompt});
        QCOMPARE(prompt.messages, QStringList{QStringLiteral("Impossible d'enregistrer la fiche.")});
        QCOMPARE(view.caption, QStringLiteral("Dupont"));
        QCOMPARE(commands.caption(), QStringLiteral("Dupont"));
        QVERIFY(!QFile::exists(path));
    }

    void deleteAsksFirst()
    {
        const QString path = m_files.fresh(QStringLiteral("ask.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("L'Hôpital"));
        ScriptedPrompt prompt;
        prompt.questionAnswers << UserPrompt::Answer::No;
        commands.deleteFiche({prompt, prompt, prompt});
        QCOMPARE(prompt.questions, QStringList{QStringLiteral("Supprimer 'L'Hôpital' ?")});
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(storedNames(path), QStringList{QStringLiteral("L'Hôpital")});
        QCOMPARE(view.caption, QStringLiteral("L'Hôpital"));
        QCOMPARE(view.clears, 0);
    }

    void deleteRemovesAndEmptiesTheWindow()
    {
        const QString path = m_files.fresh(QStringLiteral("delete.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Durand"));
        save(commands, QStringLiteral("Dupont"));
        ScriptedPrompt prompt;
        prompt.questionAnswers << UserPrompt::Answer::Yes;
        commands.deleteFiche({prompt, prompt, prompt});
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(storedNames(path), QStringList{QStringLiteral("Durand")});
        QCOMPARE(view.clears, 1);
        QCOMPARE(view.caption, QStringLiteral("Grossesse"));
        QVERIFY(!view.ficheOuverte);
        QVERIFY(!commands.ficheOuverte());
    }

    void deleteIsRefusedWithoutAnOpenRecord()
    {
        const QString path = m_files.fresh(QStringLiteral("no-delete.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        prompt.questionAnswers << UserPrompt::Answer::Yes;
        commands.deleteFiche({prompt, prompt, prompt});
        QVERIFY(prompt.questions.isEmpty());
        QCOMPARE(view.clears, 0);
    }

    void deleteOfARecordAlreadyGone()
    {
        const QString path = m_files.fresh(QStringLiteral("gone.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        save(commands, QStringLiteral("Durand"));
        PregnancyRecordStore otherCopy(path);
        QCOMPARE(otherCopy.remove(QStringLiteral("Durand")), RecordStoreStatus::Ok);

        ScriptedPrompt prompt;
        prompt.questionAnswers << UserPrompt::Answer::Yes;
        commands.deleteFiche({prompt, prompt, prompt});
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(storedNames(path), QStringList{QStringLiteral("Dupont")});
        QCOMPARE(view.caption, QStringLiteral("Grossesse"));
    }

    void deleteFailureLeavesTheWindowAsItWas()
    {
        const QString path = m_files.fresh(QStringLiteral("delete-fails.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        const QByteArray damaged("ceci n'est pas une base de données chiffrée");
        QVERIFY(RecordFiles::write(path, damaged));

        ScriptedPrompt prompt;
        prompt.questionAnswers << UserPrompt::Answer::Yes;
        commands.deleteFiche({prompt, prompt, prompt});
        QCOMPARE(prompt.messages,
                 QStringList{QStringLiteral("Impossible de supprimer la fiche 'Dupont'.\r\nSuppression abandonnée.")});
        QCOMPARE(view.caption, QStringLiteral("Dupont"));
        QVERIFY(view.ficheOuverte);
        QCOMPARE(view.clears, 0);
        QCOMPARE(RecordFiles::read(path), damaged);
    }

    void openingAnEmptyFile()
    {
        const QString path = m_files.fresh(QStringLiteral("empty.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        ScriptedPicker picker;
        commands.openFiche({prompt, prompt, prompt}, picker);
        QCOMPARE(prompt.messages, QStringList{QStringLiteral("Le fichier de données est vide.")});
        QCOMPARE(picker.calls, 0);
    }

    void openingAnUnreadableFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("100 bytes short") << "short";
        QTest::newRow("not a database") << "text";
    }

    void openingAnUnreadableFile()
    {
        QFETCH(QString, kind);
        const QString path = m_files.fresh(QStringLiteral("unreadable.gro"));
        if (kind == QLatin1String("missing"))
            QVERIFY(QFile::remove(path));
        else if (kind == QLatin1String("short"))
            QVERIFY(RecordFiles::write(path, RecordFiles::read(path).chopped(100)));
        else
            QVERIFY(RecordFiles::write(path, "Dupont\r\nDurand\r\n"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        ScriptedPicker picker;
        commands.openFiche({prompt, prompt, prompt}, picker);
        QCOMPARE(prompt.messages, QStringList{DataFileMessage});
        QCOMPARE(picker.calls, 0);
        QCOMPARE(view.loads, 0);
    }

    void openingLoadsTheStoredDates()
    {
        const QString path = m_files.fresh(QStringLiteral("open.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        // The stored last period is not DDG - 14 days and the delivery is after the term.
        const FicheDates stored{QDate(2009, 1, 15), QDate(2008, 12, 28), QDate(2009, 10, 27)};
        save(commands, QStringLiteral("Martin"), stored);
        save(commands, QStringLiteral("Dupont"));
        save(commands, QStringLiteral("élodie"));
        commands.newFiche();

        ScriptedPrompt prompt;
        ScriptedPicker picker;
        picker.choices << QStringLiteral("Martin");
        commands.openFiche({prompt, prompt, prompt}, picker);
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(picker.shown, (QStringList{QStringLiteral("Dupont"), QStringLiteral("élodie"), QStringLiteral("Martin")}));
        QCOMPARE(picker.results, QList<bool>{true});
        QCOMPARE(view.ddg, stored.ddg);
        QCOMPARE(view.ddr, stored.ddr);
        QCOMPARE(view.acc, stored.acc);
        QCOMPARE(view.caption, QStringLiteral("Martin"));
        QVERIFY(view.ficheOuverte);
        QVERIFY(commands.ficheOuverte());
    }

    void openingARecordThatVanishedKeepsTheList()
    {
        const QString path = m_files.fresh(QStringLiteral("vanished.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        save(commands, QStringLiteral("Durand"));
        commands.newFiche();

        ScriptedPicker picker;
        picker.choices << QStringLiteral("Fantôme") << QStringLiteral("Durand");
        ScriptedPrompt prompt;
        commands.openFiche({prompt, prompt, prompt}, picker);
        QCOMPARE(picker.listPrompt.messages, QStringList{QStringLiteral("Impossible d'ouvrir la fiche de Fantôme")});
        QCOMPARE(picker.results, (QList<bool>{false, true}));
        QCOMPARE(view.loads, 1);
        QCOMPARE(view.caption, QStringLiteral("Durand"));
    }

    void newFicheEmptiesTheWindow()
    {
        const QString path = m_files.fresh(QStringLiteral("new.gro"));
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        ScriptedPrompt prompt;
        QVERIFY(commands.openChosen(QStringLiteral("Dupont"), prompt));
        QCOMPARE(view.ddg, Pregnancy.ddg);
        commands.newFiche();
        QCOMPARE(view.clears, 1);
        QVERIFY(!view.ddg.isValid());
        QCOMPARE(view.caption, QStringLiteral("Grossesse"));
        QVERIFY(!view.ficheOuverte);
        QCOMPARE(commands.caption(), QStringLiteral("Grossesse"));
        QCOMPARE(storedNames(path), QStringList{QStringLiteral("Dupont")});
    }

    void passwordCommand_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");
        const QString set = QStringLiteral("Les fiches sont désormais protégées par ce mot de passe.");
        const QString unchanged = QStringLiteral("\r\nMot de passe inchangé.");
        QTest::newRow("set") << "" << QStringList{P1, P1} << false << set << P1;
        QTest::newRow("set, too short") << "" << QStringList{"1234567"} << false
                                        << "Le mot de passe doit compter au moins 8 caractères." + unchanged << "";
        QTest::newRow("set, eight characters outside the BMP")
            << "" << QStringList{"👶👶👶👶👶👶👶👶", "👶👶👶👶👶👶👶👶"} << false << set << "<unknown>";
        QTest::newRow("set, the two differ") << "" << QStringList{P1, P1 + "x"} << false
                                             << "Les deux saisies du mot de passe diffèrent." + unchanged << "";
        QTest::newRow("set, cancelled at the second") << "" << QStringList{P1} << false << "" << "";
        QTest::newRow("set, cancelled") << "" << QStringList{} << false << "" << "";
        QTest::newRow("change") << P1 << QStringList{P1, P2, P2} << false << set << P2;
        QTest::newRow("change, wrong current") << P1 << QStringList{P2} << false << IncorrectPassword + unchanged << P1;
        QTest::newRow("change, cancelled") << P1 << QStringList{} << false << "" << P1;
        QTest::newRow("remove") << P1 << QStringList{P1} << true
                                << "Les fiches ne sont plus protégées par un mot de passe." << "";
    }

    void passwordCommand()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, typed);
        QFETCH(bool, remove);
        QFETCH(QString, message);
        QFETCH(QString, after);
        const QString path = m_files.fresh(QStringLiteral("password.gro"));
        {
            FakeFicheView view;
            FicheCommands commands(path, view);
            save(commands, QStringLiteral("Dupont"));
            if (!before.isEmpty())
                QCOMPARE(PregnancyRecordStore(path).changePassword(before.toUtf8()), RecordStoreStatus::Ok);
        }
        const QByteArray bytes = RecordFiles::read(path);

        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        ScriptedPrompt passwordBox;
        passwordBox.inputAnswers = typed;
        prompt.questionAnswers << (remove ? UserPrompt::Answer::Yes : UserPrompt::Answer::No);
        commands.changePassword({prompt, prompt, passwordBox});
        QCOMPARE(prompt.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(passwordBox.inputAnswers.isEmpty());
        QCOMPARE(prompt.questions.size(), !before.isEmpty() && typed.value(0) == before ? 1 : 0);
        QCOMPARE(passwordOf(path), after);
        if (after == before)
            QCOMPARE(RecordFiles::read(path), bytes);

    }

    void firstCommandAsksForThePasswordOnce_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        for (const char *command : {"open", "save", "delete"}) {
            QTest::addRow("%s, right password", command) << command << P1 << "";
            QTest::addRow("%s, wrong password", command) << command << P2 << IncorrectPassword;
            QTest::addRow("%s, cancelled", command) << command << "" << "";
        }
    }

    void firstCommandAsksForThePasswordOnce()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        const QString path = m_files.fresh(QStringLiteral("first.gro"));
        {
            FakeFicheView view;
            FicheCommands commands(path, view);
            save(commands, QStringLiteral("Dupont"));
            save(commands, QStringLiteral("Durand"));
        }
        FakeFicheView view;
        FicheCommands window(path, view);
        if (command == QLatin1String("delete")) {
            // A record opened before another copy of the program set the password.
            ScriptedPrompt listPrompt;
            QVERIFY(window.openChosen(QStringLiteral("Durand"), listPrompt));
        }
        QCOMPARE(PregnancyRecordStore(path).changePassword(P1.toUtf8()), RecordStoreStatus::Ok);
        const QByteArray bytes = RecordFiles::read(path);
        const QString caption = view.caption;

        ScriptedPrompt prompt;
        prompt.questionAnswers << UserPrompt::Answer::Yes;
        ScriptedPrompt identifierBox;
        identifierBox.inputAnswers << QStringLiteral("Martin") << QStringLiteral("Petit");
        ScriptedPrompt passwordBox;
        passwordBox.inputAnswers << answer;
        ScriptedPicker picker;
        picker.choices << QStringLiteral("Durand");
        const FicheBoxes boxes{prompt, identifierBox, passwordBox};
        if (command == QLatin1String("open"))
            window.openFiche(boxes, picker);
        else if (command == QLatin1String("save"))
            window.saveFiche(Pregnancy, boxes);
        else
            window.deleteFiche(boxes);
        QCOMPARE(passwordBox.inputs.size(), 1);
        QCOMPARE(passwordBox.inputs.first().first, QStringLiteral("Saisissez le mot de passe des fiches."));
        QCOMPARE(prompt.messages, message.isEmpty() ? QStringList() : QStringList{message});
        if (answer != P1) {
            QCOMPARE(RecordFiles::read(path), bytes);
            QCOMPARE(view.caption, caption);
            QCOMPARE(picker.calls, 0);
            QVERIFY(identifierBox.inputs.isEmpty());
            return;
        }
        // The key is kept: the next command asks for nothing.
        window.newFiche();
        identifierBox.inputAnswers = QStringList{QStringLiteral("Petit")};
        window.saveFiche(Pregnancy, boxes);
        QCOMPARE(passwordBox.inputs.size(), 1);
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(view.caption, QStringLiteral("Petit"));
    }

private:
    RecordFiles m_files;
};

QTEST_GUILESS_MAIN(TestFicheCommands)
#include "test_fiche_commands.moc"
