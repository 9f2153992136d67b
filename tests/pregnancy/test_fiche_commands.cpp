#include "pregnancy/FicheCommands.h"
#include "pregnancy/FichePicker.h"
#include "pregnancy/PregnancyRecordStore.h"

#include "FakeFicheView.h"
#include "support/RecordFiles.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(UserPrompt::Answer)

namespace {

const QString SavePrompt =
    QStringLiteral("Saisissez un identifiant unique (60 caractères maximum) pour cette fiche (doublons interdits).");
const QString DataFileMessage = QStringLiteral(
    "Le fichier de données (Fiches.gro) n'a pas pu être ouvert.\r\nEventuellement, réinstallez l'application.");
const QString P1 = QStringLiteral("Maternité des Lilas");
const QString P2 = QStringLiteral("cabinet 2e étage");
const QString IncorrectPassword = QStringLiteral("Mot de passe incorrect.");
const QString Empty = QStringLiteral("Grossesse");

const FicheDates Pregnancy{QDate(2009, 1, 15), QDate(2009, 1, 1), QDate(2009, 10, 15)};
const FicheDates Later{QDate(2009, 2, 1), QDate(2009, 1, 12), QDate(2009, 11, 8)};

QStringList listOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : QStringList{text};
}

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

QStringList storedNames(const QString &path)
{
    PregnancyRecordStore store(path);
    QStringList names;
    if (store.names(names) != RecordStoreStatus::Ok)
        return {QStringLiteral("<unreadable>")};
    return names;
}

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

// The pregnancy window's commands on a fresh record file holding `saved`, the
// last one open; the boxes answer from their scripts.
struct Session
{
    QString path;
    FakeFicheView view;
    FicheCommands commands;
    ScriptedPrompt prompt;
    ScriptedPrompt identifier;
    ScriptedPrompt password;

    Session(const RecordFiles &files, const QStringList &saved = {})
        : path(files.fresh(QStringLiteral("fiches.gro"))), commands(path, view)
    {
        for (const QString &name : saved)
            save(name);
    }
    FicheBoxes boxes() { return {prompt, identifier, password}; }
    // Saves under `name`, answering the input box with it.
    void save(const QString &name, const FicheDates &dates = Pregnancy)
    {
        ScriptedPrompt quiet;
        ScriptedPrompt box;
        box.inputAnswers << name;
        commands.saveFiche(dates, {quiet, box, quiet});
    }
};

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
        QTest::newRow("start and delivery") << false << true << false << ddg + "\r\n" + acc + tail;
    }

    void invalidDatesAreRefusedBeforeTheIdentifier()
    {
        QFETCH(bool, ddgValid);
        QFETCH(bool, ddrValid);
        QFETCH(bool, accValid);
        QFETCH(QString, expected);
        Session s(m_files);
        s.identifier.inputAnswers << QStringLiteral("Dupont");
        s.commands.saveFiche({ddgValid ? Pregnancy.ddg : QDate(), ddrValid ? Pregnancy.ddr : QDate(),
                              accValid ? Pregnancy.acc : QDate()},
                             s.boxes());
        QCOMPARE(s.prompt.messages, QStringList{expected});
        QVERIFY(s.identifier.inputs.isEmpty());
        QVERIFY(storedNames(s.path).isEmpty());
        QVERIFY(!s.commands.ficheOuverte());
    }

    // The identifier typed in a window with no record open.
    void identifierAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString reserved = QStringLiteral("Cet identifiant est réservé.\r\nEnregistrement annulé.");
        const QString hidden = QStringLiteral(
            "L'identifiant contient un caractère invisible, de contrôle ou de sens d'écriture.\r\nEnregistrement annulé.");
        const QString sixty = QStringLiteral("Dupont-Durand Marie-Christine Élisabeth née Kerbrat, 2e enfant");
        QTest::newRow("cancelled") << "" << "" << "";
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
        QTest::newRow("75 characters, cut") << sixty + QStringLiteral("xxxxxxxxxxxx") << "" << sixty.left(60);
        QTest::newRow("exactly 60") << sixty.left(60) << "" << sixty.left(60);
        QTest::newRow("two-unit character at the cut") << QString(59, QLatin1Char('a')) + QString::fromUtf8("👶👶")
                                                       << "" << QString(59, QLatin1Char('a')) + QString::fromUtf8("👶");
    }

    void identifierAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        Session s(m_files);
        const QByteArray before = RecordFiles::read(s.path);
        if (!answer.isEmpty())
            s.identifier.inputAnswers << answer;
        s.commands.saveFiche(Pregnancy, s.boxes());
        QCOMPARE(s.identifier.inputs, (QList<QPair<QString, QString>>{{SavePrompt, QString()}}));
        QCOMPARE(s.prompt.messages, listOf(message));
        QCOMPARE(storedNames(s.path), listOf(stored));
        QCOMPARE(s.view.caption, stored.isEmpty() ? Empty : stored);
        QCOMPARE(s.commands.caption(), s.view.caption);
        QCOMPARE(s.commands.ficheOuverte(), !stored.isEmpty());
        QCOMPARE(s.view.ficheOuverte, !stored.isEmpty());
        if (stored.isEmpty())
            QCOMPARE(RecordFiles::read(s.path), before);
    }

    // A second save once "Élodie Martin" was saved with the first dates.
    void secondSave_data()
    {
        QTest::addColumn<QString>("before"); // what happened in between
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("caption");
        const QString duplicate = QStringLiteral(
            "Une fiche 'ÉLODIE MARTIN' existe déjà.\r\nRecommencez en modifiant l'identifiant, ou ouvrez la fiche "
            "existante pour la modifier ou la supprimer.");
        QTest::newRow("overwrite, proposed identifier")
            << "" << "Élodie Martin" << "" << QStringList{"Élodie Martin"} << "Élodie Martin";
        QTest::newRow("overwrite, lower case")
            << "" << "élodie martin" << "" << QStringList{"élodie martin"} << "élodie martin";
        QTest::newRow("overwrite, upper case")
            << "" << "ÉLODIE MARTIN" << "" << QStringList{"ÉLODIE MARTIN"} << "ÉLODIE MARTIN";
        QTest::newRow("another identifier keeps the first")
            << "" << "Élodie Martin bis" << "" << QStringList{"Élodie Martin", "Élodie Martin bis"}
            << "Élodie Martin bis";
        QTest::newRow("duplicate after a new fiche")
            << "new" << "ÉLODIE MARTIN" << duplicate << QStringList{"Élodie Martin"} << Empty;
        QTest::newRow("file gone") << "file gone" << "Durand" << "Impossible d'enregistrer la fiche." << QStringList()
                                   << "Élodie Martin";
    }

    void secondSave()
    {
        QFETCH(QString, before);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QStringList, names);
        QFETCH(QString, caption);
        Session s(m_files, {QStringLiteral("Élodie Martin")});
        if (before == QLatin1String("new"))
            s.commands.newFiche();
        else if (before == QLatin1String("file gone"))
            QVERIFY(QFile::remove(s.path));
        s.identifier.inputAnswers << answer;
        s.commands.saveFiche(Later, s.boxes());
        // Saving again proposes the open record's identifier.
        QCOMPARE(s.identifier.inputs.first().second, before == QLatin1String("new") ? QString() : "Élodie Martin");
        QCOMPARE(s.prompt.messages, listOf(message));
        QCOMPARE(s.view.caption, caption);
        QCOMPARE(s.commands.caption(), caption);
        QCOMPARE(s.commands.ficheOuverte(), caption != Empty);
        QCOMPARE(s.view.ficheOuverte, caption != Empty);
        if (names.isEmpty()) {
            QVERIFY(!QFile::exists(s.path));
            return;
        }
        QCOMPARE(storedNames(s.path), names);
        PregnancyRecordStore store(s.path);
        for (const QString &name : std::as_const(names)) {
            PregnancyRecord found;
            QCOMPARE(store.find(name, found), RecordStoreStatus::Ok);
            const FicheDates &dates = name == answer && message.isEmpty() ? Later : Pregnancy;
            QCOMPARE(found, (PregnancyRecord{name, dates.ddg, dates.ddr, dates.acc}));
        }
    }

    // "Durand" and "L'Hôpital" are saved, "L'Hôpital" open, before the delete.
    void deleteCommand_data()
    {
        QTest::addColumn<QString>("before"); // what happened in between
        QTest::addColumn<UserPrompt::Answer>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("emptied");
        const QStringList both{"Durand", "L'Hôpital"};
        const QStringList first{"Durand"};
        const QString failed = QStringLiteral("Impossible de supprimer la fiche 'L'Hôpital'.\r\nSuppression abandonnée.");
        QTest::newRow("answered No") << "" << UserPrompt::Answer::No << "" << both << false;
        QTest::newRow("answered Yes") << "" << UserPrompt::Answer::Yes << "" << first << true;
        QTest::newRow("no record open") << "new" << UserPrompt::Answer::Yes << "" << both << false;
        QTest::newRow("deleted meanwhile") << "gone" << UserPrompt::Answer::Yes << "" << first << true;
        QTest::newRow("damaged file") << "damaged" << UserPrompt::Answer::Yes << failed << QStringList() << false;
    }

    void deleteCommand()
    {
        QFETCH(QString, before);
        QFETCH(UserPrompt::Answer, answer);
        QFETCH(QString, message);
        QFETCH(QStringList, names);
        QFETCH(bool, emptied);
        const QString open = QStringLiteral("L'Hôpital");
        Session s(m_files, {QStringLiteral("Durand"), open});
        const QByteArray damaged("ceci n'est pas une base de données chiffrée");
        if (before == QLatin1String("new"))
            s.commands.newFiche();
        else if (before == QLatin1String("gone"))
            QCOMPARE(PregnancyRecordStore(s.path).remove(open), RecordStoreStatus::Ok);
        else if (before == QLatin1String("damaged"))
            QVERIFY(RecordFiles::write(s.path, damaged));
        const int clears = s.view.clears;
        s.prompt.questionAnswers << answer;
        s.commands.deleteFiche(s.boxes());
        QCOMPARE(s.prompt.questions,
                 before == QLatin1String("new") ? QStringList() : QStringList{"Supprimer 'L'Hôpital' ?"});
        QCOMPARE(s.prompt.messages, listOf(message));
        QCOMPARE(s.view.clears - clears, emptied ? 1 : 0);
        const bool stillOpen = !emptied && before != QLatin1String("new");
        QCOMPARE(s.view.caption, stillOpen ? open : Empty);
        QCOMPARE(s.view.ficheOuverte, stillOpen);
        QCOMPARE(s.commands.ficheOuverte(), stillOpen);
        if (names.isEmpty())
            QCOMPARE(RecordFiles::read(s.path), damaged);
        else
            QCOMPARE(storedNames(s.path), names);
    }

    void openingAFileWithoutRecords_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "empty" << "Le fichier de données est vide.";
        QTest::newRow("missing file") << "missing" << DataFileMessage;
        QTest::newRow("100 bytes short") << "short" << DataFileMessage;
        QTest::newRow("not a database") << "text" << DataFileMessage;
    }

    void openingAFileWithoutRecords()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        Session s(m_files);
        if (kind == QLatin1String("missing"))
            QVERIFY(QFile::remove(s.path));
        else if (kind == QLatin1String("short"))
            QVERIFY(RecordFiles::write(s.path, RecordFiles::read(s.path).chopped(100)));
        else if (kind == QLatin1String("text"))
            QVERIFY(RecordFiles::write(s.path, "Dupont\r\nDurand\r\n"));
        ScriptedPicker picker;
        s.commands.openFiche(s.boxes(), picker);
        QCOMPARE(s.prompt.messages, QStringList{message});
        QCOMPARE(picker.calls, 0);
        QCOMPARE(s.view.loads, 0);
    }

    // A record that vanished from the list leaves the list up for another choice.
    void openingLoadsTheStoredDates()
    {
        Session s(m_files);
        // The stored last period is not DDG - 14 days and the delivery is after the term.
        const FicheDates stored{QDate(2009, 1, 15), QDate(2008, 12, 28), QDate(2009, 10, 27)};
        s.save(QStringLiteral("Martin"), stored);
        s.save(QStringLiteral("Dupont"));
        s.save(QStringLiteral("élodie"));
        s.commands.newFiche();
        ScriptedPicker picker;
        picker.choices << QStringLiteral("Fantôme") << QStringLiteral("Martin");
        s.commands.openFiche(s.boxes(), picker);
        QVERIFY(s.prompt.messages.isEmpty());
        QCOMPARE(picker.shown, (QStringList{"Dupont", "élodie", "Martin"}));
        QCOMPARE(picker.listPrompt.messages, QStringList{"Impossible d'ouvrir la fiche de Fantôme"});
        QCOMPARE(picker.results, (QList<bool>{false, true}));
        QCOMPARE(s.view.loads, 1);
        QCOMPARE(s.view.ddg, stored.ddg);
        QCOMPARE(s.view.ddr, stored.ddr);
        QCOMPARE(s.view.acc, stored.acc);
        QCOMPARE(s.view.caption, QStringLiteral("Martin"));
        QVERIFY(s.view.ficheOuverte);
        QVERIFY(s.commands.ficheOuverte());

        s.commands.newFiche();
        QCOMPARE(s.view.clears, 2);
        QVERIFY(!s.view.ddg.isValid());
        QCOMPARE(s.view.caption, Empty);
        QVERIFY(!s.view.ficheOuverte);
        QCOMPARE(s.commands.caption(), Empty);
        QCOMPARE(storedNames(s.path).size(), 3);
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
        const QString path = Session(m_files, {QStringLiteral("Dupont")}).path;
        if (!before.isEmpty())
            QCOMPARE(PregnancyRecordStore(path).changePassword(before.toUtf8()), RecordStoreStatus::Ok);
        const QByteArray bytes = RecordFiles::read(path);

        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        ScriptedPrompt passwordBox;
        passwordBox.inputAnswers = typed;
        prompt.questionAnswers << (remove ? UserPrompt::Answer::Yes : UserPrompt::Answer::No);
        commands.changePassword({prompt, prompt, passwordBox});
        QCOMPARE(prompt.messages, listOf(message));
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
        // Every command reaches the one password box and stops at its refusals.
        for (const char *command : {"open", "save", "delete"})
            QTest::addRow("%s, right password", command) << command << P1 << "";
        QTest::newRow("open, wrong password") << "open" << P2 << IncorrectPassword;
        QTest::newRow("save, cancelled") << "save" << "" << "";
        QTest::newRow("delete, wrong password") << "delete" << P2 << IncorrectPassword;
    }

    void firstCommandAsksForThePasswordOnce()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        const QString path = Session(m_files, {QStringLiteral("Dupont"), QStringLiteral("Durand")}).path;
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
        identifierBox.inputAnswers << QStringLiteral("Martin");
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
        QCOMPARE(prompt.messages, listOf(message));
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
